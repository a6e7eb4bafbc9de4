// ToolbarClass and its targets.
//
//   FormTarget      enabled buttons and tips per request, history, frame copy
//   ListTarget      buttons from the list's own buttons, tips, routing of
//                   presses to the list through a running window
//   ToolbarTargets  SetTarget(0) takes the last target that accepts
#include <gtest/gtest.h>

#include <vector>

#include "framework/browsetarget.h"
#include "framework/frametoolbar.h"
#include "framework/toolbarclass.h"
#include "framework/toolbarlistboxclass.h"
#include "framework/toolbarupdateclass.h"
#include "framework/windowmanager.h"
#include "platform/ui/headless/headlessbackend.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"

namespace vorda::test {
namespace {

using ui::ControlKind;

enum class Ctl { LIST = 1, INSERT, CHANGE, SELECT, CLOSE };

// The frame's thirteen buttons with the frame's own tips.
ui::WindowDesc frameDesc() {
    return ui::WindowDesc{
        .caption = "Frame", .flags = ui::window::Frame, .toolbar = frameToolbarButtons()};
}

ui::WindowDesc listDesc() {
    return ui::WindowDesc{
        .caption = "Lista",
        .flags = ui::window::MdiChild,
        .controls = {
            {.number = Ctl::LIST, .kind = ControlKind::List},
            {.number = Ctl::INSERT, .kind = ControlKind::Button, .text = "&Agregar"},
            {.number = Ctl::CHANGE,
             .kind = ControlKind::Button,
             .text = "&Cambiar",
             .flags = ui::control::Disabled},
            {.number = Ctl::SELECT,
             .kind = ControlKind::Button,
             .text = "&Elegir",
             .flags = ui::control::Hidden},
            {.number = Ctl::CLOSE, .kind = ControlKind::Button, .text = "&Cerrar"},
        }};
}

// A list as the window sees it: records the events it is given.
class RecordingBrowse : public BrowseTarget {
public:
    Level TakeEvent(const ui::Event& event) override {
        events.push_back(event);
        return Benign;
    }
    bool NeedsRefresh() override { return std::exchange(stale, false); }
    void ResetSort(Refill refill) override { resets.push_back(refill); }
    void UpdateWindow() override { ++updates; }
    ui::ControlId ListControl() const override { return Ctl::LIST; }
    Buttons ListButtons() const override {
        return {.insert = Ctl::INSERT, .change = Ctl::CHANGE, .remove = {}, .select = Ctl::SELECT};
    }
    bool Selecting() const override { return false; }

