// Runtime: windows, threads, thread-modal message boxes and timers.
#include "platform/ui/runtime.h"

#include <algorithm>
#include <atomic>
#include <cassert>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

#include "platform/process/threaddata.h"
#include "platform/process/threadnumber.h"
#include "platform/ui/window.h"

namespace vorda::ui {

namespace {

Runtime* installed = nullptr;

}  // namespace

// Finished workers, counted under a lock for the main context to wait on.
struct Runtime::WorkerSignal {
    std::mutex mutex;
    std::condition_variable finished;
    uint64_t count = 0;
};

Runtime::Runtime(Backend& backend)
    : backend_(backend), input_(*this), workers_(std::make_shared<WorkerSignal>()) {
    assert(installed == nullptr && "only one runtime at a time");
    installed = this;
    previousPresenter_ = setPresenter(this);
    platform::setThreadNumberProvider([this] { return currentThread(); });
    // Each procedure thread sees its own copy of the record buffers; outside
    // every fiber the frame's thread 1 holds them.
    scheduler_.setHooks({
        .enter = [](int thread) { platform::ThreadData::switchTo(thread); },
        .leave = [](int) { platform::ThreadData::switchTo(1); },
        .ended = [](int thread) { platform::ThreadData::threadEnded(thread); },
    });
}

Runtime::~Runtime() {
    shutdown();
    while (!stack_.empty())
        stack_.front()->close();
    platform::setThreadNumberProvider(nullptr);
    setPresenter(previousPresenter_);
    installed = nullptr;
}

Runtime& Runtime::current() {
    assert(installed != nullptr && "no windowing runtime");
    return *installed;
}

Runtime* Runtime::instance() {
    return installed;
}

// --- procedure threads ------------------------------------------------------------

int Runtime::start(std::function<void()> procedure, size_t stackBytes) {
    const int number = scheduler_.start(
        [this, procedure = std::move(procedure)] {
            procedure();
            closeWindowsOf(currentThread());
        },
        stackBytes);
    backend_.requestRun();
    return number;
}

int Runtime::currentThread() const {
    const int n = scheduler_.current();
    return n != 0 ? n : 1;
}

std::optional<Scheduler::ThreadInfo> Runtime::threadInfo(int thread) const {
    return scheduler_.info(thread);
}

bool Runtime::post(Event event, int thread) {
    Window* w = topWindow(thread);
    if (w == nullptr)
        return false;
    w->post(event);
    return true;
}

bool Runtime::post(EventKind kind, ControlId control, int thread) {
    return post(Event{.kind = kind, .control = control}, thread);
}

void Runtime::runReady() {
    if (!haltCode_)
        scheduler_.runReady();
}

// --- work on an OS thread ------------------------------------------------------------

void Runtime::awaitWorker(std::function<void()> work) {
    assert(scheduler_.onFiber() && "awaitWorker() outside a procedure thread");
    struct State {
        std::atomic<bool> done{false};
        std::exception_ptr failure;
    };
    auto state = std::make_shared<State>();
    ++waitingWorkers_;
    struct Leave {
        int& waiting;
        ~Leave() { --waiting; }
    } leave{waitingWorkers_};
    // Declared after `leave`: joined (also on unwinding) before it counts down.
    std::jthread worker([work = std::move(work), state, signal = workers_, backend = &backend_] {
        try {
            work();
        } catch (...) {
            state->failure = std::current_exception();
        }
        state->done.store(true, std::memory_order_release);
        {
            const std::lock_guard lock(signal->mutex);
            ++signal->count;
        }
        signal->finished.notify_all();
        backend->wakeFromAnyThread();
    });
    scheduler_.suspend([&state] { return state->done.load(std::memory_order_acquire); });
    worker.join();
    if (state->failure)
        std::rethrow_exception(state->failure);
}

void Runtime::waitForWorker() {
    std::unique_lock lock(workers_->mutex);
    workers_->finished.wait(lock, [this] { return workers_->count != workersSeen_; });
    workersSeen_ = workers_->count;
}

void Runtime::shutdown() {
    scheduler_.unwindAll();
}

void Runtime::waitForEvent(Window& w) {
    assert(scheduler_.onFiber() && "ask() without an event outside a procedure thread");
    scheduler_.suspend([&w] { return w.hasEvent(); });
}

void Runtime::closeWindowsOf(int thread) {
    for (Window* w = topWindow(thread); w != nullptr; w = topWindow(thread))
        w->close();
}

// --- windows ------------------------------------------------------------------------

Window* Runtime::find(WindowId id) const {
    const auto it =
        std::find_if(stack_.begin(), stack_.end(), [id](const Window* w) { return w->id() == id; });
    return it == stack_.end() ? nullptr : *it;
}

std::vector<Window*> Runtime::windows() const {
    return stack_;
}

// The thread's most recently opened window: the one its procedure is asking.
Window* Runtime::topWindow(int thread) const {
    Window* top = nullptr;
    for (Window* w : stack_) {
        if (w->thread() == thread && (top == nullptr || w->id() > top->id()))
            top = w;
    }
    return top;
}

Window* Runtime::frame() const {
    const auto it = std::find_if(stack_.begin(), stack_.end(), [](const Window* w) {
        return (w->desc().flags & window::Frame) != 0;
    });
    return it == stack_.end() ? nullptr : *it;
}

bool Runtime::activate(WindowId id) {
    Window* w = find(id);
    if (w == nullptr || w->blocked())
        return false;
    makeActive(w);
    return true;
}

void Runtime::postCloseDown() {
    std::vector<int> threads;
    for (const Window* w : stack_) {
        if (std::find(threads.begin(), threads.end(), w->thread()) == threads.end()) {
            threads.push_back(w->thread());
        }
    }
    for (int t : threads)
        post(EventKind::CloseDown, {}, t);
}

WindowId Runtime::attach(Window& w) {
    w.id_ = ++lastId_;
    w.thread_ = currentThread();
    stack_.insert(stack_.begin(), &w);
    w.queue(Event{.kind = EventKind::OpenWindow});
    backend_.windowOpened(w);
    updateBlocking(w.thread_);
    makeActive(&w);
    return w.id_;
}

void Runtime::detach(Window& w) {
    const bool wasActive = active_ == w.id();
    std::erase(stack_, &w);
    backend_.windowClosed(w.id());
    if (wasActive)
        active_ = 0;
    updateBlocking(w.thread());
    if (wasActive)
        makeActive(firstUnblocked());
}

void Runtime::makeActive(Window* w) {
    const WindowId id = w != nullptr ? w->id() : 0;
    if (w != nullptr) {
        std::erase(stack_, w);
        stack_.insert(stack_.begin(), w);
    }
    if (id == active_)
        return;
    Window* old = active();
    active_ = id;
    if (old != nullptr) {
        old->acceptPendingEdit();
        old->post(EventKind::LoseFocus);
    }
    if (w != nullptr) {
        w->post(EventKind::GainFocus);
        changed(*w, {}, Change::Active);
    }
}

Window* Runtime::firstUnblocked() const {
    const auto it =
        std::find_if(stack_.begin(), stack_.end(), [](const Window* w) { return !w->blocked(); });
    return it == stack_.end() ? nullptr : *it;
}

// A window is blocked while a later window of its thread is open or its
// thread shows a message box.
void Runtime::updateBlocking(int thread) {
    const Window* top = topWindow(thread);
    const bool box = messagePending(thread);
    for (Window* w : std::vector<Window*>(stack_)) {
        if (w->thread() != thread)
            continue;
        const bool blocked = box || w != top;
        if (blocked == w->blocked_)
            continue;
        w->blocked_ = blocked;
        changed(*w, {}, Change::Blocked);
    }
}

void Runtime::changed(Window& w, ControlId control, Change what) {
    if (w.isOpen())
        backend_.changed(w, control, what);
}

// --- message boxes -------------------------------------------------------------------

unsigned Runtime::show(const MessageBox& box) {
    if (!scheduler_.onFiber() || scheduler_.unwinding())
        return backend_.messageNow(box);
    const int thread = currentThread();
    const MessageId id = ++lastMessage_;
    boxes_.push_back({.id = id, .thread = thread});
    // Removes the box however the wait ends, also when the thread is unwound.
    struct Guard {
        Runtime& rt;
        MessageId id;
        int thread;
        ~Guard() {
            const auto it = std::find_if(rt.boxes_.begin(), rt.boxes_.end(),
                                         [this](const PendingBox& b) { return b.id == id; });
            if (!it->button)
                rt.backend_.withdrawMessage(id);
            rt.boxes_.erase(it);
            rt.updateBlocking(thread);
        }
    } guard{*this, id, thread};
    updateBlocking(thread);
    backend_.showMessage(id, box, thread);
    auto answered = [this, id] {
        return std::any_of(boxes_.begin(), boxes_.end(), [id](const PendingBox& b) {
            return b.id == id && b.button.has_value();
        });
    };
    scheduler_.suspend(answered);
    const auto it = std::find_if(boxes_.begin(), boxes_.end(),
                                 [id](const PendingBox& b) { return b.id == id; });
    return it->button.value_or(box.defaultButton);
}

void Runtime::answer(MessageId id, unsigned button) {
    const auto it = std::find_if(boxes_.begin(), boxes_.end(),
                                 [id](const PendingBox& b) { return b.id == id; });
    if (it == boxes_.end() || it->button)
        return;
    it->button = button;
    backend_.requestRun();
}

bool Runtime::messagePending(int thread) const {
    return std::any_of(boxes_.begin(), boxes_.end(), [thread](const PendingBox& b) {
        return b.thread == thread && !b.button.has_value();
    });
}

// --- popup menus ----------------------------------------------------------------------

unsigned Runtime::popup(const PopupMenu& menu) {
    if (!scheduler_.onFiber() || scheduler_.unwinding())
        return 0;
    const PopupId id = ++lastPopup_;
    popups_.push_back({.id = id, .thread = currentThread(), .menu = menu});
    // Removes the popup however the wait ends, also when the thread is unwound.
    struct Guard {
        Runtime& rt;
        PopupId id;
        ~Guard() {
            const auto it = std::find_if(rt.popups_.begin(), rt.popups_.end(),
                                         [this](const PendingPopup& p) { return p.id == id; });
            if (!it->entry)
                rt.backend_.withdrawPopup(id);
            rt.popups_.erase(it);
        }
    } guard{*this, id};
    backend_.showPopup(id, menu, currentThread());
    scheduler_.suspend([this, id] {
        return std::any_of(popups_.begin(), popups_.end(), [id](const PendingPopup& p) {
            return p.id == id && p.entry.has_value();
        });
    });
    const auto it = std::find_if(popups_.begin(), popups_.end(),
                                 [id](const PendingPopup& p) { return p.id == id; });
    return it->entry.value_or(0);
}

void Runtime::popupChosen(PopupId id, unsigned entry) {
    const auto it = std::find_if(popups_.begin(), popups_.end(),
                                 [id](const PendingPopup& p) { return p.id == id; });
    if (it == popups_.end() || it->entry)
        return;
    it->entry = it->menu.choosable(entry) ? entry : 0;
    backend_.requestRun();
}

bool Runtime::popupPending(int thread) const {
    return std::any_of(popups_.begin(), popups_.end(), [thread](const PendingPopup& p) {
        return p.thread == thread && !p.entry.has_value();
    });
}

// --- output jobs ----------------------------------------------------------------------

OutputResult Runtime::output(const OutputJob& job) {
    if (!scheduler_.onFiber() || scheduler_.unwinding()) {
        return {.status = OutputResult::Status::Failed,
                .error = "No se puede imprimir fuera de un procedimiento."};
    }
    const OutputId id = ++lastOutput_;
    outputs_.push_back({.id = id, .thread = currentThread()});
    // Removes the job however the wait ends, also when the thread is unwound.
    struct Guard {
        Runtime& rt;
        OutputId id;
        ~Guard() {
            const auto it = std::find_if(rt.outputs_.begin(), rt.outputs_.end(),
                                         [this](const PendingOutput& o) { return o.id == id; });
            if (!it->result)
                rt.backend_.withdrawOutput(id);
            rt.outputs_.erase(it);
        }
    } guard{*this, id};
    backend_.startOutput(id, job, currentThread());
    scheduler_.suspend([this, id] {
        return std::any_of(outputs_.begin(), outputs_.end(), [id](const PendingOutput& o) {
            return o.id == id && o.result.has_value();
        });
    });
    const auto it = std::find_if(outputs_.begin(), outputs_.end(),
                                 [id](const PendingOutput& o) { return o.id == id; });
    return it->result.value_or(OutputResult{});
}

void Runtime::outputDone(OutputId id, OutputResult result) {
    const auto it = std::find_if(outputs_.begin(), outputs_.end(),
                                 [id](const PendingOutput& o) { return o.id == id; });
    if (it == outputs_.end() || it->result)
        return;
    it->result = std::move(result);
    backend_.requestRun();
}

bool Runtime::outputPending(int thread) const {
    return std::any_of(outputs_.begin(), outputs_.end(), [thread](const PendingOutput& o) {
        return o.thread == thread && !o.result.has_value();
    });
}

void Runtime::busy(bool on) {
    const int before = busy_;
    busy_ = std::max(0, busy_ + (on ? 1 : -1));
    if ((before == 0) != (busy_ == 0))
        backend_.busy(busy_ > 0);
}

// The program ends: no procedure thread runs again, and the one that halted
// waits until it is unwound.
void Runtime::halt(int exitCode, const std::string& text) {
    if (!haltCode_)
        haltCode_ = exitCode;
    backend_.halt(exitCode, text);
    if (scheduler_.onFiber() && !scheduler_.unwinding())
        scheduler_.suspend([] { return false; });
}

// --- timers ----------------------------------------------------------------------

std::optional<int64_t> Runtime::nextTimerDue() const {
    std::optional<int64_t> due;
    for (const Window* w : stack_) {
        if (w->timer() > 0 && (!due || w->due_ < *due))
            due = w->due_;
    }
    return due;
}

void Runtime::fireDueTimers() {
    const int64_t now = clock().now();
    for (Window* w : std::vector<Window*>(stack_)) {
        if (w->timer() <= 0 || w->due_ > now)
            continue;
        w->due_ = now + w->timer();
        w->post(EventKind::Timer);
    }
    backend_.timersChanged();
}

}  // namespace vorda::ui
