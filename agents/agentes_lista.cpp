// The agent lists: window description, opening steps and the tab -> sort
// mapping.
#include "agents/agentes_lista.h"

#include "agents/agentes_ficha.h"
#include "data/dictionary.h"
#include "framework/browseclass.h"
#include "framework/errorclass.h"
#include "framework/locatorclass.h"
#include "framework/requestglobals.h"
#include "framework/runprocedure.h"
#include "framework/stepclass.h"
#include "framework/toolbarclass.h"
#include "framework/windowmanager.h"
#include "framework/windowresizeclass.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"

namespace vorda {

namespace {

using Ctl = AgentesCtl;
using ui::ControlDesc;
using ui::ControlKind;

struct Column {
    const char* header;
    const char* picture;
    int width;
    ui::Binding (*bind)();
};

constexpr int DenominationColumn = 2;

const Column columns[] = {
    {.header = "Nº de Agente",
     .picture = "@s11",
     .width = 52,
     .bind = [] { return ui::bindField(AGE.NRO_AGENTE); }},
    {.header = "Nº de C.U.I.T.",
     .picture = "@s13",
     .width = 60,
     .bind = [] { return ui::bindField(AGE.NRO_CUIT); }},
    {.header = "Denominación",
     .picture = "@s50",
     .width = 91,
     .bind = [] { return ui::bindField(AGE.DENOMINACION); }},
    {.header = "Domicilio",
     .picture = "@s30",
     .width = 80,
     .bind = [] { return ui::bindField(AGE.DOMICILIO); }},
    {.header = "Localidad",
     .picture = "@s15",
     .width = 64,
     .bind = [] { return ui::bindField(AGE.LOCALIDAD); }},
    {.header = "Teléfono",
     .picture = "@s12",
     .width = 52,
     .bind = [] { return ui::bindField(AGE.TELEFONO); }},
    {.header = "Fax",
     .picture = "@s12",
     .width = 52,
     .bind = [] { return ui::bindField(AGE.FAX); }},
    {.header = "Correo Electrónico",
     .picture = "@s40",
     .width = 80,
     .bind = [] { return ui::bindField(AGE.CORREO_ELECTRONICO); }},
};

// One tab: its prompt and locator entry.
struct TabRow {
    Ctl tab, prompt, entry;
    const char* text;
    const char* name;
    const char* msg;  // the locator entry's status text in AGENTES
};

const TabRow tabRows[] = {
    {.tab = Ctl::Tab_Nro,
     .prompt = Ctl::Prompt_Nro,
     .entry = Ctl::Locator_Nro,
     .text = "Por Nº de Agente",
     .name = "?LOC:NRO_AGENTE",
     .msg = "Nº de Agente"},
    {.tab = Ctl::Tab_Cuit,
     .prompt = Ctl::Prompt_Cuit,
     .entry = Ctl::Locator_Cuit,
     .text = "Por CUIT",
     .name = "?LOC:NRO_CUIT",
     .msg = "Nº de C.U.I.T."},
    {.tab = Ctl::Tab_Denom,
     .prompt = Ctl::Prompt_Denom,
     .entry = Ctl::Locator_Denom,
     .text = "Por Denominación",
     .name = "?LOC:DENOMINACION",
     .msg = "Denominación"},
};

struct Button {
    Ctl number;
    const char* text;
    const char* icon;
    const char* msg;
    const char* tip;
};

const Button maintenanceButtons[] = {
    {.number = Ctl::Insert,
     .text = "&Agregar",
     .icon = "a.ico",
     .msg = "Botón Agregar",
     .tip = "Permite agregar un Agente de Retención"},
    {.number = Ctl::Change, .text = "&Cambiar", .icon = "c.ico", .msg = "", .tip = ""},
    {.number = Ctl::Delete, .text = "&Borrar", .icon = "b.ico", .msg = "", .tip = ""},
};
const Button selectButtons[] = {
    {.number = Ctl::Select, .text = "&Elegir", .icon = "select.ico", .msg = "", .tip = ""},
};
const Button commonButtons[] = {
    {.number = Ctl::Close, .text = "Salir", .icon = "salir.ico", .msg = "", .tip = ""},
    {.number = Ctl::Help, .text = "Ayuda", .icon = "", .msg = "", .tip = ""},
};

// The list shows the eight columns (531 units in AGENTES, 520 in
// AGENTES:ELEGIR) and its scroll bar whole, and the window fits the frame's
// default client area (580 units, less the child window's border).
constexpr int WindowWidth = 556;
constexpr int InnerWidth = WindowWidth - 8;
constexpr int ListY = 40;
constexpr int ButtonY = 176;

void addTabs(std::vector<ControlDesc>& controls, const AgentesListVariant& v) {
    const char* prompts[] = {v.promptNro, v.promptCuit, v.promptDenom};
    const char* pictures[] = {v.pictureNro, v.pictureCuit, "@s50"};
    for (size_t i = 0; i < std::size(tabRows); ++i) {
        const TabRow& t = tabRows[i];
        const bool first = i == 0 && v.maintenance;
        controls.push_back(
            {.number = t.tab,
             .kind = ControlKind::Tab,
             .text = t.text,
             .tip = first ? "Permite la búsqueda del Agente de Retención ordenada por número." : "",
             .msg = first ? "Búsqueda por Nº de Agente de Retención" : "",
             .parent = Ctl::CurrentTab});
        controls.push_back({.number = t.prompt,
                            .kind = ControlKind::Prompt,
                            .text = prompts[i],
                            .at = {.x = 10, .y = 20, .width = 90, .height = 10},
                            .parent = t.tab});
        controls.push_back({.number = t.entry,
                            .kind = ControlKind::Entry,
                            .name = t.name,
                            .picture = pictures[i],
                            .at = {.x = 100, .y = 19, .width = 150, .height = 12},
                            .msg = v.maintenance ? t.msg : "",
                            .flags = ui::control::Skip,
                            .parent = t.tab});
    }
}

ControlDesc listControl(const AgentesListVariant& v) {
    ControlDesc list{.number = Ctl::Browse,
                     .kind = ControlKind::List,
                     .name = "?BROWSE:1",
                     .at = {.x = 4, .y = ListY, .width = InnerWidth, .height = 130},
                     .msg = "Recorriendo Registros",
                     .rows = 10};
    int i = 0;
    for (const Column& c : columns) {
        list.columns.push_back({.header = c.header,
                                .picture = c.picture,
                                .width = i++ == DenominationColumn ? v.denominationWidth : c.width,
                                .indent = 2,
                                .rightBorder = true,
                                .resizable = true});
    }
    return list;
}

template <size_t N>
void addButtons(std::vector<ControlDesc>& controls, const Button (&buttons)[N], int& x) {
    for (const Button& b : buttons) {
        controls.push_back({.number = b.number,
                            .kind = ControlKind::Button,
                            .text = b.text,
                            .at = {.x = x, .y = ButtonY, .width = 50, .height = 16},
                            .tip = b.tip,
                            .msg = b.msg,
                            .icon = b.icon});
        x += 54;
    }
}

// The form manager of either list.
class AgentesList final : public WindowManager {
public:
    AgentesList(ui::Window& window, const AgentesListVariant& variant)
        : WindowManager(window), variant_(variant) {}

