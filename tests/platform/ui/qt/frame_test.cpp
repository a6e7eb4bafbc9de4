// The frame: menus, the toolbar's buttons, tips and gaps, toolbar commands
// relayed to the active child's thread, thread-modal blocking, timers.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "platform/ui/qt/formview.h"
#include "platform/ui/qt/frameview.h"
#include "platform/ui/qt/helpviewer.h"
#include "platform/ui/qt/pictureentry.h"
#include "platform/ui/qt/qtplacement.h"
#include "platform/ui/qt/qttranslation.h"
#include "tests/platform/ui/qt/qtfixture.h"

namespace vorda::ui::qt::test {
namespace {

WindowDesc childDesc(std::string caption) {
    return WindowDesc{
        .caption = std::move(caption),
        .font = "Arial",
        .at = {10, 10, 160, 60},
        .flags = window::MdiChild | window::SystemMenu,
        .controls = {
            {.number = 1, .kind = ControlKind::Entry, .picture = "s10", .at = {4, 4, 60, 12}},
            {.number = 2, .kind = ControlKind::Button, .text = "OK", .at = {4, 30, 40, 14}}}};
}

std::vector<QToolButton*> toolButtonsLeftToRight(QToolBar* bar) {
    std::vector<QToolButton*> out;
    for (QToolButton* b : bar->findChildren<QToolButton*>()) {
        if (b->objectName().startsWith(QStringLiteral("tool")))
            out.push_back(b);
    }
    std::sort(out.begin(), out.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
    return out;
}

class FrameTest : public QtTest {
protected:
    void SetUp() override {
        rt.start(relayingFrame);
        ASSERT_TRUE(pump([this] { return backend.frame() != nullptr; }));
        pumpFor(20);
    }
};

TEST_F(FrameTest, OpensWithCaptionMenusAndTheirTips) {
    FrameView* f = backend.frame();
    EXPECT_EQ(f->windowTitle(), QStringLiteral("VORDA"));
    QStringList menus;
    for (QAction* a : f->menuBar()->actions())
        menus << a->text();
    EXPECT_EQ(menus, (QStringList{QStringLiteral("&Archivo"), QStringLiteral("&Tablas"),
                                  QStringLiteral("&Ventana")}));
    EXPECT_EQ(f->menuBar()->actions()[2]->statusTip(), QStringLiteral("Crea y Ordena Ventanas"));
    ASSERT_NE(f->action(3), nullptr);
    EXPECT_EQ(f->action(3)->text(), QStringLiteral("&Salir"));
    EXPECT_EQ(f->action(3)->statusTip(), QStringLiteral("Salir de la Aplicacion"));
}

TEST_F(FrameTest, ToolbarHasThirteenButtonsInOrderWithTipsAndTwoGaps) {
    const std::vector<QToolButton*> buttons = toolButtonsLeftToRight(backend.frame()->toolBar());
    const QStringList tips = {
        QStringLiteral("Ir 1ra Página"),          QStringLiteral("Página Anterior"),
        QStringLiteral("Registro Anterior"),      QStringLiteral("Ubicar Registro"),
        QStringLiteral("Próximo Registro"),       QStringLiteral("Próxima Página"),
        QStringLiteral("Ultima Página"),          QStringLiteral("Seleccionar Registro"),
        QStringLiteral("Agregar nuevo Registro"), QStringLiteral("Cambiar este Registro"),
        QStringLiteral("Borrar este Registro"),   QStringLiteral("Valor Previo"),
        QStringLiteral("Obtener Ayuda")};
    ASSERT_EQ(buttons.size(), 13u);
    const DialogUnits& du = backend.frame()->units();
    for (size_t i = 0; i < buttons.size(); ++i) {
        EXPECT_EQ(buttons[i]->toolTip(), tips[int(i)]) << i;
        EXPECT_FALSE(buttons[i]->icon().isNull()) << i;
        EXPECT_EQ(buttons[i]->width(), du.x(16));
        if (i == 0)
            continue;
        const int step = buttons[i]->x() - buttons[i - 1]->x();
        const bool gap = i == 7 || i == 11;  // before "Seleccionar Registro" and "Valor Previo"
        EXPECT_EQ(step, du.x(16) + (gap ? du.x(4) : 0)) << "before button " << i + 1;
    }
}

TEST_F(FrameTest, ExitMenuItemClosesTheFrameAndEndsTheLoop) {
    backend.frame()->action(3)->trigger();
    EXPECT_TRUE(pump([this] { return rt.threadCount() == 0; }));
    EXPECT_EQ(backend.frame(), nullptr);
}

TEST_F(FrameTest, ToolbarButtonReachesTheActiveChildsThread) {
    Child a{.desc = childDesc("A")};
    Child b{.desc = childDesc("B")};
    open(a);
    open(b);
    ASSERT_EQ(rt.active()->id(), b.log->id);
    const std::vector<QToolButton*> buttons = toolButtonsLeftToRight(backend.frame()->toolBar());
    QTest::mouseClick(buttons[4], Qt::LeftButton);  // "Próximo Registro", 2008
    ASSERT_TRUE(pump([&] { return b.saw(EventKind::Accepted, 2008); }));
    EXPECT_FALSE(a.saw(EventKind::Accepted, 2008));
    // The user brings A to the front: the next button goes to A's thread.
    backend.frame()->mdiArea()->setActiveSubWindow(
        qobject_cast<QMdiSubWindow*>(backend.windowWidget(a.log->id)));
    ASSERT_TRUE(pump([&] { return rt.active()->id() == a.log->id; }));
    QTest::mouseClick(buttons[8], Qt::LeftButton);  // "Agregar nuevo Registro", 2000
    ASSERT_TRUE(pump([&] { return a.saw(EventKind::Accepted, 2000); }));
    EXPECT_NE(a.log->thread, b.log->thread);
}

TEST_F(FrameTest, ABoxBlocksOnlyItsOwnThreadsWindows) {
    unsigned answer = 0;
    Child a{.desc = childDesc("A"), .onEvent = [&answer](Window&, const Event& e) {
                if (e.kind == EventKind::Accepted && e.control == ControlId(2))
                    answer = message({.text = "Seguro?",
                                      .icon = Icon::Question,
                                      .buttons = ButtonYes | ButtonNo,
                                      .defaultButton = ButtonNo});
            }};
    Child b{.desc = childDesc("B")};
    open(a);
    open(b);
    rt.input().press(a.log->id, 2);
    ASSERT_TRUE(pump([&] { return rt.messagePending(a.log->thread); }));
    EXPECT_FALSE(backend.form(a.log->id)->isEnabled());
    EXPECT_TRUE(backend.form(b.log->id)->isEnabled());
    // The other thread's window still takes typing.
    auto* entry = qobject_cast<PictureEntry*>(backend.form(b.log->id)->widget(1));
    QTest::keyClicks(entry, QStringLiteral("hola"));
    EXPECT_EQ(entry->text(), QStringLiteral("hola"));
    EXPECT_EQ(rt.find(b.log->id)->control(1).text(), "hola");
    EXPECT_EQ(rt.input().key(a.log->id, 1, 'x'), InputResult::Blocked);

    QMessageBox* box = nullptr;
    ASSERT_TRUE(pump([&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* m = qobject_cast<QMessageBox*>(w); m != nullptr && m->isVisible())
                box = m;
        }
        return box != nullptr;
    }));
    QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
    ASSERT_TRUE(pump([&] { return answer != 0; }));
    EXPECT_EQ(answer, unsigned(ButtonYes));
    ASSERT_TRUE(pump([&] { return backend.form(a.log->id)->isEnabled(); }));
}

TEST_F(FrameTest, ClosingAChildByItsTitleBarAsksItsProcedure) {
    Child a{.desc = childDesc("A")};
    open(a);
    backend.windowWidget(a.log->id)->close();
    ASSERT_TRUE(pump([&] { return a.log->ended; }));
    EXPECT_TRUE(pump([&] { return backend.windowWidget(a.log->id) == nullptr; }));
}

TEST_F(FrameTest, WindowTimerFiresOnTheRealClock) {
    WindowDesc d = childDesc("T");
    d.timer = 5;
    Child a{.desc = d};
    open(a);
    EXPECT_TRUE(pump([&] { return a.saw(EventKind::Timer); }, 2000));
}

TEST_F(FrameTest, PlacementSavesAndRestoresAChildWindow) {
    Child a{.desc = childDesc("A")};
    open(a);
    std::unique_ptr<QtPlacement> p = backend.placement(a.log->id);
    p->set({.x = 30, .y = 40, .width = 300, .height = 200});
    EXPECT_EQ(p->get().x, 30);
    EXPECT_EQ(p->get().width, 300);
    p->maximize(true);
    EXPECT_TRUE(p->isMaximized());
    EXPECT_EQ(p->get().height, 200) << "the normal geometry is kept while maximized";
    p->maximize(false);
    EXPECT_FALSE(p->isMaximized());
    EXPECT_EQ(backend.windowWidget(a.log->id)->geometry(), QRect(30, 40, 300, 200));
}

TEST_F(FrameTest, ResizingAResizableChildReportsSizedInDialogUnits) {
    WindowDesc d = childDesc("R");
    d.flags |= window::Resizable;
    Child a{.desc = d};
    open(a);
    QWidget* sub = backend.windowWidget(a.log->id);
    sub->resize(sub->width() + 80, sub->height() + 40);
    ASSERT_TRUE(pump([&] { return a.saw(EventKind::Sized); }));
    EXPECT_GT(rt.find(a.log->id)->size().width, 160);
    EXPECT_GT(rt.find(a.log->id)->size().height, 60);
}

TEST_F(FrameTest, CopyAndPasteActOnTheFocusedEntryThroughItsPicture) {
    Child a{.desc = childDesc("A")};
    open(a);
    auto* entry = qobject_cast<PictureEntry*>(backend.form(a.log->id)->widget(1));
    QTest::keyClicks(entry, QStringLiteral("abc"));
    entry->selectAll();
    backend.standardAction(StandardAction::Copy);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("abc"));
    entry->setCursorPosition(3);
    backend.standardAction(StandardAction::Paste);
    EXPECT_EQ(rt.find(a.log->id)->control(1).text(), "abcabc");
    entry->setSelection(0, 3);
    backend.standardAction(StandardAction::Cut);
    EXPECT_EQ(rt.find(a.log->id)->control(1).text(), "abc");
}

