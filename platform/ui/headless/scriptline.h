// One line of a UI script split into words.
//
// Words are separated by blanks; a double-quoted text is one word (its
// quotes removed, blanks kept; there is no escape). '#' outside quotes starts
// a comment that runs to the end of the line. `raw` keeps the word as the
// script wrote it, quotes included, for echoing it back in the transcript.
#pragma once

#include <istream>
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

// Reading a script: lines end at '\n'; a line may hold at most
// kMaxScriptLine bytes, so that a file without line ends (a device, a binary
// file) is read no further than that.
inline constexpr size_t kMaxScriptLine = size_t(1) << 20;
enum class ScriptRead { Line, End, TooLong, Unreadable };
// Reads the next line into `line` (without its '\n'). Unreadable when the
// stream failed (a directory, an I/O error).
ScriptRead readScriptLine(std::istream& in, std::string& line);

// Why a line read cannot be a script line: it is not UTF-8, or it holds a
// NUL. nullopt when it is fine.
std::optional<std::string> scriptLineFault(std::string_view line);

}  // namespace vorda::ui
