// Qt keys to runtime key codes.
#include "platform/ui/qt/keymap.h"

#include <QKeyEvent>
#include <array>

namespace vorda::ui::qt {

namespace {

struct KeyPair {
    int qt;
    KeyCode plain;
    KeyCode withCtrl;
};

constexpr std::array keyPairs = {
    KeyPair{.qt = Qt::Key_Tab, .plain = key::Tab, .withCtrl = 0},
    KeyPair{.qt = Qt::Key_Backtab, .plain = key::ShiftTab, .withCtrl = 0},
    KeyPair{.qt = Qt::Key_Return, .plain = key::Enter, .withCtrl = key::CtrlEnter},
    KeyPair{.qt = Qt::Key_Enter, .plain = key::Enter, .withCtrl = key::CtrlEnter},
    KeyPair{.qt = Qt::Key_Escape, .plain = key::Esc, .withCtrl = 0},
    KeyPair{.qt = Qt::Key_Up, .plain = key::Up, .withCtrl = key::Up},
    KeyPair{.qt = Qt::Key_Down, .plain = key::Down, .withCtrl = key::Down},
    KeyPair{.qt = Qt::Key_PageUp, .plain = key::PgUp, .withCtrl = key::PgUp},
    KeyPair{.qt = Qt::Key_PageDown, .plain = key::PgDn, .withCtrl = key::PgDn},
    KeyPair{.qt = Qt::Key_Home, .plain = key::Home, .withCtrl = key::CtrlHome},
    KeyPair{.qt = Qt::Key_End, .plain = key::End, .withCtrl = key::CtrlEnd},
    KeyPair{.qt = Qt::Key_Insert, .plain = key::Insert, .withCtrl = 0},
    KeyPair{.qt = Qt::Key_Delete, .plain = key::Delete, .withCtrl = 0},
    KeyPair{.qt = Qt::Key_Backspace, .plain = key::Backspace, .withCtrl = 0},
    KeyPair{.qt = Qt::Key_F1, .plain = key::F1, .withCtrl = 0},
    KeyPair{.qt = Qt::Key_Apostrophe, .plain = 0, .withCtrl = key::CtrlQuote},
};

std::optional<KeyCode> printable(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    const QList<uint> cps = event.text().toUcs4();
    if (cps.size() != 1 || !isPrintable(cps.front()))
        return std::nullopt;
    return cps.front();
}

}  // namespace

std::optional<KeyCode> KeyMap::fromEvent(const QKeyEvent& event) {
    const bool ctrl = (event.modifiers() & Qt::ControlModifier) != 0;
    for (const KeyPair& k : keyPairs) {
        if (k.qt != event.key())
            continue;
        const KeyCode code = ctrl ? k.withCtrl : k.plain;
        if (code != 0)
            return code;
    }
    return printable(event);
}

bool KeyMap::isWindowKey(KeyCode code) {
    return code == key::Tab || code == key::ShiftTab || code == key::Enter || code == key::Esc ||
           code == key::F1 || code == key::CtrlQuote || code == key::CtrlEnter;
}

}  // namespace vorda::ui::qt
