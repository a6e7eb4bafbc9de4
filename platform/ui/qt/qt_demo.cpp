// qt_demo: a manual look at the Qt backend (not a test). Opens the frame with
// its menus and toolbar, an agent list and an agent form. With a file name
// argument it saves a picture of the frame after a moment and ends.
//
//   QT_QPA_PLATFORM=offscreen ./qt_demo shot.png
//   xvfb-run -s "-screen 0 1280x800x24" ./qt_demo
#include <QApplication>
#include <QPixmap>
#include <QTimer>
#include <string>
#include <vector>

#include "platform/ui/qt/frameview.h"
#include "platform/ui/qt/qtbackend.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"

using namespace vorda::ui;

namespace {

struct Tool {
    int number;
    const char* tip;
    const char* icon;
};

const Tool tools[] = {
    {2005, "Ir 1ra Página", "VCRFIRST.ICO"},
    {2007, "Página Anterior", "VCRPRIOR.ICO"},
    {2009, "Registro Anterior", "VCRUP.ICO"},
    {2010, "Ubicar Registro", "FIND.ICO"},
    {2008, "Próximo Registro", "VCRDOWN.ICO"},
    {2006, "Próxima Página", "VCRNEXT.ICO"},
    {2004, "Ultima Página", "VCRLAST.ICO"},
    {2003, "Seleccionar Registro", "MARK.ICO"},
    {2000, "Agregar nuevo Registro", "INSERT.ICO"},
    {2001, "Cambiar este Registro", "EDIT.ICO"},
    {2002, "Borrar este Registro", "DELETE.ICO"},
    {2011, "Valor Previo", "DITTO.ICO"},
    {2012, "Obtener Ayuda", "HELP.ICO"},
};

WindowDesc frameDesc() {
    WindowDesc d{.caption = "VORDA",
                 .font = "Arial",
                 .bold = true,
                 .at = {0, 0, 620, 380},
                 .flags = window::Frame};
    d.menus = {
        {.text = "&Archivo",
         .items = {{.number = 1,
                    .text = "Configurar Im&presora ...",
                    .tip = "Configurar la impresora",
                    .action = StandardAction::PrintSetup},
                   {.number = 2, .text = "&Reorganizar Archivos"},
                   {.number = 3,
                    .text = "&Salir",
                    .tip = "Salir de la Aplicacion",
                    .action = StandardAction::Exit}}},
        {.text = "&Editar",
         .items = {{.number = 4, .text = "Cor&tar", .action = StandardAction::Cut},
                   {.number = 5, .text = "&Copiar", .action = StandardAction::Copy},
                   {.number = 6, .text = "&Pegar", .action = StandardAction::Paste}}},
        {.text = "&Tablas", .items = {{.number = 7, .text = "Agentes", .tip = "Browse Agentes"}}},
        {.text = "&Ventana",
         .tip = "Crea y Ordena Ventanas",
         .items = {{.number = 8, .text = "&Mosaico", .action = StandardAction::Tile},
                   {.number = 9, .text = "&Cascada", .action = StandardAction::Cascade}},
         .windowList = true},
        {.text = "&Ayuda",
         .items = {{.number = 10, .text = "&Contenido", .action = StandardAction::HelpContents}}},
    };
    int x = 0;
    for (const Tool& t : tools) {
        if (t.number == 2003 || t.number == 2011)
            x += 4;
        d.toolbar.push_back({.number = t.number,
                             .kind = ControlKind::ToolButton,
                             .at = {x, 0, 16, 14},
                             .tip = t.tip,
                             .icon = t.icon});
        x += 16;
    }
    return d;
}

WindowDesc formDesc() {
    WindowDesc d{.caption = "Agregando un  Agente",
                 .font = "Arial",
                 .bold = true,
                 .at = {230, 10, 230, 190},
                 .flags = window::MdiChild | window::SystemMenu};
    d.controls.push_back({.number = 1, .kind = ControlKind::Sheet, .at = {4, 4, 222, 160}});
    d.controls.push_back({.number = 2, .kind = ControlKind::Tab, .text = "General", .parent = 1});
    const char* prompts[] = {
        "Nº de Agente:", "Nº de C.U.I.T.:", "Denominación:", "Domicilio:",
        "Localidad:",    "Teléfono:",       "Fax:",          "Correo Electrónico:"};
    const char* pictures[] = {"#/##.##.###", "##-########-#", "s50", "s30",
                              "s15",         "s12",           "s12", "s40"};
    for (int i = 0; i < 8; ++i) {
        d.controls.push_back({.number = 10 + 2 * i,
                              .kind = ControlKind::Prompt,
                              .text = prompts[i],
                              .at = {10, 24 + 16 * i, 70, 10},
                              .parent = 2});
        d.controls.push_back({.number = 11 + 2 * i,
                              .kind = ControlKind::Entry,
                              .picture = pictures[i],
                              .at = {84, 22 + 16 * i, i < 2 ? 60 : 134, 12},
                              .msg = prompts[i],
                              .parent = 2});
    }
    d.controls.push_back({.number = 40,
                          .kind = ControlKind::Button,
                          .text = "Aceptar",
                          .at = {60, 170, 50, 14},
                          .flags = control::Default});
    d.controls.push_back(
        {.number = 41, .kind = ControlKind::Button, .text = "Cancelar", .at = {114, 170, 50, 14}});
    d.controls.push_back(
        {.number = 42, .kind = ControlKind::Button, .text = "Ayuda", .at = {168, 170, 50, 14}});
    return d;
}

WindowDesc listDesc() {
    WindowDesc d{.caption = "Agentes",
                 .font = "Arial",
                 .bold = true,
                 .at = {4, 4, 220, 150},
                 .flags = window::MdiChild | window::SystemMenu | window::Resizable};
    std::vector<ListColumn> cols = {
        {.header = "Nº de Agente",
         .width = 52,
         .indent = 2,
         .rightBorder = true,
         .resizable = true},
        {.header = "Nº de C.U.I.T.",
         .width = 60,
         .indent = 2,
         .rightBorder = true,
         .resizable = true},
        {.header = "Denominación",
         .width = 91,
         .indent = 2,
         .rightBorder = true,
         .resizable = true},
    };
    d.controls = {
        {.number = 1,
         .kind = ControlKind::List,
         .at = {4, 4, 212, 118},
         .msg = "Recorriendo Registros",
         .columns = cols},
        {.number = 2, .kind = ControlKind::Button, .text = "&Agregar", .at = {4, 130, 50, 14}},
        {.number = 3, .kind = ControlKind::Button, .text = "&Cambiar", .at = {58, 130, 50, 14}},
        {.number = 4, .kind = ControlKind::Button, .text = "Salir", .at = {166, 130, 50, 14}},
    };
    return d;
}

// The about box's layout: no caption, texts and logo at their positions.
WindowDesc aboutDesc() {
    WindowDesc d{.font = "MS Sans Serif", .at = {100, 20, 295, 215}, .flags = window::MdiChild};
    d.controls = {
        {.number = 1,
         .kind = ControlKind::String,
         .text = "V.O.R.D.A. 2.0",
         .at = {11, 15, 273, 10}},
        {.number = 2,
         .kind = ControlKind::String,
         .text =
             "Software Domiciliario de Agentes de Retención de Sellos  --  Entidades Financieras",
         .at = {11, 30, 273, 10}},
        {.number = 3,
         .kind = ControlKind::Image,
         .text = "Logo de Tolmas.bmp",
         .at = {15, 75, 137, 132}},
        {.number = 4,
         .kind = ControlKind::String,
         .text = "DIRECCION GENERAL DE TOLMAS",
         .at = {157, 175, 124, 10}},
        {.number = 5,
         .kind = ControlKind::String,
         .text = "PROVINCIA DEL VESPRA",
         .at = {157, 193, 124, 10}},
    };
    return d;
}

void runWindow(WindowDesc desc, void (*prepare)(Window&)) {
    Window w(std::move(desc));
    w.open();
    if (prepare != nullptr)
        prepare(w);
    for (Event e = w.ask(); e.kind != EventKind::CloseWindow && e.kind != EventKind::CloseDown;
         e = w.ask()) {
    }
}

void fillList(Window& w) {
    std::vector<Row> rows;
    for (int i = 1; i <= 30; ++i) {
        rows.push_back({"1/00.00." + std::to_string(100 + i),
                        "30-5" + std::to_string(1000000 + i) + "-9",
                        "Banco Ejemplo " + std::to_string(i)});
    }
    w.control(1).setRows(rows);
    w.control(1).setSelection(1);
    w.control(1).setThumb(0);
}

bool aboutOnly = false;

void mainProcedure() {
    Runtime& rt = Runtime::current();
    Window w(frameDesc());
    w.open();
    if (aboutOnly) {
        rt.start([] { runWindow(aboutDesc(), nullptr); });
    } else {
        rt.start([] { runWindow(listDesc(), fillList); });
        rt.start([] { runWindow(formDesc(), nullptr); });
    }
    for (Event e = w.ask(); e.kind != EventKind::CloseWindow && e.kind != EventKind::CloseDown;
         e = w.ask()) {
        if (e.kind == EventKind::Accepted && e.control.value() == 7)
            rt.start([] { runWindow(listDesc(), fillList); });
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vorda::ui::qt::QtBackend backend;
    Runtime rt(backend);
    aboutOnly = argc > 2 && std::string(argv[2]) == "about";
    rt.start(mainProcedure);
    if (argc > 1) {
        const QString file = QString::fromLocal8Bit(argv[1]);
        QTimer::singleShot(1500, &backend, [&backend, &rt, file] {
            if (backend.frame() != nullptr)
                backend.frame()->grab().save(file);
            rt.postCloseDown();
        });
    }
    return backend.exec(rt);
}
