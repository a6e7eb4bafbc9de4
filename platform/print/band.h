// Band: a horizontal strip of a report page, laid out once and placed where
// the report needs it (page header, a detail line, a total, a page footer).
//
// Items are positioned relative to the band's top (y 0) and the page's left
// edge; Report moves them down to where the band lands on its page.
#pragma once

#include <string>
#include <vector>

#include "platform/print/page.h"

namespace vorda::print {

struct Band {
    int height = 0;
    std::vector<Text> texts{};
    std::vector<Line> lines{};
    std::vector<Box> boxes{};

    Band& text(Text item) {
        texts.push_back(std::move(item));
        return *this;
    }
    Band& line(Line item) {
        lines.push_back(item);
        return *this;
    }
    Band& box(Box item) {
        boxes.push_back(item);
        return *this;
    }
    // Stacks `below` under this band: its items move down by this band's
    // height, which grows by the other's.
    Band& append(const Band& below);
};

}  // namespace vorda::print
