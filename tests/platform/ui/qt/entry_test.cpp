// Entries type through the picture model: template digits, refused keys,
// selection replaced on typing, paste through the picture, the runtime's
// focus and Accepted on Tab.
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "platform/ui/qt/formview.h"
#include "platform/ui/qt/pictureentry.h"
#include "tests/platform/ui/qt/qtfixture.h"

namespace vorda::ui::qt::test {
namespace {

enum Ctl { PROMPT = 1, NUMBER, NAME, AMOUNT, OK, MONTH };

class EntryTest : public QtTest {
protected:
    void SetUp() override {
        child.desc = WindowDesc{.caption = "Agentes",
                                .font = "Arial",
                                .bold = true,
                                .at = {0, 0, 200, 80},
                                .controls = {{.number = PROMPT,
                                              .kind = ControlKind::Prompt,
                                              .text = "Nº de &Agente:",
                                              .at = {4, 4, 60, 10}},
                                             {.number = NUMBER,
                                              .kind = ControlKind::Entry,
                                              .picture = "#/##.##.###",
                                              .at = {70, 4, 60, 12},
                                              .msg = "Nº de Agente"},
                                             {.number = NAME,
                                              .kind = ControlKind::Entry,
                                              .picture = "s10",
                                              .at = {70, 20, 60, 12}},
                                             {.number = AMOUNT,
                                              .kind = ControlKind::Entry,
                                              .picture = "n9.2",
                                              .at = {70, 36, 60, 12}},
                                             {.number = OK,
                                              .kind = ControlKind::Button,
                                              .text = "Aceptar",
                                              .at = {70, 56, 40, 14},
                                              .flags = control::Default},
                                             {.number = MONTH,
                                              .kind = ControlKind::Spin,
                                              .picture = "n2",
                                              .at = {140, 4, 40, 12},
                                              .low = 1,
                                              .high = 12}}};
        log = open(child);
        form = backend.form(log->id);
        ASSERT_NE(form, nullptr);
    }
    PictureEntry* entry(int n) { return qobject_cast<PictureEntry*>(form->widget(n)); }
    const Control& model(int n) { return rt.find(log->id)->control(n); }

