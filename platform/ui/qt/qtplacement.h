// QtPlacement: the settings file's view of a real window (a QMdiSubWindow or
// a top-level window), so its position, size and maximized state can be
// saved and restored.
//
// get() is the normal geometry: for a maximized or minimised child window,
// the geometry it had when last seen normal through this object (or when
// the object was made).
//
// set() never trusts the rectangle it is given (it comes from a settings
// file a user or a crash may have left anything in): the window is kept
// within the screen, or a child window within its frame, and no larger than
// they are, so that it always opens visible and of a size that can be drawn.
#pragma once

#include <QPointer>
#include <QRect>
#include <QWidget>

#include "platform/ui/windowplacement.h"

namespace vorda::ui::qt {

class QtPlacement final : public WindowPlacement {
public:
    explicit QtPlacement(QWidget* window);

    bool isMaximized() const override;
    bool isIconized() const override;
    bool isResizable() const override;
    WindowRect get() const override;
    void set(const WindowRect& rect) override;
    void maximize(bool on) override;

private:
    bool normal() const;
    QRect bounds(const QRect& rect) const;
    QRect fitted(const QRect& rect) const;

    QPointer<QWidget> window_;
    mutable QRect normal_;
};

}  // namespace vorda::ui::qt
