// Shared set-up of the Qt backend tests: one QApplication on the offscreen
// platform, a QtBackend with its runtime per test, a loop pump, a frame
// procedure that relays the toolbar to the active child like the program's
// frame, and a child procedure that records its window's events.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "platform/ui/qt/qtbackend.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"

namespace vorda::ui::qt::test {

// The frame of the program: menus and the 13-button toolbar.
WindowDesc frameDesc();

// Runs the frame; an Accepted toolbar button (2000 to 2012) is posted to the
// thread of the active child window.
void relayingFrame();

// A child window that records every event until CloseWindow or CloseDown;
// `onEvent` may act on each event (on the window's own thread).
struct Child {
    WindowDesc desc;
    std::function<void(Window&, const Event&)> onEvent{};
    std::function<void(Window&)> onOpen{};

    struct Log {
        std::vector<Event> events;
        WindowId id = 0;
        int thread = 0;
        bool ended = false;
    };
    std::shared_ptr<Log> log = std::make_shared<Log>();

    void operator()() const;
    bool saw(EventKind kind, ControlId control = {}) const;
};

class QtTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();

    // Runs the Qt loop until `done` holds or `ms` pass; false on time-out.
    bool pump(const std::function<bool()>& done, int ms = 3000);
    void pumpFor(int ms);
    // Starts a child and waits until its window is shown.
    std::shared_ptr<Child::Log> open(Child child);

    QtBackend backend;
    Runtime rt{backend};
};

}  // namespace vorda::ui::qt::test
