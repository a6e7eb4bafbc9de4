// Window placement over Qt windows.
#include "platform/ui/qt/qtplacement.h"

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
    normal_ = QRect(rect.x, rect.y, rect.width, rect.height);
    if (window_ == nullptr)
        return;
    if (!normal())
        window_->showNormal();
    window_->setGeometry(normal_);
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
