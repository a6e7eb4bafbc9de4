// Window placement over Qt windows.
#include "platform/ui/qt/qtplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace vorda::ui::qt {

QtPlacement::QtPlacement(QWidget* window) : window_(window) {
    if (window_ != nullptr)
        normal_ = window_->isWindow() ? window_->normalGeometry() : window_->geometry();
}

bool QtPlacement::normal() const {
    return window_ != nullptr && !window_->isMaximized() && !window_->isMinimized();
}

bool QtPlacement::isMaximized() const {
    return window_ != nullptr && window_->isMaximized();
}

bool QtPlacement::isIconized() const {
    return window_ != nullptr && window_->isMinimized();
}

bool QtPlacement::isResizable() const {
    return window_ != nullptr && window_->minimumSize() != window_->maximumSize();
}

WindowRect QtPlacement::get() const {
    if (window_ != nullptr && window_->isWindow() && !window_->normalGeometry().isEmpty())
        normal_ = window_->normalGeometry();
    else if (normal())
        normal_ = window_->geometry();
    return {
        .x = normal_.x(), .y = normal_.y(), .width = normal_.width(), .height = normal_.height()};
}

void QtPlacement::set(const WindowRect& rect) {
    normal_ = fitted(QRect(rect.x, rect.y, rect.width, rect.height));
    if (window_ == nullptr)
        return;
    if (!normal())
        window_->showNormal();
    window_->setGeometry(normal_);
}

// Where the window may be: a child form within its frame's client area, a
// top-level window within the available area of the screen it would be on
// (its own screen when the rectangle is on none). Empty when unknown.
QRect QtPlacement::bounds(const QRect& rect) const {
    if (!window_->isWindow()) {
        const QWidget* area = window_->parentWidget();
        return area != nullptr ? area->rect() : QRect();
    }
    QScreen* screen = QGuiApplication::screenAt(rect.center());
    if (screen == nullptr)
        screen = window_->screen();
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

// `rect` shrunk to what the bounds can show (never below the window's minimum
// size) and moved so that the window, its frame included, lies within them;
// when it is still larger, its top-left corner is shown.
QRect QtPlacement::fitted(const QRect& rect) const {
    const QRect area = bounds(rect);
    if (window_ == nullptr || area.isEmpty())
        return rect;
    const QRect outer = window_->frameGeometry();
    const QRect inner = window_->geometry();
    const QMargins frame =
        window_->isWindow()
            ? QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                       outer.right() - inner.right(), outer.bottom() - inner.bottom())
            : QMargins();
    const QRect room = area.marginsRemoved(frame);
    const QSize least = window_->minimumSize().expandedTo(QSize(1, 1));
    const int width = std::max(std::min(rect.width(), room.width()), least.width());
    const int height = std::max(std::min(rect.height(), room.height()), least.height());
    const auto place = [](int at, int size, int first, int room) {
        return size >= room ? first : std::clamp(at, first, first + room - size);
    };
    return {place(rect.x(), width, room.left(), room.width()),
            place(rect.y(), height, room.top(), room.height()), width, height};
}

void QtPlacement::maximize(bool on) {
    if (window_ == nullptr)
        return;
    if (on) {
        if (normal())
            normal_ = window_->geometry();
        window_->showMaximized();
    } else {
        window_->showNormal();
        if (!normal_.isEmpty())
            window_->setGeometry(normal_);
    }
}

}  // namespace vorda::ui::qt
