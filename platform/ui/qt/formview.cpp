// The controls of one window as Qt widgets.
#include "platform/ui/qt/formview.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScopedValueRollback>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <algorithm>

#include "platform/ui/qt/keymap.h"
#include "platform/ui/qt/pagelist.h"
#include "platform/ui/qt/pageview.h"
#include "platform/ui/qt/pictureentry.h"
#include "platform/ui/qt/toolicons.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"

namespace vorda::ui::qt {

namespace {

const char* const controlProperty = "vordaControl";

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

UserInput* input() {
    Runtime* rt = Runtime::instance();
    return rt != nullptr ? &rt->input() : nullptr;
}

bool isContainer(ControlKind kind) {
    return kind == ControlKind::Sheet || kind == ControlKind::Group || kind == ControlKind::Option;
}

}  // namespace

FormView::FormView(const Window& window, QWidget* parent)
    : QWidget(parent),
      window_(window.id()),
      units_(DialogUnits::font(window.desc().font, window.desc().fontSize, window.desc().bold)) {
    setFont(DialogUnits::font(window.desc().font, window.desc().fontSize, window.desc().bold));
    const Rect& at = window.desc().at;
    clientSize_ = QSize(units_.x(at.width), units_.y(at.height));
    reportedSize_ = clientSize_;
    resize(clientSize_);
    setWallpaper(window.desc().wallpaper);
    build(window);
}

void FormView::setWallpaper(const std::string& file) {
    if (file.empty() || !QFileInfo::exists(qs(file)))
        return;
    QPalette p = palette();
    p.setBrush(QPalette::Window, QBrush(QPixmap(qs(file))));
    setPalette(p);
    setAutoFillBackground(true);
}

// --- building -----------------------------------------------------------------

void FormView::build(const Window& window) {
    for (const auto& c : window.controls()) {
        if (c->kind() == ControlKind::Tab) {
            addTab(*c);
            continue;
        }
        QWidget* w = create(window, *c);
        if (w == nullptr)
            continue;
        w->setProperty(controlProperty, c->number().value());
        w->installEventFilter(this);
        if (!c->desc().tip.empty())
            w->setToolTip(qs(c->desc().tip));
        status_[c->number().value()] = c->desc().msg;
        place(w, *c);
        widgets_[c->number().value()] = w;
    }
    // A prompt shows its mnemonic only when it knows its entry.
    setBuddies(window);
    for (const auto& c : window.controls()) {
        syncText(*c);
        syncDropList(*c);
        if (c->kind() == ControlKind::Sheet)
            syncChoice(window, *c);
    }
    // Containers go below the controls; the first one listed (a sheet) the
    // lowest, so that a group or option box on a tab is drawn over the tab.
    const auto& all = window.controls();
    for (auto c = all.rbegin(); c != all.rend(); ++c) {
        if (auto it = widgets_.find((*c)->number().value());
            it != widgets_.end() && isContainer((*c)->kind()))
            it->second->lower();
    }
    for (const auto& c : window.controls())
        syncState(window, *c);
}

QWidget* FormView::create(const Window& window, const Control& c) {
    switch (c.kind()) {
        case ControlKind::Prompt:
        case ControlKind::String:
            return new QLabel(this);
        case ControlKind::Entry:
        case ControlKind::Spin:
            return createEntry(c);
        case ControlKind::Option:
        case ControlKind::Group:
            return new QGroupBox(this);
        case ControlKind::Radio:
            return createRadio(c);
        case ControlKind::Check: {
            auto* box = new QCheckBox(this);
            box->setFocusPolicy(Qt::TabFocus);
            const int n = c.number().value();
            connect(box, &QCheckBox::clicked, this, [this, n] {
                if (UserInput* in = input())
                    in->focus(window_, n);
            });
            return box;
        }
        case ControlKind::List:
            return createList(c);
        case ControlKind::Sheet:
            return createSheet(c);
        case ControlKind::Button:
            return createButton(c);
        case ControlKind::Image:
            return createImage(c);
        case ControlKind::Progress: {
            auto* bar = new QProgressBar(this);
            bar->setRange(0, 100);
            bar->setTextVisible(false);
            return bar;
        }
        case ControlKind::DropList:
            return createDropList(c);
        case ControlKind::PageView: {
            auto* view = new PageView(this);
            view->setDocument(c.sharedDocument());
            view->setPageLayout(c.layout());
            return view;
        }
        default:
            (void)window;
            return nullptr;  // tabs, regions, menu items and tool buttons
    }
}

QWidget* FormView::createEntry(const Control& c) {
    auto* e = new PictureEntry(window_, c.number(), c.kind() == ControlKind::Spin, this);
    if (c.picture() && c.picture()->rightAligned())
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return e;
}

QWidget* FormView::createButton(const Control& c) {
    auto* b = new QPushButton(this);
    b->setFocusPolicy(Qt::TabFocus);
    b->setAutoDefault(false);
    b->setDefault((c.desc().flags & control::Default) != 0);
    const QIcon icon = ToolIcons::icon(c.desc().icon);
    if (!icon.isNull())
        b->setIcon(icon);
    const int n = c.number().value();
    connect(b, &QPushButton::clicked, this, [this, n] {
        if (UserInput* in = input())
            in->press(window_, n);
    });
    return b;
}

QWidget* FormView::createRadio(const Control& c) {
    auto* r = new QRadioButton(this);
    r->setFocusPolicy(Qt::TabFocus);
    const int option = c.desc().parent.value();
    if (!options_.contains(option))
        options_[option] = new QButtonGroup(this);
    options_[option]->addButton(r);
    const int n = c.number().value();
    connect(r, &QRadioButton::clicked, this, [this, n, v = c.desc().value] {
        if (UserInput* in = input())
            in->choose(window_, n, v);
    });
    return r;
}

QWidget* FormView::createSheet(const Control& c) {
    auto* sheet = new QTabWidget(this);
    sheet->setFocusPolicy(Qt::NoFocus);
    sheet->tabBar()->setFocusPolicy(Qt::NoFocus);
    const int n = c.number().value();
    connect(sheet, &QTabWidget::tabBarClicked, this, [this, sheet, n](int index) {
        if (index < 0 || input() == nullptr)
            return;
        const std::string text = sheet->tabText(index).toStdString();
        if (input()->choose(window_, n, text) == InputResult::Done)
            return;
        // Refused (the window is blocked): the runtime's tab comes back.
        QTimer::singleShot(0, this, [this, n] {
            Runtime* rt = Runtime::instance();
            if (const Window* w = rt != nullptr ? rt->find(window_) : nullptr)
                syncChoice(*w, w->control(n));
        });
    });
    return sheet;
}

void FormView::addTab(const Control& c) {
    auto it = widgets_.find(c.desc().parent.value());
    auto* sheet = it == widgets_.end() ? nullptr : qobject_cast<QTabWidget*>(it->second);
    if (sheet == nullptr)
        return;
    auto* page = new QWidget;
    page->setAutoFillBackground(false);
    const int index = sheet->addTab(page, qs(c.text()));
    tabs_[c.number().value()] = {.sheet = c.desc().parent, .index = index};
}

// A drop-down list: a chosen row and, unless read-only, a typed value are
// reported as the user's choice and typing (Enter leaves the list).
QWidget* FormView::createDropList(const Control& c) {
    auto* combo = new QComboBox(this);
    combo->setEditable(!c.readOnly());
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setFocusPolicy(Qt::StrongFocus);
    const int n = c.number().value();
    connect(combo, &QComboBox::activated, this, [this, n](int index) {
        if (!syncing_ && input() != nullptr)
            input()->choose(window_, n, std::to_string(index + 1));
    });
    if (QLineEdit* line = combo->lineEdit()) {
        connect(line, &QLineEdit::returnPressed, this, [this, n, line] {
            UserInput* in = input();
            if (syncing_ || in == nullptr)
                return;
            in->focus(window_, n);
            in->edit(window_, n, line->text().toStdString(), size_t(line->cursorPosition()));
            in->key(window_, n, key::Enter);
        });
    }
    return combo;
}

QWidget* FormView::createList(const Control& c) {
    auto* list = new PageList(window_, c, units_, this);
    list->table()->setProperty(controlProperty, c.number().value());
    const ControlId n = c.number();
    list->onPageRows = [this, n](int rows) {
        if (onPageRows)
            onPageRows(n, rows);
    };
    return list;
}

QWidget* FormView::createImage(const Control& c) {
    auto* label = new QLabel(this);
    const QString file = qs(c.text().empty() ? c.desc().icon : c.text());
    if (QFileInfo::exists(file)) {
        label->setPixmap(QPixmap(file));
        label->setScaledContents(true);
    }
    return label;
}

void FormView::place(QWidget* w, const Control& c) {
    QRect r = units_.rect(c.rect());
    if (r.width() <= 0 || r.height() <= 0)
        r.setSize(r.size().expandedTo(w->sizeHint()));
    w->setGeometry(r);
}

// The program (its resizer) moved or resized the control.
void FormView::syncGeometry(const Control& c) {
    if (QWidget* w = widget(c.number()))
        place(w, c);
}

void FormView::reportListRows() {
    for (const auto& [number, w] : widgets_) {
        if (auto* l = qobject_cast<PageList*>(w))
            l->reportRows();
    }
}

// A prompt's mnemonic moves to the control after it (its entry).
void FormView::setBuddies(const Window& window) {
    const auto& all = window.controls();
    for (size_t i = 0; i < all.size(); ++i) {
        if (all[i]->kind() != ControlKind::Prompt)
            continue;
        for (size_t j = i + 1; j < all.size(); ++j) {
            if (!all[j]->focusable())
                continue;
            auto* label = qobject_cast<QLabel*>(widget(all[i]->number()));
            if (label != nullptr)
                label->setBuddy(widget(all[j]->number()));
            break;
        }
    }
}

QWidget* FormView::mnemonicTarget(int key) const {
    const Runtime* rt = Runtime::instance();
    const Window* window = rt != nullptr ? rt->find(window_) : nullptr;
    if (window == nullptr)
        return nullptr;
    const QKeySequence wanted(QKeyCombination(Qt::AltModifier, Qt::Key(key)));
    for (const auto& c : window->controls()) {
        QWidget* w = widget(c->number());
        if (w == nullptr || !w->isVisible() || !w->isEnabled() ||
            QKeySequence::mnemonic(qs(c->text())) != wanted) {
            continue;
        }
        if (qobject_cast<QAbstractButton*>(w) != nullptr)
            return w;
        const auto* label = qobject_cast<QLabel*>(w);
        if (label != nullptr && label->buddy() != nullptr && label->buddy()->isVisible() &&
            label->buddy()->isEnabled()) {
            return w;
        }
    }
    return nullptr;
}

// --- state from the runtime ---------------------------------------------------------

void FormView::changed(const Window& window, ControlId control, Change what) {
    const Control* c = window.find(control);
    if (c == nullptr)
        return;
    const QScopedValueRollback<bool> guard(syncing_, true);
    switch (what) {
        case Change::Text:
            syncText(*c);
            if (c->kind() == ControlKind::Option && window.focus() == control)
                applyFocus(window);
            break;
        case Change::State:
            syncState(window, *c);
            syncVisibility(window);
            break;
        case Change::Rows:
            if (PageList* l = list(control))
                l->setRows(c->rows());
            syncDropList(*c);
            break;
        case Change::Selection:
            if (PageList* l = list(control))
                l->setSelection(c->selection());
            syncDropList(*c);
            break;
        case Change::Pages:
        case Change::Layout:
            if (auto* view = qobject_cast<PageView*>(widget(control))) {
                view->setDocument(c->sharedDocument());
                view->setPageLayout(c->layout());
            }
            break;
        case Change::Thumb:
            if (PageList* l = list(control))
                l->setThumb(c->thumb());
            break;
        case Change::Choice:
            syncChoice(window, *c);
            break;
        case Change::Focus:
            applyFocus(window);
            break;
        case Change::Geometry:
            syncGeometry(*c);
            break;
        default:
            break;
    }
}

void FormView::syncText(const Control& c) {
    QWidget* w = widget(c.number());
    const QString text = qs(c.text());
    if (auto* e = qobject_cast<PictureEntry*>(w)) {
        e->setModelText(text, int(c.caret()));
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        if (c.kind() != ControlKind::Image)
            label->setText(label->buddy() ? text : qs(withoutMnemonic(c.text())));
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
        group->setTitle(c.kind() == ControlKind::Option ? qs(c.desc().text) : text);
    } else if (auto* bar = qobject_cast<QProgressBar*>(w)) {
        bar->setValue(std::clamp(QString(text).toInt(), 0, 100));
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        if (combo->isEditable())
            combo->setEditText(text);
    }
    if (c.kind() == ControlKind::Option) {
        for (QAbstractButton* b : options_.contains(c.number().value())
                                      ? options_[c.number().value()]->buttons()
                                      : QList<QAbstractButton*>{}) {
            const int n = b->property(controlProperty).toInt();
            const Window* win = Runtime::instance() ? Runtime::instance()->find(window_) : nullptr;
            const Control* radio = win != nullptr ? win->find(n) : nullptr;
            b->setChecked(radio != nullptr && radio->desc().value == c.text());
        }
    }
    if (c.kind() == ControlKind::Tab) {
        if (auto it = tabs_.find(c.number().value()); it != tabs_.end()) {
            if (auto* sheet = qobject_cast<QTabWidget*>(widget(it->second.sheet)))
                sheet->setTabText(it->second.index, text);
        }
    }
}

void FormView::syncDropList(const Control& c) {
    auto* combo = qobject_cast<QComboBox*>(widget(c.number()));
    if (combo == nullptr)
        return;
    const QSignalBlocker block(combo);
    QStringList items;
    for (const Row& row : c.rows())
        items.push_back(row.empty() ? QString() : qs(row.front()));
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i)
        shown.push_back(combo->itemText(i));
    if (shown != items) {
        combo->clear();
        combo->addItems(items);
    }
    combo->setCurrentIndex(c.selection() - 1);
    if (combo->isEditable())
        combo->setEditText(qs(c.text()));
}

