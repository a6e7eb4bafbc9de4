// DDJJ: window, sorts and the action buttons.
#include "declarations/ddjj.h"

#include <functional>
#include <string>

#include "data/ddjj.h"
#include "data/dictionary.h"
#include "data/globals.h"
#include "declarations/ddjj_ficha.h"
#include "declarations/procedure_hooks.h"
#include "framework/browseclass.h"
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

using Ctl = DdjjCtl;
using ui::ControlDesc;
using ui::ControlKind;

constexpr int WindowWidth = 404;
constexpr int InnerWidth = WindowWidth - 8;
constexpr int ListY = 22;
constexpr int ListHeight = 150;
constexpr int ButtonY = ListY + ListHeight + 4;

struct Button {
    Ctl number;
    const char* name;
    const char* text;
    const char* icon;
    int width;
};

// The action buttons on the first line, the list's own and the window's on
// the second.
const Button actionButtons[] = {
    {Ctl::ImportarAnexoII, "?IMPORTAR_ANEXOII", "Importar Anexo II", "Import.ico", 76},
    {Ctl::ImportarAnexoIII, "?IMPORTAR_ANEXOIII", "Importar Anexo III", "Import.ico", 80},
    {Ctl::GenerarDiskette, "?GENERAR_DISKETTE", "Generar Diskette", "diskette.ico", 74},
    {Ctl::ImprimirDdjj, "?IMPRIMIR_DDJJ", "Imprimir DDJJ", "Textot~1.ico", 66},
};
const Button listButtons[] = {
    {Ctl::Insert, "?INSERT:2", "&Agregar", "a.ico", 50},
    {Ctl::Change, "?CHANGE:2", "&Modificar", "c.ico", 50},
    {Ctl::Delete, "?DELETE:2", "&Borrar", "b.ico", 50},
    {Ctl::Close, "?CLOSE", "Salir", "salir.ico", 50},
    {Ctl::Help, "?HELP", "Ayuda", "", 50},
};

template <size_t N>
void addButtons(std::vector<ControlDesc>& controls, const Button (&buttons)[N], int y) {
    int x = 4;
    for (const Button& b : buttons) {
        controls.push_back({.number = b.number,
                            .kind = ControlKind::Button,
                            .name = b.name,
                            .text = b.text,
                            .at = {.x = x, .y = y, .width = b.width, .height = 16},
                            .icon = b.icon});
        x += b.width + 4;
    }
}

ui::ListColumn column(const char* header, const char* picture, int width) {
    return {.header = header,
            .picture = picture,
            .width = width,
            .indent = 2,
            .rightBorder = true,
            .resizable = true};
}

std::vector<ControlDesc> listControls() {
    std::vector<ControlDesc> controls{
        {.number = Ctl::CurrentTab,
         .kind = ControlKind::Sheet,
         .name = "?CURRENTTAB",
         .at = {.x = 4, .y = 4, .width = InnerWidth, .height = ListHeight + 22}},
        {.number = Ctl::Tab_Ddjj,
         .kind = ControlKind::Tab,
         .name = "?TAB:2",
         .text = "Por Nº de DDJJ",
         .parent = Ctl::CurrentTab},
        {.number = Ctl::Tab_Agente,
         .kind = ControlKind::Tab,
         .name = "?TAB:3",
         .text = "Por Agente",
         .parent = Ctl::CurrentTab},
        {.number = Ctl::Browse,
         .kind = ControlKind::List,
         .name = "?BROWSE:1",
         .at = {.x = 8, .y = ListY, .width = InnerWidth - 8, .height = ListHeight - 4},
         .msg = "Recorriendo Registros",
         .columns = {column("Nº de Agente", "@s11", 60), column("Mes", "@s2", 30),
                     column("Año", "@s4", 34), column("Presentación", "@s2", 56)},
         .rows = 10},
    };
    addButtons(controls, actionButtons, ButtonY + 4);
    addButtons(controls, listButtons, ButtonY + 24);
    return controls;
}

// The form manager of the list.
class DdjjList final : public WindowManager {
public:
    explicit DdjjList(ui::Window& window) : WindowManager(window) {}

    Level Init() override;
    Level Kill() override;
    Level TakeAccepted() override;
    // Update procedure 1 is DDJJ:FICHA, run on this thread.
    uint8_t Run(uint16_t number, uint8_t request) override;
    using WindowManager::Run;

private:
    void addSorts();
    void handOver(const std::function<void()>& hook);
    void printAll();

    BrowseClass browse_;
    StepStringClass steps_[2];
    StepLocatorClass locator_;
    ToolbarClass toolbar_;
    WindowResizeClass resizer_;
    bool openedHere_ = false;
};

