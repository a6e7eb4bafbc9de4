// FormView: the client area of one open window, its controls as Qt widgets.
//
// Built once from the Window's controls when the window opens; afterwards the
// runtime's changes (Backend::changed) are copied in with changed(). The
// runtime's state is the truth: a widget shows it and reports the user's
// input through UserInput, never keeping state of its own.
//
// Placement: every control is a direct child of the view at its position in
// dialog units (converted with the window's font), as the positions are
// given relative to the window. A control on a tab is shown only while its
// tab is the sheet's current one; sheets, groups and option groups are kept
// below the controls drawn over them.
//
// Focus: the runtime's focused control gets the Qt focus while the window is
// the active one (an option group's on its chosen radio). Only entries take
// the focus by a click or by their prompt's Alt+letter, which is reported
// with UserInput::focus(); buttons, radios and lists move the focus through
// the runtime when pressed or chosen, so a refused control keeps the focus.
#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <string>

#include "platform/ui/backend.h"
#include "platform/ui/qt/dialogunits.h"

class QAbstractButton;
class QButtonGroup;
class QTabWidget;

namespace vorda::ui {
class Control;
}

namespace vorda::ui::qt {

class PageList;
class PictureEntry;

class FormView : public QWidget {
    Q_OBJECT
public:
    explicit FormView(const Window& window, QWidget* parent = nullptr);

    WindowId windowId() const { return window_; }
    const DialogUnits& units() const { return units_; }
    // The client size the window asks for (dialog units converted).
    QSize clientSize() const { return clientSize_; }
    QSize sizeHint() const override { return clientSize_; }

    void changed(const Window& window, ControlId control, Change what);
    // Gives the Qt focus to the runtime's focused control.
    void applyFocus(const Window& window);
    void setBlocked(bool blocked);

    QWidget* widget(ControlId control) const;
    PageList* list(ControlId control) const;
    PictureEntry* focusedEntry() const;
    // Has every list report its visible rows (onPageRows) when they changed.
    void reportListRows();
    // The widget that Alt+`key` (Qt::Key_A ...) acts on: the first control in
    // the window's order, shown and enabled, whose text marks that letter
    // with '&' - a button, check box or radio, or for a prompt the QLabel
    // whose buddy is its entry. Null when no control has the letter.
    QWidget* mnemonicTarget(int key) const;

    // The status text of the control that got the focus.
    std::function<void(const QString&)> onStatus;
    // A list's number of visible rows changed (also its first report).
    std::function<void(ControlId, int)> onPageRows;
    // The user resized the window (new client size in dialog units).
    std::function<void(const Rect&)> onResized;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct TabPlace {
        ControlId sheet{};
        int index = 0;
    };

    void build(const Window& window);
    QWidget* create(const Window& window, const Control& c);
    QWidget* createEntry(const Control& c);
    QWidget* createButton(const Control& c);
    QWidget* createRadio(const Control& c);
    QWidget* createSheet(const Control& c);
    QWidget* createList(const Control& c);
    QWidget* createDropList(const Control& c);
    QWidget* createImage(const Control& c);
    void addTab(const Control& c);
    void place(QWidget* w, const Control& c);
    void syncGeometry(const Control& c);
    void setBuddies(const Window& window);
    void setWallpaper(const std::string& file);

    void syncText(const Control& c);
    void syncDropList(const Control& c);
    void syncState(const Window& window, const Control& c);
    void syncChoice(const Window& window, const Control& c);
    void syncVisibility(const Window& window);
    bool shown(const Window& window, const Control& c) const;
    bool enabledWithParents(const Window& window, const Control& c) const;
    bool isActive() const;
    void keepFocusInWindow();
    QAbstractButton* focusRadio(ControlId option) const;

    bool focusIn(ControlId control, const QFocusEvent& event);
    bool keyPress(ControlId control, const QKeyEvent& event);
    void sendKey(ControlId control, KeyCode code);
    void windowClick(KeyCode code);

    WindowId window_;
    DialogUnits units_;
    QSize clientSize_;
    QSize reportedSize_;
    std::map<int, QWidget*> widgets_;
    std::map<int, QButtonGroup*> options_;
    std::map<int, TabPlace> tabs_;
    std::map<int, std::string> status_;
    bool syncing_ = false;
};

}  // namespace vorda::ui::qt