TEST_F(FrameTest, HelpContentsOpenTheHelpFileInAViewer) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Vorda.htm"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<html><body><h1>Ayuda de VORDA</h1><p>Agentes</p></body></html>");
    f.close();
    backend.setHelpFile(file);
    backend.standardAction(StandardAction::HelpContents);
    ASSERT_NE(backend.helpViewer(), nullptr);
    EXPECT_TRUE(backend.helpViewer()->isVisible());
    EXPECT_TRUE(backend.helpViewer()->browser()->toPlainText().contains(QStringLiteral("Agentes")));
}

TEST_F(FrameTest, TileAndCascadeArrangeTheChildren) {
    Child a{.desc = childDesc("A")};
    Child b{.desc = childDesc("B")};
    open(a);
    open(b);
    backend.standardAction(StandardAction::Cascade);
    const QPoint pa = backend.windowWidget(a.log->id)->pos();
    const QPoint pb = backend.windowWidget(b.log->id)->pos();
    EXPECT_NE(pa, pb);
    backend.standardAction(StandardAction::Tile);
    const QRect overlap = backend.windowWidget(a.log->id)->geometry().intersected(
        backend.windowWidget(b.log->id)->geometry());
    EXPECT_TRUE(overlap.width() <= 2 || overlap.height() <= 2) << "tiled windows do not overlap";
}