Level DdjjList::Init() {
    const Level level = InitProcedure(toolbar_, Ctl::Browse);
    if (level != Benign)
        return level;
    VCRRequest = 0;
    AddItem(Ctl::Close, ResponseCancelled);
    openedHere_ = Relate::DDJJ->Open() == Benign;
    browse_.Init(Ctl::Browse, Relate::DDJJ, *this);
    OpenWindow();
    addSorts();
    browse_.AddField(ui::bindField(DDJ.NRO_AGENTE()));
    browse_.AddField(ui::bindField(DDJ.MES()));
    browse_.AddField(ui::bindField(DDJ.AÑO()));
    browse_.AddField(ui::bindField(DDJ.PRESENTACION()));
    resizer_.Init(window(), WindowResizeClass::AppSpread);
    AddItem(resizer_);
    browse_.InsertControl = Ctl::Insert;
    browse_.ChangeControl = Ctl::Change;
    browse_.DeleteControl = Ctl::Delete;
    browse_.AskProcedure = 1;
    browse_.AddToolbarTarget(toolbar_, Ctl::Help);
    browse_.SetAlerts();
    return Benign;
}

// Sort 1 by agent ("Por Agente", the second tab), sort 2 by declaration key
// with the step locator (the first tab, and any other).
void DdjjList::addSorts() {
    steps_[0].Init(1, StepStringClass::LookupMode::Runtime);
    browse_.AddSortOrder(&steps_[0], Ddjj::DJ_AGE);
    steps_[1].Init(1, StepStringClass::LookupMode::Runtime);
    browse_.AddSortOrder(&steps_[1], Ddjj::DDJJ);
    locator_.Init({}, DDJ_F::AGENTE_PERIODO, LetterCase::Exact);
    browse_.AddLocator(&locator_);
    browse_.SetSortSheet(Ctl::CurrentTab, {2, 1});
}

Level DdjjList::Kill() {
    browse_.Kill();
    const Level level = WindowManager::Kill();
    if (openedHere_)
        Relate::DDJJ->Close();
    openedHere_ = false;
    return level;
}

Level DdjjList::TakeAccepted() {
    const Level level = WindowManager::TakeAccepted();
    if (level != Benign)
        return level;
    DeclarationProcedures& procedures = declarationProcedures();
    switch (static_cast<Ctl>(CurrentEvent().control.value())) {
        case Ctl::ImportarAnexoII:
            handOver(procedures.IMPORTAR_ANEXOII);
            break;
        case Ctl::ImportarAnexoIII:
            handOver(procedures.IMPORTAR_ANEXOIII);
            break;
        case Ctl::GenerarDiskette:
            handOver(procedures.GENERAR_DISKETTE);
            break;
        case Ctl::ImprimirDdjj:
            printAll();
            break;
        case Ctl::Help:
            ui::Runtime::current().backend().standardAction(ui::StandardAction::HelpContents);
            break;
        default:
            break;
    }
    return Benign;
}

// The selected declaration (a blank key on an empty list) goes to the
// procedure in AGENTE_PERIODO.
void DdjjList::handOver(const std::function<void()>& hook) {
    browse_.UpdateViewRecord();
    AGENTE_PERIODO.NRO_AGENTE().setRaw(DDJ.NRO_AGENTE().raw());
    AGENTE_PERIODO.PERIODO().setRaw(std::string(DDJ.AÑO().raw()) + std::string(DDJ.MES().raw()) +
                                    std::string(DDJ.PRESENTACION().raw()));
    runProcedure(hook);
}

void DdjjList::printAll() {
    const DeclarationProcedures& p = declarationProcedures();
    handOver(p.IMPRIMIR_DDJJ);
    runProcedure(p.IMPRIMIR_ANEXOI);
    runProcedure(p.IMPRIMIR_ANEXOII);
    runProcedure(p.IMPRIMIR_ANEXOIII);
}

uint8_t DdjjList::Run(uint16_t number, uint8_t request) {
    if (number != 1)
        return ResponseCancelled;
    GlobalRequest = request;
    DDJJ_FICHA();
    return GlobalResponse;
}

}  // namespace

const ui::WindowDesc& ddjjDesc() {
    static const ui::WindowDesc desc{
        .caption = "Declaraciones Juradas",
        .font = "Arial",
        .fontSize = 8,
        .at = {.x = 0, .y = 0, .width = WindowWidth, .height = ButtonY + 44},
        .flags = ui::window::MdiChild | ui::window::SystemMenu | ui::window::Resizable,
        .wallpaper = "pared.gif",
        .icon = "Estampilla.ico",
        .controls = listControls(),
    };
    return desc;
}

void DDJJ() {
    RunProcedure<DdjjList>("Ddjj", ddjjDesc());
}

}  // namespace vorda
