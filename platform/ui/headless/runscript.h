// runScript: `vorda --script FILE` without the program's own start-up.
//
// Builds a headless backend and a runtime, starts the registry's frame as
// the program would, replays `script` and writes the transcript (see
// scriptplayer.h). Every procedure thread still alive at the end is unwound
// before it returns. Returns the exit status: 0 when every line ran, 1 when a
// line could not run (its ERROR line is the transcript's last).
#pragma once

#include <functional>
#include <istream>
#include <ostream>

#include "platform/ui/registry.h"

namespace vorda::ui {

class HeadlessBackend;

// `prepare` may set the backend up before the replay (its PDF writer).
int runScript(std::istream& script, std::ostream& transcript, const Registry& registry,
              const std::function<void(HeadlessBackend&)>& prepare = {});

}  // namespace vorda::ui
