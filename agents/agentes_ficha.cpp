// AGENTES:FICHA: window description, titles, opening steps, the CUIT check
// and the ditto memory.
#include "agents/agentes_ficha.h"

#include <string>

#include "data/dictionary.h"
#include "data/validar_cuit.h"
#include "framework/errorclass.h"
#include "framework/requestglobals.h"
#include "framework/runprocedure.h"
#include "framework/toolbarclass.h"
#include "framework/toolbarupdateclass.h"
#include "framework/windowmanager.h"
#include "framework/windowresizeclass.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"

namespace vorda {

namespace History {
Agentes AGE;
}

namespace {

using Ctl = AgentesFichaCtl;
using ui::ControlDesc;
using ui::ControlKind;

// One prompt-and-entry pair of the "General" tab.
struct EntryRow {
    Ctl prompt;
    Ctl entry;
    const char* promptText;
    const char* name;  // the entry's program name, "?AGE:..."
    const char* field;
    const char* picture;
    const char* msg;
    const char* tip;
    int width;  // dialog units
    ui::Binding (*bind)();
};

const EntryRow entryRows[] = {
    {.prompt = Ctl::AGE_NRO_AGENTE_Prompt,
     .entry = Ctl::AGE_NRO_AGENTE,
     .promptText = "Nº de Agente:",
     .name = "?AGE:NRO_AGENTE",
     .field = "AGE:NRO_AGENTE",
     .picture = "P#/##.##.###PB",
     .msg = "Nº de Agente",
     .tip = "#/##.##.###",
     .width = 52,
     .bind = [] { return ui::bindField(AGE.NRO_AGENTE); }},
    {.prompt = Ctl::AGE_NRO_CUIT_Prompt,
     .entry = Ctl::AGE_NRO_CUIT,
     .promptText = "Nº de C.U.I.T.:",
     .name = "?AGE:NRO_CUIT",
     .field = "AGE:NRO_CUIT",
     .picture = "P##-########-#PB",
     .msg = "Nº de C.U.I.T.:",
     .tip = "##-########-#",
     .width = 62,
     .bind = [] { return ui::bindField(AGE.NRO_CUIT); }},
    {.prompt = Ctl::AGE_DENOMINACION_Prompt,
     .entry = Ctl::AGE_DENOMINACION,
     .promptText = "Denominación:",
     .name = "?AGE:DENOMINACION",
     .field = "AGE:DENOMINACION",
     .picture = "@s50",
     .msg = "Denominación",
     .tip = "",
     .width = 190,
     .bind = [] { return ui::bindField(AGE.DENOMINACION); }},
    {.prompt = Ctl::AGE_DOMICILIO_Prompt,
     .entry = Ctl::AGE_DOMICILIO,
     .promptText = "Domicilio:",
     .name = "?AGE:DOMICILIO",
     .field = "AGE:DOMICILIO",
     .picture = "@s30",
     .msg = "Domicilio",
     .tip = "",
     .width = 124,
     .bind = [] { return ui::bindField(AGE.DOMICILIO); }},
    {.prompt = Ctl::AGE_LOCALIDAD_Prompt,
     .entry = Ctl::AGE_LOCALIDAD,
     .promptText = "Localidad:",
     .name = "?AGE:LOCALIDAD",
     .field = "AGE:LOCALIDAD",
     .picture = "@s15",
     .msg = "Localidad",
     .tip = "",
     .width = 68,
     .bind = [] { return ui::bindField(AGE.LOCALIDAD); }},
    {.prompt = Ctl::AGE_TELEFONO_Prompt,
     .entry = Ctl::AGE_TELEFONO,
     .promptText = "Teléfono:",
     .name = "?AGE:TELEFONO",
     .field = "AGE:TELEFONO",
     .picture = "@s12",
     .msg = "Telefono",
     .tip = "",
     .width = 56,
     .bind = [] { return ui::bindField(AGE.TELEFONO); }},
    {.prompt = Ctl::AGE_FAX_Prompt,
     .entry = Ctl::AGE_FAX,
     .promptText = "Fax:",
     .name = "?AGE:FAX",
     .field = "AGE:FAX",
     .picture = "@s12",
     .msg = "Nº de Fax",
     .tip = "",
     .width = 56,
     .bind = [] { return ui::bindField(AGE.FAX); }},
    {.prompt = Ctl::AGE_CORREO_ELECTRONICO_Prompt,
     .entry = Ctl::AGE_CORREO_ELECTRONICO,
     .promptText = "Correo Electrónico:",
     .name = "?AGE:CORREO_ELECTRONICO",
     .field = "AGE:CORREO_ELECTRONICO",
     .picture = "@s40",
     .msg = "Correo Electrónico",
     .tip = "",
     .width = 160,
     .bind = [] { return ui::bindField(AGE.CORREO_ELECTRONICO); }},
};

constexpr int PromptX = 12;
constexpr int EntryX = 84;
constexpr int FirstRowY = 24;
constexpr int RowStep = 16;

void addEntryRows(std::vector<ControlDesc>& controls) {
    int y = FirstRowY;
    for (const EntryRow& r : entryRows) {
        controls.push_back({.number = r.prompt,
                            .kind = ControlKind::Prompt,
                            .text = r.promptText,
                            .at = {.x = PromptX, .y = y + 2, .width = 70, .height = 10},
                            .parent = Ctl::Tab_General});
        controls.push_back({.number = r.entry,
                            .kind = ControlKind::Entry,
                            .name = r.name,
                            .field = r.field,
                            .picture = r.picture,
                            .at = {.x = EntryX, .y = y, .width = r.width, .height = 12},
                            .tip = r.tip,
                            .msg = r.msg,
                            .parent = Ctl::Tab_General,
                            .bind = r.bind()});
        y += RowStep;
    }
}

void addButtons(std::vector<ControlDesc>& controls) {
    const ui::Rect button{.x = 0, .y = 176, .width = 52, .height = 16};
    controls.push_back({.number = Ctl::OK,
                        .kind = ControlKind::Button,
                        .name = "?OK",
                        .text = "Aceptar",
                        .at = {.x = 110, .y = button.y, .width = button.width, .height = 16},
                        .flags = ui::control::Default,
                        .icon = "aceptar.ico"});
    controls.push_back({.number = Ctl::Cancel,
                        .kind = ControlKind::Button,
                        .name = "?Cancel",
                        .text = "Cancelar",
                        .at = {.x = 166, .y = button.y, .width = button.width, .height = 16},
                        .icon = "cancelar.ico"});
    controls.push_back({.number = Ctl::Help,
                        .kind = ControlKind::Button,
                        .name = "?Help",
                        .text = "Ayuda",
                        .at = {.x = 222, .y = button.y, .width = button.width, .height = 16}});
}

std::vector<ControlDesc> formControls() {
    std::vector<ControlDesc> controls{
        {.number = Ctl::CurrentTab,
         .kind = ControlKind::Sheet,
         .name = "?CurrentTab",
         .at = {.x = 4, .y = 4, .width = 274, .height = 166}},
        {.number = Ctl::Tab_General,
         .kind = ControlKind::Tab,
         .name = "?Tab:1",
         .text = "General",
         .parent = Ctl::CurrentTab},
    };
    addEntryRows(controls);
    addButtons(controls);
    return controls;
}

// The form: the form manager with this form's settings and its CUIT check.
class AgentesFicha final : public WindowManager {
public:
    explicit AgentesFicha(ui::Window& window) : WindowManager(window) {}

