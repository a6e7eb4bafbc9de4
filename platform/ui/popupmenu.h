// PopupMenu: a context menu a procedure shows and waits on.
//
// The procedure describes the menu as data and calls Runtime::popup(), which
// returns the number of the chosen entry (1-based, counting separators as
// entries) or 0 when the user dismissed the menu. A separator or a disabled
// entry is never chosen.
#pragma once

#include <string>
#include <vector>

namespace vorda::ui {

struct PopupEntry {
    std::string text{};  // '&' marks the mnemonic
    bool enabled = true;
    bool separator = false;
};

struct PopupMenu {
    std::string title{};  // empty = none
    std::vector<PopupEntry> entries{};

    // True when entry `number` (1-based) exists and can be chosen.
    bool choosable(unsigned number) const {
        return number >= 1 && number <= entries.size() && !entries[number - 1].separator &&
               entries[number - 1].enabled;
    }
};

}  // namespace vorda::ui
