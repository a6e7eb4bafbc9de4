// Fibers over Boost.Context. The sanitizer build uses the ucontext back end
// (BOOST_USE_UCONTEXT, BOOST_USE_ASAN, set by the build); see
// fiberrecord.cpp for the piece that back end needs from us.
#if defined(BOOST_USE_ASAN)
#include <sanitizer/common_interface_defs.h>
#endif

#include <boost/context/fiber.hpp>
#include <boost/context/protected_fixedsize_stack.hpp>
#include <cassert>
#include <utility>

#include "platform/ui/scheduler.h"

namespace vorda::ui {

namespace ctx = boost::context;

struct Scheduler::Fiber {
    ThreadInfo info;
    ctx::fiber context;               // the suspended fiber; empty while it runs
    ctx::fiber caller;                // the main context while the fiber runs
    std::function<bool()> readyWhen;  // empty: ready
    bool finished = false;

    bool ready() const { return !finished && (!readyWhen || readyWhen()); }
};

Scheduler::Scheduler() = default;

Scheduler::~Scheduler() {
    unwindAll();
}

size_t Scheduler::minimumStack() {
#if defined(__SANITIZE_ADDRESS__)
    return size_t{256} * 1024;
#else
    return size_t{128} * 1024;
#endif
}

int Scheduler::start(std::function<void()> body, size_t askedStack) {
    if (unwinding_)
        return 0;
    auto f = std::make_unique<Fiber>();
    Fiber* self = f.get();
    const size_t page = ctx::stack_traits::page_size();
    const size_t bytes = (std::max(askedStack, minimumStack()) + page - 1) / page * page;
    self->info = {.number = next_++, .askedStack = askedStack, .stackBytes = bytes};
    self->context =
        ctx::fiber(std::allocator_arg, ctx::protected_fixedsize_stack(bytes),
                   [this, self, body = std::move(body)](ctx::fiber&& caller) {
                       self->caller = std::move(caller);
                       if (!unwinding_) {  // a fiber unwound before its first run does nothing
                           try {
                               body();
                           } catch (const std::exception&) {
                               if (!failure_)
                                   failure_ = std::current_exception();
                           }
                       }
                       self->finished = true;
                       return std::move(self->caller);
                   });
    const int number = self->info.number;
    fibers_.emplace(number, std::move(f));
    return number;
}

void Scheduler::suspend(std::function<bool()> ready) {
    Fiber* f = running_;
    assert(f != nullptr && "suspend() outside a procedure thread");
    if (unwinding_)
        return;
    f->readyWhen = std::move(ready);
    f->caller = std::move(f->caller).resume();
    f->readyWhen = nullptr;
}

void Scheduler::resume(Fiber& f) {
    enter(f);
    running_ = &f;
    f.context = std::move(f.context).resume();
    running_ = nullptr;
    leave(f);
}

void Scheduler::enter(const Fiber& f) const {
    if (hooks_.enter)
        hooks_.enter(f.info.number);
}

void Scheduler::leave(const Fiber& f) const {
    if (hooks_.leave)
        hooks_.leave(f.info.number);
}

void Scheduler::ended(int number) const {
    if (hooks_.ended)
        hooks_.ended(number);
}

void Scheduler::runReady() {
    assert(running_ == nullptr && "runReady() on a procedure thread");
    bool progress = true;
    while (progress && !unwinding_) {
        progress = false;
        for (auto it = fibers_.begin(); it != fibers_.end();) {
            if (!stopped_ && it->second->ready()) {
                resume(*it->second);
                progress = true;
            }
            if (!it->second->finished) {
                ++it;
                continue;
            }
            const int number = it->first;
            it = fibers_.erase(it);
            ended(number);
        }
    }
    if (failure_)
        std::rethrow_exception(std::exchange(failure_, nullptr));
}

bool Scheduler::anyReady() const {
    for (const auto& [number, f] : fibers_) {
        if (f->ready())
            return true;
    }
    return false;
}

void Scheduler::unwindAll() {
    assert(running_ == nullptr && "unwindAll() on a procedure thread");
    unwinding_ = true;
    while (!fibers_.empty()) {
        // Newest first: a thread started by another goes before its starter.
        auto last = std::prev(fibers_.end());
        std::unique_ptr<Fiber> f = std::move(last->second);
        fibers_.erase(last);
        enter(*f);
        running_ = f.get();
        f->context = ctx::fiber();  // destroying the suspended fiber unwinds it
        running_ = nullptr;
        leave(*f);
        ended(f->info.number);
    }
    unwinding_ = false;
    failure_ = nullptr;
}

int Scheduler::current() const {
    return running_ ? running_->info.number : 0;
}

std::optional<Scheduler::ThreadInfo> Scheduler::info(int number) const {
    const auto it = fibers_.find(number);
    if (it == fibers_.end())
        return std::nullopt;
    return it->second->info;
}

std::vector<Scheduler::ThreadInfo> Scheduler::threads() const {
    std::vector<ThreadInfo> out;
    for (const auto& [number, f] : fibers_)
        out.push_back(f->info);
    return out;
}

}  // namespace vorda::ui