    Child child;
    std::shared_ptr<Child::Log> log;
    FormView* form = nullptr;
};

TEST_F(EntryTest, TemplateEntryFormatsTypedDigitsAndRefusesLetters) {
    PictureEntry* e = entry(NUMBER);
    e->setFocus();
    QTest::keyClicks(e, QStringLiteral("12345678"));
    EXPECT_EQ(e->text(), QStringLiteral("1/23.45.678"));
    EXPECT_EQ(model(NUMBER).text(), "1/23.45.678");
    EXPECT_EQ(e->cursorPosition(), 11);
    QTest::keyClick(e, Qt::Key_Backspace);
    EXPECT_EQ(e->text(), QStringLiteral("1/23.45.67"));
    QTest::keyClicks(e, QStringLiteral("x"));
    EXPECT_EQ(e->text(), QStringLiteral("1/23.45.67")) << "a letter has no place in the template";
}

TEST_F(EntryTest, LettersAreRefusedInAnEmptyTemplateAndFullTextEntriesTakeNoMore) {
    QTest::keyClicks(entry(NUMBER), QStringLiteral("ab"));
    EXPECT_EQ(entry(NUMBER)->text(), QString());
    QTest::keyClicks(entry(NAME), QStringLiteral("abcdefghijkl"));
    EXPECT_EQ(entry(NAME)->text(), QStringLiteral("abcdefghij"));
    EXPECT_EQ(model(NAME).text(), "abcdefghij");
}

TEST_F(EntryTest, TypingOverASelectionReplacesIt) {
    QTest::keyClicks(entry(NAME), QStringLiteral("abc"));
    entry(NAME)->selectAll();
    QTest::keyClicks(entry(NAME), QStringLiteral("z"));
    EXPECT_EQ(model(NAME).text(), "z");
    QTest::keyClicks(entry(NAME), QStringLiteral("xy"));
    entry(NAME)->setSelection(1, 1);  // "zxy" -> the x
    QTest::keyClick(entry(NAME), Qt::Key_Delete);
    EXPECT_EQ(model(NAME).text(), "zy");
}

TEST_F(EntryTest, CaretMovedByArrowKeysIsWhereTheNextKeyGoes) {
    QTest::keyClicks(entry(NAME), QStringLiteral("ac"));
    QTest::keyClick(entry(NAME), Qt::Key_Left);
    QTest::keyClicks(entry(NAME), QStringLiteral("b"));
    EXPECT_EQ(model(NAME).text(), "abc");
}

TEST_F(EntryTest, PasteGoesThroughThePicture) {
    QApplication::clipboard()->setText(QStringLiteral("12-34x5"));
    entry(NUMBER)->pasteFromClipboard();
    EXPECT_EQ(model(NUMBER).text(), "1/23.45");
}

// Characters a stored text cannot hold (no Windows-1252 byte) are refused
// whether typed, composed by an input method or pasted.
TEST_F(EntryTest, CharactersOutsideTheCodePageAreRefusedTypedComposedOrPasted) {
    PictureEntry* e = entry(NAME);
    e->setFocus();
    for (const QString& typed :
         {QStringLiteral("a"), QStringLiteral("😀"), QStringLiteral("電"), QStringLiteral("ñ")}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, typed);
        QApplication::sendEvent(e, &press);
    }
    EXPECT_EQ(model(NAME).text(), "añ");
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("話b"));
    QApplication::sendEvent(e, &composed);
    EXPECT_EQ(model(NAME).text(), "añb");
    EXPECT_EQ(e->text(), QStringLiteral("añb"));
    QApplication::clipboard()->setText(QStringLiteral("x😀€電"));
    e->pasteFromClipboard();
    EXPECT_EQ(model(NAME).text(), "añbx€");
    EXPECT_EQ(e->text(), QStringLiteral("añbx€"));
}

TEST_F(EntryTest, TabAcceptsTheEditedEntryAndMovesTheRuntimesFocus) {
    ASSERT_EQ(rt.find(log->id)->focus(), ControlId(NUMBER));
    QTest::keyClicks(entry(NUMBER), QStringLiteral("12"));
    QTest::keyClick(entry(NUMBER), Qt::Key_Tab);
    ASSERT_TRUE(pump([&] { return child.saw(EventKind::Selected, NAME); }));
    EXPECT_TRUE(child.saw(EventKind::Accepted, NUMBER));
    EXPECT_EQ(rt.find(log->id)->focus(), ControlId(NAME));
    EXPECT_TRUE(pump([&] { return QApplication::focusWidget() == entry(NAME); }));
}

TEST_F(EntryTest, EnterPressesTheDefaultButton) {
    QTest::keyClick(entry(NAME), Qt::Key_Return);
    EXPECT_TRUE(pump([&] { return child.saw(EventKind::Accepted, OK); }));
}

TEST_F(EntryTest, ClickingAButtonPressesIt) {
    QTest::mouseClick(form->widget(OK), Qt::LeftButton);
    EXPECT_TRUE(pump([&] { return child.saw(EventKind::Accepted, OK); }));
}

TEST_F(EntryTest, TextSetByTheProcedureIsShownAndNumbersAlignRight) {
    rt.find(log->id)->control(AMOUNT).setText("1.234,50");
    EXPECT_EQ(entry(AMOUNT)->text(), QStringLiteral("1.234,50"));
    EXPECT_TRUE(entry(AMOUNT)->alignment() & Qt::AlignRight);
    EXPECT_TRUE(entry(NAME)->alignment() & Qt::AlignLeft);
}

