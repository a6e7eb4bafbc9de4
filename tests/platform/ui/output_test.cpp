// Output jobs and the other runtime pieces of printing: only the asking
// thread waits for a job, a job of an unwound thread is withdrawn; hidden
// windows, status zones, the busy cursor and the drop-down list's choices.
#include <gtest/gtest.h>

#include "platform/print/document.h"
#include "tests/platform/ui/uifixture.h"

namespace vorda::ui::test {
namespace {

WindowDesc plainWindow(const char* caption) {
    return {.caption = caption,
            .flags = window::MdiChild,
            .controls = {{.number = 1,
                          .kind = ControlKind::DropList,
                          .name = "?ZOOM",
                          .at = {.x = 0, .y = 0, .width = 40, .height = 12}}},
            .statusZones = {0, 40}};
}

using OutputJobs = UiTest;

TEST_F(OutputJobs, only_the_asking_thread_waits_and_gets_the_result) {
    std::optional<OutputResult> result;
    bool otherRan = false;
    const int asking = rt.start(
        [&] { result = rt.output({.kind = OutputJob::Kind::ChooseFile, .file = "x.pdf"}); });
    rt.start([&] { otherRan = true; });
    rt.runReady();  // both threads run; the job is not done yet
    EXPECT_TRUE(otherRan);
    EXPECT_FALSE(result.has_value());
    EXPECT_TRUE(rt.outputPending(asking));
    backend.answerFile("informe.pdf");
    settle();  // the headless backend carries the job out
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->status, OutputResult::Status::Done);
    EXPECT_EQ(result->file, "informe.pdf");
}

TEST_F(OutputJobs, a_pdf_without_a_writer_fails_with_a_reason_and_a_cancelled_chooser_says_so) {
    std::vector<OutputResult> results;
    rt.start([&] {
        results.push_back(rt.output({.kind = OutputJob::Kind::ChooseFile}));
        results.push_back(rt.output({.kind = OutputJob::Kind::Pdf,
                                     .document = std::make_shared<print::Document>(),
                                     .file = "a.pdf"}));
    });
    settle();
    ASSERT_EQ(results.size(), 2u);
    EXPECT_EQ(results[0].status, OutputResult::Status::Cancelled);
    EXPECT_EQ(results[1].status, OutputResult::Status::Failed);
    EXPECT_FALSE(results[1].error.empty());
}

TEST_F(OutputJobs, outside_a_procedure_thread_a_job_fails_at_once) {
    const OutputResult r = rt.output({.kind = OutputJob::Kind::ChooseFile});
    EXPECT_EQ(r.status, OutputResult::Status::Failed);
}

TEST_F(OutputJobs, the_busy_cursor_shows_while_any_request_is_open) {
    rt.busy(true);
    rt.busy(true);
    rt.busy(false);
    EXPECT_TRUE(backend.isBusy());
    rt.busy(false);
    EXPECT_FALSE(backend.isBusy());
    rt.busy(false);  // an extra release does not go below zero
    rt.busy(true);
    EXPECT_TRUE(backend.isBusy());
}

using PrintingWindows = UiTest;

TEST_F(PrintingWindows, status_zones_hidden_windows_and_drop_list_choices) {
    Window w(plainWindow("Vista"));
    std::vector<Event> events;
    rt.start([&] {
        w.open();
        for (;;) {
            const Event e = w.ask();
            events.push_back(e);
            if (e.kind == EventKind::CloseWindow || e.kind == EventKind::CloseDown)
                break;
        }
    });
    settle();
    w.setStatus(2, "Pág. 1 de 3");
    w.setStatus(3, "ignored: no such zone");
    EXPECT_EQ(w.status(2), "Pág. 1 de 3");
    EXPECT_EQ(w.status(3), "");
    w.setVisible(false);
    EXPECT_FALSE(w.visible());
    EXPECT_TRUE(w.isOpen());
    w.control(1).setRows({{"50% Zoom"}, {"100% Zoom"}});
    ASSERT_EQ(input().choose(w.id(), 1, "100% Zoom"), InputResult::Done);
    settle();
    EXPECT_EQ(w.control(1).selection(), 2);
    EXPECT_EQ(w.control(1).text(), "100% Zoom");
    EXPECT_NE(std::find(events.begin(), events.end(),
                        Event{.kind = EventKind::NewSelection, .control = 1}),
              events.end());
    EXPECT_EQ(input().choose(w.id(), 1, "3"), InputResult::NoSuchValue);
    w.close();
}

}  // namespace
}  // namespace vorda::ui::test
