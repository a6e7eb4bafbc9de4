// One line of a UI script split into words.
//
// Words are separated by blanks; a double-quoted text is one word (its
// quotes removed, blanks kept; there is no escape). '#' outside quotes starts
// a comment that runs to the end of the line. `raw` keeps the word as the
// script wrote it, quotes included, for echoing it back in the transcript.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorda::ui {

struct ScriptWord {
    std::string text{};
    bool quoted = false;
    std::string raw{};
};

// nullopt when a quoted text is not closed.
std::optional<std::vector<ScriptWord>> splitScriptLine(std::string_view line);

}  // namespace vorda::ui
