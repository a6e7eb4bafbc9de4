// The Qt backend: windows, boxes, standard actions, the loop and timers.
#include "platform/ui/qt/qtbackend.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QIcon>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScopedValueRollback>
#include <QStatusBar>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/ui/qt/childframe.h"
#include "platform/ui/qt/formview.h"
#include "platform/ui/qt/frameview.h"
#include "platform/ui/qt/helpviewer.h"
#include "platform/ui/qt/pagelist.h"
#include "platform/ui/qt/pagerender.h"
#include "platform/ui/qt/pictureentry.h"
#include "platform/ui/qt/qtplacement.h"
#include "platform/ui/qt/threadbox.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"

namespace vorda::ui::qt {

namespace {

// The window's own icon file, else a blank one (never the toolkit's logo).
QIcon windowIcon(const std::string& file) {
    if (!file.empty() && QFileInfo::exists(QString::fromStdString(file)))
        return QIcon(QString::fromStdString(file));
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}

QString title(const std::string& caption) {
    // A blank keeps the window system from showing the program's name.
    return caption.empty() ? QStringLiteral(" ") : QString::fromStdString(caption);
}

const char* const helpOnHelp =
    "<h3>C\xc3\xb3mo usar la ayuda</h3>"
    "<p>Elija un tema del contenido haciendo clic en sus enlaces.</p>"
    "<p>Para buscar una palabra, escr\xc3\xad"
    "bala en el campo \xc2\xab"
    "Buscar\xc2\xbb y presione Intro; cada Intro lleva a la pr\xc3\xb3xima "
    "aparici\xc3\xb3n.</p>";

}  // namespace

QtBackend::QtBackend() {
    QApplication::instance()->installEventFilter(&mnemonics_);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &QtBackend::timerDue);
}

