// REORGANIZARARCHIVOS and REORGANIZARARCHIVOS:PROCESO.
#include "maintenance/reorganizararchivos.h"

#include "framework/runprocedure.h"
#include "framework/windowmanager.h"
#include "maintenance/reorganizacion.h"
#include "platform/ui/messagebox.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"

namespace vorda {

namespace {

using Ctl = ReorganizarArchivosCtl;
using ui::ControlKind;

class ReorganizarArchivos final : public WindowManager {
public:
    explicit ReorganizarArchivos(ui::Window& window) : WindowManager(window) {}

    Level Init() override;
    Level TakeAccepted() override;
};

Level ReorganizarArchivos::Init() {
    const Level level = InitProcedure(Ctl::STRING1);
    if (level != Benign)
        return level;
    OpenWindow();
    SetAlerts();
    return Benign;
}

Level ReorganizarArchivos::TakeAccepted() {
    const ui::ControlId control = CurrentEvent().control;
    if (control != Ctl::OKBUTTON && control != Ctl::CANCELBUTTON)
        return WindowManager::TakeAccepted();
    Update();
    if (control == Ctl::OKBUTTON) {
        ui::Runtime::current().start(&REORGANIZARARCHIVOS_PROCESO, ReorganizarStack);
        Reset();
    }
    return Fatal;
}

}  // namespace

const ui::WindowDesc& reorganizarArchivosDesc() {
    static const ui::WindowDesc desc{
        .caption = "Reorganizar Archivos",
        .font = "MS Sans Serif",
        .fontSize = 8,
        .at = {.x = 0, .y = 0, .width = 180, .height = 58},
        .flags = ui::window::MdiChild | ui::window::SystemMenu | ui::window::Center,
        .controls =
            {
                {.number = Ctl::STRING1,
                 .kind = ControlKind::String,
                 .name = "?STRING1",
                 .text = "¿Confirma la reorganización de archivos?",
                 .at = {.x = 12, .y = 10, .width = 160, .height = 10}},
                {.number = Ctl::OKBUTTON,
                 .kind = ControlKind::Button,
                 .name = "?OKBUTTON",
                 .text = "Aceptar",
                 .at = {.x = 34, .y = 34, .width = 50, .height = 14},
                 .flags = ui::control::Default},
                {.number = Ctl::CANCELBUTTON,
                 .kind = ControlKind::Button,
                 .name = "?CANCELBUTTON",
                 .text = "Cancelar",
                 .at = {.x = 96, .y = 34, .width = 50, .height = 14}},
            },
    };
    return desc;
}

void REORGANIZARARCHIVOS() {
    RunProcedure<ReorganizarArchivos>("ReorganizarArchivos", reorganizarArchivosDesc());
}

void REORGANIZARARCHIVOS_PROCESO() {
    std::vector<TableOutcome> outcomes;
    ui::Runtime::current().awaitWorker([&outcomes] { outcomes = rebuildTables(); });
    const bool all = allReorganised(outcomes);
    ui::message({.text = reorganisationMessage(outcomes),
                 .icon = all ? ui::Icon::Information : ui::Icon::Question,
                 .okLabel = "Cerrar"});
}

}  // namespace vorda
