// DialogUnits: window geometry from dialog units to pixels, measured with the
// window's own font, and the fonts the program names mapped to ours.
//
// A horizontal unit is a quarter of the font's average character width, a
// vertical unit an eighth of its height, so a layout keeps its proportions
// whatever the font resolves to. The program's fonts ("Arial", "MS Sans
// Serif") resolve to Liberation Sans, which has the same metrics as the
// first.
#pragma once

#include <QFont>
#include <QRect>
#include <string>

#include "platform/ui/windowdesc.h"

namespace vorda::ui::qt {

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    int x(int units) const { return (units * charWidth_ + 2) / 4; }
    int y(int units) const { return (units * charHeight_ + 4) / 8; }
    QRect rect(const Rect& r) const { return {x(r.x), y(r.y), x(r.width), y(r.height)}; }
    // Pixels back to dialog units (rounded to the nearest unit).
    Rect units(const QRect& r) const;

    // The font a window description names; the application font when none.
    static QFont font(const std::string& family, int pointSize, bool bold);

private:
    int charWidth_;
    int charHeight_;
};

}  // namespace vorda::ui::qt
