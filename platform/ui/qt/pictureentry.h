// PictureEntry: an entry (or spin) control whose every key goes through the
// runtime's typing model.
//
// The widget never edits its own text: a typed character, Backspace or
// Delete is handed to UserInput::key(), the control's picture decides the
// new text and caret, and the backend writes them back with setModelText().
// So "#/##.##.###" turns typed digits into "1/23.45.678" and refuses
// letters exactly as the headless player does. Before a key the widget
// reports its caret (moved by the arrow keys or the mouse) and removes a
// selected range through UserInput::edit(); the whole text is selected when
// the entry gains the focus. Cut and paste go through the picture as well, and
// so does the text an input method composes, character by character.
// Keys that move between controls (Tab, Enter, Esc, ...) go to the runtime
// as window keys; a spin also sends Up and Down, from the keyboard or from
// its two arrow buttons.
#pragma once

#include <QLineEdit>

#include "platform/ui/event.h"
#include "platform/ui/keycode.h"

namespace vorda::ui::qt {

class PictureEntry : public QLineEdit {
    Q_OBJECT
public:
    PictureEntry(int window, ControlId control, bool spin, QWidget* parent);

    // Shows the control's text and caret as the runtime holds them.
    void setModelText(const QString& text, int caret);
    void cutToClipboard();
    void pasteFromClipboard();

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    bool typeKey(KeyCode code);
    void syncCaret();
    bool removeSelection();
    bool clipboardShortcut(const QKeyEvent& event);
    void send(KeyCode code);
    void addArrows();

    int window_;
    ControlId control_;
    bool spin_;
    QWidget* arrows_ = nullptr;  // a spin's up and down buttons
};

}  // namespace vorda::ui::qt
