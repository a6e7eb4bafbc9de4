// The windowed run: step 6 of the start and end order on the Qt backend.
#pragma once

#include <functional>

namespace vorda {

// Starts MAIN on thread 1 (and `alsoStart`, when given, on a thread of its
// own after it) and runs the Qt event loop until the frame has closed and
// every procedure thread has ended. Returns 0.
int runWindowed(int argc, char** argv, const std::function<void()>& alsoStart = {});

}  // namespace vorda