void FormView::syncState(const Window& window, const Control& c) {
    if (auto it = tabs_.find(c.number().value()); it != tabs_.end()) {
        if (auto* sheet = qobject_cast<QTabWidget*>(widget(it->second.sheet))) {
            sheet->setTabEnabled(it->second.index, c.enabled());
            sheet->setTabVisible(it->second.index, c.visible());
        }
        return;
    }
    QWidget* w = widget(c.number());
    if (w == nullptr)
        return;
    w->setEnabled(enabledWithParents(window, c));
    w->setVisible(shown(window, c));
    if (auto* e = qobject_cast<PictureEntry*>(w))
        e->setReadOnly(c.readOnly());
    if (auto* b = qobject_cast<QPushButton*>(w))
        b->setDefault(c.isDefault());
}

void FormView::syncChoice(const Window& window, const Control& c) {
    if (auto* sheet = qobject_cast<QTabWidget*>(widget(c.number()))) {
        const QSignalBlocker block(sheet);
        sheet->setCurrentIndex(c.choice() - 1);
    }
    syncVisibility(window);
}

void FormView::syncVisibility(const Window& window) {
    for (const auto& c : window.controls()) {
        if (QWidget* w = widget(c->number())) {
            w->setVisible(shown(window, *c));
            w->setEnabled(enabledWithParents(window, *c));
        }
    }
}