using FrameOpeningTest = QtTest;

TEST_F(FrameOpeningTest, AFrameDescribedMaximizedOpensMaximized) {
    rt.start([] {
        WindowDesc d = frameDesc();
        d.flags |= window::Maximize;
        Window w(d);
        w.open();
        while (w.ask().kind != EventKind::CloseDown) {
        }
    });
    ASSERT_TRUE(pump([this] { return backend.frame() != nullptr; }));
    EXPECT_TRUE(pump([this] { return backend.frame()->isMaximized(); }));
    rt.postCloseDown();
    EXPECT_TRUE(pump([this] { return rt.threadCount() == 0; }));
}

TEST_F(FrameOpeningTest, TheToolkitsOwnDialogsSpeakSpanish) {
    if (!installQtTranslation())
        GTEST_SKIP() << "Qt's Spanish translation (qt6-translations-l10n) is not installed";
    QFileDialog chooser(nullptr, QStringLiteral("Guardar como PDF"));
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    EXPECT_NE(chooser.labelText(QFileDialog::LookIn), QStringLiteral("Look in:"));
    EXPECT_NE(chooser.labelText(QFileDialog::FileName), QStringLiteral("File &name:"));
    EXPECT_EQ(chooser.labelText(QFileDialog::Reject), QStringLiteral("Cancelar"));
}

}  // namespace
}  // namespace vorda::ui::qt::test
