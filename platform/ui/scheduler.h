// Scheduler: procedure threads as fibers on the one OS thread.
//
// Each procedure thread is a fiber with its own guarded stack and a logical
// thread number (numbers start at 1 and are not reused in a run). A fiber
// runs until it suspends itself with a wake condition; the main context (the
// backend's event loop) resumes every fiber whose condition holds, in thread
// number order, until none does. Fibers are never resumed from another fiber
// or from inside a backend callback: only runReady() resumes them.
//
//   start()  --> ready --runReady()--> running --suspend(cond)--> waiting
//                  ^                                                 |
//                  +-------------------- cond() true ----------------+
//   running --body returns--> finished (removed)
//   waiting/ready --unwindAll()--> unwound (stack unwound by forced unwind)
//
// Invariants:
// 1. Only the main context calls runReady() and unwindAll().
// 2. A fiber's stack is at least minimumStack() bytes whatever size was asked;
//    the asked size is kept for reporting.
// 3. Code on a fiber never swallows the forced unwind: the scheduler itself
//    catches only std::exception (which the unwind is not) and hands it to
//    the main context, where runReady() rethrows it.
// 4. While unwinding, suspend() returns at once and start() refuses.
#pragma once

#include <cstddef>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace vorda::ui {

class Scheduler {
public:
    struct ThreadInfo {
        int number = 0;
        size_t askedStack = 0;  // as the program asked (0 = default)
        size_t stackBytes = 0;  // as allocated, without the guard page
    };

    Scheduler();
    ~Scheduler();  // unwinds every fiber still alive
    Scheduler(const Scheduler&) = delete;
    Scheduler& operator=(const Scheduler&) = delete;

    // 128 KiB, or 256 KiB in sanitizer builds.
    static size_t minimumStack();

    // Creates a ready fiber running `body`; returns its thread number, or 0
    // while unwinding.
    int start(std::function<void()> body, size_t askedStack);

    // On a fiber: gives control back to the main context until `ready()`
    // holds. Returns at once while unwinding.
    void suspend(std::function<bool()> ready);

    // Main context: resumes ready fibers until none is ready.
    void runReady();
    bool anyReady() const;

    // Main context: unwinds every fiber's stack (their destructors run).
    void unwindAll();
    // No fiber is resumed any more (the program halted); unwinding still works.
    void stop() { stopped_ = true; }

    // Called around every run of a fiber: `enter` with its number just
    // before it runs (or is unwound), `leave` with its number when it has
    // given control back, `ended` once its body has returned or its stack
    // has been unwound (after `leave`). The runtime switches the per-thread
    // record buffers here.
    struct Hooks {
        std::function<void(int thread)> enter{};
        std::function<void(int thread)> leave{};
        std::function<void(int thread)> ended{};
    };
    void setHooks(Hooks hooks) { hooks_ = std::move(hooks); }

    bool onFiber() const { return running_ != nullptr; }
    int current() const;  // 0 on the main context
    bool unwinding() const { return unwinding_; }
    bool alive(int number) const { return fibers_.count(number) != 0; }
    std::optional<ThreadInfo> info(int number) const;
    std::vector<ThreadInfo> threads() const;

private:
    struct Fiber;

    void resume(Fiber& f);
    void enter(const Fiber& f) const;
    void leave(const Fiber& f) const;
    void ended(int number) const;

    std::map<int, std::unique_ptr<Fiber>> fibers_;
    Fiber* running_ = nullptr;
    int next_ = 1;
    bool unwinding_ = false;
    bool stopped_ = false;
    std::exception_ptr failure_;
    Hooks hooks_;
};

}  // namespace vorda::ui
