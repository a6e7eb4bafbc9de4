// WindowResizeClass on a running window: the user resizes, the window's
// manager hands Sized to the resizer.
//
//   Spread       strategy 2: lists and sheets stretch into free room, buttons
//                keep to their row's edge, fields keep their place and size
//                or follow the far edge of the list they lie beyond
//   Restore      back to the initial size restores every rectangle
//   MinSize      the window cannot be made smaller than it opened
//   Parents      tabs give the sheet, containers adopt what lies inside
//   Surface      strategy 3 keeps everything
#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "framework/windowmanager.h"
#include "framework/windowresizeclass.h"
#include "platform/ui/headless/headlessbackend.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"

namespace vorda::ui {
inline bool operator==(const Rect& a, const Rect& b) {
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}
inline void PrintTo(const Rect& r, std::ostream* os) {
    *os << "{" << r.x << "," << r.y << " " << r.width << "x" << r.height << "}";
}
}  // namespace vorda::ui

namespace vorda::test {
namespace {

using ui::ControlKind;
using ui::Rect;

enum class Ctl {
    LIST = 1,
    PROMPT,
    ENTRY,
    OK,
    GROUP,
    INNER,
    SHEET,
    TAB,
    ONTAB,
    IMPORT,
    DISKETTE,
    PRINT,
    ACCEPT,
    CANCEL,
    ANEXO
};

ui::WindowDesc resizableDesc() {
    return ui::WindowDesc{
        .caption = "Lista",
        .at = {.x = 0, .y = 0, .width = 200, .height = 100},
        .flags = ui::window::MdiChild | ui::window::Resizable,
        .controls = {
            {.number = Ctl::LIST, .kind = ControlKind::List, .at = {10, 10, 120, 60}},
            {.number = Ctl::PROMPT,
             .kind = ControlKind::Prompt,
             .text = "Nombre:",
             .at = {140, 30, 40, 10}},
            {.number = Ctl::ENTRY,
             .kind = ControlKind::Entry,
             .picture = "@s10",
             .at = {140, 10, 50, 10}},
            {.number = Ctl::OK,
             .kind = ControlKind::Button,
             .text = "&Aceptar",
             .at = {140, 76, 50, 14}},
        }};
}

ui::WindowDesc nestedDesc() {
    return ui::WindowDesc{
        .caption = "Ficha",
        .at = {.x = 0, .y = 0, .width = 200, .height = 100},
        .controls = {
            {.number = Ctl::GROUP, .kind = ControlKind::Group, .at = {10, 10, 100, 50}},
            {.number = Ctl::INNER,
             .kind = ControlKind::Entry,
             .picture = "@s10",
             .at = {20, 20, 40, 10}},
            {.number = Ctl::SHEET, .kind = ControlKind::Sheet, .at = {120, 10, 70, 80}},
            {.number = Ctl::TAB, .kind = ControlKind::Tab, .text = "General", .parent = Ctl::SHEET},
            {.number = Ctl::ONTAB,
             .kind = ControlKind::Entry,
             .picture = "@s10",
             .at = {130, 30, 40, 10},
             .parent = Ctl::TAB},
        }};
}

// The declaration list's row of action buttons spans the middle of the
// window; the form's buttons sit at its right; a lone button beside a form's
// fields sits right of the middle.
ui::WindowDesc buttonRowsDesc() {
    const auto button = [](Ctl n, int x, int y) {
        return ui::ControlDesc{.number = n, .kind = ControlKind::Button, .at = {x, y, 56, 14}};
    };
    return ui::WindowDesc{.caption = "Filas",
                          .at = {.x = 0, .y = 0, .width = 200, .height = 100},
                          .flags = ui::window::MdiChild | ui::window::Resizable,
                          .controls = {button(Ctl::IMPORT, 4, 60), button(Ctl::DISKETTE, 64, 60),
                                       button(Ctl::PRINT, 124, 60), button(Ctl::ACCEPT, 80, 80),
                                       button(Ctl::CANCEL, 140, 80), button(Ctl::ANEXO, 90, 4)}};
}

class ResizeTest : public ::testing::Test {
protected:
    void start(ui::WindowDesc desc, uint8_t strategy, bool minSize) {
        thread = rt.start([this, desc = std::move(desc), strategy, minSize] {
            ui::Window w(desc);
            WindowManager wm(w);
            wm.Init();
            wm.OpenWindow();
            resizer.Init(w, strategy, minSize);
            wm.AddItem(resizer);
            wm.Ask();
            wm.Kill();
        });
        backend.settle(rt);
        window = rt.topWindow(thread);
        ASSERT_NE(window, nullptr);
    }
    void resize(int width, int height) {
        ASSERT_EQ(rt.input().resize(window->id(), {0, 0, width, height}), ui::InputResult::Done);
        backend.settle(rt);
    }
    Rect at(Ctl c) const { return window->control(c).rect(); }

