// MAIN and its helpers on the headless runtime.
//
//   FrameDesc        the toolbar's 13 buttons: codes, order, 16-unit step, gaps
//   FrameRelay       toolbar buttons reach the active child's thread, and only it
//   ProcedureNames   two threads' procedure names do not mix in %Procedure
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/acercade.h"
#include "app/childthreads.h"
#include "app/main_frame.h"
#include "framework/errorclass.h"
#include "platform/ui/headless/headlessbackend.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"

namespace vorda {
namespace {

TEST(FrameDesc, toolbar_has_thirteen_buttons_in_order_with_two_gaps) {
    const std::vector<ui::ControlDesc>& bar = mainFrameDesc().toolbar;
    const int codes[] = {2005, 2007, 2009, 2010, 2008, 2006, 2004,
                         2003, 2000, 2001, 2002, 2011, 2012};
    ASSERT_EQ(bar.size(), std::size(codes));
    for (size_t i = 0; i < bar.size(); ++i) {
        EXPECT_EQ(bar[i].number, codes[i]) << "position " << i + 1;
        EXPECT_EQ(bar[i].at.width, 16);
        EXPECT_EQ(bar[i].at.height, 14);
    }
    EXPECT_EQ(bar[1].at.x - bar[0].at.x, 16);
    EXPECT_EQ(bar[7].at.x - bar[6].at.x, 20);    // before "Seleccionar Registro"
    EXPECT_EQ(bar[11].at.x - bar[10].at.x, 20);  // before "Valor Previo"
    EXPECT_EQ(bar[12].at.x - bar[11].at.x, 16);
}

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override { GlobalErrors().Init(); }
    void TearDown() override {
        rt.shutdown();
        GlobalErrors().Kill();
    }
    void settle() { backend.settle(rt); }

    // A child window on its own thread that records its field events; it
    // reports its end to the frame as the menus' procedures do.
    int startChild() {
        return rt.start(childProcedure([this] {
            ui::Window w(ui::WindowDesc{
                .caption = "Hija",
                .flags = ui::window::MdiChild,
                .controls = {{.number = 1, .kind = ui::ControlKind::Button, .text = "Ok"}}});
            w.open();
            for (;;) {
                const ui::Event e = w.ask();
                if (e.kind == ui::EventKind::CloseWindow || e.kind == ui::EventKind::CloseDown)
                    return;
                if (e.kind == ui::EventKind::Accepted)
                    childAccepted.push_back(e.control.value());
            }
        }));
    }

    ui::HeadlessBackend backend;
    ui::Runtime rt{backend};
    std::vector<int> childAccepted;
};

TEST_F(FrameTest, splash_opens_with_the_frame_and_closes_when_a_child_opens) {
    rt.start(&MAIN);
    settle();
    ASSERT_NE(rt.frame(), nullptr);
    ASSERT_EQ(rt.windows().size(), 2u);
    EXPECT_EQ(rt.active()->desc().controls.size(), acercadeDesc().controls.size());
    startChild();
    settle();
    ASSERT_EQ(rt.windows().size(), 2u);  // the splash lost the focus and closed
    EXPECT_EQ(rt.active()->caption(), "Hija");
}

TEST_F(FrameTest, toolbar_button_is_relayed_to_the_active_child_thread) {
    rt.start(&MAIN);
    settle();
    startChild();
    settle();
    rt.frame()->enable(2008);  // a child without a toolbar target leaves it disabled
    ASSERT_EQ(rt.input().menu(rt.frame()->id(), 2008), ui::InputResult::Done);
    settle();
    EXPECT_EQ(childAccepted, std::vector<int>{2008});
}

TEST_F(FrameTest, toolbar_button_without_a_child_is_not_relayed) {
    rt.start(&MAIN);
    settle();
    backend.advance(rt, AcercadeTimer);  // the splash closes by itself
    ASSERT_EQ(rt.windows().size(), 1u);
    rt.frame()->enable(2000);
    rt.input().menu(rt.frame()->id(), 2000);
    settle();
    EXPECT_EQ(rt.windows().size(), 1u);
    EXPECT_FALSE(relayToolbar(2000));
}

TEST_F(FrameTest, closing_the_frame_closes_its_children_first) {
    const int frame = rt.start(&MAIN);
    settle();
    const int child = startChild();
    settle();
    rt.input().close(rt.frame()->id());
    settle();
    EXPECT_FALSE(rt.threadAlive(child));
    EXPECT_FALSE(rt.threadAlive(frame));
}

// Each thread reads back the name it set, whatever the other set meanwhile.
TEST_F(FrameTest, procedure_names_of_two_threads_do_not_mix) {
    GlobalErrors().AddErrors(packErrorBlock({{.Id = 900, .Title = "T", .Message = "%Procedure"}}));
    std::vector<std::string> seen;
    auto procedure = [&seen](const std::string& name) {
        return [&seen, name] {
            GlobalErrors().SetProcedureName(name);
            ui::Window w(ui::WindowDesc{.caption = name, .flags = ui::window::MdiChild});
            w.open();
            w.ask();  // OpenWindow: the other thread runs before the next one
            w.ask();
            GlobalErrors().SetId(900);
            seen.push_back(name + "=" + GlobalErrors().SubsString());
            GlobalErrors().SetProcedureName();
        };
    };
    rt.start(procedure("Agentes:Ficha"));
    rt.start(procedure("Acercade"));
    settle();
    for (ui::Window* w : rt.windows())
        w->post(ui::EventKind::Timer);
    settle();
    EXPECT_EQ(seen, (std::vector<std::string>{"Agentes:Ficha=Agentes:Ficha", "Acercade=Acercade"}));
}

}  // namespace
}  // namespace vorda
