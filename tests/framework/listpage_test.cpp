// ListPage: a page sliding over the view, and its selection.
#include "framework/listpage.h"

#include <gtest/gtest.h>

#include <string>

namespace vorda {
namespace {

ListPage::Row row(const std::string& name) {
    return {.values = {name}, .ViewPosition = "v" + name, .filePosition = "f" + name};
}

std::string names(const ListPage& page) {
    std::string out;
    for (int i = 1; i <= page.size(); ++i)
        out += std::get<std::string>(page.row(i).values.at(0));
    return out;
}

TEST(ListPage, a_full_page_drops_the_row_at_the_far_end_and_keeps_the_selection_number) {
    ListPage page;
    for (const char* name : {"a", "b", "c"})
        EXPECT_FALSE(page.add(ReadDirection::Forward, row(name), 3));
    page.select(3);
    EXPECT_TRUE(page.add(ReadDirection::Forward, row("d"), 3));
    EXPECT_EQ(names(page), "bcd");
    EXPECT_EQ(page.selected(), 3) << "the selection stays on the edge row";
    EXPECT_TRUE(page.add(ReadDirection::Backward, row("a"), 3));
    EXPECT_EQ(names(page), "abc");
}

TEST(ListPage, finds_a_row_by_view_position_then_by_file_position) {
    ListPage page;
    for (const char* name : {"a", "b", "c"})
        page.add(ReadDirection::Forward, row(name), 10);
    EXPECT_EQ(page.find("vb", {}), 2);
    EXPECT_EQ(page.find({}, "fc"), 3);
    EXPECT_EQ(page.find("vx", "fa"), 1);
    EXPECT_EQ(page.find("vx", "fx"), 0);
    EXPECT_EQ(page.find({}, {}), 0) << "empty positions match nothing";
}

TEST(ListPage, the_selection_is_brought_onto_a_row_or_to_zero_when_empty) {
    ListPage page;
    page.select(4);
    EXPECT_EQ(page.selectedRow(), nullptr);
    page.clampSelection();
    EXPECT_EQ(page.selected(), 0);
    page.add(ReadDirection::Forward, row("a"), 10);
    page.add(ReadDirection::Forward, row("b"), 10);
    page.select(7);
    page.clampSelection();
    EXPECT_EQ(page.selected(), 2);
    page.moveSelection(-5);
    page.clampSelection();
    ASSERT_NE(page.selectedRow(), nullptr);
    EXPECT_EQ(page.selectedRow()->filePosition, "fa");
    page.clear();
    EXPECT_EQ(page.selected(), 0);
}

}  // namespace
}  // namespace vorda