QtBackend::~QtBackend() {
    QApplication::instance()->removeEventFilter(&mnemonics_);
    for (auto& [id, shown] : boxes_)
        delete shown.box.data();  // their callbacks refer to this backend
    for (auto& [id, menu] : popups_) {
        if (menu) {
            menu->disconnect();
            delete menu.data();
        }
    }
    for (auto& [id, shown] : windows_) {
        if (shown.outer)
            delete shown.outer.data();
    }
    for (auto& [id, dialog] : outputs_) {
        if (dialog) {
            dialog->disconnect(this);
            delete dialog.data();
        }
    }
    delete help_.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// --- the loop ---------------------------------------------------------------------

int QtBackend::exec(Runtime& rt) {
    if (rt.threadCount() == 0)
        return rt.haltCode().value_or(0);
    QEventLoop loop;
    loop_ = &loop;
    requestRun();
    timersChanged();
    loop.exec();
    loop_ = nullptr;
    return rt.haltCode() ? *rt.haltCode() : exitCode_;
}

void QtBackend::requestRun() {
    if (runQueued_)
        return;
    runQueued_ = true;
    QMetaObject::invokeMethod(this, &QtBackend::runNow, Qt::QueuedConnection);
}

// Posted to this object's thread, so safe from any thread.
void QtBackend::wakeFromAnyThread() {
    QMetaObject::invokeMethod(
        this, [this] { requestRun(); }, Qt::QueuedConnection);
}

void QtBackend::runNow() {
    runQueued_ = false;
    Runtime* rt = Runtime::instance();
    if (rt == nullptr)
        return;
    rt->runReady();
    finished();
}

void QtBackend::finished() {
    Runtime* rt = Runtime::instance();
    if (loop_ != nullptr && rt != nullptr && (rt->threadCount() == 0 || rt->haltCode()))
        loop_->quit();
}

void QtBackend::timersChanged() {
    Runtime* rt = Runtime::instance();
    const std::optional<int64_t> due = rt != nullptr ? rt->nextTimerDue() : std::nullopt;
    if (!due) {
        timer_.stop();
        return;
    }
    const int64_t wait = std::max<int64_t>(0, *due - clock_.now()) * 10;
    timer_.start(int(std::min<int64_t>(wait, int64_t{24} * 3600 * 1000)));
}

void QtBackend::timerDue() {
    if (Runtime* rt = Runtime::instance())
        rt->fireDueTimers();
}

void QtBackend::halt(int exitCode, const std::string& text) {
    exitCode_ = exitCode;
    QMetaObject::invokeMethod(
        this,
        [this, text] {
            if (!text.empty()) {
                ThreadBox::exec({.text = text, .icon = Icon::Hand, .okLabel = "Cerrar"},
                                boxParent());
            }
            if (loop_ != nullptr)
                loop_->quit();
        },
        Qt::QueuedConnection);
}

void QtBackend::beep() {
    QApplication::beep();
}

// --- windows ------------------------------------------------------------------------

void QtBackend::windowOpened(Window& window) {
    const QScopedValueRollback<bool> guard(syncing_, true);
    if ((window.desc().flags & window::Frame) != 0 && frame_ == nullptr)
        openFrame(window);
    else
        openChild(window);
}

void QtBackend::openFrame(Window& window) {
    frame_ = new FrameView(window);
    frameId_ = window.id();
    frame_->onSubWindowActivated = [this](QMdiSubWindow* sub) {
        if (syncing_ || Runtime::instance() == nullptr)
            return;
        const WindowId id = windowOf(sub);
        if (id != 0 && Runtime::instance()->input().activate(id) == InputResult::Blocked)
            QMetaObject::invokeMethod(
                this, [this, id] { frontForBlocked(id); }, Qt::QueuedConnection);
    };
    frame_->installEventFilter(this);
    windows_[window.id()] = {.form = nullptr, .outer = frame_, .sub = nullptr};
    if ((window.desc().flags & window::Maximize) != 0)
        frame_->showMaximized();
    else
        frame_->show();
}

void QtBackend::openChild(Window& window) {
    const WindowDesc& d = window.desc();
    auto* form = new FormView(window);
    const WindowId id = window.id();
    form->onStatus = [this](const QString& text) {
        if (frame_ != nullptr)
            frame_->statusBar()->showMessage(text);
    };
    form->onPageRows = [id](ControlId list, int rows) {
        if (Runtime* rt = Runtime::instance())
            rt->input().listRows(id, list, rows);
    };
    form->reportListRows();
    form->onResized = [id](const Rect& size) {
        if (Runtime* rt = Runtime::instance())
            rt->input().resize(id, size);
    };
    if ((d.flags & window::Resizable) != 0)
        form->setMinimumSize(form->clientSize() / 2);
    else
        form->setFixedSize(form->clientSize());
    Shown shown{.form = form, .outer = nullptr, .sub = nullptr};
    QWidget* content = form;
    if (ChildFrame::wanted(d)) {
        shown.bars = new ChildFrame(window, form);
        content = shown.bars;
    }
    QWidget* owner = ownerDialog(window);
    const bool dialog = (d.flags & window::Modal) != 0 || frame_ == nullptr || owner != nullptr;
    if (dialog) {
        shown.outer = dialogWindow(content, window, owner);
    } else {
        shown.sub = frame_->mdiArea()->addSubWindow(content);
        shown.sub->setWindowTitle(title(window.caption()));
        shown.sub->setWindowIcon(windowIcon(d.icon));
        if (d.caption.empty() && (d.flags & window::SystemMenu) == 0)
            shown.sub->setWindowFlags(Qt::FramelessWindowHint);
        shown.sub->move(form->units().x(d.at.x), form->units().y(d.at.y));
        shown.sub->adjustSize();
        shown.outer = shown.sub;
    }
    shown.outer->installEventFilter(this);
    windows_[id] = shown;
    if (!window.visible())
        shown.outer->hide();
    else if ((d.flags & window::Maximize) != 0)
        shown.outer->showMaximized();
    else
        shown.outer->show();
}

// A dialog is the frame's; a window over a dialog is that dialog's, so that
// the window system keeps it in front of its owner.
QWidget* QtBackend::dialogWindow(QWidget* content, const Window& window, QWidget* owner) {
    const bool modal = (window.desc().flags & window::Modal) != 0;
    auto* outer = new QWidget(owner != nullptr ? owner : frame_,
                              modal || owner == nullptr ? Qt::Dialog : Qt::Window);
    auto* layout = new QVBoxLayout(outer);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
    outer->setWindowTitle(title(window.caption()));
    outer->setWindowIcon(windowIcon(window.desc().icon));
    outer->adjustSize();
    if (frame_ != nullptr) {
        QRect r = outer->rect();
        r.moveCenter(frame_->geometry().center());
        outer->move(r.topLeft());
    }
    return outer;
}

// The frame stays behind a dialog, so a window that a dialog's thread opens
// over it (the preview of the reports that "Generar Diskette" prints) would
// open behind it, and the keys would stay with the dialog: such a window gets
// a top-level window of its own, owned by the dialog. The dialog is the
// latest visible window of the thread (a report's hidden progress window
// does not count).
QWidget* QtBackend::ownerDialog(const Window& window) const {
    Runtime* rt = Runtime::instance();
    if (rt == nullptr || frame_ == nullptr || (window.desc().flags & window::Modal) != 0)
        return nullptr;
    const Window* below = nullptr;
    for (const Window* w : rt->windows()) {
        if (w != &window && w->thread() == window.thread() && w->visible() &&
            (below == nullptr || w->id() > below->id())) {
            below = w;
        }
    }
    QWidget* outer = below != nullptr ? windowWidget(below->id()) : nullptr;
    return outer != nullptr && outer->isWindow() && outer != frame_ ? outer : nullptr;
}

void QtBackend::windowClosed(WindowId id) {
    const auto it = windows_.find(id);
    if (it == windows_.end())
        return;
    const QScopedValueRollback<bool> guard(syncing_, true);
    Shown shown = it->second;
    windows_.erase(it);
    if (id == frameId_) {
        frame_ = nullptr;
        frameId_ = 0;
        // The children have no frame to live in any more.
        if (Runtime* rt = Runtime::instance())
            rt->postCloseDown();
    }
    if (!shown.outer)
        return;
    shown.outer->hide();
    if (shown.sub != nullptr && frame_ != nullptr)
        frame_->mdiArea()->removeSubWindow(shown.sub);
    shown.outer->deleteLater();
}

void QtBackend::changed(Window& window, ControlId control, Change what) {
    const auto it = windows_.find(window.id());
    if (it == windows_.end() || !it->second.outer)
        return;
    const QScopedValueRollback<bool> guard(syncing_, true);
    Shown& shown = it->second;
    const Control* c = window.find(control);
    const bool barItem = c != nullptr && (c->kind() == ControlKind::MenuItem ||
                                          c->kind() == ControlKind::ToolButton);
    if (what == Change::Caption || what == Change::Blocked || what == Change::Active ||
        what == Change::Visible) {
        windowChanged(window, shown, what);
    } else if (shown.bars != nullptr && (what == Change::Status || barItem)) {
        shown.bars->changed(window, control, what);
    } else if (shown.form != nullptr) {
        shown.form->changed(window, control, what);
    } else if (frame_ != nullptr && window.id() == frameId_) {
        frame_->changed(window, control, what);
    }
}

void QtBackend::windowChanged(Window& window, Shown& shown, Change what) {
    switch (what) {
        case Change::Caption:
            shown.outer->setWindowTitle(title(window.caption()));
            break;
        case Change::Blocked:
            if (shown.form != nullptr) {
                shown.form->setBlocked(window.blocked());
                if (!window.blocked())
                    shown.form->applyFocus(window);  // the keys go back where they were
            } else if (frame_ != nullptr)
                frame_->setBlocked(window.blocked());
            if (shown.bars != nullptr)
                shown.bars->setBlocked(window.blocked());
            break;
        case Change::Visible:
            if (!window.visible())
                shown.outer->hide();
            else if ((window.desc().flags & window::Maximize) != 0)
                shown.outer->showMaximized();
            else
                shown.outer->show();
            break;
        case Change::Active:
            bringToFront(shown);
            if (shown.form != nullptr)
                shown.form->applyFocus(window);
            break;
        default:
            break;
    }
}

void QtBackend::bringToFront(Shown& shown) {
    if (shown.sub != nullptr && frame_ != nullptr) {
        frame_->mdiArea()->setActiveSubWindow(shown.sub);
    } else {
        shown.outer->raise();
        shown.outer->activateWindow();
    }
}

// The user brought a window to the front that waits for a later window or a
// box of its thread (Ctrl+Tab, a click on its title): the box, or the
// window it waits for, comes to the front instead, as an owned dialog would,
// and the keys go there.
void QtBackend::frontForBlocked(WindowId blocked) {
    Runtime* rt = Runtime::instance();
    const Window* w = rt != nullptr ? rt->find(blocked) : nullptr;
    if (w == nullptr)
        return;
    if (QMessageBox* box = boxOf(w->thread())) {
        toFront(box);
        return;
    }
    Window* top = rt->topWindow(w->thread());
    if (top != nullptr && !top->blocked())
        rt->input().activate(top->id());
    Window* active = rt->active();
    const auto it = active != nullptr ? windows_.find(active->id()) : windows_.end();
    if (it == windows_.end() || !it->second.outer)
        return;
    const QScopedValueRollback<bool> guard(syncing_, true);
    bringToFront(it->second);
    if (it->second.form != nullptr)
        it->second.form->applyFocus(*active);
}

WindowId QtBackend::windowOf(const QObject* outer) const {
    for (const auto& [id, shown] : windows_) {
        if (shown.outer == outer)
            return id;
    }
    return 0;
}

// Closing a window by its title bar asks its procedure (CloseWindow); the
// widget goes only when the procedure closes the window. Activating a
// top-level window makes it the runtime's active window.
bool QtBackend::eventFilter(QObject* watched, QEvent* event) {
    Runtime* rt = Runtime::instance();
    const WindowId id = windowOf(watched);
    if (rt == nullptr || id == 0 || syncing_)
        return false;
    if (event->type() == QEvent::Close) {
        event->ignore();
        rt->input().close(id);
        return true;
    }
    if (event->type() == QEvent::WindowActivate && static_cast<QWidget*>(watched)->isWindow()) {
        QMdiSubWindow* sub =
            id == frameId_ && frame_ != nullptr ? frame_->mdiArea()->activeSubWindow() : nullptr;
        const WindowId target = sub != nullptr && windowOf(sub) != 0 ? windowOf(sub) : id;
        const Window* w = rt->find(target);
        if (w != nullptr && w->blocked() && target == id) {
            QMetaObject::invokeMethod(
                this, [this, id] { frontForBlocked(id); }, Qt::QueuedConnection);
        } else if (rt->active() == nullptr || rt->active()->id() != target) {
            rt->input().activate(target);
        }
    }
    return false;
}

ChildFrame* QtBackend::childFrame(WindowId id) const {
    const auto it = windows_.find(id);
    return it == windows_.end() || !it->second.outer ? nullptr : it->second.bars;
}

FormView* QtBackend::form(WindowId id) const {
    const auto it = windows_.find(id);
    return it == windows_.end() || !it->second.outer ? nullptr : it->second.form;
}

QWidget* QtBackend::windowWidget(WindowId id) const {
    const auto it = windows_.find(id);
    return it == windows_.end() ? nullptr : it->second.outer.data();
}

int QtBackend::visibleRows(WindowId id, ControlId list) const {
    const FormView* f = form(id);
    const PageList* l = f != nullptr ? f->list(list) : nullptr;
    return l != nullptr ? l->rowsVisible() : 0;
}

HelpViewer* QtBackend::helpViewer() const {
    return help_.data();
}

std::unique_ptr<QtPlacement> QtBackend::placement(WindowId id) const {
    return std::make_unique<QtPlacement>(windowWidget(id));
}

// --- message boxes --------------------------------------------------------------------

QWidget* QtBackend::boxParent() const {
    return frame_;
}

// A box belongs to the top window of its thread: over a dialog of its own (a
// report's progress window) the box is that dialog's, so that the window
// system keeps it in front of it; over a child window, the frame's.
QWidget* QtBackend::boxParent(int thread) const {
    Runtime* rt = Runtime::instance();
    const Window* top = rt != nullptr ? rt->topWindow(thread) : nullptr;
    QWidget* outer = top != nullptr ? windowWidget(top->id()) : nullptr;
    return outer != nullptr && outer->isWindow() && outer != frame_ ? outer : boxParent();
}

QMessageBox* QtBackend::boxOf(int thread) const {
    for (const auto& [id, shown] : boxes_) {
        if (shown.thread == thread && shown.box)
            return shown.box.data();
    }
    return nullptr;
}

void QtBackend::toFront(QWidget* window) {
    window->raise();
    window->activateWindow();
}

void QtBackend::showMessage(MessageId id, const MessageBox& box, int thread) {
    QMessageBox* m = ThreadBox::create(box, boxParent(thread), [this, id](unsigned button) {
        boxes_.erase(id);
        if (Runtime* rt = Runtime::instance())
            rt->answer(id, button);
    });
    boxes_[id] = {.box = m, .thread = thread};
    m->show();
    // After the activation of a window opened just before it, which the
    // window system may carry out later.
    QTimer::singleShot(0, m, [m] { toFront(m); });
}

void QtBackend::withdrawMessage(MessageId id) {
    const auto it = boxes_.find(id);
    if (it == boxes_.end())
        return;
    const QPointer<QMessageBox> m = it->second.box;
    boxes_.erase(it);
    if (m) {
        m->disconnect();
        m->hide();
        m->deleteLater();
    }
}

unsigned QtBackend::messageNow(const MessageBox& box) {
    return ThreadBox::exec(box, boxParent());
}

QMessageBox* QtBackend::messageBox(MessageId id) const {
    const auto it = boxes_.find(id);
    return it == boxes_.end() ? nullptr : it->second.box.data();
}

// --- popup menus ----------------------------------------------------------------------

void QtBackend::showPopup(PopupId id, const PopupMenu& menu, int) {
    Runtime* rt = Runtime::instance();
    FormView* f = rt != nullptr && rt->active() != nullptr ? form(rt->active()->id()) : nullptr;
    auto* m = new QMenu(f != nullptr ? static_cast<QWidget*>(f) : frame_);
    m->setAttribute(Qt::WA_DeleteOnClose);
    if (!menu.title.empty())
        m->addSection(QString::fromStdString(menu.title));
    unsigned number = 0;
    for (const PopupEntry& e : menu.entries) {
        ++number;
        if (e.separator) {
            m->addSeparator();
            continue;
        }
        QAction* a = m->addAction(QString::fromStdString(e.text));
        a->setEnabled(e.enabled);
        connect(a, &QAction::triggered, this, [this, id, number] {
            popups_.erase(id);
            if (Runtime* r = Runtime::instance())
                r->popupChosen(id, number);
        });
    }
    // An entry's trigger comes after the menu hides: the dismissal waits a turn.
    connect(m, &QMenu::aboutToHide, this, [this, id] {
        QMetaObject::invokeMethod(
            this,
            [this, id] {
                popups_.erase(id);
                if (Runtime* r = Runtime::instance())
                    r->popupChosen(id, 0);
            },
            Qt::QueuedConnection);
    });
    popups_[id] = m;
    m->popup(QCursor::pos());
}

void QtBackend::withdrawPopup(PopupId id) {
    const auto it = popups_.find(id);
    if (it == popups_.end())
        return;
    const QPointer<QMenu> m = it->second;
    popups_.erase(it);
    if (m) {
        m->disconnect();
        m->close();
    }
}

QMenu* QtBackend::shownPopup() const {
    for (auto it = popups_.rbegin(); it != popups_.rend(); ++it) {
        if (it->second)
            return it->second.data();
    }
    return nullptr;
}

// --- standard actions -----------------------------------------------------------------

void QtBackend::standardAction(StandardAction action) {
    switch (action) {
        case StandardAction::PrintSetup:
            printerSetup();
            break;
        case StandardAction::Cut:
        case StandardAction::Copy:
        case StandardAction::Paste:
            clipboard(action);
            break;
        case StandardAction::Tile:
            if (frame_ != nullptr)
                frame_->mdiArea()->tileSubWindows();
            break;
        case StandardAction::Cascade:
            if (frame_ != nullptr)
                frame_->mdiArea()->cascadeSubWindows();
            break;
        case StandardAction::ArrangeIcons:
            if (frame_ != nullptr)
                frame_->arrangeIcons();
            break;
        case StandardAction::HelpContents:
        case StandardAction::HelpSearch:
        case StandardAction::HelpOnHelp:
            showHelp(action);
            break;
        case StandardAction::Exit:
        case StandardAction::None:
            break;
    }
}

// On the focused entry of the active window, through its picture; on any
// other focused line edit (the help's search field) as Qt does it.
void QtBackend::clipboard(StandardAction action) {
    Runtime* rt = Runtime::instance();
    FormView* f = rt != nullptr && rt->active() != nullptr ? form(rt->active()->id()) : nullptr;
    if (PictureEntry* e = f != nullptr ? f->focusedEntry() : nullptr) {
        if (action == StandardAction::Cut)
            e->cutToClipboard();
        else if (action == StandardAction::Copy)
            e->copy();
        else
            e->pasteFromClipboard();
        return;
    }
    if (auto* line = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
        if (action == StandardAction::Cut)
            line->cut();
        else if (action == StandardAction::Copy)
            line->copy();
        else
            line->paste();
    }
}

// The page set-up dialog, opened from the loop rather than from inside the
// menu's signal. It sets up the printer that the reports print on.
void QtBackend::printerSetup() {
    QMetaObject::invokeMethod(
        this,
        [this] {
            auto* dialog = new QPageSetupDialog(&printer(), frame_);
            dialog->setAttribute(Qt::WA_DeleteOnClose);
            dialog->open();
        },
        Qt::QueuedConnection);
}

// The program's one printer: the system's default printer with its paper,
// or A4 when no printer is installed, until the user sets it up otherwise.
QPrinter& QtBackend::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        const QPageSize size = info.isNull() ? QPageSize() : info.defaultPageSize();
        printer_->setPageSize(size.isValid() ? size : QPageSize(QPageSize::A4));
    }
    return *printer_;
}

