// MnemonicFilter: Alt+letter goes to the window the user is working in
// before it goes to the frame's menus.
//
// Qt treats a button's "&Agregar" and the frame's "&Archivo" as one ambiguous
// shortcut and hands Alt+A to each of them in turn, so the first press opens
// a menu. On the program's platform the active window's own controls come
// first and the menu bar takes only the letters no control of that window
// uses. Installed on the application, the filter claims Alt+letter (Qt's
// ShortcutOverride) when the focus is inside a FormView that has a shown,
// enabled control with that letter, and then carries it out on the key press:
// a button, check box or radio is pressed, a prompt moves the focus to its
// entry (FormView::mnemonicTarget). Any other key, and Alt+letter without
// such a control, goes on as Qt would send it.
#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

namespace vorda::ui::qt {

class MnemonicFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static QWidget* targetFor(QObject* watched, const QKeyEvent& key);
};

}  // namespace vorda::ui::qt
