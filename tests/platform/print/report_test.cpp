// The band layout of the page model: page breaks, the header and footer of
// every page, bands at the foot, and the page's text read back as lines.
//
//   ReportLayout    breaks, header/footer per page, printAtFoot, empty report
//   PageText        textLines grouping and order; Document::keepPages
#include "platform/print/report.h"

#include <gtest/gtest.h>

#include <string>

namespace vorda::print {
namespace {

constexpr int Row = 200;

Band textBand(const std::string& text, int height = Row, int x = 500) {
    Band b;
    b.height = height;
    b.text({.x = x, .y = 0, .width = 2000, .height = height, .text = text, .font = arial(10)});
    return b;
}

// A page 2000 units tall with 100-unit margins: 1800 units for header, body
// and footer.
Report::Layout smallPage() {
    return {.size = {.width = 4000, .height = 2000}, .topMargin = 100, .bottomMargin = 100};
}

class ReportLayout : public ::testing::Test {
protected:
    void SetUp() override {
        report.header = [this] { return textBand("HEADER " + std::to_string(++headers)); };
        report.footer = [] { return textBand("FOOTER"); };
        report.open(doc, smallPage());
    }

    Document doc;
    Report report;
    int headers = 0;
};

TEST_F(ReportLayout, a_band_that_does_not_fit_starts_a_page_with_the_header_again) {
    // Body: 1800 - 200 header - 200 footer = 1400 units: seven 200-unit rows.
    for (int i = 1; i <= 8; ++i)
        report.print(textBand("row " + std::to_string(i)));
    report.close();
    ASSERT_EQ(doc.pageCount(), 2);
    const std::vector<std::string> first = textLines(doc.page(1));
    ASSERT_EQ(first.size(), 9u);
    EXPECT_EQ(first.front(), "HEADER 1");
    EXPECT_EQ(first[7], "row 7");
    EXPECT_EQ(first.back(), "FOOTER");
    EXPECT_EQ(textLines(doc.page(2)), (std::vector<std::string>{"HEADER 2", "row 8", "FOOTER"}));
}

TEST_F(ReportLayout, the_footer_sits_at_the_foot_of_every_page_and_bands_stack_below_the_header) {
    report.print(textBand("row 1"));
    report.print(textBand("row 2"));
    report.close();
    const Page& page = doc.page(1);
    ASSERT_EQ(page.texts.size(), 4u);
    EXPECT_EQ(page.texts[0].y, 100);               // header under the top margin
    EXPECT_EQ(page.texts[1].y, 300);               // row 1 under the header
    EXPECT_EQ(page.texts[2].y, 500);               // row 2 under row 1
    EXPECT_EQ(page.texts[3].y, 2000 - 100 - Row);  // footer above the bottom margin
}

TEST_F(ReportLayout, a_band_at_the_foot_goes_below_everything_and_breaks_when_it_cannot) {
    report.print(textBand("row 1"));
    report.printAtFoot(textBand("closing", 400));
    ASSERT_EQ(doc.pageCount(), 1);
    EXPECT_EQ(doc.page(1).texts.back().y, 2000 - 100 - Row - 400);
    // The page is now full down to the footer: the next band breaks.
    report.print(textBand("row 2"));
    report.close();
    EXPECT_EQ(doc.pageCount(), 2);
    EXPECT_EQ(textLines(doc.page(2)).at(1), "row 2");
}

TEST_F(ReportLayout, a_band_taller_than_the_body_gets_a_page_of_its_own_without_looping) {
    report.print(textBand("row 1"));
    report.print(textBand("giant", 5000));
    report.print(textBand("row 2"));
    report.close();
    ASSERT_EQ(doc.pageCount(), 3);
    EXPECT_EQ(textLines(doc.page(2)).at(1), "giant");
    EXPECT_EQ(textLines(doc.page(3)).at(1), "row 2");
}

TEST_F(ReportLayout, closing_bands_follow_the_last_band_once_and_break_like_any_band) {
    int closings = 0;
    report.closing = [&closings](Report& r) {
        ++closings;
        r.print(textBand("TOTAL"));
    };
    for (int i = 1; i <= 7; ++i)
        report.print(textBand("row " + std::to_string(i)));
    report.close();
    report.close();
    EXPECT_EQ(closings, 1);
    ASSERT_EQ(doc.pageCount(), 2);
    EXPECT_EQ(textLines(doc.page(2)), (std::vector<std::string>{"HEADER 2", "TOTAL", "FOOTER"}));
}

TEST_F(ReportLayout, a_report_that_printed_nothing_has_no_page_and_no_header_was_asked) {
    report.close();
    EXPECT_EQ(doc.pageCount(), 0);
    EXPECT_EQ(headers, 0);
    report.print(textBand("after close"));  // ignored
    EXPECT_EQ(doc.pageCount(), 0);
}

TEST(PageText, items_of_one_line_read_left_to_right_lines_top_to_bottom) {
    Page page;
    page.texts.push_back({.x = 5000, .y = 100, .text = "1.234,56", .align = Align::Right});
    page.texts.push_back({.x = 100, .y = 300, .text = "second"});
    page.texts.push_back({.x = 100, .y = 100, .text = "a) Adelantos"});
    page.texts.push_back({.x = 3000, .y = 100, .text = ""});
    page.texts.push_back({.x = 100, .y = 200, .text = ""});
    EXPECT_EQ(textLines(page), (std::vector<std::string>{"a) Adelantos 1.234,56", "second"}));
}

TEST(PageText, keeping_listed_pages_drops_the_others_in_order) {
    Document doc;
    for (int i = 1; i <= 5; ++i) {
        doc.pages.emplace_back();
        doc.pages.back().texts.push_back({.text = "page " + std::to_string(i)});
    }
    doc.keepPages({2, 4, 5});
    ASSERT_EQ(doc.pageCount(), 3);
    EXPECT_EQ(textLines(doc.page(1)).at(0), "page 2");
    EXPECT_EQ(textLines(doc.page(3)).at(0), "page 5");
}

}  // namespace
}  // namespace vorda::print
