// Child threads of the frame and the frame's closing round.
#include "app/childthreads.h"

#include <algorithm>
#include <vector>

#include "platform/ui/runtime.h"
#include "platform/ui/window.h"

namespace vorda {

namespace {

bool closing = false;
// The windows CloseDown was posted to in this closing round.
std::vector<ui::WindowId> asked;

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
    asked.clear();
    askChildrenToClose();
    frame.setTimer(poll);
}

// CloseDown goes to the top window of each child thread. A form that closes
// on it leaves its list below as the thread's top window: that one is asked
// in turn, on the frame's next check.
bool askChildrenToClose() {
    ui::Runtime& rt = ui::Runtime::current();
    bool posted = false;
    for (const ui::Window* w : childWindows()) {
        const ui::Window* top = rt.topWindow(w->thread());
        if (top == nullptr || std::find(asked.begin(), asked.end(), top->id()) != asked.end())
            continue;
        asked.push_back(top->id());
        posted = rt.post(ui::EventKind::CloseDown, {}, top->thread()) || posted;
    }
    return posted;
}

void endChildrenClosing(ui::Window& frame) {
    closing = false;
    asked.clear();
    frame.setTimer(0);
}

}  // namespace vorda