    std::vector<ui::Event> events;
    std::vector<Refill> resets;
    int updates = 0;
    bool stale = false;
};

std::vector<int> enabledButtons(const ToolbarClass& t) {
    std::vector<int> on;
    for (int b = toolbar::First; b <= toolbar::Last; ++b)
        if (t.Enabled(b))
            on.push_back(b);
    return on;
}

// --- the form target -----------------------------------------------------------

class FormTarget : public ::testing::Test {
protected:
    void show(uint8_t request, ui::KeyCode historyKey = 0) {
        form.Request = request;
        form.HistoryKey = historyKey;
        tb.DisplayButtons();
    }
    ui::Window frame{frameDesc()};
    ui::Window formWindow{listDesc()};
    WindowManager form{formWindow};
    ToolbarUpdateClass target{form};
    ToolbarClass tb;
    void SetUp() override {
        tb.Init();
        tb.Frame = &frame;
        tb.AddTarget(target, 1);
        tb.SetTarget(1);
    }
};

TEST_F(FormTarget, insert_enables_insert_and_next_with_the_save_and_add_tip) {
    show(RequestInsert);
    EXPECT_EQ(enabledButtons(tb), (std::vector<int>{2000, 2008}));
    EXPECT_EQ(tb.Tip(2000), "Guardar Registro y agregar otro registro");
    EXPECT_EQ(tb.Tip(2008), "Guardar Registro y agregar otro registro");
}

TEST_F(FormTarget, change_enables_navigation_with_save_tips) {
    show(RequestChange, ui::key::CtrlQuote);
    EXPECT_EQ(enabledButtons(tb),
              (std::vector<int>{2000, 2004, 2005, 2006, 2007, 2008, 2009, 2011}));
    EXPECT_EQ(tb.Tip(2004), "Grabar cambios e ir al Ultimo Registro");
    EXPECT_EQ(tb.Tip(2005), "Grabar cambios e ir al Primer Registro");
    EXPECT_EQ(tb.Tip(2006), "Grabar cambios e ir a la Próxima Página");
    EXPECT_EQ(tb.Tip(2007), "Grabar cambios e ir a la Página Anterior");
    EXPECT_EQ(tb.Tip(2008), "Grabar cambios e ir al Próximo Registro");
    EXPECT_EQ(tb.Tip(2009), "Grabar cambios e ir al Registro Anterior");
    EXPECT_EQ(tb.Tip(2000), "Grabar este registro y Agregar uno Nuevo");
    EXPECT_EQ(tb.Tip(2010), "Ubicar Registro");  // the frame's own
}

TEST_F(FormTarget, other_requests_disable_everything_but_history) {
    show(RequestDelete);
    EXPECT_TRUE(enabledButtons(tb).empty());
    show(RequestDelete, ui::key::CtrlQuote);
    EXPECT_EQ(enabledButtons(tb), (std::vector<int>{2011}));
}

TEST_F(FormTarget, the_frame_buttons_show_the_state_and_tips) {
    show(RequestChange);
    EXPECT_FALSE(frame.control(2001).enabled());
    EXPECT_TRUE(frame.control(2008).enabled());
    EXPECT_EQ(frame.control(2008).tip(), "Grabar cambios e ir al Próximo Registro");
    show(RequestInsert);  // back to the frame's tip where the target sets none
    EXPECT_EQ(frame.control(2004).tip(), "Ultima Página");
    EXPECT_FALSE(frame.control(2004).enabled());
}

TEST_F(FormTarget, without_a_target_every_button_is_disabled) {
    tb.RemoveTarget(target);
    tb.DisplayButtons();
    EXPECT_TRUE(enabledButtons(tb).empty());
    EXPECT_FALSE(frame.control(2000).enabled());
}

// --- the list target -----------------------------------------------------------

class ListTarget : public ::testing::Test {
protected:
    void SetUp() override {
        tb.Init();
        tb.AddTarget(target, 1);
        tb.SetTarget(1);
    }
    ui::Window listWindow{listDesc()};
    WindowManager window{listWindow};
    RecordingBrowse browse;
    ToolbarListBoxClass target{window, browse};
    ToolbarClass tb;
};

TEST_F(ListTarget, buttons_follow_the_lists_own_buttons) {
    EXPECT_EQ(enabledButtons(tb),
              (std::vector<int>{2000, 2004, 2005, 2006, 2007, 2008, 2009, 2010}));
    listWindow.enable(Ctl::CHANGE);
    listWindow.unhide(Ctl::SELECT);
    target.Help = true;
    tb.DisplayButtons();
    EXPECT_EQ(enabledButtons(tb),
              (std::vector<int>{2000, 2001, 2003, 2004, 2005, 2006, 2007, 2008, 2009, 2010, 2012}));
}

TEST_F(ListTarget, tips_as_tabled) {
    EXPECT_EQ(tb.Tip(2000), "Agregar nuevo Registro");
    EXPECT_EQ(tb.Tip(2004), "Ir a la última Página");
    EXPECT_EQ(tb.Tip(2005), "Ir a la primera Página");
    EXPECT_EQ(tb.Tip(2006), "Ir a la Próxima Página");
    EXPECT_EQ(tb.Tip(2007), "Ir a la Página Anterior");
    EXPECT_EQ(tb.Tip(2008), "Ir al Próximo Registro");
    EXPECT_EQ(tb.Tip(2009), "Ir al Registro Anterior");
}

// A list window running on its own thread; the frame relays toolbar buttons.
class ListWindowRun : public ::testing::Test {
protected:
    void SetUp() override {
        thread = rt.start([this] {
            ui::Window w(listDesc());
            WindowManager wm(w);
            ToolbarListBoxClass listTarget(wm, browse);
            wm.Init();
            tb.Init();
            wm.AddItem(tb);
            wm.AddItem(browse);
            wm.AddItem(listTarget);
            wm.AddItem(Ctl::CLOSE, ResponseCompleted);
            wm.OpenWindow();
            wm.Ask();
            wm.Kill();
            done = true;
        });
        backend.settle(rt);
    }
    void relay(int button) {
        ASSERT_TRUE(rt.post(ui::EventKind::Accepted, button, thread));
        backend.settle(rt);
    }
    bool received(ui::EventKind kind, ui::ControlId control) const {
        for (const ui::Event& e : browse.events)
            if (e.kind == kind && e.control == control)
                return true;
        return false;
    }
    ui::HeadlessBackend backend;
    ui::Runtime rt{backend};
    RecordingBrowse browse;
    ToolbarClass tb;
    int thread = 0;
    bool done = false;
};

TEST_F(ListWindowRun, navigation_buttons_reach_the_list_as_scroll_events) {
    const std::pair<int, ui::EventKind> cases[] = {
        {2004, ui::EventKind::ScrollBottom}, {2005, ui::EventKind::ScrollTop},
        {2006, ui::EventKind::PageDown},     {2007, ui::EventKind::PageUp},
        {2008, ui::EventKind::ScrollDown},   {2009, ui::EventKind::ScrollUp},
        {2010, ui::EventKind::Locate}};
    for (const auto& [button, kind] : cases) {
        relay(button);
        EXPECT_TRUE(received(kind, Ctl::LIST)) << button;
    }
}

TEST_F(ListWindowRun, insert_presses_the_lists_button_and_a_disabled_one_is_not_pressed) {
    relay(2000);
    EXPECT_TRUE(received(ui::EventKind::Accepted, Ctl::INSERT));
    relay(2001);
    EXPECT_FALSE(received(ui::EventKind::Accepted, Ctl::CHANGE));
}

TEST_F(ListWindowRun, open_and_refresh_reset_the_list) {
    EXPECT_EQ(browse.resets.front(), Refill::Always);  // Open forces the first fill
    const size_t before = browse.resets.size();
    browse.stale = true;
    relay(2006);
    EXPECT_GT(browse.resets.size(), before);
    EXPECT_GT(browse.updates, 0);
    EXPECT_TRUE(tb.Enabled(2000));
}

TEST_F(ListWindowRun, a_response_button_ends_the_window) {
    ASSERT_TRUE(rt.post(ui::EventKind::Accepted, Ctl::CLOSE, thread));
    backend.settle(rt);
    EXPECT_TRUE(done);
}

// --- target choice -------------------------------------------------------------

class Refusing : public ToolbarUpdateClass {
public:
    using ToolbarUpdateClass::ToolbarUpdateClass;
    bool TryTakeToolbar() const override { return false; }
};

TEST(ToolbarTargets, set_target_0_takes_the_last_target_that_accepts) {
    ui::Window w{listDesc()};
    WindowManager wm{w};
    ToolbarUpdateClass first{wm};
    Refusing second{wm};
    ToolbarClass tb;
    tb.Init();
    tb.AddTarget(first, 1);
    tb.AddTarget(second, 2);
    tb.SetTarget(0);
    EXPECT_EQ(tb.ActiveTarget(), &first);
    tb.SetTarget(2);
    EXPECT_EQ(tb.ActiveTarget(), &second);
    tb.SetTarget(7);  // unknown: unchanged
    EXPECT_EQ(tb.ActiveTarget(), &second);
}

}  // namespace
}  // namespace vorda::test
