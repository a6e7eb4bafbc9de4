// Trimming of texts. Fixed-width fields are blank padded on the right, and
// values read from settings files, scripts and filters carry blanks (or tabs)
// around them; these are the program's one way of taking them off.
#pragma once

#include <string_view>

namespace vorda {

// `text` without the trailing characters found in `chars`.
constexpr std::string_view trimRight(std::string_view text, std::string_view chars = " ") {
    const size_t last = text.find_last_not_of(chars);
    return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

// `text` without the leading characters found in `chars`.
constexpr std::string_view trimLeft(std::string_view text, std::string_view chars = " ") {
    const size_t first = text.find_first_not_of(chars);
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

constexpr std::string_view trim(std::string_view text, std::string_view chars = " ") {
    return trimRight(trimLeft(text, chars), chars);
}

}  // namespace vorda
