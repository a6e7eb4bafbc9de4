// Per-thread copies of process-wide memory blocks, and the end of a thread.
//
// The program's record buffers are process-wide variables (AGE, DDJ, A2 ...)
// that windows bind to and procedures read and write by name. Each procedure
// thread must nevertheless see its own copy, so that a list moving through a
// table on one thread never changes the record a form on another thread is
// showing. A block registered here keeps one copy per logical thread; its
// memory always holds the copy of one thread, the *holder*:
//
//   switchTo(n)   saves the holder's copy (the block's bytes) and loads thread
//                 n's copy into the block; a thread without a copy yet starts
//                 from the block's start image (a cleared record).
//   threadEnded(n) forgets thread n's copies and tells the end hooks.
//
// The windowing runtime switches to a procedure thread just before it runs
// that thread's fiber and back to thread 1 (the frame's, which is also the
// thread of everything outside every fiber) when the fiber yields. Code that
// must touch another thread's copy from outside its fiber (storing what the
// user typed into a window's bound field) does so inside a ThreadDataScope.
//
// Invariants:
//   1. Between two switches every block holds the holder's copy; a copy saved
//      for a thread is exactly what the block held when that thread stopped
//      being the holder.
//   2. Registering a block while a thread other than 1 holds the blocks is a
//      programming error: blocks are registered at start-up and removed at the
//      end, on thread 1.
//   3. One OS thread uses the registry (the procedure threads are fibers of
//      it); a real std::thread must not touch registered blocks.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

namespace vorda::platform {

class ThreadData {
public:
    // Registers `size` bytes at `data`; a new thread starts with `startImage`
    // (which must be `size` bytes). The block's current bytes stay the
    // holder's copy.
    static void add(void* data, size_t size, std::vector<char> startImage);
    // Forgets the block and every thread's copy of it; the block keeps the
    // holder's copy.
    static void remove(void* data);
    static bool registered(const void* data);

    // Makes `thread` the holder of every block (nothing when it already is).
    static void switchTo(int thread);
    static int holder();

    // The holder's copy of every block, in registration order, and putting
    // such a copy back into the blocks (ignored when the registered blocks
    // have changed since it was taken).
    using Snapshot = std::vector<std::vector<char>>;
    static Snapshot snapshot();
    static void restore(const Snapshot& copies);

    // Thread `thread` has ended: its copies are dropped (thread 1's never are)
    // and every end hook runs with its number. When the ended thread held the
    // blocks, thread 1 holds them afterwards.
    static void threadEnded(int thread);

    // A hook run for every thread that ends (per-thread state of the record
    // managers is released there). Returns an id for removeEndHook.
    static int addEndHook(std::function<void(int thread)> hook);
    static void removeEndHook(int id);
};

// Makes `thread` the holder for the scope's lifetime, then gives the blocks
// back to the thread that held them before.
class ThreadDataScope {
public:
    explicit ThreadDataScope(int thread) : previous_(ThreadData::holder()) {
        ThreadData::switchTo(thread);
    }
    ~ThreadDataScope() { ThreadData::switchTo(previous_); }
    ThreadDataScope(const ThreadDataScope&) = delete;
    ThreadDataScope& operator=(const ThreadDataScope&) = delete;

private:
    int previous_;
};

}  // namespace vorda::platform