    Level Init() override;
    Level Kill() override;
    Level TakeAccepted() override;
    // Update procedure 1 is AGENTES:FICHA, run on this thread.
    uint8_t Run(uint16_t number, uint8_t request) override;
    using WindowManager::Run;

private:
    void addSorts();
    void addControls();

    const AgentesListVariant& variant_;
    BrowseClass browse_;
    StepStringClass steps_[3];
    IncrementalLocatorClass locators_[3];
    ToolbarClass toolbar_;
    WindowResizeClass resizer_;
    bool openedHere_ = false;
};

Level AgentesList::Init() {
    const Level level = InitProcedure(toolbar_, Ctl::Browse);
    if (level != Benign)
        return level;
    VCRRequest = 0;
    AddItem(Ctl::Close, ResponseCancelled);
    openedHere_ = Relate::AGENTES->Open() == Benign;
    browse_.Init(Ctl::Browse, Relate::AGENTES, *this);
    OpenWindow();
    addSorts();
    for (const Column& c : columns)
        browse_.AddField(c.bind());
    resizer_.Init(window(), WindowResizeClass::AppSpread);
    AddItem(resizer_);
    addControls();
    browse_.AddToolbarTarget(toolbar_, Ctl::Help);
    browse_.SetAlerts();
    return Benign;
}

void AgentesList::addSorts() {
    struct Sort {
        int key;
        Ctl entry;
        int field;
    };
    static constexpr Sort sorts[] = {
        {.key = Agentes::AGE_CUIT, .entry = Ctl::Locator_Cuit, .field = AGE_F::NRO_CUIT},
        {.key = Agentes::AGE_DENOM, .entry = Ctl::Locator_Denom, .field = AGE_F::DENOMINACION},
        {.key = Agentes::AGE_NRO, .entry = Ctl::Locator_Nro, .field = AGE_F::NRO_AGENTE},
    };
    for (size_t i = 0; i < std::size(sorts); ++i) {
        steps_[i].Init(stepflag::Alpha, StepStringClass::LookupMode::Runtime);
        browse_.AddSortOrder(&steps_[i], sorts[i].key);
        locators_[i].Init(sorts[i].entry, sorts[i].field, LetterCase::Ignored);
        browse_.AddLocator(&locators_[i]);
    }
    // Tab 1 "Por Nº de Agente" -> 3, tab 2 "Por CUIT" -> 1, tab 3 "Por Denominación" -> 2.
    browse_.SetSortSheet(Ctl::CurrentTab, {3, 1, 2});
}

void AgentesList::addControls() {
    if (variant_.maintenance) {
        browse_.InsertControl = Ctl::Insert;
        browse_.ChangeControl = Ctl::Change;
        browse_.DeleteControl = Ctl::Delete;
        browse_.AskProcedure = 1;
        return;
    }
    browse_.SelectControl = Ctl::Select;
    browse_.HideSelect = true;
}

// A selection's chosen agent stays in the record for the caller, also when
// closing the table gives the caller back the record it had before.
Level AgentesList::Kill() {
    browse_.Kill();
    const Level level = WindowManager::Kill();
    const bool chosen = browse_.SelectingFlag && Response == ResponseCompleted;
    const Agentes choice = AGE;
    if (openedHere_)
        Relate::AGENTES->Close();
    openedHere_ = false;
    if (chosen)
        AGE = choice;
    return level;
}

Level AgentesList::TakeAccepted() {
    const Level level = WindowManager::TakeAccepted();
    if (level == Benign && CurrentEvent().control == Ctl::Help)
        ui::Runtime::current().backend().standardAction(ui::StandardAction::HelpContents);
    return level;
}

uint8_t AgentesList::Run(uint16_t number, uint8_t request) {
    if (number != 1)
        return ResponseCancelled;
    GlobalRequest = request;
    AGENTES_FICHA();
    return GlobalResponse;
}

}  // namespace

ui::WindowDesc agentesListDesc(const AgentesListVariant& v) {
    std::vector<ControlDesc> controls{
        {.number = Ctl::CurrentTab,
         .kind = ControlKind::Sheet,
         .name = "?CURRENTTAB",
         .at = {.x = 4, .y = 4, .width = InnerWidth, .height = 34}},
    };
    addTabs(controls, v);
    controls.push_back(listControl(v));
    int x = 4;
    if (v.maintenance)
        addButtons(controls, maintenanceButtons, x);
    else
        addButtons(controls, selectButtons, x);
    addButtons(controls, commonButtons, x);
    return ui::WindowDesc{
        .caption = v.caption,
        .font = "Arial",
        .fontSize = 8,
        .bold = true,
        .at = {.x = 0, .y = 0, .width = WindowWidth, .height = 198},
        .flags = ui::window::MdiChild | ui::window::SystemMenu | ui::window::Resizable,
        .wallpaper = "pared.gif",
        .controls = std::move(controls),
    };
}

void runAgentesList(const AgentesListVariant& variant) {
    RunProcedure<AgentesList>(variant.procedureName, agentesListDesc(variant), variant);
}

}  // namespace vorda
