// DDJJ:FICHA: the window, its four tabs and the two lists' columns.
#include <tuple>

#include "data/agentes.h"
#include "data/ddjj.h"
#include "declarations/ddjj_ficha.h"
#include "declarations/formrows.h"

namespace vorda {

namespace {

using Ctl = DdjjFichaCtl;
using ui::ControlDesc;
using ui::ControlKind;

constexpr int WindowWidth = 424;
constexpr int SheetWidth = WindowWidth - 8;
constexpr int SheetHeight = 200;
constexpr int PageTop = 24;  // the first row of a tab's page, clear of the tabs
constexpr int PromptX = 12;
constexpr int ControlX = 80;

struct Inciso {
    char letter;
    const char* prompt;
    const char* name;
    const char* field;
    const char* description;  // message and tip
    Decimal Ddjj::*amount;
};

constexpr Inciso incisos[] = {
    {'A', "Inciso A:", "?DDJ:INCISO_A", "DDJ:INCISO_A",
     "Adelantos en Cuenta Corriente y créditos en descubierto", &Ddjj::INCISO_A},
    {'B', "Inciso B:", "?DDJ:INCISO_B", "DDJ:INCISO_B", "Créditos - Préstamos", &Ddjj::INCISO_B},
    {'C', "Inciso C:", "?DDJ:INCISO_C", "DDJ:INCISO_C", "Pagarés - órdenes de pago",
     &Ddjj::INCISO_C},
    {'D', "Inciso D:", "?DDJ:INCISO_D", "DDJ:INCISO_D",
     "Fianzas u otras obligaciones accesorias y prendas", &Ddjj::INCISO_D},
    {'E', "Inciso E:", "?DDJ:INCISO_E", "DDJ:INCISO_E", "Giros y transferencias", &Ddjj::INCISO_E},
    {'F', "Inciso F:", "?DDJ:INCISO_F", "DDJ:INCISO_F",
     "Documentos emitidos por la entidad declarante", &Ddjj::INCISO_F},
    {'G', "Inciso G:", "?DDJ:INCISO_G", "DDJ:INCISO_G",
     "Documentos recibidos al cobro y librados contra la entidad declarante", &Ddjj::INCISO_G},
    {'H', "Inciso H:", "?DDJ:INCISO_H", "DDJ:INCISO_H", "Tarjetas de crédito", &Ddjj::INCISO_H},
    {'I', "Inciso I:", "?DDJ:INCISO_I", "DDJ:INCISO_I",
     "Operaciones de mutuo con garantía prendaria", &Ddjj::INCISO_I},
    {'J', "Inciso J:", "?DDJ:INCISO_J", "DDJ:INCISO_J", "Mutuo con pagaré", &Ddjj::INCISO_J},
    {'K', "Inciso K:", "?DDJ:INCISO_K", "DDJ:INCISO_K", "Mutuo con garantía prendaria y pagaré",
     &Ddjj::INCISO_K},
    {'L', "Inciso L:", "?DDJ:INCISO_L", "DDJ:INCISO_L",
     "Depósitos que devengan interés, excepto caja de ahorro", &Ddjj::INCISO_L},
    {'M', "Inciso M:", "?DDJ:INCISO_M", "DDJ:INCISO_M", "Otros (Inciso M)", &Ddjj::INCISO_M},
    {'N', "Inciso N:", "?DDJ:INCISO_N", "DDJ:INCISO_N", "Otros (Inciso N)", &Ddjj::INCISO_N},
};

constexpr int IncisoStep = 16;

void addIncisos(std::vector<ControlDesc>& controls, char first, char last, int y, Ctl tab) {
    for (const Inciso& i : incisos) {
        if (i.letter < first || i.letter > last)
            continue;
        formrows::addPrompted(controls,
                              {.prompt = incisoPrompt(i.letter),
                               .control = incisoEntry(i.letter),
                               .promptText = i.prompt,
                               .name = i.name,
                               .field = i.field,
                               .picture = "N20.2",
                               .msg = i.description,
                               .tip = i.description,
                               .at = {.x = ControlX, .y = y, .width = 90, .height = 12},
                               .bind = ui::bindField(DDJ.*i.amount)},
                              PromptX, tab);
        y += IncisoStep;
    }
}

// "DDJJ": agent, period and presentation, then incisos A to G.
void addFirstTab(std::vector<ControlDesc>& controls) {
    formrows::addPrompted(controls,
                          {.prompt = Ctl::DDJ_NRO_AGENTE_Prompt,
                           .control = Ctl::DDJ_NRO_AGENTE,
                           .promptText = "Nº de Agente:",
                           .name = "?DDJ:NRO_AGENTE",
                           .field = "DDJ:NRO_AGENTE",
                           .picture = "@s11",
                           .msg = "Nº de Agente",
                           .tip = "#/##.##.###",
                           .at = {.x = ControlX, .y = PageTop, .width = 52, .height = 12},
                           .bind = ui::bindField(DDJ.NRO_AGENTE())},
                          PromptX, Ctl::Tab_DDJJ);
    controls.push_back({.number = Ctl::AGE_DENOMINACION,
                        .kind = ControlKind::String,
                        .name = "?AGE:DENOMINACION",
                        .field = "AGE:DENOMINACION",
                        .picture = "@s50",
                        .at = {.x = ControlX + 58, .y = PageTop + 2, .width = 200, .height = 10},
                        .parent = Ctl::Tab_DDJJ,
                        .bind = ui::bindField(AGE.DENOMINACION)});
    formrows::addPrompted(controls,
                          {.prompt = Ctl::DDJ_MES_Prompt,
                           .control = Ctl::DDJ_MES,
                           .promptText = "Período:",
                           .name = "?DDJ:MES",
                           .field = "DDJ:MES",
                           .picture = "P##PB",
                           .msg = "Mes a Declarar",
                           .at = {.x = ControlX, .y = PageTop + 16, .width = 28, .height = 12},
                           .bind = ui::bindField(DDJ.MES()),
                           .kind = ControlKind::Spin},
                          PromptX, Ctl::Tab_DDJJ);
    controls.back().low = 1;
    controls.back().high = 12;
    controls.push_back({.number = Ctl::String2,
                        .kind = ControlKind::String,
                        .name = "?STRING2",
                        .text = "/",
                        .at = {.x = ControlX + 31, .y = PageTop + 18, .width = 6, .height = 10},
                        .parent = Ctl::Tab_DDJJ});
    controls.push_back({.number = Ctl::DDJ_AÑO,
                        .kind = ControlKind::Entry,
                        .name = "?DDJ:AÑO",
                        .field = "DDJ:AÑO",
                        .picture = "P####P",
                        .at = {.x = ControlX + 38, .y = PageTop + 16, .width = 24, .height = 12},
                        .msg = "Año a Declarar",
                        .parent = Ctl::Tab_DDJJ,
                        .bind = ui::bindField(DDJ.AÑO())});
    formrows::addPrompted(controls,
                          {.prompt = Ctl::DDJ_PRESENTACION_Prompt,
                           .control = Ctl::DDJ_PRESENTACION,
                           .promptText = "Presentación:",
                           .name = "?DDJ:PRESENTACION",
                           .field = "DDJ:PRESENTACION",
                           .picture = "P##P",
                           .at = {.x = ControlX, .y = PageTop + 32, .width = 18, .height = 12},
                           .bind = ui::bindField(DDJ.PRESENTACION())},
                          PromptX, Ctl::Tab_DDJJ);
    controls.push_back({.number = Ctl::DETALLEPRESENTACION,
                        .kind = ControlKind::String,
                        .name = "?DETALLEPRESENTACION",
                        .picture = "@s15",
                        .at = {.x = ControlX + 24, .y = PageTop + 34, .width = 64, .height = 10},
                        .parent = Ctl::Tab_DDJJ});
    addIncisos(controls, 'A', 'G', PageTop + 54, Ctl::Tab_DDJJ);
}

void addSecondTab(std::vector<ControlDesc>& controls) {
    addIncisos(controls, 'H', 'N', PageTop, Ctl::Tab_DDJJ_Cont);
    controls.push_back({.number = Ctl::AnexoI,
                        .kind = ControlKind::Button,
                        .name = "?ANEXOI",
                        .text = "Anexo I",
                        .at = {.x = 200, .y = PageTop, .width = 52, .height = 16},
                        .parent = Ctl::Tab_DDJJ_Cont});
}

constexpr int ListHeight = 148;

ui::ListColumn column(const char* header, const char* picture, int width,
                      ui::Align align = ui::Align::Left) {
    return {.header = header,
            .picture = picture,
            .width = width,
            .align = align,
            .indent = 2,
            .rightBorder = true,
            .resizable = true};
}

struct AnnexTab {
    Ctl tab, list, insert, change, remove;
    const char* listName;
    const char* insertName;
    const char* changeName;
    const char* deleteName;
    std::vector<ui::ListColumn> columns;
};

void addAnnexTab(std::vector<ControlDesc>& controls, const AnnexTab& t) {
    controls.push_back({.number = t.list,
                        .kind = ControlKind::List,
                        .name = t.listName,
                        .at = {.x = 8, .y = PageTop, .width = SheetWidth - 8, .height = ListHeight},
                        .msg = "Browsing Records",
                        .parent = t.tab,
                        .columns = t.columns,
                        .rows = 10});
    int x = 8;
    for (auto [number, name, text] : {std::tuple{t.insert, t.insertName, "&Agregar"},
                                      std::tuple{t.change, t.changeName, "&Modificar"},
                                      std::tuple{t.remove, t.deleteName, "&Borrar"}}) {
        controls.push_back(
            {.number = number,
             .kind = ControlKind::Button,
             .name = name,
             .text = text,
             .at = {.x = x, .y = PageTop + ListHeight + 4, .width = 50, .height = 16},
             .parent = t.tab});
        x += 54;
    }
}

void addAnnexTabs(std::vector<ControlDesc>& controls) {
    addAnnexTab(controls, {.tab = Ctl::Tab_AnexoII,
                           .list = Ctl::List,
                           .insert = Ctl::Insert,
                           .change = Ctl::Change,
                           .remove = Ctl::Delete,
                           .listName = "?LIST",
                           .insertName = "?INSERT",
                           .changeName = "?CHANGE",
                           .deleteName = "?DELETE",
                           .columns = {column("Documento", "@s15", 64), column("Fecha", "d6", 46),
                                       column("Parte Contratante", "@s30", 120),
                                       column("Valor", "N20.2", 76, ui::Align::Right),
                                       column("Impuesto", "N20.2", 76, ui::Align::Right)}});
    addAnnexTab(controls, {.tab = Ctl::Tab_AnexoIII,
                           .list = Ctl::List2,
                           .insert = Ctl::Insert2,
                           .change = Ctl::Change2,
                           .remove = Ctl::Delete2,
                           .listName = "?LIST:2",
                           .insertName = "?INSERT:2",
                           .changeName = "?CHANGE:2",
                           .deleteName = "?DELETE:2",
                           .columns = {column("Documento", "@s15", 64), column("Fecha", "d6", 46),
                                       column("Parte contratante", "@s30", 120),
                                       column("Valor", "N20.2", 64, ui::Align::Right),
                                       column("Ley / Decreto de exención", "@s30", 100)}});
}

std::vector<ControlDesc> formControls() {
    std::vector<ControlDesc> controls{
        {.number = Ctl::CurrentTab,
         .kind = ControlKind::Sheet,
         .name = "?CurrentTab",
         .at = {.x = 4, .y = 4, .width = SheetWidth, .height = SheetHeight}},
        {.number = Ctl::Tab_DDJJ,
         .kind = ControlKind::Tab,
         .name = "?TAB:1",
         .text = "DDJJ",
         .parent = Ctl::CurrentTab},
        {.number = Ctl::Tab_DDJJ_Cont,
         .kind = ControlKind::Tab,
         .name = "?TAB:2",
         .text = "DDJJ (cont.)",
         .parent = Ctl::CurrentTab},
        {.number = Ctl::Tab_AnexoII,
         .kind = ControlKind::Tab,
         .name = "?ANEXOII",
         .text = "Anexo II",
         .parent = Ctl::CurrentTab},
        {.number = Ctl::Tab_AnexoIII,
         .kind = ControlKind::Tab,
         .name = "?ANEXOIII",
         .text = "Anexo III",
         .parent = Ctl::CurrentTab},
    };
    addFirstTab(controls);
    addSecondTab(controls);
    addAnnexTabs(controls);
    formrows::addFormButtons(controls, {.ok = Ctl::OK, .cancel = Ctl::Cancel, .help = Ctl::Help},
                             WindowWidth - 176, SheetHeight + 10);
    return controls;
}

}  // namespace

ui::ControlId incisoPrompt(char letter) {
    return static_cast<int>(Ctl::FirstInciso) + 2 * (letter - 'A');
}

ui::ControlId incisoEntry(char letter) {
    return incisoPrompt(letter).value() + 1;
}

const ui::WindowDesc& ddjjFichaDesc() {
    static const ui::WindowDesc desc{
        .caption = "Actualizar la Tabla Ddjj",
        .font = "Arial",
        .fontSize = 8,
        .at = {.x = 0, .y = 0, .width = WindowWidth, .height = SheetHeight + 32},
        .flags = ui::window::MdiChild | ui::window::SystemMenu | ui::window::Resizable,
        .wallpaper = "pared.gif",
        .icon = "Estampilla.ico",
        .controls = formControls(),
    };
    return desc;
}

}  // namespace vorda
