// BrowseClass: filling, paging, thumb, buttons and the update form round trip.
//
//   empty view · insert/delete/change through the form · paging reads ·
//   thumb with and without a step · selection list · VCR next record · misuse
#include <gtest/gtest.h>

#include "framework/requestglobals.h"
#include "tests/framework/listfixture.h"

namespace vorda::test {
namespace {

using ui::EventKind;

class BrowseTest : public ListTest {};

TEST_F(BrowseTest, empty_view_shows_no_rows_disables_row_buttons_and_clears_the_buffer) {
    agt.rec.NOMBRE.set("leftover");
    open();
    EXPECT_TRUE(list().rows().empty());
    EXPECT_EQ(list().selection(), 0);
    EXPECT_FALSE(listWindow()->control(ListCtl::CHANGE).enabled());
    EXPECT_FALSE(listWindow()->control(ListCtl::DELETE).enabled());
    EXPECT_TRUE(listWindow()->control(ListCtl::INSERT).enabled());
    EXPECT_FALSE(listWindow()->control(ListCtl::SELECT).visible());
    EXPECT_EQ(bufferName(), "");
}

TEST_F(BrowseTest, insert_through_the_form_refills_with_the_new_record_selected) {
    addMany(30);
    options.form = [this](uint8_t request) {
        EXPECT_EQ(request, RequestInsert);
        agt.rec.NRO.set("999");
        agt.rec.NOMBRE.set("N0015B");
        return agt.access.Insert() == Benign ? ResponseCompleted : ResponseCancelled;
    };
    open();
    EXPECT_EQ(selectedName(), "N0000");
    press(ListCtl::INSERT);
    EXPECT_EQ(selectedName(), "N0015B");
    EXPECT_EQ(bufferName(), "N0015B");
    EXPECT_EQ(list().rows().size(), 10u);
    EXPECT_TRUE(listWindow()->control(ListCtl::CHANGE).enabled());
}

TEST_F(BrowseTest, delete_removes_the_row_and_refills_around_the_same_place) {
    addMany(30);
    options.form = [this](uint8_t request) {
        EXPECT_EQ(request, RequestDelete);
        EXPECT_EQ(bufferName(), "N0003");
        return agt.relate.Delete(false) == Benign ? ResponseCompleted : ResponseCancelled;
    };
    open();
    for (int i = 0; i < 3; ++i)
        key(ui::key::Down);
    ASSERT_EQ(selectedName(), "N0003");
    key(ui::key::Delete);
    EXPECT_EQ(selectedName(), "N0004");
    EXPECT_EQ(list().rows().size(), 10u);
    EXPECT_EQ(shownNames().front(), "N0004");
    EXPECT_EQ(bufferName(), "N0004");
}

TEST_F(BrowseTest, cancelled_form_refills_at_the_previous_position) {
    addMany(30);
    options.form = [](uint8_t) { return uint8_t{ResponseCancelled}; };
    open();
    key(ui::key::PgDn);
    const std::string before = selectedName();
    press(ListCtl::CHANGE);
    EXPECT_EQ(selectedName(), before);
}

TEST_F(BrowseTest, edge_moves_read_one_record_and_page_keys_read_a_page) {
    addMany(200);
    open();
    ASSERT_EQ(shownNames().size(), 10u);
    for (int i = 0; i < 9; ++i)
        key(ui::key::Down);
    EXPECT_EQ(selectedName(), "N0009");
    browse->reads = 0;
    key(ui::key::Down);
    EXPECT_EQ(browse->reads, 1);
    EXPECT_EQ(selectedName(), "N0010");
    EXPECT_EQ(shownNames().front(), "N0001");
    browse->reads = 0;
    key(ui::key::PgDn);
    EXPECT_EQ(browse->reads, 10);
    EXPECT_EQ(shownNames().front(), "N0011");
    EXPECT_EQ(selectedName(), "N0020");
    key(ui::key::PgUp);
    EXPECT_EQ(shownNames().front(), "N0001");
    EXPECT_EQ(selectedName(), "N0010");
}

TEST_F(BrowseTest, page_down_near_the_end_moves_the_selection_by_the_rows_left_unread) {
    addMany(25);
    open();
    key(ui::key::PgDn);  // rows 11..20, selection on the first row
    EXPECT_EQ(selectedName(), "N0010");
    key(ui::key::PgDn);  // only 5 more: the page shows 16..25
    EXPECT_EQ(shownNames().back(), "N0024");
    EXPECT_EQ(selectedName(), "N0020");
    key(ui::key::PgDn);
    EXPECT_EQ(selectedName(), "N0024");
}

TEST_F(BrowseTest, ctrl_end_shows_the_last_page_and_thumb_to_one_percent_goes_to_the_first) {
    addMany(200);
    open();
    key(ui::key::CtrlEnd);
    EXPECT_EQ(shownNames().front(), "N0190");
    EXPECT_EQ(selectedName(), "N0199");
    EXPECT_EQ(bufferName(), "N0199");
    EXPECT_EQ(list().thumb(), 100);
    key(ui::key::Up);
    EXPECT_EQ(selectedName(), "N0198");
    scroll(EventKind::ScrollDrag, 1);
    EXPECT_EQ(selectedName(), "N0000");
    EXPECT_EQ(list().thumb(), 0);
}

TEST_F(BrowseTest, thumb_drag_to_the_middle_without_a_step_does_nothing) {
    addMany(200);
    open();
    key(ui::key::Down);
    browse->reads = 0;
    scroll(EventKind::ScrollDrag, 50);
    EXPECT_EQ(browse->reads, 0);
    EXPECT_EQ(selectedName(), "N0001");
    scroll(EventKind::ScrollDrag, 70);
    EXPECT_EQ(shownNames().front(), "N0010");
}

TEST_F(BrowseTest, thumb_drag_with_an_alphabetic_step_locates_the_table_entry) {
    for (const char* n : {"ALFA", "BETA", "GAMA", "MONO", "SOL", "TORO", "ZETA"})
        addAgent(n, n);
    StepStringClass step;
    step.Init(0, StepStringClass::LookupMode::Alphabetic);
    options.step = &step;
    options.lastItems = 3;
    open();
    scroll(EventKind::ScrollDrag, 50);  // entry 50 of the alphabetic table
    EXPECT_EQ(std::string(step.GetValue(50)), "MF");
    EXPECT_EQ(selectedName(), "MONO");
    EXPECT_EQ(list().thumb(), step.GetPercentile("MONO"));
}

TEST_F(BrowseTest, double_click_in_a_selection_list_selects_and_closes_with_the_record) {
    addMany(5);
    options.request = RequestSelect;
    agt.rec.NOMBRE.set("before");
    open();
    EXPECT_TRUE(listWindow()->control(ListCtl::SELECT).enabled());
    key(ui::key::Down);
    key(ui::key::Down);
    key(ui::key::MouseLeft2);
    EXPECT_TRUE(finished);
    EXPECT_EQ(response, ResponseCompleted);
    EXPECT_EQ(nameAtClose, "N0002");
}

TEST_F(BrowseTest, a_selection_list_closed_without_choosing_restores_the_buffer) {
    addMany(5);
    options.request = RequestSelect;
    agt.rec.NOMBRE.set("before");
    open();
    key(ui::key::Down);
    press(ListCtl::CLOSE);
    EXPECT_TRUE(finished);
    EXPECT_EQ(response, ResponseCancelled);
    EXPECT_EQ(nameAtClose, "before");
}

TEST_F(BrowseTest, next_record_button_on_the_form_saves_and_reopens_on_the_next_record) {
    addMany(20);
    std::vector<std::string> calls;
    options.form = [&](uint8_t request) {
        EXPECT_EQ(request, RequestChange);
        calls.push_back(bufferName());
        if (calls.size() < 3)
            VCRRequest = 2008;
        return uint8_t{ResponseCompleted};
    };
    open();
    for (int i = 0; i < 9; ++i)
        key(ui::key::Down);
    key(ui::key::CtrlEnter);
    EXPECT_EQ(calls, (std::vector<std::string>{"N0009", "N0010", "N0011"}));
    EXPECT_EQ(selectedName(), "N0011");
    EXPECT_EQ(VCRRequest, 0);
}

TEST_F(BrowseTest, next_record_after_an_insert_starts_another_insert) {
    std::vector<uint8_t> requests;
    options.form = [&](uint8_t request) {
        requests.push_back(request);
        agt.rec.NRO.set(std::to_string(requests.size()));
        agt.rec.NOMBRE.set("NUEVO" + std::to_string(requests.size()));
        if (requests.size() == 1)
            VCRRequest = 2008;
        return agt.access.Insert() == Benign ? ResponseCompleted : ResponseCancelled;
    };
    open();
    key(ui::key::Insert);
    EXPECT_EQ(requests, (std::vector<uint8_t>{RequestInsert, RequestInsert}));
    EXPECT_EQ(shownNames(), (std::vector<std::string>{"NUEVO1", "NUEVO2"}));
    EXPECT_EQ(selectedName(), "NUEVO2");
}

TEST_F(BrowseTest, print_button_runs_the_print_procedure_on_the_selected_record) {
    addMany(5);
    std::vector<std::string> printed;
    options.form = [&](uint8_t request) {
        EXPECT_EQ(request, 5);
        printed.push_back(bufferName());
        return uint8_t{ResponseCompleted};
    };
    open();
    key(ui::key::Down);
    press(ListCtl::PRINT);
    EXPECT_EQ(printed, std::vector<std::string>{"N0001"});
    EXPECT_EQ(selectedName(), "N0001");
}

TEST_F(BrowseTest, popup_items_follow_the_buttons_in_order_and_their_state) {
    open();  // empty: change, delete and print disabled
    const auto items = browse->PopupItems();
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].text, "&Agregar");
    EXPECT_TRUE(items[0].enabled);
    EXPECT_EQ(items[1].text, "&Cambiar");
    EXPECT_FALSE(items[1].enabled);
    EXPECT_EQ(items[2].text, "&Borrar");
    EXPECT_EQ(items[3].text, "Im&primir");
    EXPECT_FALSE(items[3].enabled);
}

TEST_F(BrowseTest, popup_of_a_selection_list_offers_elegir_after_a_separator) {
    addMany(2);
    options.request = RequestSelect;
    open();
    const auto items = browse->PopupItems();
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].text, "&Elegir");
    EXPECT_TRUE(items[0].enabled);
}

TEST_F(BrowseTest, an_unknown_sort_number_is_a_programming_error) {
    addMany(3);
    open();
    EXPECT_EQ(assertionOf([&] { browse->SetSort(7, true); }), "Sort order does not exist: 7");
}

}  // namespace
}  // namespace vorda::test
