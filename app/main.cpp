// vorda: the program.
//
//   vorda                  the windowed program (Qt)
//   vorda --script FILE    the same program on the headless backend: replays
//                          FILE and writes the transcript to stdout; exit
//                          status 0 when every line ran, 1 otherwise
//   vorda --start NAME [insert|change|delete]
//                          the windowed program with one registered procedure
//                          started as a script's `start` would (for looking at
//                          a window before its menu item exists)
//   vorda --pdf FILE NRO_AGENTE PERIODO
//                          writes the declaration of agent NRO_AGENTE (as
//                          stored, 1/23.45.678) and period PERIODO (year,
//                          month, presentation: 20050501) with its three
//                          annexes into the PDF FILE, without a window; exit
//                          status 0, or 1 with the reason on standard error
//   vorda --verificar FILE checks the presentation file FILE record by record
//                          and prints one line per fault, or the record counts;
//                          exit status 0 when it is sound, 1 otherwise
//
// Both run in the current directory, through the same start and end order
// (Program::run). Any other argument list prints the usage and exits with 2.
#include <fstream>
#include <functional>
#include <iostream>
#include <string_view>

#include "app/pdfexport.h"
#include "app/procedures.h"
#include "app/program.h"
#include "app/windowedrun.h"
#include "diskette/verificar.h"
#include "framework/level.h"
#include "platform/ui/headless/headlessbackend.h"
#include "platform/ui/headless/runscript.h"

namespace {

int usage() {
    std::cerr << "uso: vorda [--script ARCHIVO | --start PROCEDIMIENTO [insert|change|delete] |\n"
                 "             --pdf ARCHIVO NRO_AGENTE PERIODO | --verificar ARCHIVO]\n";
    return 2;
}

int verifyFile(const char* path) {
    const vorda::Verification v = vorda::verifyPresentationFile(path);
    for (const std::string& line : v.report())
        std::cout << line << "\n";
    return v.sound() ? 0 : 1;
}

int runScriptFile(const char* path) {
    std::ifstream script(path);
    if (!script) {
        std::cerr << "vorda: no se puede leer " << path << "\n";
        return 2;
    }
    return vorda::Program::run([&script] {
        return vorda::ui::runScript(
            script, std::cout, vorda::programRegistry(),
            [](vorda::ui::HeadlessBackend& backend) { backend.setPdfWriter(&vorda::pdfWriter); });
    });
}

// The procedure `name` of the registry as a script's `start` runs it.
std::function<void()> registeredProcedure(const char* name, const char* request) {
    static const vorda::ui::Registry registry = vorda::programRegistry();
    const vorda::ui::Registry::Entry* entry = registry.procedure(name);
    const std::string_view r = request != nullptr ? request : "";
    const int code = r == "insert"   ? vorda::RequestInsert
                     : r == "change" ? vorda::RequestChange
                     : r == "delete" ? vorda::RequestDelete
                                     : 0;
    if (entry == nullptr || (request != nullptr && code == 0))
        return {};
    return [procedure = entry->procedure, code] {
        registry.requestHook()(code);
        procedure();
    };
}

int runWithProcedure(int argc, char** argv) {
    const std::function<void()> procedure =
        registeredProcedure(argv[2], argc == 4 ? argv[3] : nullptr);
    if (!procedure)
        return usage();
    // Qt sees only the program's name: the other arguments are ours.
    return vorda::Program::run(
        [argv, &procedure] { return vorda::runWindowed(1, argv, procedure); });
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string_view(argv[1]) == "--script")
        return runScriptFile(argv[2]);
    if (argc == 3 && std::string_view(argv[1]) == "--verificar")
        return verifyFile(argv[2]);
    if ((argc == 3 || argc == 4) && std::string_view(argv[1]) == "--start")
        return runWithProcedure(argc, argv);
    if (argc == 5 && std::string_view(argv[1]) == "--pdf") {
        return vorda::Program::run(
            [argv] { return vorda::exportDeclarationPdf(argv[2], argv[3], argv[4], std::cerr); });
    }
    if (argc == 1)
        return vorda::Program::run([argc, argv] { return vorda::runWindowed(argc, argv); });
    return usage();
}
