// BrowseClass shown by the Qt backend (offscreen): the page holds the rows the
// list widget shows, and follows them when the user resizes the window; the
// locator's entry shows accented letters typed on the list as typed.
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <cstdio>
#include <functional>
#include <memory>

#include "framework/browseclass.h"
#include "framework/locatorclass.h"
#include "framework/windowmanager.h"
#include "framework/windowresizeclass.h"
#include "platform/ui/qt/formview.h"
#include "platform/ui/qt/pagelist.h"
#include "platform/ui/qt/qtbackend.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"
#include "tests/framework/relationtables.h"
#include "tests/support/offscreenapp.h"

// The font library keeps process-wide caches that the leak checker of the
// sanitizer build would report as ours. The name is the sanitizer's.
extern "C" const char* __lsan_default_suppressions();
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}

namespace vorda::test {
namespace {

enum class Ctl { LIST = 1, CLOSE, LOCATOR };

ui::WindowDesc listDesc() {
    using ui::ControlKind;
    return ui::WindowDesc{
        .caption = "Agentes",
        .font = "Arial",
        .bold = true,
        .at = {.x = 0, .y = 0, .width = 220, .height = 120},
        .flags = ui::window::MdiChild | ui::window::Resizable,
        .controls = {{.number = Ctl::LIST,
                      .kind = ControlKind::List,
                      .at = {.x = 4, .y = 4, .width = 212, .height = 90},
                      .columns = {{.header = "Nº", .picture = "@s11", .width = 50},
                                  {.header = "Nombre", .picture = "@s20", .width = 100}}},
                     {.number = Ctl::CLOSE,
                      .kind = ControlKind::Button,
                      .text = "Salir",
                      .at = {.x = 4, .y = 100, .width = 40, .height = 14}},
                     {.number = Ctl::LOCATOR,
                      .kind = ControlKind::Entry,
                      .picture = "@s20",
                      .at = {.x = 60, .y = 100, .width = 100, .height = 12},
                      .flags = ui::control::ReadOnly}}};
}

// The list procedure: a list manager and the window-resize support.
class QtList : public WindowManager {
public:
    QtList(ui::Window& w, Table<AgtRecord>& agt, BrowseClass& browse)
        : WindowManager(w), agt_(agt), browse_(browse) {}

    Level Init() override {
        const Level level = WindowManager::Init();
        if (level != Benign)
            return level;
        FirstField = Ctl::LIST;
        AddItem(Ctl::CLOSE, ResponseCancelled);
        browse_.Init(Ctl::LIST, &agt_.relate, *this);
        browse_.AddSortOrder(nullptr, AGT_BYNOMBRE);
        locator_.Init(Ctl::LOCATOR, AGT_F::NOMBRE, LetterCase::Ignored);
        browse_.AddLocator(&locator_);
        browse_.AddField(ui::bindField(agt_.rec.NRO));
        browse_.AddField(ui::bindField(agt_.rec.NOMBRE));
        OpenWindow();
        resizer_.Init(window(), WindowResizeClass::AppSpread);
        AddItem(resizer_);
        browse_.SetAlerts();
        return Benign;
    }
    Level Kill() override {
        browse_.Kill();
        return WindowManager::Kill();
    }

private:
    Table<AgtRecord>& agt_;
    BrowseClass& browse_;
    IncrementalLocatorClass locator_;
    WindowResizeClass resizer_;
};

class BrowseQtTest : public RelationFixture {
protected:
    static void SetUpTestSuite() { vorda::test::startOffscreenApplication("browseclass_qt_test"); }
    void SetUp() override {
        RelationFixture::SetUp();
        backend = std::make_unique<ui::qt::QtBackend>();
        rt = std::make_unique<ui::Runtime>(*backend);
        relate({});
    }
    void TearDown() override {
        rt->shutdown();
        rt.reset();
        backend.reset();
        RelationFixture::TearDown();
    }

