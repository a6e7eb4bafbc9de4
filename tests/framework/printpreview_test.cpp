// PrintPreviewClass: the preview of a five-page run and its questions.
//
//   PageRangeText   the page-list syntax, accepted and refused lists
//   PreviewWindow   status texts, zoom presets and checks, a user zoom,
//                   tiles, paging
//   PreviewPrint    "1-" and the count prints every page, "2,4-5" three;
//                   refused lists keep the question open
#include <gtest/gtest.h>

#include "framework/pagerange.h"
#include "framework/previewwindows.h"
#include "framework/zoomtable.h"
#include "tests/framework/reportfixture.h"

namespace vorda::test {
namespace {

TEST(PageRangeText, ranges_and_single_pages_separated_by_commas) {
    std::string error;
    EXPECT_EQ(PageRange::parse("1-5", 5, error), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(PageRange::parse("2,4-5", 5, error), (std::vector<int>{2, 4, 5}));
    EXPECT_EQ(PageRange::parse(" 3 , 1 ,3", 5, error), (std::vector<int>{1, 3}));
    EXPECT_EQ(PageRange::parse("4-", 5, error), (std::vector<int>{4, 5}));
    EXPECT_EQ(PageRange::parse(PageRange::all(5), 5, error), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_TRUE(error.empty());
}

TEST(PageRangeText, lists_naming_no_real_page_are_refused_with_the_reason) {
    const struct {
        const char* text;
        const char* reason;
    } refused[] = {
        {"0", "la página 0 no existe (el informe tiene las páginas 1 a 5)"},
        {"6", "la página 6 no existe"},
        {"9-3", "la página 9 no existe"},
        {"4-3", "el rango 4-3 está invertido"},
        {"a", "\"a\" no es un número de página"},
        {"1,,2", "\"\" no es un número de página"},
        {"-3", "\"-3\" no es un número de página"},
        {"", "no indica ninguna página"},
    };
    for (const auto& r : refused) {
        std::string error;
        EXPECT_TRUE(PageRange::parse(r.text, 5, error).empty()) << r.text;
        EXPECT_NE(error.find(r.reason), std::string::npos) << r.text << ": " << error;
        EXPECT_TRUE(error.starts_with("La lista de páginas a imprimir no es válida: ")) << error;
    }
}

TEST(ZoomTable, the_packed_table_holds_seven_presets_with_texts_and_signed_values) {
    const ZoomBlock& block = DefaultZoomTable();
    EXPECT_EQ(block.at(0), 7);
    // "Organizar Páginas (Tile)" is 24 characters in the table's code page.
    EXPECT_EQ(block.at(1), 24);
    const std::optional<std::vector<ZoomPreset>> presets = decodeZoomTable(block);
    ASSERT_TRUE(presets.has_value());
    ASSERT_EQ(presets->size(), 7u);
    EXPECT_EQ(presets->front().menuText, "Organizar Páginas (Tile)");
    EXPECT_EQ(presets->front().statusText, "Zoom: Organizar Páginas (Tile)");
    EXPECT_EQ(presets->front().value, -2);
    EXPECT_EQ((*presets)[1].value, -1);
    EXPECT_EQ(presets->back().menuText, "300% Zoom");
    EXPECT_EQ(presets->back().value, 300);
    const ZoomBlock cut(block.begin(), block.end() - 1);
    EXPECT_FALSE(decodeZoomTable(cut).has_value());
    EXPECT_EQ(userZoomMenuText(150), "150% Zoom");
    EXPECT_EQ(userZoomStatusText(150), "Zoom: 150%");
}

class PreviewTest : public ReportFixture {
protected:
    void SetUp() override {
        ReportFixture::SetUp();
        addLines(25);  // five pages of five lines
        run({.report = true, .preview = true, .configure = [](ReportManager& m) { m.Zoom = 100; }});
        tick();
        ASSERT_NE(previewWindow(), nullptr);
        w = previewWindow();
    }

    std::string status(int zone) const { return w->status(zone); }
    bool checked(int item) const { return w->control(item).checked(); }
    void type(PreviewCtl control, const std::string& text) {
        ASSERT_EQ(rt->input().focus(w->id(), control), ui::InputResult::Done);
        settle();
        ASSERT_EQ(rt->input().type(w->id(), control, text), ui::InputResult::Done);
        settle();
        ASSERT_EQ(rt->input().leave(w->id()), ui::InputResult::Done);
        settle();
    }
    int zoomItem(size_t preset) const {
        return static_cast<int>(PreviewCtl::FirstZoom) + int(preset);
    }
    ui::Window* question() const {
        return rt->topWindow(thread) != w ? rt->topWindow(thread) : nullptr;
    }

    ui::Window* w = nullptr;
};

using PreviewWindow = PreviewTest;

TEST_F(PreviewWindow, opens_on_page_1_at_100_percent_with_that_preset_checked) {
    EXPECT_EQ(status(2), "Pág. 1 de 5");
    EXPECT_EQ(status(3), "Zoom: 100%");
    EXPECT_EQ(w->control(PreviewCtl::Page).tip(), "Ingrese una página de 1 a 5");
    EXPECT_EQ(w->control(PreviewCtl::ZoomList).text(), "100% Zoom");
    EXPECT_TRUE(checked(zoomItem(4)));
    EXPECT_FALSE(checked(zoomItem(0)));
    EXPECT_FALSE(w->control(PreviewCtl::UserZoom).visible());
    EXPECT_EQ(w->control(PreviewCtl::ZoomList).rows().size(), 7u);
}

TEST_F(PreviewWindow, presets_from_the_menu_and_the_list_change_zoom_status_and_check) {
    menu(*w, zoomItem(1));
    EXPECT_EQ(status(3), "Zoom: Ancho de Página");
    EXPECT_TRUE(checked(zoomItem(1)));
    EXPECT_FALSE(checked(zoomItem(4)));
    EXPECT_EQ(w->control(PreviewCtl::PageView).layout().zoom, -1);
    ASSERT_EQ(rt->input().choose(w->id(), PreviewCtl::ZoomList, "50% Zoom"), ui::InputResult::Done);
    settle();
    EXPECT_EQ(status(3), "Zoom: 50%");
    EXPECT_TRUE(checked(zoomItem(2)));
}

TEST_F(PreviewWindow, a_typed_percentage_is_a_user_zoom_in_menu_list_and_status) {
    type(PreviewCtl::ZoomList, "150");
    EXPECT_EQ(status(3), "Zoom: 150%");
    const ui::Control& user = w->control(PreviewCtl::UserZoom);
    EXPECT_TRUE(user.visible());
    EXPECT_TRUE(user.checked());
    EXPECT_EQ(user.text(), "150% Zoom");
    EXPECT_EQ(w->control(PreviewCtl::ZoomList).text(), "150% Zoom");
    EXPECT_EQ(w->control(PreviewCtl::PageView).layout().zoom, 150);
    type(PreviewCtl::ZoomList, "mucho");  // refused: the list shows the zoom again
    EXPECT_EQ(w->control(PreviewCtl::ZoomList).text(), "150% Zoom");
}

TEST_F(PreviewWindow, tiles_show_a_range_of_pages_and_page_by_the_tile) {
    type(PreviewCtl::Across, "2");
    EXPECT_EQ(status(3), "Zoom: Organizar Páginas (Tile)");
    EXPECT_EQ(status(2), "Pág. 1-2 de 5");
    menu(*w, static_cast<int>(PreviewCtl::NextPage));
    EXPECT_EQ(status(2), "Pág. 3-4 de 5");
    menu(*w, static_cast<int>(PreviewCtl::NextPage));
    EXPECT_EQ(status(2), "Pág. 5 de 5");  // one page left to show
}

TEST_F(PreviewWindow, paging_keeps_within_the_report_and_the_spin_jumps) {
    menu(*w, static_cast<int>(PreviewCtl::PreviousPage));
    EXPECT_EQ(status(2), "Pág. 1 de 5");
    ASSERT_EQ(rt->input().key(w->id(), PreviewCtl::Page, ui::key::PgDn), ui::InputResult::Done);
    settle();
    EXPECT_EQ(status(2), "Pág. 2 de 5");
    type(PreviewCtl::Page, "4");
    EXPECT_EQ(status(2), "Pág. 4 de 5");
    EXPECT_EQ(w->control(PreviewCtl::PageView).layout().page, 4);
    type(PreviewCtl::Page, "9");  // out of the spin's range: refused
    EXPECT_EQ(w->control(PreviewCtl::PageView).layout().page, 4);
    menu(*w, static_cast<int>(PreviewCtl::JumpToPage));
    ui::Window* q = question();
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(q->caption(), "Jump to a Report Page");
    ASSERT_EQ(rt->input().type(q->id(), AskPageCtl::Page, "2"), ui::InputResult::Done);
    ASSERT_EQ(rt->input().press(q->id(), AskPageCtl::Ok), ui::InputResult::Done);
    settle();
    EXPECT_EQ(question(), nullptr);
    EXPECT_EQ(status(2), "Pág. 2 de 5");
}

using PreviewPrint = PreviewTest;

std::string firstLine(const print::Document& doc, int page) {
    return print::textLines(doc.page(page)).at(1);
}

TEST_F(PreviewPrint, the_default_list_1_to_the_count_prints_every_page) {
    menu(*w, static_cast<int>(PreviewCtl::PagesToPrint));
    ui::Window* q = question();
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(q->control(AskPagesCtl::Pages).text(), "1-5");
    ASSERT_EQ(rt->input().press(q->id(), AskPagesCtl::Ok), ui::InputResult::Done);
    settle();
    menu(*w, static_cast<int>(PreviewCtl::Print));
    EXPECT_TRUE(finished);
    ASSERT_EQ(backend.printed().size(), 1u);
    EXPECT_EQ(backend.printed()[0]->pageCount(), 5);
}

TEST_F(PreviewPrint, a_list_of_ranges_and_pages_prints_only_those) {
    menu(*w, static_cast<int>(PreviewCtl::PagesToPrint));
    ui::Window* q = question();
    ASSERT_NE(q, nullptr);
    ASSERT_EQ(rt->input().type(q->id(), AskPagesCtl::Pages, "2,4-5"), ui::InputResult::Done);
    ASSERT_EQ(rt->input().press(q->id(), AskPagesCtl::Ok), ui::InputResult::Done);
    settle();
    menu(*w, static_cast<int>(PreviewCtl::Print));
    ASSERT_EQ(backend.printed().size(), 1u);
    const print::Document& doc = *backend.printed()[0];
    ASSERT_EQ(doc.pageCount(), 3);
    EXPECT_EQ(firstLine(doc, 1), "DOC 6");
    EXPECT_EQ(firstLine(doc, 2), "DOC 16");
    EXPECT_EQ(firstLine(doc, 3), "DOC 21");
}

TEST_F(PreviewPrint, refused_lists_keep_the_question_open_and_reset_restores_every_page) {
    menu(*w, static_cast<int>(PreviewCtl::PagesToPrint));
    ui::Window* q = question();
    ASSERT_NE(q, nullptr);
    for (const char* bad : {"0", "9-3", "a", "6"}) {
        ASSERT_EQ(rt->input().type(q->id(), AskPagesCtl::Pages, bad), ui::InputResult::Done);
        ASSERT_EQ(rt->input().press(q->id(), AskPagesCtl::Ok), ui::InputResult::Done);
        settle();
        ASSERT_EQ(question(), q) << bad;
        EXPECT_EQ(answers->last().caption, "Pages to Print");
    }
    EXPECT_EQ(answers->shown().size(), 4u);
    ASSERT_EQ(rt->input().press(q->id(), AskPagesCtl::Reset), ui::InputResult::Done);
    settle();
    EXPECT_EQ(q->control(AskPagesCtl::Pages).text(), "1-5");
    ASSERT_EQ(rt->input().press(q->id(), AskPagesCtl::Cancel), ui::InputResult::Done);
    settle();
    EXPECT_EQ(question(), nullptr);
    menu(*w, static_cast<int>(PreviewCtl::Exit));
    EXPECT_TRUE(finished);
    EXPECT_TRUE(backend.printed().empty());
}

}  // namespace
}  // namespace vorda::test
