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

}  // namespace vorda::ui
