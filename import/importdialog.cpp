// The dialog of an annex import (contract in importdialog.h).
#include "import/importdialog.h"

#include <string>

#include "data/globals.h"
#include "framework/runprocedure.h"
#include "framework/windowmanager.h"
#include "import/importfile.h"
#include "platform/types/trim.h"
#include "platform/ui/binding.h"
#include "platform/ui/messagebox.h"
#include "platform/ui/output.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"

namespace vorda::import {

namespace {

using Ctl = ImportCtl;
using ui::ControlKind;

constexpr const char* DefaultName = "DJ_MENS.TXT";

void errorBox(const std::string& text) {
    ui::message({.text = text, .icon = ui::Icon::Question, .okLabel = "Cerrar"});
}

class ImportDialog final : public WindowManager {
public:
    ImportDialog(ui::Window& window, uint8_t (*checking)(std::string_view),
                 uint8_t (*loading)(std::string_view))
        : WindowManager(window), checking_(checking), loading_(loading) {}

    Level Init() override;
    Level TakeAccepted() override;

private:
    Level import();
    void browse();

    uint8_t (*checking_)(std::string_view);
    uint8_t (*loading_)(std::string_view);
    std::string NOMBRE_ARCHIVO = DefaultName;
};

Level ImportDialog::Init() {
    const Level level = InitProcedure(Ctl::NOMBRE_ARCHIVO);
    if (level != Benign)
        return level;
    AddItem(Ctl::Cancel, ResponseCancelled);
    window().bind(Ctl::NOMBRE_ARCHIVO, ui::bindField(NOMBRE_ARCHIVO));
    OpenWindow();
    SetAlerts();
    return Benign;
}

Level ImportDialog::TakeAccepted() {
    const ui::ControlId control = CurrentEvent().control;
    if (control == Ctl::Browse) {
        browse();
        return Benign;
    }
    if (control != Ctl::OK)
        return WindowManager::TakeAccepted();
    Update();
    return import();
}

// The desktop's chooser of a file to open, starting at the name typed.
void ImportDialog::browse() {
    const ui::OutputResult chosen =
        ui::Runtime::current().output({.kind = ui::OutputJob::Kind::ChooseFile,
                                       .file = std::string(trimRight(NOMBRE_ARCHIVO)),
                                       .filter = "Archivos de texto (*.txt *.TXT);;Todos (*)",
                                       .title = "Archivo a importar",
                                       .existing = true});
    if (chosen.status != ui::OutputResult::Status::Done)
        return;
    NOMBRE_ARCHIVO = chosen.file;
    window().display(Ctl::NOMBRE_ARCHIVO);
}

Level ImportDialog::import() {
    const std::string name = std::string(trimRight(NOMBRE_ARCHIVO));
    if (const std::string problem = declarationProblem(AGENTE_PERIODO.raw()); !problem.empty()) {
        errorBox(problem);
        return Fatal;
    }
    if (const std::string problem = importFileProblem(name); !problem.empty()) {
        errorBox(problem);
        window().select(Ctl::NOMBRE_ARCHIVO);
        return Notify;
    }
    if (checking_(name) != 0) {
        errorBox("NO SE REALIZO LA CARGA");
    } else if (loading_(name) == 0) {
        ui::message({.text = "LA INFORMACION HA SIDO CARGADA EN EL SISTEMA",
                     .icon = ui::Icon::Information,
                     .okLabel = "Cerrar"});
    } else {
        errorBox("NO SE PUDO COMPLETAR LA CARGA");
    }
    Response = ResponseCompleted;
    return Fatal;
}

}  // namespace

ui::WindowDesc importDialogDesc(const AnnexImport& annex) {
    auto line = [](Ctl number, const char* text, int y) {
        return ui::ControlDesc{.number = number,
                               .kind = ControlKind::String,
                               .text = text,
                               .at = {.x = 10, .y = y, .width = 250, .height = 10}};
    };
    return ui::WindowDesc{
        .caption = annex.caption,
        .font = "MS Sans Serif",
        .fontSize = 8,
        .at = {.x = 0, .y = 0, .width = 270, .height = 100},
        .flags = ui::window::Modal | ui::window::SystemMenu | ui::window::Center,
        .icon = "Import.ico",
        .controls =
            {
                line(Ctl::Line1, annex.lines[0], 8),
                line(Ctl::Line2, annex.lines[1], 18),
                line(Ctl::Line3, annex.lines[2], 28),
                {.number = Ctl::Prompt,
                 .kind = ControlKind::Prompt,
                 .text = "Nombre del Archivo:",
                 .at = {.x = 10, .y = 50, .width = 70, .height = 10}},
                {.number = Ctl::NOMBRE_ARCHIVO,
                 .kind = ControlKind::Entry,
                 .name = "?NOMBRE_ARCHIVO",
                 .field = "NOMBRE_ARCHIVO",
                 .picture = "@s255",
                 .at = {.x = 80, .y = 48, .width = 160, .height = 12}},
                {.number = Ctl::Browse,
                 .kind = ControlKind::Button,
                 .name = "?Examinar",
                 .text = "...",
                 .at = {.x = 244, .y = 48, .width = 16, .height = 12},
                 .tip = "Elegir el archivo"},
                {.number = Ctl::OK,
                 .kind = ControlKind::Button,
                 .name = "?OK",
                 .text = "Aceptar",
                 .at = {.x = 80, .y = 74, .width = 50, .height = 15},
                 .flags = ui::control::Default},
                {.number = Ctl::Cancel,
                 .kind = ControlKind::Button,
                 .name = "?Cancel",
                 .text = "Cancelar",
                 .at = {.x = 140, .y = 74, .width = 50, .height = 15}},
            },
    };
}

void runImportDialog(const AnnexImport& annex, uint8_t (*checking)(std::string_view),
                     uint8_t (*loading)(std::string_view)) {
    RunProcedure<ImportDialog>(annex.procedureName, importDialogDesc(annex), checking, loading);
}

}  // namespace vorda::import
