// Splitting UI script lines into words.
#include "platform/ui/headless/scriptline.h"

namespace vorda::ui {

std::optional<std::vector<ScriptWord>> splitScriptLine(std::string_view line) {
    std::vector<ScriptWord> words;
    size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            const size_t close = line.find('"', i + 1);
            if (close == std::string_view::npos)
                return std::nullopt;
            words.push_back({.text = std::string(line.substr(i + 1, close - i - 1)),
                             .quoted = true,
                             .raw = std::string(line.substr(i, close - i + 1))});
            i = close + 1;
        } else {
            const size_t end = line.find_first_of(" \t\r", i);
            const std::string_view word = line.substr(i, end - i);
            words.push_back({.text = std::string(word), .quoted = false, .raw = std::string(word)});
            i = end == std::string_view::npos ? line.size() : end;
        }
    }
    return words;
}

ScriptRead readScriptLine(std::istream& in, std::string& line) {
    line.clear();
    std::streambuf* buffer = in.rdbuf();
    for (;;) {
        int c = std::char_traits<char>::eof();
        try {
            c = buffer != nullptr ? buffer->sbumpc() : c;
        } catch (const std::exception&) {
            in.setstate(std::ios::badbit);
        }
        if (in.bad())
            return ScriptRead::Unreadable;
        if (c == std::char_traits<char>::eof())
            return line.empty() ? ScriptRead::End : ScriptRead::Line;
        if (c == '\n')
            return ScriptRead::Line;
        if (line.size() == kMaxScriptLine)
            return ScriptRead::TooLong;
        line += static_cast<char>(c);
    }
}

namespace {

// The length of the well-formed UTF-8 sequence at the start of `s` (no
// overlong forms, no surrogates, nothing above U+10FFFF); 0 when malformed.
size_t utf8Sequence(std::string_view s) {
    const auto b0 = static_cast<unsigned char>(s[0]);
    if (b0 < 0x80)
        return 1;
    const size_t n = b0 >= 0xF0 ? 4 : b0 >= 0xE0 ? 3 : b0 >= 0xC2 ? 2 : 0;
    if (n == 0 || b0 > 0xF4 || s.size() < n)
        return 0;
    char32_t cp = b0 & (0x7F >> n);
    for (size_t i = 1; i < n; ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if ((b & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    const bool overlong = (n == 3 && cp < 0x800) || (n == 4 && cp < 0x10000);
    return overlong || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF ? 0 : n;
}

}  // namespace

std::optional<std::string> scriptLineFault(std::string_view line) {
    if (line.find('\0') != std::string_view::npos)
        return "NUL character";
    while (!line.empty()) {
        const size_t n = utf8Sequence(line);
        if (n == 0)
            return "invalid UTF-8";
        line.remove_prefix(n);
    }
    return std::nullopt;
}

}  // namespace vorda::ui
