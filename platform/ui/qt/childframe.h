// ChildFrame: a child window that has menus, a toolbar or a status bar of
// its own (the print preview) — a QMainWindow around its FormView.
//
// Menus and toolbar come from the window's description as in the frame; a
// menu item the runtime marks checked shows a check mark, and its text and
// visibility follow the runtime's. The status bar has one label per zone of
// WindowDesc::statusZones (0 = stretches), showing Window::status(zone).
// Choosing an item is reported with UserInput::menu(). While the window is
// blocked its menus and toolbar are disabled with the form.
#pragma once

#include <QMainWindow>
#include <map>
#include <vector>

#include "platform/ui/backend.h"
#include "platform/ui/control.h"

class QLabel;
class QToolBar;

namespace vorda::ui::qt {

class FormView;

class ChildFrame : public QMainWindow {
    Q_OBJECT
public:
    ChildFrame(const Window& window, FormView* form);

    // True for a window that needs one.
    static bool wanted(const WindowDesc& desc);

    FormView* form() const { return form_; }
    QAction* action(ControlId item) const;
    QLabel* statusZone(int zone) const;
    QToolBar* toolBar() const { return toolbar_; }

    // A menu item's or tool button's text or state, or a status zone.
    void changed(const Window& window, ControlId control, Change what);
    void setBlocked(bool blocked);

private:
    void buildMenus(const Window& window);
    void buildToolbar(const Window& window);
    void buildStatusBar(const Window& window);
    void choose(ControlId item);
    void syncItem(const Control& c);

    WindowId window_;
    FormView* form_;
    QToolBar* toolbar_ = nullptr;
    std::map<int, QAction*> actions_;  // menu items and tool buttons
    std::vector<QLabel*> zones_;
};

}  // namespace vorda::ui::qt
