// Procedure threads as fibers: numbers, stacks, yielding in ask(), posting
// between threads, nested modal windows, the active window, unwinding, and
// work handed to an OS thread (awaitWorker).
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>

#include "platform/process/threadnumber.h"
#include "platform/ui/scheduler.h"
#include "tests/platform/ui/uifixture.h"

namespace vorda::ui::test {
namespace {

WindowDesc plainWindow(std::string caption) {
    return WindowDesc{
        .caption = std::move(caption),
        .controls = {{.number = 1, .kind = ControlKind::Button, .name = "?OK", .text = "OK"}}};
}

// A procedure that records its thread number and every event of its window
// until CloseWindow.
struct Recorder {
    std::string caption;
    std::vector<Event>* events;
    int* thread;

    void operator()() const {
        *thread = platform::currentThreadNumber();
        Window w(plainWindow(caption));
        w.open();
        for (Event e = w.ask(); e.kind != EventKind::CloseWindow; e = w.ask()) {
            events->push_back(e);
        }
    }
};

using ThreadTest = UiTest;

TEST_F(ThreadTest, EachThreadHasItsOwnNumberAndTheMainContextIsThreadOne) {
    int a = 0;
    int b = 0;
    std::vector<Event> ea;
    std::vector<Event> eb;
    EXPECT_EQ(rt.start(Recorder{"A", &ea, &a}), 1);
    EXPECT_EQ(rt.start(Recorder{"B", &eb, &b}), 2);
    settle();
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 2);
    EXPECT_EQ(platform::currentThreadNumber(), 1);
    EXPECT_EQ(rt.threadCount(), 2u);
}

TEST_F(ThreadTest, StacksHaveAtLeastTheMinimumAndKeepTheAskedSize) {
    int depth = 0;
    // Deeper than the 25000 bytes the program asks for: the minimum applies.
    std::function<int(int)> recurse = [&](int n) {
        volatile char pad[1024] = {};
        return n == 0 ? pad[0] : recurse(n - 1) + 1 + pad[0];
    };
    const int small = rt.start([&] { depth = recurse(40); }, 25000);
    const int large = rt.start([] {}, 1 << 20);
    ASSERT_TRUE(rt.threadInfo(small));
    EXPECT_EQ(rt.threadInfo(small)->askedStack, 25000u);
    EXPECT_GE(rt.threadInfo(small)->stackBytes, Scheduler::minimumStack());
    EXPECT_GE(rt.threadInfo(large)->stackBytes, size_t{1} << 20);
    settle();
    EXPECT_EQ(depth, 40);
    EXPECT_EQ(rt.threadCount(), 0u) << "finished threads are removed";
}

TEST_F(ThreadTest, AskYieldsUntilAnEventIsQueuedThenResumes) {
    std::vector<std::string> log;
    rt.start([&] {
        Window w(plainWindow("A"));
        w.open();
        log.push_back("opened");
        while (w.ask().kind != EventKind::Accepted) {
        }
        log.push_back("accepted");
    });
    rt.start([&] { log.push_back("second thread ran"); });
    settle();
    EXPECT_EQ(log, (std::vector<std::string>{"opened", "second thread ran"}));
    ASSERT_NE(rt.active(), nullptr);
    input().press(rt.active()->id(), 1);
    settle();
    EXPECT_EQ(log.back(), "accepted");
    EXPECT_TRUE(rt.windows().empty());
}

TEST_F(ThreadTest, PostQueuesAnEventForTheWindowOfAnotherThread) {
    int a = 0;
    int b = 0;
    std::vector<Event> ea;
    std::vector<Event> eb;
    rt.start(Recorder{"A", &ea, &a});
    rt.start(Recorder{"B", &eb, &b});
    settle();
    rt.start([&] { EXPECT_TRUE(rt.post(EventKind::Accepted, 2008, b)); });
    settle();
    ASSERT_FALSE(eb.empty());
    EXPECT_EQ(eb.back(), (Event{.kind = EventKind::Accepted, .control = 2008}));
    EXPECT_FALSE(rt.post(EventKind::Accepted, 1, 99)) << "no such thread";
}

TEST_F(ThreadTest, ANestedWindowOnOneThreadIsModalToTheOneBelow) {
    std::vector<std::string> log;
    Window* list = nullptr;
    Window* form = nullptr;
    rt.start([&] {
        Window l(plainWindow("Lista"));
        list = &l;
        l.open();
        for (Event e = l.ask(); e.kind != EventKind::CloseWindow; e = l.ask()) {
            if (e.kind == EventKind::GainFocus)
                log.push_back("list gains focus");
            if (e.kind != EventKind::Accepted)
                continue;
            Window f(plainWindow("Ficha"));  // a plain call on the same thread
            form = &f;
            f.open();
            for (Event g = f.ask(); g.kind != EventKind::Accepted; g = f.ask()) {
                if (g.kind == EventKind::Timer)
                    log.push_back("form timer");
            }
            log.push_back("form closes");
            form = nullptr;
        }
    });
    settle();
    log.clear();
    input().press(list->id(), 1);
    settle();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(list->blocked());
    EXPECT_FALSE(form->blocked());
    EXPECT_EQ(rt.active(), form);
    EXPECT_EQ(input().press(list->id(), 1), InputResult::Blocked);
    rt.post(EventKind::Timer, {}, list->thread());  // goes to the top window
    settle();
    EXPECT_EQ(log, (std::vector<std::string>{"form timer"}));
    input().press(form->id(), 1);
    settle();
    EXPECT_EQ(log, (std::vector<std::string>{"form timer", "form closes", "list gains focus"}));
    EXPECT_FALSE(list->blocked());
    EXPECT_EQ(rt.active(), list);
}

TEST_F(ThreadTest, OpeningAWindowTakesTheFocusFromTheActiveOne) {
    int a = 0;
    int b = 0;
    std::vector<Event> ea;
    std::vector<Event> eb;
    rt.start(Recorder{"A", &ea, &a});
    settle();
    rt.start(Recorder{"B", &eb, &b});
    settle();
    EXPECT_EQ(ea.back(), windowEvent(EventKind::LoseFocus));
    EXPECT_EQ(rt.windows().front()->caption(), "B");
    ASSERT_EQ(input().activate(rt.windows().back()->id()), InputResult::Done);
    settle();
    EXPECT_EQ(ea.back(), windowEvent(EventKind::GainFocus));
    EXPECT_EQ(eb.back(), windowEvent(EventKind::LoseFocus));
    EXPECT_EQ(rt.active()->caption(), "A");
}

// Counts its destruction, so that unwinding can be seen.
struct Witness {
    int* destroyed;
    ~Witness() { ++*destroyed; }
};

// Turning to another window while editing an entry accepts what was typed:
// the window's redisplay when it is active again (as the form manager does
// on GainFocus) shows it, instead of the field's old value.
TEST_F(ThreadTest, TurningToAnotherWindowAcceptsWhatWasTypedAndKeepsIt) {
    TestRecord ra{};
    TestRecord rb{};
    std::vector<Event> eventsA;
    Window* a = nullptr;
    const auto form = [](TestRecord& r, Window*& out, std::vector<Event>* events) {
        return [&r, &out, events] {
            Window w(formDesc(r));
            out = &w;
            w.open();
            for (Event e = w.ask(); e.kind != EventKind::CloseWindow; e = w.ask()) {
                if (events != nullptr)
                    events->push_back(e);
                if (e.kind == EventKind::GainFocus)
                    w.display();
            }
            out = nullptr;
        };
    };
    Window* b = nullptr;
    rt.start(form(ra, a, &eventsA));
    rt.start(form(rb, b, nullptr));
    settle();
    ASSERT_EQ(input().activate(a->id()), InputResult::Done);
    settle();
    ASSERT_EQ(input().type(a->id(), Ctl::NAME, "Escrito"), InputResult::Done);
    ASSERT_EQ(input().activate(b->id()), InputResult::Done);
    settle();
    ASSERT_EQ(input().activate(a->id()), InputResult::Done);
    settle();
    EXPECT_EQ(a->control(Ctl::NAME).text(), "Escrito");
    EXPECT_EQ(ra.name.str(), "Escrito");
    EXPECT_NE(std::find(eventsA.begin(), eventsA.end(),
                        Event{.kind = EventKind::Accepted, .control = Ctl::NAME}),
              eventsA.end());
    EXPECT_EQ(a->focus(), ControlId(Ctl::NAME)) << "the focus stays on the entry";
}

TEST_F(ThreadTest, ShutdownUnwindsEveryThreadAndClosesItsWindows) {
    int destroyed = 0;
    Event lastAsked;
    rt.start([&] {
        Witness w{&destroyed};
        Window win(plainWindow("A"));
        win.open();
        for (;;)
            win.ask();
    });
    rt.start([&] {
        Window win(plainWindow("B"));
        win.open();
        struct AsksWhileUnwinding {
            Window& w;
            Event& out;
            ~AsksWhileUnwinding() { out = w.ask(); }
        } guard{win, lastAsked};
        for (;;)
            win.ask();
    });
    settle();
    rt.start([&] { Witness w{&destroyed}; });  // never ran
    rt.shutdown();
    EXPECT_EQ(destroyed, 1) << "the thread that never ran does not run at shutdown";
    EXPECT_EQ(lastAsked.kind, EventKind::CloseDown);
    EXPECT_TRUE(rt.windows().empty());
    EXPECT_EQ(rt.threadCount(), 0u);
}

TEST_F(ThreadTest, AnExceptionLeavingAProcedureReachesTheLoop) {
    rt.start([] { throw std::runtime_error("boom"); });
    EXPECT_THROW(settle(), std::runtime_error);
    EXPECT_EQ(rt.threadCount(), 0u);
}

TEST_F(ThreadTest, WindowsLeftOpenCloseWhenTheProcedureReturns) {
    auto kept = std::make_unique<Window>(plainWindow("olvidada"));
    rt.start([&kept] { kept->open(); });
    settle();
    EXPECT_TRUE(rt.windows().empty());
    EXPECT_FALSE(kept->isOpen());
}

// Waits at most two seconds for `flag`.
bool waitFor(const std::atomic<bool>& flag) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (!flag && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return flag;
}

TEST_F(ThreadTest, WorkOnAnOsThreadLetsTheOtherThreadsGoOn) {
    std::atomic<bool> otherRan{false};
    std::thread::id workerId;
    bool otherRanFirst = false;
    bool resumed = false;
    rt.start([&] {
        rt.awaitWorker([&] {
            workerId = std::this_thread::get_id();
            otherRanFirst = waitFor(otherRan);  // only while this thread waits
        });
        resumed = true;
    });
    rt.start([&] { otherRan = true; });
    EXPECT_FALSE(rt.workersRunning());
    settle();
    EXPECT_TRUE(otherRanFirst);
    EXPECT_TRUE(resumed);
    EXPECT_NE(workerId, std::this_thread::get_id());
    EXPECT_FALSE(rt.workersRunning());
    EXPECT_EQ(rt.threadCount(), 0u);
}

TEST_F(ThreadTest, AnExceptionOfTheWorkReachesTheWaitingThread) {
    std::string caught;
    rt.start([&] {
        try {
            rt.awaitWorker([] { throw std::runtime_error("sin acceso"); });
        } catch (const std::runtime_error& e) {
            caught = e.what();
        }
    });
    settle();
    EXPECT_EQ(caught, "sin acceso");
}

TEST_F(ThreadTest, UnwindingAThreadThatWaitsStillWaitsForItsWorker) {
    std::atomic<bool> finished{false};
    rt.start([&] {
        rt.awaitWorker([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            finished = true;
        });
    });
    rt.runReady();  // the thread now waits; nothing waits for the worker
    EXPECT_TRUE(rt.workersRunning());
    rt.shutdown();
    EXPECT_TRUE(finished);
    EXPECT_FALSE(rt.workersRunning());
}

}  // namespace
}  // namespace vorda::ui::test
