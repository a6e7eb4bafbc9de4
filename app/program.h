// Program: the start and end order of a run, shared by the windowed program
// and the script player (`vorda --script FILE`).
//
//   1. global data cleared, request variables 0     (ClearDataGlobals)
//   2. the help file named "Vorda.hlp"
//   3. GlobalErrors Init
//   4. INIMgr Init "vorda.INI" (also where the diskette writer finds its drives)
//   5. DctInit (managers created, FilesInit); the procedures one feature
//      hands work to in another connected (procedurewiring.h)
//   6. the frame runs until it is closed             (the caller's runFrame)
//   7. INIMgr Update, Kill                           (writes vorda.INI)
//   8. DctKill
//   9. GlobalErrors Kill
//
// Everything lives in the working directory. A settings file that is missing,
// unreadable or malformed reads as defaults (INIClass never fails).
#pragma once

#include <functional>

namespace vorda {

class Program {
public:
    // Runs steps 1 to 9 with `runFrame` as step 6 and returns its status
    // (the windowed program's is always 0).
    static int run(const std::function<int()>& runFrame);

private:
    static void start();
    static void end();
};

}  // namespace vorda
