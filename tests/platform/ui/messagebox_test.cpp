// Thread-modal message boxes, the headless answers, halting.
#include "platform/ui/messagebox.h"

#include <gtest/gtest.h>

#include "tests/platform/ui/uifixture.h"

namespace vorda::ui::test {
namespace {

WindowDesc oneButton(std::string caption) {
    return WindowDesc{
        .caption = std::move(caption),
        .controls = {{.number = 1, .kind = ControlKind::Button, .name = "?OK", .text = "OK"}}};
}

const MessageBox question{.text = "¿ Desea guardar los cambios a este registro?",
                          .caption = "Guardar Registro",
                          .icon = Icon::Exclamation,
                          .buttons = ButtonYes + ButtonNo + ButtonCancel,
                          .defaultButton = ButtonCancel,
                          .okLabel = ""};

class MessageBoxTest : public UiTest {
protected:
    // Thread A asks a question when its button is pressed; thread B counts
    // the presses of its own button.
    void SetUp() override {
        rt.start([this] {
            Window w(oneButton("A"));
            a = &w;
            w.open();
            for (;;) {
                if (w.ask().kind == EventKind::Accepted)
                    answerGot = message(question);
            }
        });
        rt.start([this] {
            Window w(oneButton("B"));
            b = &w;
            w.open();
            for (;;) {
                if (w.ask().kind == EventKind::Accepted)
                    ++pressesOfB;
            }
        });
        settle();
    }

    Window* a = nullptr;
    Window* b = nullptr;
    unsigned answerGot = 0;
    int pressesOfB = 0;
};

TEST_F(MessageBoxTest, ABoxBlocksOnlyTheWindowsOfItsThread) {
    input().press(a->id(), 1);
    settle();
    ASSERT_TRUE(backend.messagePending());
    EXPECT_EQ(backend.pendingMessage()->caption, "Guardar Registro");
    EXPECT_TRUE(a->blocked());
    EXPECT_TRUE(rt.messagePending(a->thread()));
    EXPECT_FALSE(b->blocked());
    EXPECT_EQ(input().press(a->id(), 1), InputResult::Blocked);
    EXPECT_EQ(input().press(b->id(), 1), InputResult::Done);
    settle();
    EXPECT_EQ(pressesOfB, 1) << "the other thread goes on while the box is up";
    EXPECT_EQ(backend.answer(rt, "No"), HeadlessBackend::Answer::Done);
    settle();
    EXPECT_EQ(answerGot, ButtonNo);
    EXPECT_FALSE(a->blocked());
}

TEST_F(MessageBoxTest, AnswersNameButtonsOrTheirLabels) {
    EXPECT_EQ(backend.answer(rt, "Ok"), HeadlessBackend::Answer::NoBox);
    input().press(a->id(), 1);
    settle();
    EXPECT_EQ(backend.answer(rt, "Retry"), HeadlessBackend::Answer::NoSuchButton);
    EXPECT_EQ(backend.answer(rt, "ok"), HeadlessBackend::Answer::Done) << "the accepting button";
    settle();
    EXPECT_EQ(answerGot, ButtonYes);
    const MessageBox closeBox{.text = "x", .caption = "", .okLabel = "Cerrar"};
    EXPECT_EQ(HeadlessBackend::buttonByName(closeBox, "Cerrar"), ButtonOk);
    EXPECT_EQ(HeadlessBackend::buttonByName(closeBox, "Ok"), ButtonOk);
    EXPECT_EQ(HeadlessBackend::buttonByName(question, "&Cancelar"), ButtonCancel);
    EXPECT_EQ(HeadlessBackend::buttonByName(question, "Sí"), ButtonYes);
    EXPECT_EQ(HeadlessBackend::buttonByName(closeBox, "Aceptar"), std::nullopt);
}

TEST_F(MessageBoxTest, ABoxOutsideEveryThreadTakesItsDefaultButton) {
    EXPECT_EQ(message(question), ButtonCancel);
    ASSERT_EQ(backend.shown().size(), 1u);
    EXPECT_FALSE(backend.messagePending());
}

TEST_F(MessageBoxTest, ABoxStillUpAtShutdownIsWithdrawn) {
    input().press(a->id(), 1);
    settle();
    ASSERT_TRUE(backend.messagePending());
    rt.shutdown();
    EXPECT_FALSE(backend.messagePending());
    EXPECT_TRUE(rt.windows().empty());
}

TEST_F(MessageBoxTest, HaltStopsEveryThreadAndRefusesInput) {
    rt.start([] {
        halt(0, "Error de Uso");
        ADD_FAILURE() << "halt returned";
    });
    settle();
    EXPECT_EQ(rt.haltCode(), 0);
    ASSERT_TRUE(backend.halted());
    EXPECT_EQ(backend.halted()->second, "Error de Uso");
    EXPECT_EQ(input().press(b->id(), 1), InputResult::Blocked);
    rt.post(EventKind::Accepted, 1, b->thread());
    settle();
    EXPECT_EQ(pressesOfB, 0);
}

}  // namespace
}  // namespace vorda::ui::test