    Level Init() override;
    Level Ask() override;
    Level Kill() override;
    void PrimeFields() override;
    Level TakeAccepted() override;

private:
    void registerHistory();
    Level checkCuit();

    ToolbarClass toolbar_;
    WindowResizeClass resizer_;
    bool openedHere_ = false;
};

Level AgentesFicha::Init() {
    Level level = InitProcedure(toolbar_, Ctl::AGE_NRO_AGENTE_Prompt);
    if (level != Benign)
        return level;
    AddUpdateFile(*Access::AGENTES);
    registerHistory();
    AddItem(Ctl::Cancel, ResponseCancelled);
    openedHere_ = Relate::AGENTES->Open() == Benign;
    Primary = Relate::AGENTES;
    DeleteAction = DeleteMode::ShowForm;
    OKControl = Ctl::OK;
    level = PrimeUpdate();
    if (level != Benign)
        return level;
    OpenWindow();
    resizer_.Init(window(), WindowResizeClass::AppSpread);
    AddItem(resizer_);
    if (ToolbarUpdateClass* target = FormTarget())
        target->Help = true;
    SetAlerts();
    return Benign;
}

// Ctrl+' restores an entry from the agent last saved through the form.
void AgentesFicha::registerHistory() {
    HistoryKey = ui::key::CtrlQuote;
    AddHistoryFile(*Access::AGENTES, &History::AGE);
    int field = 1;
    for (const EntryRow& r : entryRows)
        AddHistoryField(r.entry, field++);
}

// A new agent starts from a cleared record, whatever the buffer held.
void AgentesFicha::PrimeFields() {
    WindowManager::PrimeFields();
    Access::AGENTES->PrimeRecord();
}

Level AgentesFicha::Ask() {
    window().setCaption(agentesFichaTitle(Request));
    return WindowManager::Ask();
}

Level AgentesFicha::Kill() {
    const Level level = WindowManager::Kill();
    if (openedHere_)
        Relate::AGENTES->Close();
    openedHere_ = false;
    return level;
}

Level AgentesFicha::TakeAccepted() {
    const Level level = WindowManager::TakeAccepted();
    if (level != Benign)
        return level;
    const ui::ControlId control = CurrentEvent().control;
    if (control == Ctl::Help) {
        ui::Runtime::current().backend().standardAction(ui::StandardAction::HelpContents);
        return Benign;
    }
    return control == Ctl::AGE_NRO_CUIT ? checkCuit() : Benign;
}

// A wrong CUIT (VALIDAR_CUIT has told the user) keeps the focus on its entry
// and ends this event, which also stops the save's select-all pass.
Level AgentesFicha::checkCuit() {
    if (VALIDAR_CUIT(AGE.NRO_CUIT.raw()) != 0)
        return Benign;
    window().select(Ctl::AGE_NRO_CUIT);
    return Notify;
}

}  // namespace

const ui::WindowDesc& agentesFichaDesc() {
    static const ui::WindowDesc desc{
        .caption = "Actualizar la Tabla Agentes",
        .font = "Arial",
        .fontSize = 8,
        .bold = true,
        .at = {.x = 0, .y = 0, .width = 282, .height = 198},
        .flags = ui::window::MdiChild | ui::window::SystemMenu | ui::window::Resizable,
        .wallpaper = "pared.gif",
        .controls = formControls(),
    };
    return desc;
}

const char* agentesFichaTitle(int request) {
    switch (request) {
        case RequestInsert:
            return "Agregando un  Agente";
        case RequestChange:
            return "Modificando datos del Agente";
        case RequestDelete:
            return "Eliminando Agente";
        default:
            return "";
    }
}

void AGENTES_FICHA() {
    // The ditto memory is cleared the first time the form is used in the run.
    static bool historyCleared = false;
    if (!historyCleared) {
        History::AGE.clear();
        historyCleared = true;
    }
    RunProcedure<AgentesFicha>("Agentes:Ficha", agentesFichaDesc());
}

}  // namespace vorda
