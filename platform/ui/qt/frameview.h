// FrameView: the application frame (window::Frame) as a QMainWindow with an
// MDI area for the child windows.
//
// Menus come from WindowDesc::menus (a menu's and an item's tip show in the
// status bar), the toolbar from WindowDesc::toolbar: picture buttons of 16 x
// 14 dialog units whose gaps follow the buttons' x positions (a button that
// starts after the previous one's end gets the difference as a gap). A menu
// marked windowList also lists the open child windows. Choosing an item or a
// button is reported with UserInput::menu(); the runtime carries out the
// standard actions or queues Accepted for the frame's procedure.
//
// While the frame's own thread shows a box only its menus and toolbar are
// disabled: the child windows of other threads stay usable.
#pragma once

#include <QMainWindow>
#include <functional>
#include <map>

#include "platform/ui/backend.h"
#include "platform/ui/qt/dialogunits.h"

class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;
class QToolButton;
class QAction;

namespace vorda::ui::qt {

class FrameView : public QMainWindow {
    Q_OBJECT
public:
    explicit FrameView(const Window& window);

    WindowId windowId() const { return window_; }
    QMdiArea* mdiArea() const { return mdi_; }
    QToolBar* toolBar() const { return toolbar_; }
    const DialogUnits& units() const { return units_; }

    void changed(const Window& window, ControlId control, Change what);
    void setBlocked(bool blocked);
    void arrangeIcons();
    QAction* action(ControlId item) const;

    // The user brought a child window to the front.
    std::function<void(QMdiSubWindow*)> onSubWindowActivated;

private:
    void buildMenus(const Window& window);
    void buildToolbar(const Window& window);
    QToolButton* toolButton(const ControlDesc& item);
    void fillWindowList(QMenu* menu);
    void choose(ControlId item);

    WindowId window_;
    DialogUnits units_;
    QMdiArea* mdi_;
    QToolBar* toolbar_ = nullptr;
    std::map<int, QAction*> actions_;
};

}  // namespace vorda::ui::qt
