// Timers in hundredths of a second on the virtual clock.
#include <gtest/gtest.h>

#include "tests/platform/ui/uifixture.h"

namespace vorda::ui::test {
namespace {

class TimerTest : public UiTest {
protected:
    // A window with `timer` that logs "<caption>@<clock>" for each Timer
    // event; it stops its timer after `stopAfter` events.
    void openTimed(const std::string& caption, int timer, int stopAfter = 100) {
        rt.start([this, caption, timer, stopAfter] {
            Window w(WindowDesc{.caption = caption, .timer = timer});
            w.open();
            int count = 0;
            for (;;) {
                if (w.ask().kind != EventKind::Timer)
                    continue;
                log.push_back(caption + "@" + std::to_string(rt.clock().now()));
                if (++count == stopAfter)
                    w.setTimer(0);
            }
        });
        settle();
    }

    std::vector<std::string> log;
};

TEST_F(TimerTest, FiresWhenItsTimeHasComeAndAgainEachPeriod) {
    openTimed("splash", 500);
    backend.advance(rt, 499);
    EXPECT_TRUE(log.empty());
    backend.advance(rt, 1);
    EXPECT_EQ(log, (std::vector<std::string>{"splash@500"}));
    backend.advance(rt, 1000);
    EXPECT_EQ(log, (std::vector<std::string>{"splash@500", "splash@1000", "splash@1500"}));
}

TEST_F(TimerTest, TimersOfSeveralWindowsFireInTimeOrder) {
    openTimed("a", 300);
    openTimed("b", 200);
    backend.advance(rt, 600);
    EXPECT_EQ(log, (std::vector<std::string>{"b@200", "a@300", "b@400", "a@600", "b@600"}));
}

TEST_F(TimerTest, ATimerSetToZeroStops) {
    openTimed("once", 100, 1);
    backend.advance(rt, 1000);
    EXPECT_EQ(log, (std::vector<std::string>{"once@100"}));
    EXPECT_EQ(rt.nextTimerDue(), std::nullopt);
}

TEST_F(TimerTest, MissedTicksOfAWaitingWindowCoalesce) {
    std::vector<EventKind> seen;
    Window* below = nullptr;
    rt.start([&] {
        Window w(WindowDesc{.caption = "debajo", .timer = 100});
        below = &w;
        w.open();
        Window modal(WindowDesc{.caption = "encima"});
        modal.open();
        while (modal.ask().kind != EventKind::CloseWindow) {
        }
        modal.close();
        for (;;)
            seen.push_back(w.ask().kind);
    });
    settle();
    backend.advance(rt, 1000);
    input().close(rt.active()->id());
    settle();
    EXPECT_EQ(std::count(seen.begin(), seen.end(), EventKind::Timer), 1);
    EXPECT_NE(below, nullptr);
}

}  // namespace
}  // namespace vorda::ui::test
