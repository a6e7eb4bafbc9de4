// PDF output without a window.
#include "app/pdfexport.h"

#include <QGuiApplication>
#include <memory>

#include "data/ddjj.h"
#include "data/dictionary.h"
#include "data/globals.h"
#include "framework/reportoutput.h"
#include "platform/ui/headless/headlessbackend.h"
#include "platform/ui/qt/pagerender.h"
#include "platform/ui/runtime.h"
#include "reports/imprimir_anexos.h"
#include "reports/imprimir_ddjj.h"

namespace vorda {

namespace {

// Qt draws text only once an application object exists; without a display,
// on the offscreen platform.
void startQt() {
    if (QCoreApplication::instance() != nullptr)
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "vorda";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
}

bool validPeriod(const std::string& period) {
    return period.size() == 8 && period.find_first_not_of("0123456789") == std::string::npos;
}

bool declarationExists() {
    if (Relate::DDJJ->Open() != Benign)
        return false;
    DDJ.AGENTE_PERIODO = AGENTE_PERIODO;
    const bool found = Access::DDJJ->TryFetch(Ddjj::DDJJ) == Benign;
    Relate::DDJJ->Close();
    return found;
}

// Runs the four reports on a headless runtime, their pages collected in
// order instead of previewed.
print::Document collectReports() {
    print::Document all;
    CollectReports = [&all](const print::Document& pages) {
        all.size = pages.size;
        all.pages.insert(all.pages.end(), pages.pages.begin(), pages.pages.end());
    };
    ui::HeadlessBackend backend;
    backend.setAutoAnswer(true);
    {
        ui::Runtime runtime(backend);
        runtime.start([] {
            IMPRIMIR_DDJJ();
            IMPRIMIR_ANEXOI();
            IMPRIMIR_ANEXOII();
            IMPRIMIR_ANEXOIII();
        });
        // The reports move on with their progress windows' timers; a run that
        // waits for anything else could never end here, so it is given up.
        while (runtime.threadCount() > 0 && !runtime.haltCode() &&
               (runtime.nextTimerDue() || runtime.anyReady())) {
            backend.advance(runtime, 1);
        }
        runtime.shutdown();
    }
    CollectReports = nullptr;
    return all;
}

}  // namespace

int exportDeclarationPdf(const std::string& file, const std::string& agent,
                         const std::string& period, std::ostream& errors) {
    if (!validPeriod(period) || agent.empty() || agent.size() > 11) {
        errors << "vorda: el agente se escribe como está guardado (1/23.45.678) y el período "
                  "con año, mes y presentación (20050501).\n";
        return 1;
    }
    std::string key = agent;
    key.resize(11, ' ');
    AGENTE_PERIODO.set(key + period);
    if (!declarationExists()) {
        errors << "vorda: no existe la declaración jurada del agente " << agent
               << " para el período " << period << ".\n";
        return 1;
    }
    const print::Document pages = collectReports();
    const std::string error = pdfWriter(pages, file);
    if (!error.empty()) {
        errors << "vorda: " << error << "\n";
        return 1;
    }
    return 0;
}

std::string pdfWriter(const print::Document& document, const std::string& file) {
    startQt();
    return ui::qt::writePdf(document, file);
}

}  // namespace vorda
