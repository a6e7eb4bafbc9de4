// ReportManager: runs driven by the progress window's timer.
//
//   ReportRun     empty run (error 22 once, no report, no preview), a whole
//                 run to its preview, "Cancelar", a Fatal record, Notify
//   ReportSlices  RecordsPerCycle: doubling while fast, halving when slow,
//                 never below 1; DeferWindow
//   ReportPrint   SkipPreview prints every page; the preview's page list
#include <gtest/gtest.h>

#include "framework/previewwindows.h"
#include "framework/progresswindow.h"
#include "framework/requestglobals.h"
#include "tests/framework/reportfixture.h"

namespace vorda::test {
namespace {

using ReportRun = ReportFixture;

TEST_F(ReportRun, an_empty_view_shows_no_records_once_and_opens_no_report_or_preview) {
    addLines(3, declKey("9/99.99.999", "2005", "05"));  // another declaration's lines
    run({.report = true, .preview = true});
    ASSERT_EQ(answers->shown().size(), 1u);
    EXPECT_EQ(answers->last().caption, "No hay Registros");
    EXPECT_EQ(answers->last().text, "No hay registros disponibles para procesar.");
    tick(5);
    EXPECT_TRUE(finished);
    EXPECT_EQ(response, ResponseCancelled);
    EXPECT_EQ(answers->shown().size(), 1u);
    EXPECT_EQ(headers, 0);
    EXPECT_TRUE(cycles.empty());
    EXPECT_EQ(transcript.str().find("PREVIEW"), std::string::npos);
}

TEST_F(ReportRun, a_whole_run_hands_every_record_once_then_shows_its_pages) {
    addLines(12);
    run({.report = true, .preview = true});
    ASSERT_NE(progressWindow(), nullptr);
    EXPECT_TRUE(rt->windows().front()->visible());
    tick();
    EXPECT_EQ(cycles.size(), 12u);
    ASSERT_NE(previewWindow(), nullptr);
    // 12 lines, five to a page under the header.
    EXPECT_NE(transcript.str().find("PREVIEW \"Report Preview\" 3\n"), std::string::npos);
    EXPECT_FALSE(progressWindow()->visible());  // hidden while the preview shows
    menu(*previewWindow(), static_cast<int>(PreviewCtl::Exit));
    EXPECT_TRUE(finished);
    EXPECT_EQ(response, ResponseCompleted);
    EXPECT_EQ(headers, 3);
    EXPECT_TRUE(backend.printed().empty());
}

TEST_F(ReportRun, cancelar_ends_the_run_without_a_preview) {
    addLines(50);
    run({.report = true, .preview = true, .onRecord = [this] {
             backend.virtualClock().advance(30);  // slow records: one tick does not end it
             return Benign;
         }});
    tick();
    ASSERT_FALSE(finished);
    const size_t done = cycles.size();
    ASSERT_GT(done, 0u);
    ASSERT_LT(done, 50u);
    ASSERT_EQ(rt->input().press(progressWindow()->id(), ProgressCtl::Cancel),
              ui::InputResult::Done);
    settle();
    tick(10);
    EXPECT_TRUE(finished);
    EXPECT_EQ(response, ResponseCancelled);
    EXPECT_EQ(cycles.size(), done);
    EXPECT_EQ(transcript.str().find("PREVIEW"), std::string::npos);
}

TEST_F(ReportRun, a_fatal_record_ends_the_run_with_no_preview_and_a_notify_retries_later) {
    addLines(5);
    int calls = 0;
    run({.report = true, .preview = true, .onRecord = [&calls] {
             ++calls;
             if (calls == 2)
                 return Notify;  // this record comes back at the next tick
             return calls == 4 ? Fatal : Benign;
         }});
    tick();
    EXPECT_EQ(calls, 2);
    tick();
    EXPECT_TRUE(finished);
    EXPECT_EQ(calls, 4);
    EXPECT_EQ(response, ResponseCancelled);
    EXPECT_EQ(transcript.str().find("PREVIEW"), std::string::npos);
}

TEST_F(ReportRun, a_pure_process_runs_without_report_or_preview_and_completes) {
    addLines(7);
    run({});
    tick();
    EXPECT_TRUE(finished);
    EXPECT_EQ(response, ResponseCompleted);
    EXPECT_EQ(cycles.size(), 7u);
    EXPECT_EQ(transcript.str().find("PREVIEW"), std::string::npos);
}

// --- slices ------------------------------------------------------------------------

using ReportSlices = ReportFixture;

TEST_F(ReportSlices, records_per_cycle_doubles_while_cycles_are_fast) {
    addLines(600);
    run({.onRecord = [this] {
        backend.virtualClock().advance(1);
        return Benign;
    }});
    while (!finished)
        tick();
    std::vector<int32_t> sizes;
    for (int32_t c : cycles) {
        if (sizes.empty() || sizes.back() != c)
            sizes.push_back(c);
    }
    // A record takes 1/100 s: cycles grow while a tick is under 80 % of its
    // second, and settle once a cycle alone takes more.
    EXPECT_EQ(sizes, (std::vector<int32_t>{1, 2, 4, 8, 16, 32, 64, 128}));
}

TEST_F(ReportSlices, records_per_cycle_halves_when_a_tick_runs_long_and_never_drops_below_1) {
    addLines(400);
    int taken = 0;
    run({.onRecord = [this, &taken] {
        // Fast at first, then each record takes 2 s: any cycle overruns.
        backend.virtualClock().advance(++taken > 100 ? 200 : 0);
        return Benign;
    }});
    while (!finished)
        tick();
    ASSERT_EQ(cycles.size(), 400u);
    EXPECT_EQ(cycles[99], 64);
    EXPECT_EQ(cycles.back(), 1);
    for (size_t i = 101; i < cycles.size(); ++i) {
        EXPECT_TRUE(cycles[i] == cycles[i - 1] || cycles[i] * 2 == cycles[i - 1]) << "record " << i;
        EXPECT_GE(cycles[i], 1);
    }
}

TEST_F(ReportSlices, a_deferred_window_stays_hidden_until_its_seconds_have_passed) {
    addLines(40);
    run({.configure = [](ReportManager& m) { m.DeferWindow = 2; },
         .onRecord =
             [this] {
                 backend.virtualClock().advance(60);
                 return Benign;
             }});
    ASSERT_NE(progressWindow(), nullptr);
    EXPECT_FALSE(progressWindow()->visible());
    tick();  // the first tick starts at 0.01 s
    EXPECT_FALSE(progressWindow()->visible());
    tick(300);
    EXPECT_TRUE(progressWindow() == nullptr || progressWindow()->visible());
}

// --- printing ------------------------------------------------------------------------

using ReportPrint = ReportFixture;

TEST_F(ReportPrint, skip_preview_prints_every_page_without_showing_the_preview) {
    addLines(12);
    run({.report = true, .preview = true, .configure = [](ReportManager& m) {
             m.SkipPreview = 1;
         }});
    tick();
    EXPECT_TRUE(finished);
    EXPECT_EQ(transcript.str().find("PREVIEW"), std::string::npos);
    ASSERT_EQ(backend.printed().size(), 1u);
    EXPECT_EQ(backend.printed()[0]->pageCount(), 3);
}

}  // namespace
}  // namespace vorda::test
