// Which child window is in front while a thread waits: a window blocked by
// its thread's box or later window keeps its place in front of the other
// threads' windows, and reaching it brings the window it waits for.
#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QTest>

#include "platform/ui/output.h"
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

WindowDesc dialogDesc(std::string caption) {
    WindowDesc d = childDesc(std::move(caption));
    d.flags = window::Modal | window::SystemMenu;
    return d;
}

// "Generar Diskette" prints the reports while its dialog waits: a window
// opened over a dialog of its thread must come in front of that dialog and
// take the keys, not open in the frame behind it.
TEST_F(ActivationTest, AWindowOpenedOverADialogOfItsThreadIsInFrontOfItWithTheKeys) {
    Child preview{.desc = childDesc("Report Preview")};
    preview.desc.flags |= window::Maximize;
    Child dialog{.desc = dialogDesc("Generar Diskette"),
                 .onEvent = [preview](Window&, const Event& e) {
                     if (e.kind == EventKind::Accepted && e.control == ControlId(2))
                         preview();
                 }};
    open(dialog);
    QWidget* owner = backend.windowWidget(dialog.log->id);
    rt.input().press(dialog.log->id, 2);
    ASSERT_TRUE(
        pump([&] { return preview.log->id != 0 && backend.form(preview.log->id) != nullptr; }));
    QWidget* shown = backend.windowWidget(preview.log->id);
    EXPECT_TRUE(shown->isWindow()) << "not a child of the frame, which is behind the dialog";
    EXPECT_EQ(shown->parentWidget(), owner);
    EXPECT_TRUE(pump([&] { return QApplication::activeWindow() == shown; }));
    EXPECT_TRUE(backend.form(preview.log->id)->isAncestorOf(QApplication::focusWidget()));

    // Reaching the waiting dialog brings the window it waits for.
    owner->activateWindow();
    EXPECT_TRUE(pump([&] { return QApplication::activeWindow() == shown; }));
}

// A report's progress window is hidden before its preview opens: the preview
// of a report started from a list opens in the frame, as the list does.
TEST_F(ActivationTest, AWindowOpenedOverAHiddenDialogOpensInTheFrame) {
    Child preview{.desc = childDesc("Report Preview")};
    Child progress{.desc = dialogDesc("Imprimiendo Anexo II"), .onOpen = [preview](Window& w) {
                       w.setVisible(false);
                       preview();
                   }};
    Child list{.desc = childDesc("Lista"), .onEvent = [progress](Window&, const Event& e) {
                   if (e.kind == EventKind::Accepted && e.control == ControlId(2))
                       progress();
               }};
    open(list);
    rt.input().press(list.log->id, 2);
    ASSERT_TRUE(
        pump([&] { return preview.log->id != 0 && backend.form(preview.log->id) != nullptr; }));
    EXPECT_NE(sub(preview.log->id), nullptr);
    EXPECT_FALSE(backend.windowWidget(preview.log->id)->isWindow());
}

// The file chooser of a dialog ("..." of an import, "Guardar..." of the
// invalid records) is that dialog's: when it closes, the keys go back to the
// dialog, not to the frame.
TEST_F(ActivationTest, AFileChooserOfADialogGivesTheKeysBackToTheDialog) {
    Child dialog{.desc = dialogDesc("Importación de Anexo II"),
                 .onEvent = [](Window&, const Event& e) {
                     if (e.kind == EventKind::Accepted && e.control == ControlId(2))
                         Runtime::current().output({.kind = OutputJob::Kind::ChooseFile,
                                                    .file = "DJ_MENS.TXT",
                                                    .title = "Archivo a importar",
                                                    .existing = true});
                 }};
    open(dialog);
    QWidget* owner = backend.windowWidget(dialog.log->id);
    rt.input().press(dialog.log->id, 2);
    QFileDialog* chooser = nullptr;
    ASSERT_TRUE(pump([&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* d = qobject_cast<QFileDialog*>(w); d != nullptr && d->isVisible())
                chooser = d;
        }
        return chooser != nullptr;
    }));
    EXPECT_EQ(chooser->parentWidget(), owner);
    EXPECT_GE(chooser->width(), 760) << "room for the name, size, type and date columns";
    chooser->reject();
    ASSERT_TRUE(pump([&] { return backend.form(dialog.log->id)->isEnabled(); }));
    EXPECT_TRUE(pump([&] { return QApplication::activeWindow() == owner; }));
}

}  // namespace
}  // namespace vorda::ui::qt::test
