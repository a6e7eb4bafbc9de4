// Key codes of the windowing runtime.
//
// A printable character is its Unicode code point (0x20 and up, below
// key::Base). Every other key the program reacts to has a code of its own
// above that range. Ctrl+' is the history (ditto) key of the forms.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vorda::ui {

using KeyCode = uint32_t;

namespace key {
inline constexpr KeyCode Base = 0x110000;
inline constexpr KeyCode Enter = Base + 1;
inline constexpr KeyCode Esc = Base + 2;
inline constexpr KeyCode Tab = Base + 3;
inline constexpr KeyCode ShiftTab = Base + 4;
inline constexpr KeyCode Up = Base + 5;
inline constexpr KeyCode Down = Base + 6;
inline constexpr KeyCode PgUp = Base + 7;
inline constexpr KeyCode PgDn = Base + 8;
inline constexpr KeyCode Home = Base + 9;
inline constexpr KeyCode End = Base + 10;
inline constexpr KeyCode CtrlHome = Base + 11;
inline constexpr KeyCode CtrlEnd = Base + 12;
inline constexpr KeyCode Insert = Base + 13;
inline constexpr KeyCode Delete = Base + 14;
inline constexpr KeyCode Backspace = Base + 15;
inline constexpr KeyCode F1 = Base + 16;
inline constexpr KeyCode CtrlQuote = Base + 17;  // Ctrl+'
inline constexpr KeyCode CtrlEnter = Base + 18;
inline constexpr KeyCode MouseLeft = Base + 19;
inline constexpr KeyCode MouseRight = Base + 20;
inline constexpr KeyCode MouseLeft2 = Base + 21;  // left double click
}  // namespace key

bool isPrintable(KeyCode code);
bool isMouseKey(KeyCode code);

// Script names: "Up", "PgDn", "Ctrl+'", "DoubleClick", ... or a single
// character (UTF-8) for itself. nullopt for an unknown name.
std::optional<KeyCode> keyFromName(std::string_view name);
std::string keyName(KeyCode code);

}  // namespace vorda::ui
