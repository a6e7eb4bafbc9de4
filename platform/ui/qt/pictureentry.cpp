// Entries that type through the runtime's picture model.
#include "platform/ui/qt/pictureentry.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "platform/ui/qt/keymap.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"

namespace vorda::ui::qt {

namespace {

UserInput* input() {
    Runtime* rt = Runtime::instance();
    return rt != nullptr ? &rt->input() : nullptr;
}

const Control* modelControl(int window, ControlId control) {
    Runtime* rt = Runtime::instance();
    Window* w = rt != nullptr ? rt->find(window) : nullptr;
    return w != nullptr ? w->find(control) : nullptr;
}

}  // namespace

PictureEntry::PictureEntry(int window, ControlId control, bool spin, QWidget* parent)
    : QLineEdit(parent), window_(window), control_(control), spin_(spin) {
    setFocusPolicy(Qt::StrongFocus);
    if (spin_)
        addArrows();
}

void PictureEntry::addArrows() {
    arrows_ = new QWidget(this);
    auto* layout = new QVBoxLayout(arrows_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (auto [arrow, code] :
         {std::pair{Qt::UpArrow, key::Up}, std::pair{Qt::DownArrow, key::Down}}) {
        auto* b = new QToolButton(arrows_);
        b->setArrowType(arrow);
        b->setFocusPolicy(Qt::NoFocus);
        b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        connect(b, &QToolButton::clicked, this, [this, code = code] { send(code); });
        layout->addWidget(b);
    }
}

void PictureEntry::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    if (arrows_ == nullptr)
        return;
    const int w = std::max(10, height() * 2 / 3);
    arrows_->setGeometry(width() - w - 1, 1, w, height() - 2);
    setTextMargins(0, 0, w, 0);
}

void PictureEntry::setModelText(const QString& text, int caret) {
    if (text != this->text())
        setText(text);
    setCursorPosition(caret);
}

void PictureEntry::send(KeyCode code) {
    if (UserInput* in = input())
        in->key(window_, control_, code);
}

// Tab and Shift+Tab would move Qt's focus before keyPressEvent sees them;
// they belong to the runtime.
bool PictureEntry::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(event);
        if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) {
            keyPressEvent(k);
            return true;
        }
    }
    return QLineEdit::event(event);
}

void PictureEntry::keyPressEvent(QKeyEvent* event) {
    const std::optional<KeyCode> code = KeyMap::fromEvent(*event);
    event->accept();
    if (clipboardShortcut(*event))
        return;
    if (!code) {
        const bool caretKey = event->key() == Qt::Key_Left || event->key() == Qt::Key_Right;
        if (caretKey)
            QLineEdit::keyPressEvent(event);
        return;
    }
    // Window keys (and a spin's arrows) and keys the entry does not take go to
    // the runtime; Home and End move the caret; the rest is typed.
    const bool windowKey =
        KeyMap::isWindowKey(*code) || (spin_ && (*code == key::Up || *code == key::Down));
    const bool caretKey = *code == key::Home || *code == key::End;
    const bool typed = isPrintable(*code) || *code == key::Backspace || *code == key::Delete;
    if (!windowKey && caretKey)
        QLineEdit::keyPressEvent(event);
    else if (!windowKey && typed)
        typeKey(*code);
    else
        send(*code);
}

// One key through the typing model. A selected range is removed first;
// Backspace or Delete then has done its work.
bool PictureEntry::typeKey(KeyCode code) {
    syncCaret();
    if (removeSelection() && !isPrintable(code))
        return true;
    send(code);
    return true;
}

// The runtime's caret follows the widget's before a key is typed.
void PictureEntry::syncCaret() {
    const Control* c = modelControl(window_, control_);
    if (c == nullptr || hasSelectedText())
        return;
    if (static_cast<int>(c->caret()) != cursorPosition() && input() != nullptr)
        input()->edit(window_, control_, text().toStdString(), size_t(cursorPosition()));
}

bool PictureEntry::removeSelection() {
    if (!hasSelectedText() || input() == nullptr || isReadOnly())
        return false;
    const int start = selectionStart();
    QString rest = text();
    rest.remove(start, selectedText().size());
    input()->edit(window_, control_, rest.toStdString(), size_t(start));
    setModelText(rest, start);
    return true;
}

bool PictureEntry::clipboardShortcut(const QKeyEvent& event) {
    if (event.matches(QKeySequence::Copy)) {
        copy();
    } else if (event.matches(QKeySequence::Cut)) {
        cutToClipboard();
    } else if (event.matches(QKeySequence::Paste)) {
        pasteFromClipboard();
    } else if (event.matches(QKeySequence::SelectAll)) {
        selectAll();
    } else {
        return false;
    }
    return true;
}

void PictureEntry::cutToClipboard() {
    if (!hasSelectedText())
        return;
    copy();
    removeSelection();
}

// What the picture can take of the clipboard text is inserted at the caret.
void PictureEntry::pasteFromClipboard() {
    const Control* c = modelControl(window_, control_);
    if (c == nullptr || input() == nullptr || isReadOnly())
        return;
    syncCaret();
    removeSelection();
    c = modelControl(window_, control_);
    const std::string pasted = QApplication::clipboard()->text().toStdString();
    static const Picture plain = *Picture::parse("s255");
    const Picture& p = c->picture() ? *c->picture() : plain;
    const Picture::Edit e = p.paste({c->text(), c->caret()}, pasted);
    input()->edit(window_, control_, e.text, e.caret);
}

void PictureEntry::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // After the mouse press that gave the focus, which would clear it.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus())
            selectAll();
    });
}

// Composed text is typed character by character like keys; the preedit text
// is not shown (the widget never edits its own text).
void PictureEntry::inputMethodEvent(QInputMethodEvent* event) {
    event->accept();
    if (isReadOnly())
        return;
    for (const char32_t ch : event->commitString().toUcs4()) {
        if (isPrintable(ch))
            typeKey(ch);
    }
}

// The native menu would edit around the picture: none is offered.
void PictureEntry::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
}

}  // namespace vorda::ui::qt
