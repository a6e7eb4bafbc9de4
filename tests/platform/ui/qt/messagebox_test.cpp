// Message boxes: icon, buttons, default button, the ok label, no caption of
// their own, the answer reaching the asking thread, and a box withdrawn when
// its thread is unwound.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "tests/platform/ui/qt/qtfixture.h"

namespace vorda::ui::qt::test {
namespace {

class MessageBoxTest : public QtTest {
protected:
    // Shows `box` from a procedure thread; the answer lands in `answer`.
    void ask(const MessageBox& box) {
        rt.start([this, box] { answer = message(box); });
        ASSERT_TRUE(pump([] { return shownBox() != nullptr; }));
    }
    static QMessageBox* shownBox() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* m = qobject_cast<QMessageBox*>(w); m != nullptr && m->isVisible())
                return m;
        }
        return nullptr;
    }
    static QStringList labels(QMessageBox* m) {
        QStringList out;
        for (QAbstractButton* b : m->buttons())
            out << b->text();
        out.sort();
        return out;
    }

    unsigned answer = 0;
};

TEST_F(MessageBoxTest, ErrorBoxHasQuestionIconOneButtonLabelledCerrarAndNoCaption) {
    ask({.text = "Número de C.U.I.T. no válido", .icon = Icon::Question, .okLabel = "Cerrar"});
    QMessageBox* m = shownBox();
    EXPECT_EQ(m->icon(), QMessageBox::Question);
    EXPECT_EQ(m->text(), QStringLiteral("Número de C.U.I.T. no válido"));
    EXPECT_EQ(labels(m), QStringList{QStringLiteral("Cerrar")});
    EXPECT_TRUE(m->windowTitle().trimmed().isEmpty());
    EXPECT_NE(m->windowTitle(), QStringLiteral("VORDA"));
    EXPECT_FALSE(m->isModal()) << "only the asking thread's windows are blocked";
    QTest::mouseClick(m->buttons().front(), Qt::LeftButton);
    ASSERT_TRUE(pump([this] { return answer != 0; }));
    EXPECT_EQ(answer, unsigned(ButtonOk));
}

TEST_F(MessageBoxTest, QuestionHasExclamationIconYesNoAndTheRequestedDefault) {
    ask({.text = "¿Desea grabar?",
         .caption = "Confirmar",
         .icon = Icon::Exclamation,
         .buttons = ButtonYes | ButtonNo | ButtonCancel,
         .defaultButton = ButtonNo});
    QMessageBox* m = shownBox();
    EXPECT_EQ(m->icon(), QMessageBox::Warning);
    EXPECT_EQ(m->windowTitle(), QStringLiteral("Confirmar"));
    EXPECT_EQ(labels(m), (QStringList{QStringLiteral("&No"), QStringLiteral("&Sí"),
                                      QStringLiteral("Cancelar")}));
    ASSERT_NE(m->defaultButton(), nullptr);
    EXPECT_EQ(m->defaultButton()->text(), QStringLiteral("&No"));
    QTest::keyClick(m, Qt::Key_Escape);  // closing presses Cancel
    ASSERT_TRUE(pump([this] { return answer != 0; }));
    EXPECT_EQ(answer, unsigned(ButtonCancel));
}

TEST_F(MessageBoxTest, NoticeAndFatalIconsAndTheAceptarLabel) {
    ask({.text = "Proceso terminado", .icon = Icon::Information, .okLabel = "Aceptar"});
    EXPECT_EQ(shownBox()->icon(), QMessageBox::Information);
    EXPECT_EQ(labels(shownBox()), QStringList{QStringLiteral("Aceptar")});
    QTest::keyClick(shownBox(), Qt::Key_Return);
    ASSERT_TRUE(pump([this] { return answer == ButtonOk && shownBox() == nullptr; }));
    answer = 0;
    ask({.text = "Error grave", .icon = Icon::Hand});
    EXPECT_EQ(shownBox()->icon(), QMessageBox::Critical);
}

TEST_F(MessageBoxTest, AnsweredFromATimerWhileTheLoopRuns) {
    rt.start([this] {
        answer = message({.text = "¿Reintentar?",
                          .icon = Icon::Exclamation,
                          .buttons = ButtonRetry | ButtonCancel,
                          .defaultButton = ButtonRetry});
    });
    QTimer::singleShot(100, [] {
        if (QMessageBox* m = shownBox())
            m->defaultButton()->click();
    });
    EXPECT_EQ(backend.exec(rt), 0);
    EXPECT_EQ(answer, unsigned(ButtonRetry));
}

TEST_F(MessageBoxTest, BoxOfAnUnwoundThreadIsWithdrawn) {
    ask({.text = "Esperando", .icon = Icon::Information});
    rt.shutdown();
    EXPECT_TRUE(pump([] { return shownBox() == nullptr; }));
    EXPECT_EQ(answer, 0u) << "the unwound thread never got an answer";
    EXPECT_EQ(rt.threadCount(), 0u);
}

}  // namespace
}  // namespace vorda::ui::qt::test