TEST_F(EntryTest, SpinStepsByArrowKeyAndArrowButtonWithinItsRange) {
    PictureEntry* spin = entry(MONTH);
    QTest::keyClicks(spin, QStringLiteral("11"));
    QTest::keyClick(spin, Qt::Key_Up);
    EXPECT_EQ(model(MONTH).text(), "12");
    QTest::keyClick(spin, Qt::Key_Up);
    EXPECT_EQ(model(MONTH).text(), "12") << "the range ends at 12";
    const QList<QToolButton*> arrows = spin->findChildren<QToolButton*>();
    ASSERT_EQ(arrows.size(), 2);
    arrows[1]->click();  // down
    EXPECT_EQ(model(MONTH).text(), "11");
    EXPECT_TRUE(pump([&] { return child.saw(EventKind::NewSelection, MONTH); }));
}

TEST_F(EntryTest, GeometryIsInDialogUnitsOfTheWindowsFont) {
    const DialogUnits& du = form->units();
    EXPECT_EQ(form->widget(NAME)->geometry(), du.rect({70, 20, 60, 12}));
    EXPECT_EQ(form->font().family(), QStringLiteral("Liberation Sans"));
    EXPECT_TRUE(form->font().bold());
}

}  // namespace
}  // namespace vorda::ui::qt::test

namespace vorda::ui::qt::test {
namespace {

enum SheetCtl { SHEET = 1, TAB_ONE, TAB_TWO, FIRST, SECOND };

class SheetTest : public QtTest {
protected:
    void SetUp() override {
        child.desc = WindowDesc{
            .caption = "Agentes",
            .at = {0, 0, 200, 100},
            .controls = {
                {.number = SHEET, .kind = ControlKind::Sheet, .at = {2, 2, 190, 90}},
                {.number = TAB_ONE, .kind = ControlKind::Tab, .text = "Por CUIT", .parent = SHEET},
                {.number = TAB_TWO,
                 .kind = ControlKind::Tab,
                 .text = "Por Denominación",
                 .parent = SHEET},
                {.number = FIRST,
                 .kind = ControlKind::Entry,
                 .at = {10, 30, 60, 12},
                 .parent = TAB_ONE},
                {.number = SECOND,
                 .kind = ControlKind::Entry,
                 .at = {10, 30, 60, 12},
                 .parent = TAB_TWO}}};
        log = open(child);
        form = backend.form(log->id);
        sheet = qobject_cast<QTabWidget*>(form->widget(SHEET));
        ASSERT_NE(sheet, nullptr);
    }

    Child child;
    std::shared_ptr<Child::Log> log;
    FormView* form = nullptr;
    QTabWidget* sheet = nullptr;
};

TEST_F(SheetTest, OnlyTheCurrentTabsControlsAreShown) {
    EXPECT_EQ(sheet->count(), 2);
    EXPECT_EQ(sheet->tabText(1), QStringLiteral("Por Denominación"));
    EXPECT_TRUE(form->widget(FIRST)->isVisible());
    EXPECT_FALSE(form->widget(SECOND)->isVisible());
}

TEST_F(SheetTest, ClickingATabChoosesItInTheRuntime) {
    QTabBar* bar = sheet->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    ASSERT_TRUE(pump([&] { return child.saw(EventKind::NewSelection, SHEET); }));
    EXPECT_EQ(rt.find(log->id)->control(SHEET).choice(), 2);
    EXPECT_FALSE(form->widget(FIRST)->isVisible());
    EXPECT_TRUE(form->widget(SECOND)->isVisible());
}

TEST_F(SheetTest, TheProcedureChoosesATabAndDisablesAnother) {
    Window* w = rt.find(log->id);
    w->control(SHEET).setChoice(2);
    EXPECT_EQ(sheet->currentIndex(), 1);
    EXPECT_TRUE(form->widget(SECOND)->isVisible());
    w->disable(TAB_ONE);
    EXPECT_FALSE(sheet->isTabEnabled(0));
    w->hide(SECOND);
    EXPECT_FALSE(form->widget(SECOND)->isVisible());
}

}  // namespace
}  // namespace vorda::ui::qt::test
