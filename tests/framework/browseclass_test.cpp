// BrowseClass: filling, paging, thumb, buttons and the update form round trip.
//
//   empty view · insert/delete/change through the form · paging reads ·
//   thumb with and without a step · selection list · VCR next record · misuse ·
//   page size from the rows shown · popup menu · default select button ·
//   help button · sort sheet · deferred fill
#include <gtest/gtest.h>

#include <algorithm>

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
        return agt.relate.Delete(Confirm::DontAsk) == Benign ? ResponseCompleted
                                                             : ResponseCancelled;
    };
    open();
    for (int i = 0; i < 3; ++i)
        key(ui::key::Down);
    ASSERT_EQ(selectedName(), "N0003");
    key(ui::key::Delete);
    EXPECT_EQ(selectedName(), "N0004");
    EXPECT_EQ(list().rows().size(), 10u);
    EXPECT_EQ(shownNames().front(), "N0000");  // the page stays where it was
    EXPECT_EQ(bufferName(), "N0004");
}

TEST_F(BrowseTest, cancelled_form_refills_at_the_previous_position) {
    addMany(30);
    options.form = [](uint8_t) { return uint8_t{ResponseCancelled}; };
    open();
    key(ui::key::PgDn);
    key(ui::key::Down);  // the page starts below the first row read by PgDn
    key(ui::key::Up);
    const std::string before = selectedName();
    const auto page = shownNames();
    press(ListCtl::CHANGE);
    EXPECT_EQ(selectedName(), before);
    EXPECT_EQ(shownNames(), page);  // the page does not scroll under the user
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

// --- the page follows the rows the list shows --------------------------------

class BrowsePageTest : public ListTest {
protected:
    // The display now shows `rows` rows of the list.
    void showRows(int rows) {
        ASSERT_EQ(rt->input().listRows(listWindow()->id(), ListCtl::LIST, rows),
                  ui::InputResult::Done);
        settle();
    }
    std::vector<std::string> names(int first, int last) const {
        std::vector<std::string> out;
        for (int i = first; i <= last; ++i)
            out.push_back("N" + std::string(i < 10 ? "000" : "00") + std::to_string(i));
        return out;
    }
};

TEST_F(BrowsePageTest, a_shorter_list_drops_rows_below_then_above_and_keeps_the_selection) {
    addMany(30);
    open();
    for (int i = 0; i < 7; ++i)
        key(ui::key::Down);
    browse->reads = 0;
    showRows(4);
    EXPECT_EQ(browse->reads, 0);
    EXPECT_EQ(shownNames(), names(4, 7));
    EXPECT_EQ(selectedName(), "N0007");
    EXPECT_EQ(bufferName(), "N0007");
    key(ui::key::PgDn);
    EXPECT_EQ(shownNames(), names(8, 11));
}

TEST_F(BrowsePageTest, a_taller_list_reads_the_rows_it_lacks_below_then_above_at_the_end) {
    addMany(30);
    open();
    key(ui::key::Down);
    browse->reads = 0;
    showRows(12);
    EXPECT_EQ(browse->reads, 2);
    EXPECT_EQ(shownNames(), names(0, 11));
    EXPECT_EQ(selectedName(), "N0001");
    key(ui::key::CtrlEnd);
    showRows(15);
    EXPECT_EQ(shownNames(), names(15, 29));
    EXPECT_EQ(selectedName(), "N0029");
    browse->reads = 0;
    showRows(15);  // no change: nothing is read
    EXPECT_EQ(browse->reads, 0);
}

TEST_F(BrowsePageTest, declared_rows_size_the_first_page_and_scale_with_the_lists_height) {
    addMany(30);
    options.declaredRows = 6;
    open();
    EXPECT_EQ(shownNames(), names(0, 5));
    ui::Control& l = list();
    l.setRect({.x = 10, .y = 20, .width = 280, .height = 240});  // twice the declared height
    settle();
    EXPECT_EQ(l.pageRows(), 12);
    EXPECT_EQ(shownNames(), names(0, 11));
}

// --- popup menu, default button, help ----------------------------------------

TEST_F(BrowseTest, right_click_shows_the_popup_and_the_chosen_item_does_what_its_button_does) {
    addMany(5);
    std::vector<uint8_t> requests;
    options.form = [&](uint8_t request) {
        requests.push_back(request);
        EXPECT_EQ(bufferName(), "N0001");
        return uint8_t{ResponseCancelled};
    };
    open();
    key(ui::key::Down);
    key(ui::key::MouseRight);
    const ui::PopupMenu* menu = backend.pendingPopup();
    ASSERT_NE(menu, nullptr);
    std::vector<std::string> texts;
    for (const ui::PopupEntry& e : menu->entries)
        texts.push_back(e.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"&Agregar", "&Cambiar", "&Borrar", "Im&primir"}));
    ASSERT_EQ(backend.choose(*rt, "Cambiar"), ui::HeadlessBackend::Choice::Done);
    settle();
    EXPECT_EQ(requests, std::vector<uint8_t>{RequestChange});
    key(ui::key::MouseRight);
    ASSERT_EQ(backend.choose(*rt, "none"), ui::HeadlessBackend::Choice::Done);
    settle();
    EXPECT_EQ(requests.size(), 1u);
    EXPECT_FALSE(backend.popupPending());
}

