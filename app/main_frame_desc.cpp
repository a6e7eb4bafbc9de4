// The frame's window description: caption, font, menus with their tips and
// the thirteen toolbar buttons, as data.
#include "app/main_frame.h"

namespace vorda {

namespace {

using ui::ControlDesc;
using ui::ControlKind;
using ui::MenuDesc;
using ui::MenuItemDesc;
using ui::StandardAction;

std::vector<MenuDesc> frameMenus() {
    return {
        {.text = "&Archivo",
         .items = {{.number = MainCtl::PrintSetup,
                    .text = "Configurar Im&presora ...",
                    .tip = "Configurar la impresora",
                    .action = StandardAction::PrintSetup},
                   {.number = MainCtl::ReorganizarArchivos, .text = "&Reorganizar Archivos"},
                   {.number = MainCtl::Exit,
                    .text = "&Salir",
                    .tip = "Salir de la Aplicacion",
                    .action = StandardAction::Exit}}},
        {.text = "&Editar",
         .items = {{.number = MainCtl::Cut,
                    .text = "Cor&tar",
                    .tip = "Mover item al Windows Clipboard",
                    .action = StandardAction::Cut},
                   {.number = MainCtl::Copy,
                    .text = "&Copiar",
                    .tip = "Copiar item al Windows Clipboard",
                    .action = StandardAction::Copy},
                   {.number = MainCtl::Paste,
                    .text = "&Pegar",
                    .tip = "Pegar contenido del Windows Clipboard",
                    .action = StandardAction::Paste}}},
        {.text = "&Tablas",
         .items = {{.number = MainCtl::Agentes, .text = "Agentes", .tip = "Browse Agentes"},
                   {.number = MainCtl::Declaraciones,
                    .text = "Declaraciones Juradas",
                    .tip = "Browse Declaraciones Juradas"}}},
        {.text = "&Ventana",
         .tip = "Crea y Ordena Ventanas",
         .items = {{.number = MainCtl::Tile,
                    .text = "&Mosaico",
                    .tip = "Todas las ventanas visibles",
                    .action = StandardAction::Tile},
                   {.number = MainCtl::Cascade,
                    .text = "&Cascada",
                    .tip = "Stackea todas las ventanas abiertas",
                    .action = StandardAction::Cascade},
                   {.number = MainCtl::ArrangeIcons,
                    .text = "&Arreglar Iconos",
                    .tip = "Alinea todos los iconos",
                    .action = StandardAction::ArrangeIcons}},
         .windowList = true},
        {.text = "&Ayuda",
         .tip = "Help de Windows",
         .items = {{.number = MainCtl::HelpContents,
                    .text = "&Contenido",
                    .tip = "Ver los contenidos del archivo de Ayuda",
                    .action = StandardAction::HelpContents},
                   {.number = MainCtl::HelpSearch,
                    .text = "&Buscar ayuda sobre...",
                    .tip = "Buscar ayuda sobre un tema",
                    .action = StandardAction::HelpSearch},
                   {.number = MainCtl::HelpOnHelp,
                    .text = "Como usar el &Help",
                    .tip = "Como usar la ayuda de windows",
                    .action = StandardAction::HelpOnHelp},
                   {.number = MainCtl::AcercaDe, .text = "&Acerca de..."}}},
    };
}

struct ToolButton {
    int code;
    const char* tip;
    const char* icon;
    int gapBefore;  // dialog units added to the usual 16-unit step
};

// Left to right; an extra gap of 4 units before "Seleccionar Registro" and
// before "Valor Previo".
constexpr ToolButton toolButtons[] = {
    {.code = 2005, .tip = "Ir 1ra Página", .icon = "VCRFIRST.ICO", .gapBefore = 0},
    {.code = 2007, .tip = "Página Anterior", .icon = "VCRPRIOR.ICO", .gapBefore = 0},
    {.code = 2009, .tip = "Registro Anterior", .icon = "VCRUP.ICO", .gapBefore = 0},
    {.code = 2010, .tip = "Ubicar Registro", .icon = "FIND.ICO", .gapBefore = 0},
    {.code = 2008, .tip = "Próximo Registro", .icon = "VCRDOWN.ICO", .gapBefore = 0},
    {.code = 2006, .tip = "Próxima Página", .icon = "VCRNEXT.ICO", .gapBefore = 0},
    {.code = 2004, .tip = "Ultima Página", .icon = "VCRLAST.ICO", .gapBefore = 0},
    {.code = 2003, .tip = "Seleccionar Registro", .icon = "MARK.ICO", .gapBefore = 4},
    {.code = 2000, .tip = "Agregar nuevo Registro", .icon = "INSERT.ICO", .gapBefore = 0},
    {.code = 2001, .tip = "Cambiar este Registro", .icon = "EDIT.ICO", .gapBefore = 0},
    {.code = 2002, .tip = "Borrar este Registro", .icon = "DELETE.ICO", .gapBefore = 0},
    {.code = 2011, .tip = "Valor Previo", .icon = "DITTO.ICO", .gapBefore = 4},
    {.code = 2012, .tip = "Obtener Ayuda", .icon = "HELP.ICO", .gapBefore = 0},
};

std::vector<ControlDesc> frameToolbar() {
    std::vector<ControlDesc> buttons;
    int x = 2;
    for (const ToolButton& b : toolButtons) {
        x += b.gapBefore;
        buttons.push_back({.number = b.code,
                           .kind = ControlKind::ToolButton,
                           .at = {.x = x, .y = 2, .width = 16, .height = 14},
                           .tip = b.tip,
                           .icon = b.icon});
        x += 16;
    }
    return buttons;
}

}  // namespace

const ui::WindowDesc& mainFrameDesc() {
    static const ui::WindowDesc desc{
        .caption = "VORDA",
        .font = "Arial",
        .fontSize = 8,
        .bold = true,
        .at = {.x = 0, .y = 0, .width = 580, .height = 320},
        .flags = ui::window::Frame | ui::window::SystemMenu | ui::window::Resizable,
        .icon = "Logo.Ico",
        .menus = frameMenus(),
        .toolbar = frameToolbar(),
    };
    return desc;
}

}  // namespace vorda