// Visible itself, every parent visible, and every tab it lies on current.
bool FormView::shown(const Window& window, const Control& c) const {
    for (const Control* p = &c; p != nullptr; p = window.find(p->desc().parent)) {
        if (!p->visible())
            return false;
        if (p->kind() != ControlKind::Tab || p == &c)
            continue;
        const Control* sheet = window.find(p->desc().parent);
        const auto it = tabs_.find(p->number().value());
        if (sheet != nullptr && it != tabs_.end() && it->second.index != sheet->choice() - 1)
            return false;
    }
    return true;
}

bool FormView::enabledWithParents(const Window& window, const Control& c) const {
    for (const Control* p = &c; p != nullptr; p = window.find(p->desc().parent)) {
        if (!p->enabled())
            return false;
    }
    return true;
}

bool FormView::isActive() const {
    Runtime* rt = Runtime::instance();
    return rt != nullptr && rt->active() != nullptr && rt->active()->id() == window_;
}

// Only the active window's focus is shown (Qt focus and status text), so a
// background thread never takes the focus from the user's window.
void FormView::applyFocus(const Window& window) {
    if (!isActive())
        return;
    auto it = status_.find(window.focus().value());
    if (onStatus)
        onStatus(it == status_.end() ? QString() : qs(it->second));
    QWidget* w = widget(window.focus());
    if (w == nullptr)
        return;
    const QScopedValueRollback<bool> guard(syncing_, true);
    if (auto* l = qobject_cast<PageList*>(w))
        w = l->table();
    if (QAbstractButton* radio = focusRadio(window.focus()))
        w = radio;
    // The runtime moves the focus for the Tab key and the procedures, so Qt
    // never learns that the keyboard is in use and would draw no focus frame
    // on a button, radio or check box: the user could not tell where he is.
    w->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    w->setFocus(Qt::OtherFocusReason);
}

