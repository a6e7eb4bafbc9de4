// The rows a list shows: declared at first, reported by the display later
// (UserInput::listRows), scaled with the list's height without a display;
// a change after the window opened reaches its procedure as Sized.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/platform/ui/uifixture.h"

namespace vorda::ui::test {
namespace {

enum class ListCtl { LIST = 1, PLAIN };

WindowDesc listDesc() {
    return WindowDesc{.caption = "Lista",
                      .at = {.x = 0, .y = 0, .width = 200, .height = 100},
                      .controls = {{.number = ListCtl::LIST,
                                    .kind = ControlKind::List,
                                    .at = {.x = 0, .y = 0, .width = 200, .height = 80},
                                    .rows = 8},
                                   {.number = ListCtl::PLAIN,
                                    .kind = ControlKind::List,
                                    .at = {.x = 0, .y = 80, .width = 200, .height = 20}}}};
}

class ListRowsTest : public UiTest {
protected:
    void SetUp() override {
        rt.start([this] {
            Window w(listDesc());
            window = &w;
            w.open();
            rowsAtOpen = w.control(ListCtl::LIST).pageRows();
            for (Event e = w.ask(); e.kind != EventKind::CloseDown; e = w.ask()) {
                events.push_back(e.kind);
                if (e.kind == EventKind::AlertKey)  // a box of its own thread blocks it
                    message(MessageBox{.text = "espere"});
            }
            window = nullptr;
        });
        settle();
        ASSERT_NE(window, nullptr);
    }
    int sized() const {
        return static_cast<int>(std::count(events.begin(), events.end(), EventKind::Sized));
    }

    Window* window = nullptr;
    int rowsAtOpen = -1;
    std::vector<EventKind> events;
};

TEST_F(ListRowsTest, DeclaredRowsHoldUntilTheDisplayReportsOthers) {
    EXPECT_EQ(rowsAtOpen, 8);
    EXPECT_EQ(window->control(ListCtl::PLAIN).pageRows(), 0) << "none declared: not known";
    EXPECT_EQ(sized(), 0);
    EXPECT_EQ(input().listRows(window->id(), ListCtl::LIST, 12), InputResult::Done);
    settle();
    EXPECT_EQ(window->control(ListCtl::LIST).pageRows(), 12);
    EXPECT_EQ(sized(), 1);
    EXPECT_EQ(input().listRows(window->id(), ListCtl::LIST, 12), InputResult::Done);
    settle();
    EXPECT_EQ(sized(), 1) << "the same rows again are no change";
}

TEST_F(ListRowsTest, RowsScaleWithTheListsHeightWithoutADisplay) {
    window->control(ListCtl::LIST).setRect({.x = 0, .y = 0, .width = 200, .height = 45});
    settle();
    EXPECT_EQ(window->control(ListCtl::LIST).pageRows(), 4);
    EXPECT_EQ(sized(), 1);
    window->control(ListCtl::LIST).setRect({.x = 0, .y = 0, .width = 200, .height = 2});
    EXPECT_EQ(window->control(ListCtl::LIST).pageRows(), 1) << "at least one row";
    window->control(ListCtl::PLAIN).setRect({.x = 0, .y = 0, .width = 200, .height = 90});
    EXPECT_EQ(window->control(ListCtl::PLAIN).pageRows(), 0);
}

TEST_F(ListRowsTest, OnlyListsTakeRowsAndABlockedWindowStillDoes) {
    EXPECT_EQ(input().listRows(window->id(), 99, 3), InputResult::NoControl);
    EXPECT_EQ(input().listRows(window->id(), ListCtl::LIST, -1), InputResult::NoControl);
    EXPECT_EQ(input().listRows(window->id() + 100, ListCtl::LIST, 3), InputResult::NoWindow);
    window->post(Event{.kind = EventKind::AlertKey, .key = key::F1});
    settle();
    ASSERT_TRUE(window->blocked());
    EXPECT_EQ(input().listRows(window->id(), ListCtl::LIST, 3), InputResult::Done);
    EXPECT_EQ(window->control(ListCtl::LIST).pageRows(), 3);
    backend.answer(rt, "Ok");
    settle();
}

}  // namespace
}  // namespace vorda::ui::test
