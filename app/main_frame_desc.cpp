// The frame's window description: caption, font, menus with their tips and
// the thirteen toolbar buttons, as data.
#include "app/main_frame.h"
#include "framework/frametoolbar.h"

namespace vorda {

namespace {

using ui::MenuDesc;
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

}  // namespace

const ui::WindowDesc& mainFrameDesc() {
    static const ui::WindowDesc desc{
        .caption = "VORDA",
        .font = "Arial",
        .fontSize = 8,
        .bold = true,
        .at = {.x = 0, .y = 0, .width = 580, .height = 320},
        // Maximized until the user gives it a place of its own (kept in vorda.INI):
        // the children and the print preview need the room.
        .flags = ui::window::Frame | ui::window::SystemMenu | ui::window::Resizable |
                 ui::window::Maximize,
        .icon = "Logo.Ico",
        .menus = frameMenus(),
        .toolbar = frameToolbarButtons(),
    };
    return desc;
}

}  // namespace vorda
