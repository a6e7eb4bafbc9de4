// Key names as the UI scripts write them.
#include "platform/ui/keycode.h"

#include <algorithm>
#include <array>

namespace vorda::ui {

namespace {

struct KeyNameEntry {
    std::string_view name;
    KeyCode code;
};

constexpr std::array keyNames = {
    KeyNameEntry{.name = "Enter", .code = key::Enter},
    KeyNameEntry{.name = "Esc", .code = key::Esc},
    KeyNameEntry{.name = "Tab", .code = key::Tab},
    KeyNameEntry{.name = "Shift+Tab", .code = key::ShiftTab},
    KeyNameEntry{.name = "Up", .code = key::Up},
    KeyNameEntry{.name = "Down", .code = key::Down},
    KeyNameEntry{.name = "PgUp", .code = key::PgUp},
    KeyNameEntry{.name = "PgDn", .code = key::PgDn},
    KeyNameEntry{.name = "Home", .code = key::Home},
    KeyNameEntry{.name = "End", .code = key::End},
    KeyNameEntry{.name = "Ctrl+Home", .code = key::CtrlHome},
    KeyNameEntry{.name = "Ctrl+End", .code = key::CtrlEnd},
    KeyNameEntry{.name = "Insert", .code = key::Insert},
    KeyNameEntry{.name = "Delete", .code = key::Delete},
    KeyNameEntry{.name = "Backspace", .code = key::Backspace},
    KeyNameEntry{.name = "F1", .code = key::F1},
    KeyNameEntry{.name = "Ctrl+'", .code = key::CtrlQuote},
    KeyNameEntry{.name = "Ctrl+Enter", .code = key::CtrlEnter},
    KeyNameEntry{.name = "Click", .code = key::MouseLeft},
    KeyNameEntry{.name = "RightClick", .code = key::MouseRight},
    KeyNameEntry{.name = "DoubleClick", .code = key::MouseLeft2},
};

// The code point of a text holding exactly one UTF-8 character.
std::optional<KeyCode> singleCharacter(std::string_view s) {
    if (s.empty())
        return std::nullopt;
    const auto c = static_cast<unsigned char>(s[0]);
    const size_t len = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 0;
    if (len == 0 || s.size() != len)
        return std::nullopt;
    KeyCode cp = len == 1 ? c : c & (0x7Fu >> len);
    for (size_t i = 1; i < len; ++i)
        cp = (cp << 6) | (static_cast<unsigned char>(s[i]) & 0x3F);
    return isPrintable(cp) ? std::optional<KeyCode>(cp) : std::nullopt;
}

}  // namespace

bool isPrintable(KeyCode code) {
    return code >= 0x20 && code != 0x7F && code < key::Base;
}

bool isMouseKey(KeyCode code) {
    return code == key::MouseLeft || code == key::MouseRight || code == key::MouseLeft2;
}

std::optional<KeyCode> keyFromName(std::string_view name) {
    const auto it = std::find_if(keyNames.begin(), keyNames.end(),
                                 [&](const KeyNameEntry& e) { return e.name == name; });
    if (it != keyNames.end())
        return it->code;
    return singleCharacter(name);
}

std::string keyName(KeyCode code) {
    const auto it = std::find_if(keyNames.begin(), keyNames.end(),
                                 [&](const KeyNameEntry& e) { return e.code == code; });
    if (it != keyNames.end())
        return std::string(it->name);
    if (!isPrintable(code))
        return "?";
    std::string out;
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
    return out;
}

}  // namespace vorda::ui
