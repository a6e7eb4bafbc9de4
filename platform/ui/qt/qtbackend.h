// QtBackend: the windowing runtime shown with Qt Widgets.
//
// Windows: the frame (window::Frame) is a FrameView; a window::Modal window,
// or any window while no frame is open, is a top-level dialog window that is
// NOT Qt-modal; a window opened over such a dialog of its own thread (the
// preview of a report the dialog runs) is a top-level window owned by that
// dialog; every other window is an MDI child (QMdiSubWindow) of the frame. Each shows its controls
// in a FormView, inside a ChildFrame when it has menus, a toolbar or a status bar of its own. A
// hidden window (Window::visible()) stays open with its widgets hidden. A window the runtime marks
// blocked (a later window or a box of its thread is up) has its controls
// disabled; other threads' windows stay usable (thread-modal boxes).
// Alt+letter reaches the focused window's controls before the frame's menus
// (MnemonicFilter).
//
// Loop and fibers (Backend contract 1): requestRun() queues one call of
// Runtime::runReady() on the Qt loop (QMetaObject::invokeMethod with
// Qt::QueuedConnection), so no procedure thread ever resumes inside a Qt
// signal handler or an event of a widget it might delete. Closed windows'
// widgets are deleted later for the same reason. Timers: one QTimer set to
// the runtime's next due time; on timeout the due timers fire.
//
//   QApplication app(argc, argv);
//   QtBackend backend;
//   backend.setHelpFile("Vorda.htm");
//   Runtime rt(backend);
//   rt.start(MAIN);
//   return backend.exec(rt);   // until every procedure thread has ended
//
// Popup menus: a QMenu at the mouse, shown without a nested loop; the entry
// triggered (or 0 when the menu closes without one) is reported on the loop.
//
// The application's display name must stay unset: Qt would append it to
// every caption, also to the boxes that have none.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <map>
#include <memory>

#include "platform/ui/backend.h"
#include "platform/ui/qt/mnemonicfilter.h"

class QDialog;
class QEventLoop;
class QMdiSubWindow;
class QMenu;
class QMessageBox;
class QPrinter;
class QWidget;

namespace vorda::ui {
class Runtime;
}

namespace vorda::ui::qt {

class ChildFrame;
class FormView;
class FrameView;
class HelpViewer;
class QtPlacement;

class QtBackend final : public QObject, public Backend {
    Q_OBJECT
public:
    QtBackend();  // a QApplication must exist
    ~QtBackend() override;

    // Runs the Qt loop until no procedure thread is left or the program
    // halts; returns the halt's exit code, else 0.
    int exec(Runtime& rt);
    // The HTML file the help menu items open.
    void setHelpFile(const QString& file) { helpFile_ = file; }

    // --- Backend -----------------------------------------------------------------
    void windowOpened(Window& window) override;
    void windowClosed(WindowId id) override;
    void changed(Window& window, ControlId control, Change what) override;
    void requestRun() override;
    void wakeFromAnyThread() override;
    void showMessage(MessageId id, const MessageBox& box, int thread) override;
    void withdrawMessage(MessageId id) override;
    unsigned messageNow(const MessageBox& box) override;
    void showPopup(PopupId id, const PopupMenu& menu, int thread) override;
    void withdrawPopup(PopupId id) override;
    void halt(int exitCode, const std::string& text) override;
    void startOutput(OutputId id, const OutputJob& job, int thread) override;
    void withdrawOutput(OutputId id) override;
    void busy(bool on) override;
    print::PageSize paper() override;
    void standardAction(StandardAction action) override;
    void timersChanged() override;
    void beep() override;
    Clock& clock() override { return clock_; }

    // --- the shown windows ---------------------------------------------------------
    FrameView* frame() const { return frame_; }
    FormView* form(WindowId id) const;
    // The menus, toolbar and status bar of a child window that has them.
    ChildFrame* childFrame(WindowId id) const;
    // The outer Qt window: the QMainWindow, the QMdiSubWindow or the dialog.
    QWidget* windowWidget(WindowId id) const;
    QMessageBox* messageBox(MessageId id) const;
    // The popup menu shown last and not yet closed, if any.
    QMenu* shownPopup() const;
    // The rows a list can show at its present height (0 for no such list).
    int visibleRows(WindowId id, ControlId list) const;
    // The placement of a shown window, for the settings file.
    std::unique_ptr<QtPlacement> placement(WindowId id) const;
    HelpViewer* helpViewer() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Shown {
        FormView* form = nullptr;
        QPointer<QWidget> outer;
        QMdiSubWindow* sub = nullptr;
        ChildFrame* bars = nullptr;  // menus, toolbar, status bar of a child window
    };

    void openFrame(Window& window);
    void openChild(Window& window);
    QWidget* dialogWindow(QWidget* content, const Window& window, QWidget* owner);
    QWidget* ownerDialog(const Window& window) const;
    void windowChanged(Window& window, Shown& shown, Change what);
    void bringToFront(Shown& shown);
    void frontForBlocked(WindowId blocked);
    void runNow();
    void timerDue();
    void finished();
    void showHelp(StandardAction action);
    void clipboard(StandardAction action);
    void printerSetup();
    QPrinter& printer();
    void runOutput(OutputId id, const OutputJob& job, QWidget* parent);
    void chooseFile(OutputId id, const OutputJob& job, QWidget* parent);
    void printJob(OutputId id, const OutputJob& job, QWidget* parent);
    void finishOutput(OutputId id, OutputResult result);
    QWidget* boxParent() const;
    QWidget* boxParent(int thread) const;
    QMessageBox* boxOf(int thread) const;
    static void toFront(QWidget* window);
    static void keysBackOnClose(QDialog* dialog, QWidget* owner);
    WindowId windowOf(const QObject* outer) const;

    SystemClock clock_;
    MnemonicFilter mnemonics_;
    std::map<WindowId, Shown> windows_;
    struct ShownBox {
        QPointer<QMessageBox> box;
        int thread = 0;
    };
    std::map<MessageId, ShownBox> boxes_;
    std::map<PopupId, QPointer<QMenu>> popups_;
    std::map<OutputId, QPointer<QWidget>> outputs_;  // running jobs and their dialogs
    std::unique_ptr<QPrinter> printer_;
    FrameView* frame_ = nullptr;
    WindowId frameId_ = 0;
    QPointer<HelpViewer> help_;
    QString helpFile_;
    QTimer timer_;
    QEventLoop* loop_ = nullptr;
    bool runQueued_ = false;
    bool syncing_ = false;
    int exitCode_ = 0;
};

}  // namespace vorda::ui::qt