    ui::HeadlessBackend backend;
    ui::Runtime rt{backend};
    WindowResizeClass resizer;
    ui::Window* window = nullptr;
    int thread = 0;
};

TEST_F(ResizeTest, spread_stretches_the_list_and_the_fields_beyond_it_keep_to_the_far_edge) {
    start(resizableDesc(), WindowResizeClass::AppSpread, true);
    resize(300, 150);
    EXPECT_EQ(at(Ctl::LIST), (Rect{10, 10, 220, 110}));  // margins 70 and 30 kept
    EXPECT_EQ(at(Ctl::ENTRY), (Rect{240, 10, 50, 10}));
    EXPECT_EQ(at(Ctl::PROMPT), (Rect{240, 30, 40, 10}));
    EXPECT_EQ(at(Ctl::OK), (Rect{240, 126, 50, 14}));  // 10 from the right and bottom edges
}

// The agent list: the sheet of orders above the list keeps its height; the
// list takes the room; the locator row below it keeps to the bottom.
TEST_F(ResizeTest, a_sheet_above_a_list_keeps_its_height_and_the_row_below_keeps_to_the_bottom) {
    start(
        ui::WindowDesc{
            .caption = "Agentes",
            .at = {.x = 0, .y = 0, .width = 200, .height = 100},
            .flags = ui::window::MdiChild | ui::window::Resizable,
            .controls = {{.number = Ctl::SHEET, .kind = ControlKind::Sheet, .at = {4, 4, 192, 20}},
                         {.number = Ctl::TAB, .kind = ControlKind::Tab, .parent = Ctl::SHEET},
                         {.number = Ctl::ONTAB,
                          .kind = ControlKind::Entry,
                          .at = {60, 12, 60, 10},
                          .parent = Ctl::TAB},
                         {.number = Ctl::LIST, .kind = ControlKind::List, .at = {4, 28, 192, 50}},
                         {.number = Ctl::OK, .kind = ControlKind::Button, .at = {4, 82, 40, 14}},
                         {.number = Ctl::ENTRY,
                          .kind = ControlKind::Entry,
                          .at = {60, 84, 60, 10}}}},
        WindowResizeClass::AppSpread, false);
    resize(300, 150);
    EXPECT_EQ(at(Ctl::SHEET), (Rect{4, 4, 292, 20}));
    EXPECT_EQ(at(Ctl::ONTAB), (Rect{60, 12, 60, 10}));
    EXPECT_EQ(at(Ctl::LIST), (Rect{4, 28, 292, 100}));
    EXPECT_EQ(at(Ctl::OK), (Rect{4, 132, 40, 14}));
    EXPECT_EQ(at(Ctl::ENTRY), (Rect{60, 134, 60, 10}));
}

TEST_F(ResizeTest, a_row_of_buttons_keeps_together_at_its_edge) {
    start(buttonRowsDesc(), WindowResizeClass::AppSpread, false);
    resize(300, 100);
    // The row 4..180 keeps to the left, though its last button is nearer
    // the right edge.
    EXPECT_EQ(at(Ctl::IMPORT).x, 4);
    EXPECT_EQ(at(Ctl::DISKETTE).x, 64);
    EXPECT_EQ(at(Ctl::PRINT).x, 124);
    // The row 80..196 keeps to the right, though its first button is nearer
    // the left edge.
    EXPECT_EQ(at(Ctl::ACCEPT).x, 180);
    EXPECT_EQ(at(Ctl::CANCEL).x, 240);
    // Nearer the right edge (54 against 90) but not set against it: it
    // stays beside the fields it belongs to.
    EXPECT_EQ(at(Ctl::ANEXO).x, 90);
}

TEST_F(ResizeTest, a_window_resized_before_its_resizer_starts_is_laid_out_at_once) {
    // Qt shows a child window maximized when the one in front is: the Sized
    // event is queued before the procedure sets its resizer up.
    thread = rt.start([this] {
        ui::Window w(resizableDesc());
        WindowManager wm(w);
        wm.Init();
        wm.OpenWindow();
        EXPECT_EQ(rt.input().resize(w.id(), {0, 0, 300, 150}), ui::InputResult::Done);
        resizer.Init(w, WindowResizeClass::AppSpread, true);
        EXPECT_EQ(w.control(Ctl::LIST).rect(), (Rect{10, 10, 220, 110}));
        wm.AddItem(resizer);
        wm.Ask();
        wm.Kill();
    });
    backend.settle(rt);
    window = rt.topWindow(thread);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->minSize(), (Rect{0, 0, 200, 100})) << "the size it was laid out for";
    resize(200, 100);
    EXPECT_EQ(at(Ctl::LIST), (Rect{10, 10, 120, 60}));
}

TEST_F(ResizeTest, back_to_the_initial_size_restores_every_rectangle) {
    start(resizableDesc(), WindowResizeClass::AppSpread, false);
    resize(333, 177);
    resize(251, 260);
    resize(200, 100);
    for (Ctl c : {Ctl::LIST, Ctl::PROMPT, Ctl::ENTRY, Ctl::OK})
        EXPECT_EQ(at(c), resizer.GetOrigPos(c)) << int(c);
    EXPECT_EQ(at(Ctl::LIST), (Rect{10, 10, 120, 60}));
}

TEST_F(ResizeTest, the_window_cannot_be_made_smaller_than_it_opened) {
    start(resizableDesc(), WindowResizeClass::AppSpread, true);
    EXPECT_EQ(window->minSize(), (Rect{0, 0, 200, 100}));
    resize(300, 150);
    resize(120, 60);
    EXPECT_EQ(window->size().width, 200);
    EXPECT_EQ(window->size().height, 100);
    EXPECT_EQ(at(Ctl::LIST), (Rect{10, 10, 120, 60}));
    EXPECT_EQ(at(Ctl::OK), (Rect{140, 76, 50, 14}));
    resize(150, 300);  // only the width is held
    EXPECT_EQ(window->size().width, 200);
    EXPECT_EQ(window->size().height, 300);
}

TEST_F(ResizeTest, tabs_give_their_sheet_and_containers_adopt_what_lies_inside) {
    start(nestedDesc(), WindowResizeClass::AppSpread, false);
    EXPECT_EQ(resizer.GetParentControl(Ctl::ONTAB), ui::ControlId(Ctl::SHEET));
    EXPECT_EQ(resizer.GetParentControl(Ctl::INNER), ui::ControlId(Ctl::GROUP));
    EXPECT_EQ(resizer.GetParentControl(Ctl::GROUP), ui::ControlId{});
    // A box without a list keeps its size; the sheet grows both ways; what
    // they hold keeps its place within them.
    resize(400, 200);
    EXPECT_EQ(at(Ctl::GROUP), (Rect{10, 10, 100, 50}));
    EXPECT_EQ(at(Ctl::INNER), (Rect{20, 20, 40, 10}));
    EXPECT_EQ(at(Ctl::SHEET), (Rect{120, 10, 270, 180}));
    EXPECT_EQ(at(Ctl::ONTAB), (Rect{130, 30, 40, 10}));
    // Moved with its container: the group placed elsewhere carries its entry.
    resizer.SetStrategy(Ctl::GROUP,
                        WindowResizeClass::position(WindowResizeClass::Proportional,
                                                    WindowResizeClass::Proportional),
                        WindowResizeClass::LockWidth | WindowResizeClass::LockHeight);
    resize(200, 100);
    resize(400, 200);
    EXPECT_EQ(at(Ctl::GROUP), (Rect{20, 20, 100, 50}));
    EXPECT_EQ(at(Ctl::INNER), (Rect{30, 30, 40, 10}));
}

TEST_F(ResizeTest, surface_keeps_every_control) {
    start(resizableDesc(), WindowResizeClass::AppSurface, false);
    resize(300, 150);
    EXPECT_EQ(at(Ctl::LIST), (Rect{10, 10, 120, 60}));
    EXPECT_EQ(at(Ctl::OK), (Rect{140, 76, 50, 14}));
}

TEST_F(ResizeTest, explicit_strategies_keep_margins) {
    start(resizableDesc(), WindowResizeClass::AppSpread, false);
    resizer.SetStrategy(
        Ctl::LIST,
        WindowResizeClass::position(WindowResizeClass::FixLeft, WindowResizeClass::FixLeft),
        WindowResizeClass::ConstantRight | WindowResizeClass::ConstantBottom);
    resize(300, 150);
    EXPECT_EQ(at(Ctl::LIST), (Rect{10, 10, 220, 110}));  // margins 70 and 30 kept
}

}  // namespace
}  // namespace vorda::test
