// The windowed run on the Qt backend.
#include "app/windowedrun.h"

#include <QApplication>

#include "app/appglobals.h"
#include "app/main_frame.h"
#include "framework/windowmanager.h"
#include "platform/ui/qt/qtbackend.h"
#include "platform/ui/qt/qtplacement.h"
#include "platform/ui/qt/qttranslation.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"

namespace vorda {

int runWindowed(int argc, char** argv, const std::function<void()>& alsoStart) {
    QApplication application(argc, argv);
    ui::qt::installQtTranslation();
    ui::qt::QtBackend backend;
    backend.setHelpFile(QString::fromStdString(helpFilePath().string()));
    WindowPlacementOf = [&backend](const ui::Window& window) -> std::unique_ptr<WindowPlacement> {
        return backend.placement(window.id());
    };
    // Forms keep their placement in vorda.INI, in a section named after their procedure.
    KeepPlacement = [](ui::Window& window, const std::string& section, PlacementStep step) {
        const std::unique_ptr<WindowPlacement> placement = WindowPlacementOf(window);
        if (placement == nullptr)
            return;
        if (step == PlacementStep::Save)
            INIMgr.Update(section, *placement);
        else
            INIMgr.Fetch(section, *placement);
    };
    ui::Runtime runtime(backend);
    runtime.start(&MAIN);
    if (alsoStart)
        runtime.start(alsoStart);
    const int status = backend.exec(runtime);
    KeepPlacement = nullptr;
    WindowPlacementOf = nullptr;
    return status;
}

}  // namespace vorda
