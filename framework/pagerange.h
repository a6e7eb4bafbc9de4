// The list of pages to print, as the user writes it in "Pages to Print":
// single pages and ranges separated by commas, blanks allowed around each
// part: "1-5", "2,4-5", "3, 7-". A range "a-b" takes a to b; "a-" runs to the
// last page. Every page named must exist (1 to the report's page count) and a
// range must not run backwards; anything else is refused with the reason, in
// Spanish, for the user.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorda {

struct PageRange {
    // The pages named, ascending, each once; empty when the text is refused,
    // with the reason in `error`.
    static std::vector<int> parse(std::string_view text, int pageCount, std::string& error);
    // "1-" followed by the page count: every page.
    static std::string all(int pageCount);
};

}  // namespace vorda
