// Child threads of the frame and the frame's closing round.
#include "app/childthreads.h"

#include <algorithm>
#include <vector>

#include "platform/ui/runtime.h"
#include "platform/ui/window.h"

namespace vorda {

namespace {

bool closing = false;

int frameThread() {
    const ui::Window* frame = ui::Runtime::current().frame();
    return frame != nullptr ? frame->thread() : 0;
}

std::vector<const ui::Window*> childWindows() {
    const int frame = frameThread();
    std::vector<const ui::Window*> children;
    for (const ui::Window* w : ui::Runtime::current().windows()) {
        if (w->thread() != frame)
            children.push_back(w);
    }
    return children;
}

void reportEnd() {
    if (!closing)
        return;
    if (const int frame = frameThread())
        ui::Runtime::current().post(ui::EventKind::Timer, {}, frame);
}

}  // namespace

std::function<void()> childProcedure(std::function<void()> procedure) {
    return [procedure = std::move(procedure)] {
        procedure();
        reportEnd();
    };
}

void startChild(std::function<void()> procedure, size_t stackBytes) {
    ui::Runtime::current().start(childProcedure(std::move(procedure)), stackBytes);
}

bool childWindowsOpen() {
    return !childWindows().empty();
}

bool childrenIdle() {
    const ui::Runtime& rt = ui::Runtime::current();
    const std::vector<const ui::Window*> children = childWindows();
    return std::none_of(children.begin(), children.end(), [&rt](const ui::Window* w) {
        return rt.messagePending(w->thread()) || w->hasEvent();
    });
}

bool childrenClosing() {
    return closing;
}

void beginChildrenClosing(ui::Window& frame, int poll) {
    closing = true;
    std::vector<int> threads;
    for (const ui::Window* w : childWindows()) {
        if (std::find(threads.begin(), threads.end(), w->thread()) == threads.end())
            threads.push_back(w->thread());
    }
    for (int t : threads)
        ui::Runtime::current().post(ui::EventKind::CloseDown, {}, t);
    frame.setTimer(poll);
}

void endChildrenClosing(ui::Window& frame) {
    closing = false;
    frame.setTimer(0);
}

}  // namespace vorda
