// Non-modal message boxes with the runtime's icons, buttons and labels.
#include "platform/ui/qt/threadbox.h"

#include <QMessageBox>
#include <QPushButton>
#include <array>
#include <memory>

namespace vorda::ui::qt {

namespace {

struct ButtonMap {
    unsigned button;
    QMessageBox::StandardButton standard;
    const char* label;  // UTF-8
};

const std::array buttonMap = {
    ButtonMap{.button = ButtonOk, .standard = QMessageBox::Ok, .label = "Aceptar"},
    ButtonMap{.button = ButtonYes, .standard = QMessageBox::Yes, .label = "&Sí"},
    ButtonMap{.button = ButtonNo, .standard = QMessageBox::No, .label = "&No"},
    ButtonMap{.button = ButtonAbort, .standard = QMessageBox::Abort, .label = "&Anular"},
    ButtonMap{.button = ButtonRetry, .standard = QMessageBox::Retry, .label = "&Reintentar"},
    ButtonMap{.button = ButtonIgnore, .standard = QMessageBox::Ignore, .label = "&Omitir"},
    ButtonMap{.button = ButtonCancel, .standard = QMessageBox::Cancel, .label = "Cancelar"},
    ButtonMap{.button = ButtonHelp, .standard = QMessageBox::Help, .label = "Ayuda"},
};

QMessageBox::Icon qtIcon(Icon icon) {
    switch (icon) {
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::Exclamation:
            return QMessageBox::Warning;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::Hand:
            return QMessageBox::Critical;
        case Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// The button that closing the box presses: Cancel, else No, else the only
// or default one.
unsigned escapeButton(const MessageBox& box) {
    for (unsigned b : {ButtonCancel, ButtonNo}) {
        if (box.buttons & b)
            return b;
    }
    return box.defaultButton ? box.defaultButton : ButtonOk;
}

unsigned buttonOf(QMessageBox& m, QAbstractButton* clicked) {
    const QMessageBox::StandardButton s = m.standardButton(clicked);
    for (const ButtonMap& b : buttonMap) {
        if (b.standard == s)
            return b.button;
    }
    return 0;
}

void addButtons(QMessageBox& m, const MessageBox& box) {
    const unsigned buttons = box.buttons ? box.buttons : ButtonOk;
    for (const ButtonMap& b : buttonMap) {
        if (!(buttons & b.button))
            continue;
        QPushButton* p = m.addButton(b.standard);
        const bool own = b.button == ButtonOk && !box.okLabel.empty();
        p->setText(own ? QString::fromStdString(box.okLabel) : QString::fromUtf8(b.label));
        if (b.button == box.defaultButton)
            m.setDefaultButton(p);
        if (b.button == escapeButton(box))
            m.setEscapeButton(p);
    }
}

QMessageBox* build(const MessageBox& box, QWidget* parent) {
    auto* m = new QMessageBox(parent);
    m->setIcon(qtIcon(box.icon));
    m->setText(QString::fromStdString(box.text));
    m->setTextFormat(Qt::PlainText);
    m->setWindowTitle(box.caption.empty() ? QStringLiteral(" ")
                                          : QString::fromStdString(box.caption));
    addButtons(*m, box);
    return m;
}

}  // namespace

QMessageBox* ThreadBox::create(const MessageBox& box, QWidget* parent,
                               const std::function<void(unsigned)>& answered) {
    QMessageBox* m = build(box, parent);
    m->setModal(false);
    m->setWindowModality(Qt::NonModal);
    m->setAttribute(Qt::WA_DeleteOnClose);
    auto done = std::make_shared<bool>(false);
    QObject::connect(m, &QMessageBox::buttonClicked, m, [m, answered, done](QAbstractButton* b) {
        *done = true;
        answered(buttonOf(*m, b));
    });
    const unsigned escape = escapeButton(box);
    QObject::connect(m, &QMessageBox::finished, m, [m, answered, done, escape] {
        if (!*done)
            answered(escape);
        m->deleteLater();
    });
    return m;
}

unsigned ThreadBox::exec(const MessageBox& box, QWidget* parent) {
    std::unique_ptr<QMessageBox> m(build(box, parent));
    m->exec();
    const unsigned b = m->clickedButton() ? buttonOf(*m, m->clickedButton()) : 0;
    return b ? b : escapeButton(box);
}

}  // namespace vorda::ui::qt