// An option group shows its focus on the chosen radio, or on its first one.
QAbstractButton* FormView::focusRadio(ControlId option) const {
    const auto it = options_.find(option.value());
    if (it == options_.end() || it->second->buttons().isEmpty())
        return nullptr;
    QAbstractButton* checked = it->second->checkedButton();
    return checked != nullptr ? checked : it->second->buttons().front();
}

void FormView::setBlocked(bool blocked) {
    const QWidget* last = window()->focusWidget();
    const bool hadFocus = last != nullptr && isAncestorOf(last);
    setEnabled(!blocked);
    if (blocked && hadFocus)
        keepFocusInWindow();
}

// Disabling the view takes the focus from its control, and the next time the
// frame is activated (when a box goes) Qt gives the focus to the first
// control it finds in the frame: another child window would come to the
// front and the user's window, with the box that follows, would go behind
// it. The focus waits on this window's own MDI frame instead (once the
// controls are disabled, or the frame would hand it straight back to them).
void FormView::keepFocusInWindow() {
    for (QWidget* w = parentWidget(); w != nullptr && !w->isWindow(); w = w->parentWidget()) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w)) {
            sub->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

QWidget* FormView::widget(ControlId control) const {
    const auto it = widgets_.find(control.value());
    return it == widgets_.end() ? nullptr : it->second;
}

PageList* FormView::list(ControlId control) const {
    return qobject_cast<PageList*>(widget(control));
}

PictureEntry* FormView::focusedEntry() const {
    const Window* w = Runtime::instance() ? Runtime::instance()->find(window_) : nullptr;
    return w != nullptr ? qobject_cast<PictureEntry*>(widget(w->focus())) : nullptr;
}

// --- input to the runtime -------------------------------------------------------------

bool FormView::eventFilter(QObject* watched, QEvent* event) {
    const QVariant n = watched->property(controlProperty);
    if (!n.isValid())
        return false;
    if (event->type() == QEvent::FocusIn)
        return focusIn(n.toInt(), static_cast<QFocusEvent&>(*event));
    if (event->type() == QEvent::KeyPress && qobject_cast<PictureEntry*>(watched) == nullptr &&
        qobject_cast<PageList*>(watched) == nullptr) {
        return keyPress(n.toInt(), static_cast<QKeyEvent&>(*event));
    }
    return false;
}

// A click into an entry, or a prompt's Alt+letter, moves the runtime's focus
// there; a refused move gives the Qt focus back to the runtime's control.
bool FormView::focusIn(ControlId control, const QFocusEvent& event) {
    const bool byUser =
        event.reason() == Qt::MouseFocusReason || event.reason() == Qt::ShortcutFocusReason;
    if (syncing_ || !byUser || input() == nullptr)
        return false;
    Window* w = Runtime::instance()->find(window_);
    if (w == nullptr || w->focus() == control)
        return false;
    if (input()->focus(window_, control) != InputResult::Done) {
        QTimer::singleShot(0, this, [this] {
            if (Window* win = Runtime::instance() ? Runtime::instance()->find(window_) : nullptr)
                applyFocus(*win);
        });
    }
    return false;
}

bool FormView::keyPress(ControlId control, const QKeyEvent& event) {
    const std::optional<KeyCode> code = KeyMap::fromEvent(event);
    if (!code)
        return false;
    sendKey(control, *code);
    return true;
}

void FormView::sendKey(ControlId control, KeyCode code) {
    if (UserInput* in = input())
        in->key(window_, control, code);
}

// A click on the window itself reaches the procedure only as an alerted key
// (the focused control must not take it as its own click).
void FormView::windowClick(KeyCode code) {
    Runtime* rt = Runtime::instance();
    const Window* w = rt != nullptr ? rt->find(window_) : nullptr;
    if (w != nullptr && w->alerted({}, code))
        sendKey({}, code);
}

void FormView::mousePressEvent(QMouseEvent* event) {
    windowClick(event->button() == Qt::RightButton ? key::MouseRight : key::MouseLeft);
    event->accept();
}

void FormView::mouseDoubleClickEvent(QMouseEvent* event) {
    windowClick(key::MouseLeft2);
    event->accept();
}

}  // namespace vorda::ui::qt

namespace vorda::ui::qt {

// Only a size other than the last one reported (at first the asked size).
void FormView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (size() == reportedSize_ || !onResized)
        return;
    reportedSize_ = size();
    // The window's place is its frame's (the MDI child or dialog holding it).
    const QPoint at = parentWidget() != nullptr ? parentWidget()->pos() : pos();
    onResized(units_.units(QRect(at, size())));
}

}  // namespace vorda::ui::qt