    bool pump(const std::function<bool()>& done, int ms = 3000) {
        return vorda::test::pumpUntil(done, ms);
    }
    void open() {
        rt->start([this] {
            ui::Window w(listDesc());
            BrowseClass list;
            QtList procedure(w, agt, list);
            window = &w;
            browse = &list;
            procedure.Run();
            browse = nullptr;
            window = nullptr;
        });
        ASSERT_TRUE(pump([this] { return browse != nullptr && browse->Loaded; }));
        pageList = backend->form(window->id())->list(Ctl::LIST);
        ASSERT_NE(pageList, nullptr);
    }
    const ui::Control& list() const { return window->control(Ctl::LIST); }
    std::string selectedName() const {
        const ui::Row& row = list().rows().at(static_cast<size_t>(list().selection() - 1));
        std::string name = row.at(1);
        while (!name.empty() && name.back() == ' ')
            name.pop_back();
        return name;
    }
    // Resizes the window as the user would and waits until the list shows
    // another number of rows and the page holds as many.
    bool resizeBy(int dy) {
        const int before = pageList->rowsVisible();
        QWidget* outer = backend->windowWidget(window->id());
        outer->resize(outer->width(), outer->height() + dy);
        return pump([this, before] {
            const int now = pageList->rowsVisible();
            return now != before && static_cast<int>(list().rows().size()) == now &&
                   browse->LastItems == now;
        });
    }

    std::unique_ptr<ui::qt::QtBackend> backend;
    std::unique_ptr<ui::Runtime> rt;
    ui::Window* window = nullptr;
    BrowseClass* browse = nullptr;
    ui::qt::PageList* pageList = nullptr;
};

TEST_F(BrowseQtTest, the_page_holds_the_rows_shown_and_follows_a_resized_window) {
    char name[16];
    for (int i = 0; i < 80; ++i) {
        std::snprintf(name, sizeof name, "N%04d", i);
        addAgent(std::to_string(i + 1), name);
    }
    open();
    const int first = pageList->rowsVisible();
    EXPECT_EQ(browse->LastItems, first);
    EXPECT_EQ(static_cast<int>(list().rows().size()), first);
    EXPECT_EQ(pageList->rowCount(), first);
    for (int i = 0; i < 2; ++i)
        QTest::keyClick(pageList->table(), Qt::Key_Down);
    ASSERT_TRUE(pump([this] { return list().selection() == 3; }));

    ASSERT_TRUE(resizeBy(200));
    const int taller = pageList->rowsVisible();
    EXPECT_GT(taller, first);
    EXPECT_EQ(pageList->rowCount(), taller);
    EXPECT_EQ(selectedName(), "N0002");

    ASSERT_TRUE(resizeBy(-300));
    EXPECT_LT(pageList->rowsVisible(), first);
    EXPECT_EQ(pageList->rowCount(), pageList->rowsVisible());
    EXPECT_EQ(selectedName(), "N0002");
    QTest::keyClick(pageList->table(), Qt::Key_PageDown);
    ASSERT_TRUE(pump([this] { return selectedName() != "N0002"; }));
    EXPECT_LE(static_cast<int>(list().rows().size()), pageList->rowsVisible());
}

// Types `text` into `w` as a keyboard layout with those letters does (the
// test library's key clicks know ASCII only).
void typeText(QWidget* w, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &release);
    }
}

TEST_F(BrowseQtTest, the_locator_entry_shows_accented_letters_as_typed) {
    for (const char* name : {"Olmos", "Oñate", "Ñandú"})
        addAgent(name, name);
    open();
    auto* entry = qobject_cast<QLineEdit*>(backend->form(window->id())->widget(Ctl::LOCATOR));
    ASSERT_NE(entry, nullptr);
    typeText(pageList->table(), QStringLiteral("ñ"));
    ASSERT_TRUE(pump([&] { return !entry->text().isEmpty(); }));
    EXPECT_EQ(entry->text(), QStringLiteral("Ñ"));
    EXPECT_EQ(selectedName(), "Ñandú");
    QTest::keyClick(pageList->table(), Qt::Key_Backspace);
    typeText(pageList->table(), QStringLiteral("oé"));
    ASSERT_TRUE(pump([&] { return entry->text().size() == 2; }));
    EXPECT_EQ(entry->text(), QStringLiteral("OÉ"));
    EXPECT_EQ(selectedName(), "Oñate");
}

}  // namespace
}  // namespace vorda::test
