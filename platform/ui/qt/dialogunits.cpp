// Dialog units and font mapping.
#include "platform/ui/qt/dialogunits.h"

#include <QApplication>
#include <QFontMetrics>
#include <algorithm>

namespace vorda::ui::qt {

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics m(font);
    charWidth_ = std::max(1, m.averageCharWidth());
    charHeight_ = std::max(1, m.height());
}

Rect DialogUnits::units(const QRect& r) const {
    auto ux = [this](int px) { return (px * 4 + charWidth_ / 2) / charWidth_; };
    auto uy = [this](int px) { return (px * 8 + charHeight_ / 2) / charHeight_; };
    return {.x = ux(r.x()), .y = uy(r.y()), .width = ux(r.width()), .height = uy(r.height())};
}

QFont DialogUnits::font(const std::string& family, int pointSize, bool bold) {
    QFont f = QApplication::font();
    if (!family.empty())
        f.setFamily(QStringLiteral("Liberation Sans"));
    if (pointSize > 0)
        f.setPointSize(pointSize);
    f.setBold(bold);
    return f;
}

}  // namespace vorda::ui::qt