TEST_F(BrowseTest, a_disabled_popup_item_cannot_be_chosen) {
    open();  // empty: change is disabled
    key(ui::key::MouseRight);
    EXPECT_EQ(backend.choose(*rt, "&Cambiar"), ui::HeadlessBackend::Choice::Disabled);
    EXPECT_EQ(backend.choose(*rt, "Query"), ui::HeadlessBackend::Choice::NoSuchEntry);
    EXPECT_EQ(backend.choose(*rt, "none"), ui::HeadlessBackend::Choice::Done);
}

TEST_F(BrowseTest, a_selecting_list_makes_its_select_button_the_default_and_enter_selects) {
    addMany(3);
    options.request = RequestSelect;
    open();
    EXPECT_TRUE(listWindow()->control(ListCtl::SELECT).isDefault());
    key(ui::key::Down);
    key(ui::key::Enter);
    EXPECT_TRUE(finished);
    EXPECT_EQ(response, ResponseCompleted);
    EXPECT_EQ(nameAtClose, "N0001");
    EXPECT_NE(std::find(accepted.begin(), accepted.end(), ui::ControlId(ListCtl::SELECT)),
              accepted.end());
}

TEST_F(BrowseTest, a_list_that_is_not_selecting_has_no_default_button) {
    addMany(3);
    open();
    EXPECT_FALSE(listWindow()->control(ListCtl::SELECT).isDefault());
}

TEST_F(BrowseTest, the_toolbars_help_button_and_f1_on_the_list_press_the_windows_help_button) {
    options.toolbar = true;
    open();
    EXPECT_TRUE(toolbar.Enabled(2012));
    ASSERT_TRUE(rt->post(EventKind::Accepted, 2012, thread));
    settle();
    EXPECT_EQ(std::count(accepted.begin(), accepted.end(), ui::ControlId(ListCtl::HELP)), 1);
    key(ui::key::F1);
    EXPECT_EQ(std::count(accepted.begin(), accepted.end(), ui::ControlId(ListCtl::HELP)), 2);
}

// --- sort sheet and deferred fill ----------------------------------------------

TEST_F(BrowseTest, choosing_a_tab_re_sorts_and_keeps_the_selected_record) {
    addAgent("3", "Alfa");
    addAgent("1", "Beta");
    addAgent("4", "Delta");
    addAgent("2", "Gama");
    options.key = AGT_BYNOMBRE;
    options.sheetSorts = {1, 2};  // first tab by name, second by number
    open();
    key(ui::key::Down);
    key(ui::key::Down);
    ASSERT_EQ(selectedName(), "Delta");
    choose(ListCtl::SHEET, "Segunda");
    EXPECT_EQ(browse->GetSort(), 2);
    EXPECT_EQ(shownNames(), (std::vector<std::string>{"Beta", "Gama", "Alfa", "Delta"}));
    EXPECT_EQ(selectedName(), "Delta");
    key(ui::key::Up);
    choose(ListCtl::SHEET, "Primera");
    EXPECT_EQ(shownNames(), (std::vector<std::string>{"Alfa", "Beta", "Delta", "Gama"}));
    EXPECT_EQ(selectedName(), "Alfa");
}

TEST_F(BrowseTest, a_list_on_a_tab_not_in_front_fills_when_its_tab_is_chosen) {
    addMany(3);
    options.listOnSecondTab = true;
    open();
    EXPECT_TRUE(list().rows().empty());
    EXPECT_TRUE(browse->LoadPending);
    EXPECT_EQ(browse->reads, 0);
    choose(ListCtl::SHEET, "Segunda");
    EXPECT_EQ(shownNames(), (std::vector<std::string>{"N0000", "N0001", "N0002"}));
    EXPECT_FALSE(browse->LoadPending);
}

TEST_F(BrowseTest, an_unknown_sort_number_is_a_programming_error) {
    addMany(3);
    open();
    EXPECT_EQ(assertionOf([&] { browse->SetSort(7, Refill::Always); }),
              "Sort order does not exist: 7");
}

}  // namespace
}  // namespace vorda::test
