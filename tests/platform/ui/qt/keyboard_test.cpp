// The keyboard inside the frame: Alt+letter reaches the active child's
// controls before the frame's menus, and the control with the focus shows it.
#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "platform/ui/qt/formview.h"
#include "platform/ui/qt/frameview.h"
#include "platform/ui/qt/pictureentry.h"
#include "tests/platform/ui/qt/qtfixture.h"

namespace vorda::ui::qt::test {
namespace {

enum Ctl { Locator = 1, Insert, Change, Prompt, Entry, Option, RadioB, RadioC, Close };

// A list-like child whose buttons share their letters with the frame's
// menus ("&Agregar" with "&Archivo", "&Tablas" with nothing of its own).
WindowDesc listDesc() {
    return WindowDesc{
        .caption = "Lista",
        .font = "Arial",
        .at = {4, 4, 220, 110},
        .flags = window::MdiChild | window::SystemMenu,
        .controls = {
            {.number = Locator, .kind = ControlKind::Entry, .picture = "s10", .at = {4, 4, 60, 12}},
            {.number = Insert,
             .kind = ControlKind::Button,
             .text = "&Agregar",
             .at = {4, 20, 44, 14}},
            {.number = Change,
             .kind = ControlKind::Button,
             .text = "&Cambiar",
             .at = {52, 20, 44, 14},
             .flags = control::Disabled},
            {.number = Prompt,
             .kind = ControlKind::Prompt,
             .text = "&Valor:",
             .at = {4, 42, 30, 10}},
            {.number = Entry, .kind = ControlKind::Entry, .picture = "s10", .at = {40, 40, 60, 12}},
            {.number = Option,
             .kind = ControlKind::Option,
             .text = "Inciso",
             .at = {4, 56, 80, 30}},
            {.number = RadioB,
             .kind = ControlKind::Radio,
             .text = "b",
             .at = {8, 64, 20, 10},
             .parent = Option,
             .value = "b"},
            {.number = RadioC,
             .kind = ControlKind::Radio,
             .text = "c",
             .at = {8, 74, 20, 10},
             .parent = Option,
             .value = "c"},
            {.number = Close,
             .kind = ControlKind::Button,
             .text = "Salir",
             .at = {100, 90, 44, 14}},
        }};
}

class KeyboardTest : public QtTest {
protected:
    void SetUp() override {
        rt.start(relayingFrame);
        ASSERT_TRUE(pump([this] { return backend.frame() != nullptr; }));
        QApplication::setActiveWindow(backend.frame());
        log = open(child);
        form = backend.form(log->id);
        ASSERT_NE(form, nullptr);
        entry(Locator)->setFocus();
        pumpFor(20);
    }

    PictureEntry* entry(int control) { return qobject_cast<PictureEntry*>(form->widget(control)); }
    QMenu* openMenu() const {
        for (QAction* a : backend.frame()->menuBar()->actions()) {
            if (a->menu() != nullptr && a->menu()->isVisible())
                return a->menu();
        }
        return nullptr;
    }
    QImage look(int control) { return form->widget(control)->grab().toImage(); }

    Child child{.desc = listDesc()};
    std::shared_ptr<Child::Log> log;
    FormView* form = nullptr;
};

TEST_F(KeyboardTest, AltLetterPressesTheChildsButtonBeforeTheFramesMenu) {
    // Every press, not only every other one: Qt would take turns between the
    // menu and the button.
    for (int press = 1; press <= 2; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::AltModifier);
        ASSERT_TRUE(pump([&] {
            return std::count_if(log->events.begin(), log->events.end(), [](const Event& e) {
                       return e.kind == EventKind::Accepted && e.control == ControlId(Insert);
                   }) == press;
        })) << "press "
            << press;
        EXPECT_EQ(openMenu(), nullptr);
    }
}

TEST_F(KeyboardTest, AltLetterOfAPromptMovesTheFocusToItsEntry) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::AltModifier);
    ASSERT_TRUE(pump([&] { return rt.find(log->id)->focus() == ControlId(Entry); }));
    EXPECT_EQ(QApplication::focusWidget(), form->widget(Entry));
    EXPECT_EQ(openMenu(), nullptr);  // "&Ventana" shares the letter
}

TEST_F(KeyboardTest, APromptUnderlinesTheLetterThatReachesItsEntry) {
    const auto* prompt = qobject_cast<QLabel*>(form->widget(Prompt));
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(prompt->text(), QStringLiteral("&Valor:"));
    EXPECT_EQ(prompt->buddy(), form->widget(Entry));
}

TEST_F(KeyboardTest, ALetterNoShownEnabledControlUsesStillOpensTheMenu) {
    // "&Cambiar" is disabled; "&Tablas" belongs to no control at all.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
    pumpFor(50);
    EXPECT_FALSE(child.saw(EventKind::Accepted, Change));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_T, Qt::AltModifier);
    ASSERT_TRUE(pump([&] { return openMenu() != nullptr; }));
    EXPECT_EQ(openMenu()->title(), QStringLiteral("&Tablas"));
    openMenu()->close();
}

TEST_F(KeyboardTest, TheFocusedRadioAndButtonShowTheirFocus) {
    // The runtime moves the focus (Tab, a procedure's select): the control
    // must look focused, as Qt only shows it after its own Tab key.
    const QImage radioBefore = look(RadioB);
    const QImage buttonBefore = look(Close);
    ASSERT_EQ(rt.input().focus(log->id, Option), InputResult::Done);
    ASSERT_TRUE(pump([&] { return form->widget(RadioB)->hasFocus(); }));
    EXPECT_NE(look(RadioB), radioBefore);
    ASSERT_EQ(rt.input().focus(log->id, Close), InputResult::Done);
    ASSERT_TRUE(pump([&] { return form->widget(Close)->hasFocus(); }));
    EXPECT_NE(look(Close), buttonBefore);
    EXPECT_EQ(look(RadioB), radioBefore);
}

}  // namespace
}  // namespace vorda::ui::qt::test
