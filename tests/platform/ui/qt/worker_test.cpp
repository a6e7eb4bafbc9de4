// Work on an OS thread under the Qt loop: the worker's end wakes the loop,
// which resumes the waiting procedure thread; windows stay usable meanwhile.
#include <atomic>
#include <chrono>
#include <thread>

#include "tests/platform/ui/qt/qtfixture.h"

namespace vorda::ui::qt::test {
namespace {

using WorkerTest = QtTest;

TEST_F(WorkerTest, TheEndOfTheWorkResumesTheWaitingThread) {
    std::atomic<bool> release{false};
    bool resumed = false;
    rt.start([&] {
        rt.awaitWorker([&] {
            while (!release)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        });
        resumed = true;
    });
    // Meanwhile another thread's window opens and takes events.
    const auto log = open(Child{
        .desc = {.caption = "Otra",
                 .controls = {
                     {.number = 1, .kind = ControlKind::Button, .name = "?OK", .text = "OK"}}}});
    EXPECT_NE(log->id, 0);
    EXPECT_FALSE(resumed);
    release = true;
    EXPECT_TRUE(pump([&] { return resumed; }));
}

}  // namespace
}  // namespace vorda::ui::qt::test