print::PageSize QtBackend::paper() {
    const QSizeF inches = printer().pageLayout().fullRect(QPageLayout::Inch).size();
    if (inches.isEmpty())
        return print::A4;
    return {.width = int(inches.width() * print::UnitsPerInch),
            .height = int(inches.height() * print::UnitsPerInch)};
}

// --- output jobs --------------------------------------------------------------------

void QtBackend::busy(bool on) {
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

// The chooser and the print dialog belong to the top window of the thread
// that asks, as its boxes do: over a dialog they are that dialog's, so that
// the keys go back to it when they close.
void QtBackend::startOutput(OutputId id, const OutputJob& job, int thread) {
    outputs_[id] = nullptr;
    QMetaObject::invokeMethod(
        this,
        [this, id, job, thread] {
            if (outputs_.contains(id))
                runOutput(id, job, boxParent(thread));
        },
        Qt::QueuedConnection);
}

void QtBackend::runOutput(OutputId id, const OutputJob& job, QWidget* parent) {
    switch (job.kind) {
        case OutputJob::Kind::ChooseFile:
            chooseFile(id, job, parent);
            return;
        case OutputJob::Kind::Print:
            printJob(id, job, parent);
            return;
        case OutputJob::Kind::Pdf: {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            const std::string error = writePdf(*job.document, job.file);
            QApplication::restoreOverrideCursor();
            if (error.empty())
                finishOutput(id, {.status = OutputResult::Status::Done, .file = job.file});
            else
                finishOutput(id, {.status = OutputResult::Status::Failed, .error = error});
            return;
        }
    }
}

// The suffix of the first "*.ext" of a chooser's filter ("pdf"), or "".
static QString defaultSuffix(const std::string& filter) {
    const size_t star = filter.find("*.");
    if (star == std::string::npos)
        return {};
    const size_t end = filter.find_first_of(" ;)", star);
    return QString::fromStdString(filter.substr(star + 2, end - star - 2));
}

// The chooser is wide enough for the name, size, type and date columns side
// by side; the name takes the room the others leave, they keep their texts whole.
static void showColumnsWhole(QFileDialog& dialog) {
    dialog.resize(dialog.sizeHint().expandedTo(QSize(760, 460)));
    auto* files = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (files == nullptr)
        return;
    QHeaderView* header = files->header();
    header->setStretchLastSection(false);
    for (int column = 0; column < header->count(); ++column) {
        header->setSectionResizeMode(
            column, column == 0 ? QHeaderView::Stretch : QHeaderView::ResizeToContents);
    }
}

// The desktop's file chooser (to save, or to open an existing file), shown
// without a nested loop.
void QtBackend::chooseFile(OutputId id, const OutputJob& job, QWidget* parent) {
    auto* dialog =
        new QFileDialog(parent, QString::fromStdString(job.title), QString::fromStdString(job.file),
                        QString::fromStdString(job.filter));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    showColumnsWhole(*dialog);
    if (job.existing) {
        dialog->setAcceptMode(QFileDialog::AcceptOpen);
        dialog->setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setFileMode(QFileDialog::AnyFile);
        dialog->setDefaultSuffix(defaultSuffix(job.filter));
    }
    connect(dialog, &QFileDialog::finished, this, [this, id, dialog](int result) {
        const QStringList files = dialog->selectedFiles();
        if (result != QDialog::Accepted || files.isEmpty()) {
            finishOutput(id, {.status = OutputResult::Status::Cancelled});
            return;
        }
        finishOutput(id,
                     {.status = OutputResult::Status::Done, .file = files.front().toStdString()});
    });
    keysBackOnClose(dialog, parent);
    outputs_[id] = dialog;
    dialog->open();
}

// When a chooser or a print dialog closes, the window it belongs to gets the
// keys back; the window system may hand them to the frame instead.
void QtBackend::keysBackOnClose(QDialog* dialog, QWidget* owner) {
    if (owner == nullptr)
        return;
    connect(dialog, &QDialog::finished, owner, [owner] {
        if (owner->isVisible())
            toFront(owner);
    });
}

// The platform's print dialog (without printers installed it still offers
// printing to a file), then the pages on the printer chosen.
void QtBackend::printJob(OutputId id, const OutputJob& job, QWidget* parent) {
    auto* dialog = new QPrintDialog(&printer(), parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(QStringLiteral("Imprimir"));
    dialog->setMinMax(1, std::max(1, job.document->pageCount()));
    connect(dialog, &QDialog::finished, this, [this, id, job](int result) {
        if (result != QDialog::Accepted) {
            finishOutput(id, {.status = OutputResult::Status::Cancelled});
            return;
        }
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const bool ok = printDocument(printer(), *job.document);
        QApplication::restoreOverrideCursor();
        if (ok)
            finishOutput(id, {.status = OutputResult::Status::Done});
        else
            finishOutput(id, {.status = OutputResult::Status::Failed,
                              .error = "No se pudo imprimir en la impresora elegida."});
    });
    keysBackOnClose(dialog, parent);
    outputs_[id] = dialog;
    dialog->open();
}

void QtBackend::finishOutput(OutputId id, OutputResult result) {
    if (outputs_.erase(id) == 0)
        return;
    if (Runtime* rt = Runtime::instance())
        rt->outputDone(id, std::move(result));
}

void QtBackend::withdrawOutput(OutputId id) {
    const auto it = outputs_.find(id);
    if (it == outputs_.end())
        return;
    const QPointer<QWidget> dialog = it->second;
    outputs_.erase(it);
    if (dialog) {
        dialog->disconnect(this);
        dialog->close();
    }
}

void QtBackend::showHelp(StandardAction action) {
    if (!help_)
        help_ = new HelpViewer(frame_);
    if (action == StandardAction::HelpOnHelp) {
        help_->showText(QString::fromUtf8(helpOnHelp));
    } else if (!help_->showFile(helpFile_)) {
        help_->showText(QStringLiteral("<p>%1</p>").arg(helpFile_.toHtmlEscaped()));
    }
    help_->show();
    help_->raise();
    if (action == StandardAction::HelpSearch)
        help_->focusSearch();
}

}  // namespace vorda::ui::qt
