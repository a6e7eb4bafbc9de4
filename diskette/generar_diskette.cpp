// GENERAR_DISKETTE: window description and the dialog's two buttons.
#include "diskette/generar_diskette.h"

#include <string>

#include "diskette/hacer_diskette.h"
#include "diskette/unidades.h"
#include "framework/runprocedure.h"
#include "framework/windowmanager.h"
#include "platform/types/fixedtext.h"
#include "platform/ui/binding.h"
#include "platform/ui/window.h"

namespace vorda {

namespace {

using Ctl = GenerarDisketteCtl;
using ui::ControlKind;

std::vector<ui::ControlDesc> dialogControls() {
    return {
        {.number = Ctl::Prompt,
         .kind = ControlKind::Prompt,
         .text = "Unidad de Diskette:",
         .at = {.x = 8, .y = 23, .width = 70, .height = 10}},
        {.number = Ctl::UNIDAD_DISKETTE,
         .kind = ControlKind::Option,
         .name = "?UNIDAD_DISKETTE",
         .text = "Unidad de Diskette",
         .field = "UNIDAD_DISKETTE",
         .at = {.x = 80, .y = 4, .width = 196, .height = 52}},
        {.number = Ctl::RadioA,
         .kind = ControlKind::Radio,
         .name = "?UNIDAD_DISKETTE:Radio1",
         .text = "A",
         .at = {.x = 88, .y = 22, .width = 22, .height = 10},
         .parent = Ctl::UNIDAD_DISKETTE,
         .value = "A"},
        {.number = Ctl::FolderA,
         .kind = ControlKind::String,
         .name = "?CarpetaA",
         .at = {.x = 112, .y = 23, .width = 160, .height = 10},
         .parent = Ctl::UNIDAD_DISKETTE},
        {.number = Ctl::RadioB,
         .kind = ControlKind::Radio,
         .name = "?UNIDAD_DISKETTE:Radio2",
         .text = "B",
         .at = {.x = 88, .y = 38, .width = 22, .height = 10},
         .parent = Ctl::UNIDAD_DISKETTE,
         .value = "B"},
        {.number = Ctl::FolderB,
         .kind = ControlKind::String,
         .name = "?CarpetaB",
         .at = {.x = 112, .y = 39, .width = 160, .height = 10},
         .parent = Ctl::UNIDAD_DISKETTE},
        {.number = Ctl::OK,
         .kind = ControlKind::Button,
         .name = "?OK",
         .text = "Aceptar",
         .at = {.x = 88, .y = 64, .width = 50, .height = 14},
         .flags = ui::control::Default},
        {.number = Ctl::Cancel,
         .kind = ControlKind::Button,
         .name = "?Cancel",
         .text = "Cancelar",
         .at = {.x = 146, .y = 64, .width = 50, .height = 14}},
    };
}

class GenerarDiskette final : public WindowManager {
public:
    GenerarDiskette(ui::Window& window, FixedText<1>& unidad)
        : WindowManager(window), unidad_(unidad) {}

    Level Init() override;
    Level TakeAccepted() override;

private:
    FixedText<1>& unidad_;
    std::string folderA_;
    std::string folderB_;
};

Level GenerarDiskette::Init() {
    const Level level = InitProcedure(Ctl::UNIDAD_DISKETTE);
    if (level != Benign)
        return level;
    AddItem(Ctl::Cancel, ResponseCancelled);
    const DriveLetters drives;
    folderA_ = drives.shown('A');
    folderB_ = drives.shown('B');
    window().bind(Ctl::UNIDAD_DISKETTE, ui::bindField(unidad_));
    window().bind(Ctl::FolderA, ui::bindField(folderA_));
    window().bind(Ctl::FolderB, ui::bindField(folderB_));
    OpenWindow();
    SetAlerts();
    return Benign;
}

Level GenerarDiskette::TakeAccepted() {
    if (CurrentEvent().control != Ctl::OK)
        return WindowManager::TakeAccepted();
    Update();
    HACER_DISKETTE(unidad_.raw());
    Response = ResponseCompleted;
    return Fatal;
}

}  // namespace

const ui::WindowDesc& generarDisketteDesc() {
    static const ui::WindowDesc desc{
        .caption = "Generar Diskette",
        .font = "MS Sans Serif",
        .fontSize = 8,
        .at = {.x = 0, .y = 0, .width = 284, .height = 86},
        .flags = ui::window::Modal | ui::window::SystemMenu | ui::window::Center,
        .controls = dialogControls(),
    };
    return desc;
}

void GENERAR_DISKETTE() {
    FixedText<1> UNIDAD_DISKETTE("A");
    RunProcedure<GenerarDiskette>("Generar_Diskette", generarDisketteDesc(), UNIDAD_DISKETTE);
}

}  // namespace vorda
