// Window placement read from vorda.INI onto real Qt windows (offscreen): the
// frame and a child form open visible and of a sane size whatever the file
// says, since a window millions of pixels wide cannot even be drawn and one
// off the screen cannot be reached.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiArea>
#include <QScreen>
#include <fstream>
#include <memory>
#include <string>

#include "framework/iniclass.h"
#include "platform/ui/qt/frameview.h"
#include "platform/ui/qt/qtbackend.h"
#include "platform/ui/qt/qtplacement.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"
#include "tests/support/offscreenapp.h"
#include "tests/support/tempdir.h"

// The font library keeps process-wide caches that the leak checker of the
// sanitizer build would report as ours.
extern "C" const char* __lsan_default_suppressions();
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}

namespace vorda::test {
namespace {

// Runs a window described by `desc` until it is closed; its id goes to `id`.
void runWindow(ui::WindowDesc desc, ui::WindowId* id) {
    ui::Window w(std::move(desc));
    w.open();
    *id = w.id();
    for (ui::Event e = w.ask();
         e.kind != ui::EventKind::CloseWindow && e.kind != ui::EventKind::CloseDown; e = w.ask()) {
    }
}

ui::WindowDesc childDesc(uint32_t flags) {
    return ui::WindowDesc{.caption = "Ficha",
                          .font = "Arial",
                          .at = {.x = 10, .y = 10, .width = 160, .height = 60},
                          .flags = ui::window::MdiChild | flags,
                          .controls = {{.number = 1,
                                        .kind = ui::ControlKind::Button,
                                        .text = "OK",
                                        .at = {.x = 4, .y = 30, .width = 40, .height = 14}}}};
}

class PlacementFromSettings : public ::testing::Test {
protected:
    static void SetUpTestSuite() { startOffscreenApplication("placement_qt_test"); }
    void SetUp() override {
        rt.start([this] {
            runWindow({.caption = "VORDA", .font = "Arial", .flags = ui::window::Frame}, &frame);
        });
        ASSERT_TRUE(pumpUntil([this] { return backend.frame() != nullptr; }, 3000));
        settings.Init("vorda.INI");
    }
    void TearDown() override {
        settings.Kill();
        rt.shutdown();
    }
    void write(const std::string& text) { std::ofstream("vorda.INI") << text; }
    // Applies section `section` of the settings file to window `id`.
    void restore(const char* section, ui::WindowId id) {
        const std::unique_ptr<ui::qt::QtPlacement> p = backend.placement(id);
        ASSERT_NE(p, nullptr);
        settings.Fetch(section, *p);
        pumpUntil([] { return false; }, 50);
    }
    ui::WindowId openChild(uint32_t flags) {
        ui::WindowId id = 0;
        rt.start([flags, &id] { runWindow(childDesc(flags), &id); });
        EXPECT_TRUE(
            pumpUntil([&] { return id != 0 && backend.windowWidget(id) != nullptr; }, 3000));
        return id;
    }
    static QRect screen() { return QGuiApplication::primaryScreen()->availableGeometry(); }
    QRect childArea() const { return backend.frame()->mdiArea()->viewport()->rect(); }

    TempDir dir;
    ui::qt::QtBackend backend;
    ui::Runtime rt{backend};
    INIClass settings;
    ui::WindowId frame = 0;
};

TEST_F(PlacementFromSettings, an_absurd_frame_size_is_cut_to_the_screen) {
    write("[Main]\r\nMaximize=No\r\nXPos=0\r\nYPos=0\r\nWidth=1000000000\r\nHeight=1000000000\r\n");
    restore("Main", frame);
    const QRect shown = backend.frame()->frameGeometry();
    EXPECT_TRUE(screen().contains(shown)) << shown.width() << "x" << shown.height();
    EXPECT_GT(shown.width(), 100);
}

TEST_F(PlacementFromSettings, a_frame_off_the_screen_is_brought_onto_it_keeping_its_size) {
    write("[Main]\r\nMaximize=No\r\nXPos=-5000\r\nYPos=-5000\r\nWidth=400\r\nHeight=300\r\n");
    restore("Main", frame);
    const QRect shown = backend.frame()->frameGeometry();
    EXPECT_TRUE(screen().contains(shown))
        << shown.x() << "," << shown.y() << " " << shown.width() << "x" << shown.height();
    EXPECT_EQ(backend.frame()->size(), QSize(400, 300));
}

TEST_F(PlacementFromSettings, a_child_form_off_the_frame_or_too_large_is_brought_into_it) {
    write(
        "[Ficha]\r\nMaximize=No\r\nXPos=-5000\r\nYPos=90000\r\n"
        "[Grande]\r\nMaximize=No\r\nXPos=20\r\nYPos=20\r\nWidth=1000000000\r\n"
        "Height=1000000000\r\n");
    const ui::WindowId fixed = openChild(0);
    restore("Ficha", fixed);
    QRect shown = backend.windowWidget(fixed)->geometry();
    EXPECT_TRUE(childArea().contains(shown)) << shown.x() << "," << shown.y() << " in "
                                             << childArea().width() << "x" << childArea().height();

    const ui::WindowId resizable = openChild(ui::window::Resizable);
    restore("Grande", resizable);
    shown = backend.windowWidget(resizable)->geometry();
    EXPECT_TRUE(childArea().contains(shown)) << shown.width() << "x" << shown.height();
}

TEST_F(PlacementFromSettings, a_placement_that_fits_is_kept_as_it_is) {
    write("[Ficha]\r\nMaximize=No\r\nXPos=30\r\nYPos=40\r\nWidth=300\r\nHeight=200\r\n");
    const ui::WindowId id = openChild(ui::window::Resizable);
    restore("Ficha", id);
    EXPECT_EQ(backend.windowWidget(id)->geometry(), QRect(30, 40, 300, 200));
}

}  // namespace
}  // namespace vorda::test
