// Alt+letter for the active window's controls first.
#include "platform/ui/qt/mnemonicfilter.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>

#include "platform/ui/qt/formview.h"

namespace vorda::ui::qt {

namespace {

bool isMnemonicKey(const QKeyEvent& key) {
    const Qt::KeyboardModifiers mods = key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier |
                                                          Qt::AltModifier | Qt::MetaModifier);
    return mods == Qt::AltModifier && !key.isAutoRepeat() && key.key() != Qt::Key_Alt &&
           key.key() < Qt::Key_Escape;
}

FormView* formOf(QObject* object) {
    for (auto* w = qobject_cast<QWidget*>(object); w != nullptr; w = w->parentWidget()) {
        if (auto* form = qobject_cast<FormView*>(w))
            return form;
        if (w->isWindow())
            break;
    }
    return nullptr;
}

void activate(QWidget* target) {
    if (auto* button = qobject_cast<QAbstractButton*>(target)) {
        button->click();
        return;
    }
    if (auto* label = qobject_cast<QLabel*>(target); label != nullptr && label->buddy())
        label->buddy()->setFocus(Qt::ShortcutFocusReason);
}

}  // namespace

QWidget* MnemonicFilter::targetFor(QObject* watched, const QKeyEvent& key) {
    if (!isMnemonicKey(key))
        return nullptr;
    const FormView* form = formOf(watched);
    return form != nullptr ? form->mnemonicTarget(key.key()) : nullptr;
}

bool MnemonicFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    auto& key = static_cast<QKeyEvent&>(*event);
    QWidget* target = targetFor(watched, key);
    if (target == nullptr)
        return false;
    key.accept();
    if (event->type() == QEvent::KeyPress)
        activate(target);
    return true;
}

}  // namespace vorda::ui::qt
