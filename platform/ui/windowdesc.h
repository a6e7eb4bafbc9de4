// Windows described as data.
//
// A procedure declares its window as a WindowDesc with a table of
// ControlDesc rows, written with designated initializers:
//
//   enum class Ctl { TAB_GENERAL = 1, PROMPT_CUIT, AGE_NRO_CUIT, OK };
//   const WindowDesc desc{
//       .caption = "Actualizar la Tabla Agentes",
//       .flags = window::MdiChild | window::SystemMenu,
//       .controls = {
//           {.number = Ctl::TAB_GENERAL, .kind = ControlKind::Tab, .text = "General"},
//           {.number = Ctl::AGE_NRO_CUIT, .kind = ControlKind::Entry,
//            .name = "?AGE:NRO_CUIT", .field = "AGE:NRO_CUIT",
//            .picture = "##-########-#", .parent = Ctl::TAB_GENERAL},
//           {.number = Ctl::OK, .kind = ControlKind::Button, .name = "?OK",
//            .text = "Aceptar", .flags = control::Default},
//       }};
//
// Positions and sizes are in dialog units. The order of the table is the tab
// order. A control on a tab names the tab as its parent, a tab names its
// sheet, a radio names its option group. A window's menus and toolbar
// buttons (the frame's, or a child window's own) are controls too: their
// numbers come back in Accepted events.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/binding.h"
#include "platform/ui/event.h"

namespace vorda::ui {

enum class ControlKind {
    Prompt,
    Entry,
    Spin,
    Option,  // option group: its value is the chosen radio's value
    Radio,
    Check,
    List,
    Sheet,  // its choice is the current tab (1-based)
    Tab,
    Button,
    String,  // display text, optionally bound to a field
    Image,
    Group,
    Region,
    MenuItem,
    ToolButton,
    Progress,  // a thermometer: its text is the percentage shown, "0" to "100"
    DropList,  // a drop-down list: its rows are the choices, its text the one shown;
               // unless read-only the user may also type a value of his own
    PageView,  // shows pages of a print::Document (Control::document(), layout())
};

namespace control {
enum Flag : unsigned {
    Disabled = 1u << 0,
    Hidden = 1u << 1,
    ReadOnly = 1u << 2,
    Default = 1u << 3,  // the button that Enter presses
    Skip = 1u << 4,     // left out of the Tab key's order
    Transparent = 1u << 5,
    Checked = 1u << 6,  // menu items: shown with a check mark
};
}  // namespace control

namespace window {
enum Flag : unsigned {
    MdiChild = 1u << 0,
    Modal = 1u << 1,
    Frame = 1u << 2,
    SystemMenu = 1u << 3,
    Resizable = 1u << 4,
    Maximize = 1u << 5,
    Center = 1u << 6,
};
}  // namespace window

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

enum class Align { Left, Center, Right };

struct ListColumn {
    std::string header{};
    std::string picture{};  // formats the column's values (see Control::setRowValues)
    int width = 0;
    Align align = Align::Left;
    int indent = 0;
    bool rightBorder = false;
    bool resizable = false;
};

struct ControlDesc {
    ControlId number{};
    ControlKind kind = ControlKind::Prompt;
    std::string name{};   // the program's name, as scripts use it: "?AGE:NRO_CUIT", "?OK"
    std::string text{};   // prompt, button, tab, radio or string text ('&' marks the mnemonic)
    std::string field{};  // the bound field's name, "AGE:NRO_CUIT" (scripts may write "?" + field)
    std::string picture{};  // entries, spins and bound strings
    Rect at{};
    std::string tip{};
    std::string msg{};  // status bar text
    unsigned flags = 0;
    ControlId parent{};  // tab, sheet, group or option group
    std::vector<ListColumn> columns{};
    int low = 0;  // spin range
    int high = 0;
    std::string value{};  // the value a radio stores
    std::string icon{};
    Binding bind{};
    // Lists: the whole rows the list shows at its declared size where no
    // display measures them (the headless backend); 0 = not declared.
    int rows = 0;
};

// Menu items without a procedure carry out one of the runtime's own actions.
enum class StandardAction {
    None,
    PrintSetup,
    Exit,  // closes the frame
    Cut,
    Copy,
    Paste,
    Tile,
    Cascade,
    ArrangeIcons,
    HelpContents,
    HelpSearch,
    HelpOnHelp,
};

struct MenuItemDesc {
    ControlId number{};
    std::string text{};
    std::string tip{};
    StandardAction action = StandardAction::None;
    bool separator = false;
};

struct MenuDesc {
    std::string text{};
    std::string tip{};
    std::vector<MenuItemDesc> items{};
    bool windowList = false;  // also lists the open child windows
};

struct WindowDesc {
    std::string caption{};
    std::string font{};
    int fontSize = 8;
    bool bold = false;
    Rect at{};
    unsigned flags = 0;
    std::string wallpaper{};
    std::string icon{};
    int timer = 0;  // hundredths of a second; 0 = none
    std::vector<ControlDesc> controls{};
    std::vector<MenuDesc> menus{};
    std::vector<ControlDesc> toolbar{};  // ToolButton controls
    // A status bar at the foot of the window: the widths of its zones in
    // dialog units (0 = takes what is left). Zones are numbered from 1 and
    // set with Window::setStatus(). Empty: no status bar.
    std::vector<int> statusZones{};
};

}  // namespace vorda::ui
