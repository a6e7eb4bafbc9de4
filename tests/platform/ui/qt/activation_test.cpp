// Which child window is in front while a thread waits: a window blocked by
// its thread's box or later window keeps its place in front of the other
// threads' windows, and reaching it brings the window it waits for.
#include <QAbstractButton>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QTest>

#include "platform/ui/qt/formview.h"
#include "platform/ui/qt/frameview.h"
#include "platform/ui/qt/pictureentry.h"
#include "tests/platform/ui/qt/qtfixture.h"

namespace vorda::ui::qt::test {
namespace {

WindowDesc childDesc(std::string caption, int y = 10) {
    return WindowDesc{
        .caption = std::move(caption),
        .font = "Arial",
        .at = {10, y, 160, 60},
        .flags = window::MdiChild | window::SystemMenu,
        .controls = {
            {.number = 1, .kind = ControlKind::Entry, .picture = "s10", .at = {4, 4, 60, 12}},
            {.number = 2, .kind = ControlKind::Button, .text = "OK", .at = {4, 30, 40, 14}}}};
}

class ActivationTest : public QtTest {
protected:
    void SetUp() override {
        rt.start(relayingFrame);
        ASSERT_TRUE(pump([this] { return backend.frame() != nullptr; }));
        QApplication::setActiveWindow(backend.frame());
        pumpFor(20);
    }

    QMdiSubWindow* sub(WindowId id) const {
        return qobject_cast<QMdiSubWindow*>(backend.windowWidget(id));
    }
    QMdiSubWindow* front() const { return backend.frame()->mdiArea()->activeSubWindow(); }
    QMessageBox* shownBox(const QString& text) {
        QMessageBox* found = nullptr;
        pump([&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* m = qobject_cast<QMessageBox*>(w);
                if (m != nullptr && m->isVisible() && m->text() == text)
                    found = m;
            }
            return found != nullptr;
        });
        return found;
    }
    // What the window system does when a box goes: the frame is active again.
    void boxAnswered(QMessageBox* box) {
        QTest::mouseClick(box->buttons().front(), Qt::LeftButton);
        QApplication::setActiveWindow(backend.frame());
    }
};

TEST_F(ActivationTest, ASecondBoxInARowKeepsItsThreadsWindowInFront) {
    Child other{.desc = childDesc("Otra", 80)};
    Child asking{.desc = childDesc("Ficha"), .onEvent = [](Window&, const Event& e) {
                     if (e.kind != EventKind::Accepted || e.control != ControlId(2))
                         return;
                     message({.text = "No se pudo borrar.", .okLabel = "Aceptar"});
                     message({.text = "¿Desea intentar nuevamente?",
                              .buttons = ButtonYes | ButtonNo,
                              .defaultButton = ButtonYes});
                 }};
    open(other);
    open(asking);
    backend.form(asking.log->id)->widget(1)->setFocus();
    ASSERT_EQ(front(), sub(asking.log->id));

    rt.input().press(asking.log->id, 2);
    QMessageBox* first = shownBox(QStringLiteral("No se pudo borrar."));
    ASSERT_NE(first, nullptr);
    boxAnswered(first);
    QMessageBox* second = shownBox(QStringLiteral("¿Desea intentar nuevamente?"));
    ASSERT_NE(second, nullptr);
    QApplication::setActiveWindow(backend.frame());
    pumpFor(50);
    EXPECT_EQ(front(), sub(asking.log->id)) << "the question belongs to the window in front";
    EXPECT_EQ(rt.active()->id(), asking.log->id);

    boxAnswered(second);
    ASSERT_TRUE(pump([&] { return backend.form(asking.log->id)->isEnabled(); }));
    EXPECT_TRUE(pump([&] { return QApplication::focusWidget() != nullptr; }));
    const Window* w = rt.find(asking.log->id);
    EXPECT_EQ(QApplication::focusWidget(), backend.form(w->id())->widget(w->focus()))
        << "the keys go back where they were";
}

TEST_F(ActivationTest, BringingAWaitingListToTheFrontBringsItsForm) {
    Child form{.desc = childDesc("Ficha")};
    Child list{.desc = childDesc("Lista"), .onEvent = [form](Window&, const Event& e) {
                   if (e.kind == EventKind::Accepted && e.control == ControlId(2))
                       form();  // the list's form, on the list's thread
               }};
    open(list);
    rt.input().press(list.log->id, 2);
    ASSERT_TRUE(pump([&] { return form.log->id != 0 && backend.form(form.log->id) != nullptr; }));
    pumpFor(20);
    ASSERT_EQ(front(), sub(form.log->id));

    // Ctrl+Tab, or a click on the list's title: the list is waiting for its form.
    backend.frame()->mdiArea()->setActiveSubWindow(sub(list.log->id));
    ASSERT_TRUE(pump([&] { return front() == sub(form.log->id); }));
    EXPECT_EQ(rt.active()->id(), form.log->id);
    EXPECT_TRUE(backend.form(form.log->id)->isAncestorOf(QApplication::focusWidget()));
}

// A report's progress window is a dialog of its own; the "no records" box
// of its run must not open behind it, nor leave the keys with it.
TEST_F(ActivationTest, ABoxOfADialogsThreadStaysInFrontOfTheDialogAndTakesTheKeys) {
    WindowDesc progress = childDesc("Imprimiendo Anexo I");
    progress.flags = window::Modal;
    Child running{
        .desc = progress, .onOpen = [](Window&) {
            message({.text = "No hay registros disponibles para procesar.", .okLabel = "Aceptar"});
        }};
    open(running);
    QMessageBox* box = shownBox(QStringLiteral("No hay registros disponibles para procesar."));
    ASSERT_NE(box, nullptr);
    QWidget* dialog = backend.windowWidget(running.log->id);
    EXPECT_EQ(box->parentWidget(), dialog) << "kept above the window it belongs to";

    // The window system hands the activation to the dialog (the user clicks
    // it, or its own activation arrives late): the box takes it back.
    dialog->activateWindow();
    EXPECT_TRUE(pump([&] { return QApplication::activeWindow() == box; }));
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_TRUE(pump([&] { return backend.form(running.log->id)->isEnabled(); }));
}

}  // namespace
}  // namespace vorda::ui::qt::test
