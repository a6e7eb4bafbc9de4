// runScript: a headless runtime around one script replay.
#include "platform/ui/headless/runscript.h"

#include "platform/ui/headless/headlessbackend.h"
#include "platform/ui/headless/scriptplayer.h"
#include "platform/ui/runtime.h"

namespace vorda::ui {

int runScript(std::istream& script, std::ostream& transcript, const Registry& registry,
              const std::function<void(HeadlessBackend&)>& prepare) {
    HeadlessBackend backend(&transcript);
    if (prepare)
        prepare(backend);
    Runtime runtime(backend);
    ScriptPlayer player(runtime, backend, registry, transcript);
    const int status = player.run(script);
    runtime.shutdown();
    return status;
}

}  // namespace vorda::ui
