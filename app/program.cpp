// The start and end order of a run.
#include "app/program.h"

#include "app/appglobals.h"
#include "app/procedurewiring.h"
#include "data/dictionary.h"
#include "data/globals.h"
#include "framework/errorclass.h"
#include "framework/requestglobals.h"

namespace vorda {

int Program::run(const std::function<int()>& runFrame) {
    start();
    const int status = runFrame();
    end();
    return status;
}

void Program::start() {
    ClearDataGlobals();
    GlobalRequest = 0;
    GlobalResponse = 0;
    VCRRequest = 0;
    HelpFile = ProgramHelpFile;
    GlobalErrors().Init();
    INIMgr.Init(SettingsFileName);
    DctInit();
    connectProcedures();
}

void Program::end() {
    INIMgr.Update();
    disconnectProcedures();
    INIMgr.Kill();
    DctKill();
    GlobalErrors().Kill();
}

}  // namespace vorda
