// Runtime: the windowing runtime core that ties windows, procedure threads,
// message boxes and timers to one backend.
//
// One Runtime exists at a time (Runtime::current()). Constructing it installs
// it as the message presenter (ui::message) and as the provider of
// platform::currentThreadNumber(); destroying it unwinds every procedure
// thread still alive (their windows close as their stacks unwind) and
// removes both again.
//
// Typical use by a backend's main:
//
//   Runtime rt(backend);
//   rt.start(MAIN);               // the frame's procedure: thread 1
//   backend.exec(rt);             // calls rt.runReady() whenever asked to,
//                                 // until rt.threadCount() == 0
//
// Threads. start() creates a procedure thread (a fiber, see scheduler.h).
// Outside every procedure thread (start-up, the backend's loop) the current
// thread number is 1, the frame's. post() queues an event for the window a
// thread is showing at the top of its windows.
//
// Message boxes are thread-modal: a box shown by a procedure thread blocks
// that thread's windows until the backend answers it (answer()); the other
// threads' windows stay usable. A box asked for outside every procedure
// thread is answered synchronously by the backend.
//
// Popup menus (popup()) wait like message boxes, but block no window: the
// thread that asked simply waits for the backend's popupChosen(). Outside
// every procedure thread no popup can be shown and popup() returns 0.
//
// Work on an OS thread (awaitWorker). Work that must not hold up the windows
// (rebuilding the keys of large tables) runs on a real OS thread while its
// procedure thread waits; the worker wakes the backend's loop when it is
// done (Backend::wakeFromAnyThread), and the loop resumes the procedure
// thread. A loop without a display (the headless backend) waits for the
// worker instead (workersRunning, waitForWorker), which keeps scripts
// deterministic.
//
// The active window is the one the user works in: the window last opened,
// or the one the user activated; when it closes, the first unblocked window
// in stacking order takes its place. Losing and gaining that place delivers
// LoseFocus and GainFocus.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/ui/backend.h"
#include "platform/ui/messagebox.h"
#include "platform/ui/scheduler.h"
#include "platform/ui/userinput.h"

namespace vorda::ui {

class Window;

class Runtime final : private MessagePresenter {
public:
    explicit Runtime(Backend& backend);
    ~Runtime() override;
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    static Runtime& current();  // asserts that one exists
    static Runtime* instance();

    Backend& backend() { return backend_; }
    Clock& clock() { return backend_.clock(); }
    UserInput& input() { return input_; }

    // --- procedure threads --------------------------------------------------
    // Starts `procedure` on a new thread; returns its number (0 while tearing
    // down). The stack is at least Scheduler::minimumStack(); `stackBytes` is
    // kept as asked (0 = the default size).
    int start(std::function<void()> procedure, size_t stackBytes = 0);
    int currentThread() const;
    size_t threadCount() const { return scheduler_.threads().size(); }
    std::optional<Scheduler::ThreadInfo> threadInfo(int thread) const;
    bool threadAlive(int thread) const { return scheduler_.alive(thread); }
    // Queues `event` for the top window of `thread`; false when it shows none.
    bool post(Event event, int thread);
    bool post(EventKind kind, ControlId control, int thread);
    // Backend loop only: runs every procedure thread that can go on.
    void runReady();
    bool anyReady() const { return scheduler_.anyReady(); }
    // Unwinds every procedure thread (also done by the destructor).
    void shutdown();
    bool tearingDown() const { return scheduler_.unwinding(); }

    // --- work on an OS thread -------------------------------------------------
    // On a procedure thread: runs `work` on an OS thread of its own and
    // returns when it has returned; meanwhile this thread yields and every
    // other thread and window goes on. `work` must not use the runtime, the
    // windows, message boxes or the procedures' record buffers: it keeps what
    // it finds in its own variables, for the caller to read afterwards. An
    // exception of `work` is rethrown here. When the thread is unwound while
    // waiting, the OS thread is still waited for.
    void awaitWorker(std::function<void()> work);
    // A procedure thread waits for its worker.
    bool workersRunning() const { return waitingWorkers_ > 0; }
    // Main context: blocks until a worker not yet waited for has finished.
    void waitForWorker();

    // --- windows ------------------------------------------------------------
    Window* find(WindowId id) const;
    Window* active() const { return find(active_); }
    // Open windows, the active one first, then in stacking order.
    std::vector<Window*> windows() const;
    Window* topWindow(int thread) const;
    Window* frame() const;  // the open window flagged window::Frame
    // Makes an unblocked window the active one; false if it cannot be.
    bool activate(WindowId id);
    // Queues CloseDown for the top window of every thread.
    void postCloseDown();

    // --- message boxes ------------------------------------------------------
    void answer(MessageId id, unsigned button);
    bool messagePending(int thread) const;
    std::optional<int> haltCode() const { return haltCode_; }

    // --- popup menus --------------------------------------------------------
    // Shows `menu` and waits: the chosen entry (1-based), 0 = dismissed.
    unsigned popup(const PopupMenu& menu);
    // The backend reports the entry chosen (0 = dismissed); an entry that
    // cannot be chosen counts as a dismissal.
    void popupChosen(PopupId id, unsigned entry);
    bool popupPending(int thread) const;

    // --- output jobs and the busy cursor --------------------------------------
    // Has the backend carry out `job` (output.h) and waits for its result, as
    // a message box waits: only the calling thread waits. Outside every
    // procedure thread, or while tearing down, nothing is done (Failed).
    OutputResult output(const OutputJob& job);
    // The backend reports a job's end.
    void outputDone(OutputId id, OutputResult result);
    bool outputPending(int thread) const;
    // The busy cursor shows while more busy(true) than busy(false) calls
    // were made.
    void busy(bool on);

    // --- timers -------------------------------------------------------------
    std::optional<int64_t> nextTimerDue() const;
    // Queues Timer for every window whose time has come (one at most queued
    // per window) and sets its next time.
    void fireDueTimers();

private:
    friend class Window;

    struct PendingBox {
        MessageId id = 0;
        int thread = 0;
        std::optional<unsigned> button{};
    };

    unsigned show(const MessageBox& box) override;
    void halt(int exitCode, const std::string& text) override;

    WindowId attach(Window& w);
    void detach(Window& w);
    void changed(Window& w, ControlId control, Change what);
    void waitForEvent(Window& w);
    void eventQueued() { backend_.requestRun(); }
    void updateBlocking(int thread);
    void makeActive(Window* w);
    Window* firstUnblocked() const;
    void closeWindowsOf(int thread);

    Backend& backend_;
    Scheduler scheduler_;
    UserInput input_;
    MessagePresenter* previousPresenter_ = nullptr;
    std::vector<Window*> stack_;  // open windows, most recently raised first
    WindowId active_ = 0;
    WindowId lastId_ = 0;
    std::vector<PendingBox> boxes_;
    struct PendingPopup {
        PopupId id = 0;
        int thread = 0;
        PopupMenu menu{};
        std::optional<unsigned> entry{};
    };
    std::vector<PendingPopup> popups_;
    PopupId lastPopup_ = 0;
    struct PendingOutput {
        OutputId id = 0;
        int thread = 0;
        std::optional<OutputResult> result{};
    };
    std::vector<PendingOutput> outputs_;
    OutputId lastOutput_ = 0;
    int busy_ = 0;
    MessageId lastMessage_ = 0;
    std::optional<int> haltCode_;
    struct WorkerSignal;
    std::shared_ptr<WorkerSignal> workers_;
    int waitingWorkers_ = 0;
    uint64_t workersSeen_ = 0;
};

}  // namespace vorda::ui
