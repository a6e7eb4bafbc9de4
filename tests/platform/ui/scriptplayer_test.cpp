// The UI-script player: every command against a tiny program (a frame with
// a splash window, a list with its form), the transcript and the ERROR lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/types/fixedtext.h"
#include "platform/ui/headless/runscript.h"
#include "platform/ui/messagebox.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"

namespace vorda::ui::test {
namespace {

struct Person {
    std::string name;
    std::string cuit;
};

// The program the scripts drive, built the way the real procedures are.
class TestProgram {
public:
    Registry registry() {
        Registry r;
        r.setFrame([this] { frame(); });
        r.addProcedure(
            "LISTA", [this] { list(); }, 50000);
        r.addProcedure("FICHA", [this] { form(); });
        r.addMenuItem("Extra", "Ficha directa", [this] {
            Runtime::current().start([this] {
                request = 0;
                form();
            });
        });
        r.setRequestHook([this](int request) { this->request = request; });
        return r;
    }

    int request = 0;

private:
    enum class FrameCtl { LIST = 100, EXIT };
    enum class ListCtl { SHEET = 1, TAB_NAME, TAB_CUIT, BROWSE, INSERT, CLOSE };
    enum class FormCtl { PROMPT_NAME = 1, NAME, CUIT, MONTH, OK, CANCEL };

    void frame();
    void splash();
    void list();
    void form();
    void fill(Window& w);

    std::vector<Person> people{{"Ana", "20-12345678-6"}, {"Beto", ""}, {"Ciro", "27-00000001-9"}};
    std::string lastName = "Ditto";
    FixedText<10> name;
    FixedText<13> cuit;
    FixedText<2> month;
};

MessageBox notice(std::string text) {
    return {.text = std::move(text), .caption = "", .icon = Icon::Hand, .okLabel = "Cerrar"};
}

void TestProgram::frame() {
    WindowDesc desc{
        .caption = "VORDA",
        .flags = window::Frame,
        .menus = {{.text = "&Archivo",
                   .items = {{.number = FrameCtl::EXIT,
                              .text = "&Salir",
                              .action = StandardAction::Exit}}},
                  {.text = "&Tablas", .items = {{.number = FrameCtl::LIST, .text = "Lista"}}}}};
    for (int code = 2000; code <= 2012; ++code) {
        desc.toolbar.push_back({.number = code, .kind = ControlKind::ToolButton});
    }
    Window w(std::move(desc));
    w.open();
    Runtime& rt = Runtime::current();
    for (;;) {
        const Event e = w.ask();
        if (e.kind == EventKind::CloseWindow)
            return;
        if (e.kind == EventKind::OpenWindow)
            rt.start([this] { splash(); });
        if (e.kind != EventKind::Accepted)
            continue;
        if (e.control.value() >= 2000 && e.control.value() <= 2012) {
            Window* child = rt.active();
            if (child != nullptr && child != &w)
                rt.post(EventKind::Accepted, e.control, child->thread());
        } else if (e.control == FrameCtl::LIST) {
            rt.start([this] { list(); }, 50000);
        }
    }
}

void TestProgram::splash() {
    Window w(WindowDesc{.timer = 500});
    w.open();
    w.alert(key::MouseLeft);
    for (;;) {
        const EventKind k = w.ask().kind;
        if (k == EventKind::Timer || k == EventKind::LoseFocus || k == EventKind::AlertKey)
            return;
    }
}

void TestProgram::fill(Window& w) {
    const bool byCuit = w.control(ListCtl::SHEET).choice() == 2;
    std::stable_sort(people.begin(), people.end(), [byCuit](const Person& a, const Person& b) {
        return byCuit ? a.cuit < b.cuit : a.name < b.name;
    });
    std::vector<Row> rows;
    for (const Person& p : people)
        rows.push_back({p.name, p.cuit});
    Control& browse = w.control(ListCtl::BROWSE);
    if (browse.pageRows() > 0 && static_cast<int>(rows.size()) > browse.pageRows())
        rows.resize(static_cast<size_t>(browse.pageRows()));
    browse.setRows(rows);
    if (browse.selection() == 0)
        browse.setSelection(1);
}

void TestProgram::list() {
    Window w(WindowDesc{
        .caption = "Lista de Personas",
        .at = {.x = 0, .y = 0, .width = 200, .height = 60},
        .flags = window::MdiChild,
        .controls = {
            {.number = ListCtl::SHEET, .kind = ControlKind::Sheet, .name = "?CURRENTTAB"},
            {.number = ListCtl::TAB_NAME,
             .kind = ControlKind::Tab,
             .text = "Por Nombre",
             .parent = ListCtl::SHEET},
            {.number = ListCtl::TAB_CUIT,
             .kind = ControlKind::Tab,
             .text = "Por CUIT",
             .parent = ListCtl::SHEET},
            {.number = ListCtl::BROWSE,
             .kind = ControlKind::List,
             .name = "?BROWSE:1",
             .at = {.x = 0, .y = 20, .width = 200, .height = 40},
             .columns = {{.header = "Nombre"}, {.header = "CUIT"}},
             .rows = 4},
            {.number = ListCtl::INSERT,
             .kind = ControlKind::Button,
             .name = "?INSERT:2",
             .text = "&Agregar"},
            {.number = ListCtl::CLOSE,
             .kind = ControlKind::Button,
             .name = "?CLOSE",
             .text = "Salir"},
        }});
    w.open();
    Control& browse = w.control(ListCtl::BROWSE);
    browse.alert(key::MouseRight);
    const PopupMenu actions{.entries = {{.text = "&Agregar"},
                                        {.separator = true},
                                        {.text = "&Borrar", .enabled = false}}};
    for (;;) {
        const Event e = w.ask();
        const bool next =
            e.kind == EventKind::ScrollDown || (e.kind == EventKind::Accepted && e.control == 2008);
        if (e.kind == EventKind::Sized)  // the list takes the window's height below the tabs
            browse.setRect({.x = 0, .y = 20, .width = 200, .height = w.size().height - 20});
        if (e.kind == EventKind::OpenWindow || e.kind == EventKind::NewSelection ||
            e.kind == EventKind::Sized)
            fill(w);
        if (next)
            browse.setSelection(browse.selection() + 1);
        const bool insert = (e.kind == EventKind::Accepted && e.control == ListCtl::INSERT) ||
                            (e.kind == EventKind::AlertKey && e.key == key::MouseRight &&
                             Runtime::current().popup(actions) == 1);
        if (insert) {
            request = 1;
            form();
            fill(w);
        }
        if (e.kind == EventKind::CloseWindow ||
            (e.kind == EventKind::Accepted && e.control == ListCtl::CLOSE)) {
            return;
        }
    }
}

void TestProgram::form() {
    name.clear();
    cuit.clear();
    month.clear();
    Window w(WindowDesc{
        .caption = request == 1 ? "Agregando una Persona" : "Persona",
        .flags = window::MdiChild,
        .controls = {
            {.number = FormCtl::PROMPT_NAME, .kind = ControlKind::Prompt, .text = "&Nombre:"},
            {.number = FormCtl::NAME,
             .kind = ControlKind::Entry,
             .name = "?T:NAME",
             .field = "T:NAME",
             .picture = "@s10",
             .bind = bindField(name)},
            {.number = FormCtl::CUIT,
             .kind = ControlKind::Entry,
             .name = "?T:CUIT",
             .field = "T:CUIT",
             .picture = "##-########-#",
             .bind = bindField(cuit)},
            {.number = FormCtl::MONTH,
             .kind = ControlKind::Spin,
             .name = "?T:MONTH",
             .picture = "P##PB",
             .low = 1,
             .high = 12,
             .bind = bindField(month)},
            {.number = FormCtl::OK,
             .kind = ControlKind::Button,
             .name = "?OK",
             .text = "Aceptar",
             .flags = control::Default},
            {.number = FormCtl::CANCEL,
             .kind = ControlKind::Button,
             .name = "?CANCEL",
             .text = "Cancelar"},
        }});
    w.open();
    w.alert(FormCtl::NAME, key::CtrlQuote);
    for (;;) {
        const Event e = w.ask();
        if (e.kind == EventKind::OpenWindow)
            w.select(FormCtl::PROMPT_NAME);
        if (e.kind == EventKind::AlertKey && e.key == key::CtrlQuote) {
            name.set(lastName);
            w.display(FormCtl::NAME);
        }
        if (e.kind == EventKind::Accepted && e.control == FormCtl::CUIT && !cuit.isBlank() &&
            cuit.str().size() != 13) {
            message(notice("Número de C.U.I.T. no válido"));
            w.select(FormCtl::CUIT);
        }
        if (e.kind == EventKind::Accepted && e.control == FormCtl::OK) {
            if (name.isBlank()) {
                message(notice("Falta el nombre"));
                w.select(FormCtl::NAME);
            } else {
                w.selectAll();
            }
        }
        if (e.kind == EventKind::Completed) {
            people.push_back({name.str(), cuit.str()});
            lastName = name.str();
            return;
        }
        if (e.kind == EventKind::CloseWindow ||
            (e.kind == EventKind::Accepted && e.control == FormCtl::CANCEL)) {
            return;
        }
    }
}

class ScriptPlayerTest : public ::testing::Test {
protected:
    // Runs `script`; returns the transcript, with the exit status in `status`.
    std::string play(const std::string& script) {
        std::istringstream in(script);
        std::ostringstream out;
        const Registry r = program.registry();
        status = runScript(in, out, r);
        return out.str();
    }

    TestProgram program;
    int status = -1;
};

TEST_F(ScriptPlayerTest, ListCommandsToolbarTabsAndAFormCalledFromTheList) {
    const std::string transcript = play(R"(# the splash is up when the program starts
show windows
menu "&Tablas" "Lista"
show windows
show list ?BROWSE:1
key ?BROWSE:1 Down
toolbar 2008
show list ?BROWSE:1
choose ?BROWSE:1 "1"
choose ?CURRENTTAB "Por CUIT"
show ?CURRENTTAB
show ?BROWSE:1
press "&Agregar"
show windows
show enabled "Agregar"
press "Aceptar"
answer Cerrar
type "Nombre:" "Carla"
type ?T:CUIT "27-1234x5678-9"
show ?T:CUIT
type ?T:MONTH "5"
show ?T:MONTH
key ?T:MONTH Up
show ?T:MONTH
key ?T:NAME Ctrl+'
show ?T:NAME
type ?T:NAME "Dario"
press ?OK
show window
show list ?BROWSE:1
close
show windows
)");
    EXPECT_EQ(transcript, R"(WINDOW ""
WINDOW "VORDA"
WINDOW "Lista de Personas"
WINDOW "VORDA"
ROW* 1 "Ana" "20-12345678-6"
ROW 2 "Beto" ""
ROW 3 "Ciro" "27-00000001-9"
ROW 1 "Ana" "20-12345678-6"
ROW 2 "Beto" ""
ROW* 3 "Ciro" "27-00000001-9"
VALUE ?CURRENTTAB "Por CUIT"
VALUE ?BROWSE:1 "Beto"
WINDOW "Agregando una Persona"
WINDOW "Lista de Personas"
WINDOW "VORDA"
ENABLED "Agregar" yes
MESSAGE "" "Falta el nombre"
VALUE ?T:CUIT "27-12345678-9"
VALUE ?T:MONTH "5"
VALUE ?T:MONTH "06"
VALUE ?T:NAME "Ditto"
WINDOW "Lista de Personas"
ROW* 1 "Beto" ""
ROW 2 "Ana" "20-12345678-6"
ROW 3 "Ciro" "27-00000001-9"
ROW 4 "Dario" "27-12345678-9"
WINDOW "VORDA"
)");
    EXPECT_EQ(status, 0);
}

TEST_F(ScriptPlayerTest, PopupMenusAreShownAndAnsweredAndResizeChangesTheListsRows) {
    const std::string transcript = play(R"(start LISTA
key ?BROWSE:1 RightClick
popup "Agregar"
show window
press ?CANCEL
key ?BROWSE:1 RightClick
popup none
show window
resize 200 30
show list ?BROWSE:1
resize 200 60
show list ?BROWSE:1
)");
    EXPECT_EQ(transcript, R"(POPUP ""
ITEM "&Agregar"
SEPARATOR
ITEM "&Borrar" disabled
WINDOW "Agregando una Persona"
POPUP ""
ITEM "&Agregar"
SEPARATOR
ITEM "&Borrar" disabled
WINDOW "Lista de Personas"
ROW* 1 "Ana" "20-12345678-6"
ROW* 1 "Ana" "20-12345678-6"
ROW 2 "Beto" ""
ROW 3 "Ciro" "27-00000001-9"
)");
    EXPECT_EQ(status, 0);
}

TEST_F(ScriptPlayerTest, StartWaitFocusRegistryMenusAndTheFramesOwnExit) {
    const std::string transcript = play(R"(wait 499
show windows
wait 1
show windows
start FICHA insert
show window
type ?T:CUIT "123"
answer Ok
show ?T:CUIT
focus ?T:NAME
type ?T:NAME "Eva"
show ?T:NAME
press "Cancelar"
menu "Extra" "Ficha directa"
show window
key ?T:NAME Esc
show windows
menu "Archivo" "Salir"
)");
    EXPECT_EQ(transcript, R"(WINDOW ""
WINDOW "VORDA"
WINDOW "VORDA"
WINDOW "Agregando una Persona"
MESSAGE "" "Número de C.U.I.T. no válido"
VALUE ?T:CUIT "12-3"
VALUE ?T:NAME "Eva"
WINDOW "Persona"
WINDOW "VORDA"
)");
    EXPECT_EQ(status, 0);
}

TEST_F(ScriptPlayerTest, ErrorLinesNameTheLineThatCouldNotRun) {
    struct Case {
        const char* script;
        const char* transcript;
    };
    const Case cases[] = {
        {"show windows\npress ?NOPE\nshow windows\n",
         "WINDOW \"\"\nWINDOW \"VORDA\"\nERROR 2: no such control\n"},
        {"start FICHA\npress ?OK\nshow windows\n",
         "MESSAGE \"\" \"Falta el nombre\"\nERROR 3: message box left unanswered\n"},
        {"start FICHA\n\n# answer nothing\npress ?OK\n",
         "MESSAGE \"\" \"Falta el nombre\"\nERROR 5: message box left unanswered\n"},
        {"answer Ok\n", "ERROR 1: answer with no box pending\n"},
        {"start FICHA\npress ?OK\nanswer Yes\n",
         "MESSAGE \"\" \"Falta el nombre\"\nERROR 3: no such button\n"},
        {"menu \"&Archivo\" \"&Salir\"\nshow windows\n", "ERROR 2: program ended\n"},
        {"launch FICHA\n", "ERROR 1: unknown command\n"},
        {"start NADA\n", "ERROR 1: no such procedure\n"},
        {"start FICHA\nkey ?T:NAME Shift+F9\n", "ERROR 2: no such key\n"},
        {"menu \"&Tablas\" \"Nada\"\n", "ERROR 1: no such menu item\n"},
        {"show \"unterminated\n", "ERROR 1: quoted text not closed\n"},
        {"start LISTA\nchoose ?BROWSE:1 \"9\"\n", "ERROR 2: no such value\n"},
        {"popup none\n", "ERROR 1: no popup menu shown\n"},
        {"start LISTA\nkey ?BROWSE:1 RightClick\nshow windows\n",
         "POPUP \"\"\nITEM \"&Agregar\"\nSEPARATOR\nITEM \"&Borrar\" disabled\n"
         "ERROR 3: popup menu left unanswered\n"},
        {"start LISTA\nkey ?BROWSE:1 RightClick\npopup \"&Borrar\"\n",
         "POPUP \"\"\nITEM \"&Agregar\"\nSEPARATOR\nITEM \"&Borrar\" disabled\n"
         "ERROR 3: item disabled\n"},
        {"start LISTA\nkey ?BROWSE:1 RightClick\n",
         "POPUP \"\"\nITEM \"&Agregar\"\nSEPARATOR\nITEM \"&Borrar\" disabled\n"
         "ERROR 3: popup menu left unanswered\n"},
        {"resize 0 30\n", "ERROR 1: bad size\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(play(c.script), c.transcript) << c.script;
        EXPECT_EQ(status, 1) << c.script;
    }
}

// What a script file may hold that no script should: each stops the replay
// with an ERROR line and status 1, and nothing of the line is run.
TEST_F(ScriptPlayerTest, MalformedInputIsRefusedNotGuessedAt) {
    using namespace std::string_literals;
    struct Case {
        std::string script;
        const char* transcript;
    };
    const Case cases[] = {
        {"start FICHA\ntype ?T:NAME \"a\xE9"
         "bcdef\"\nshow ?T:NAME\n",
         "ERROR 2: invalid UTF-8\n"},
        {"start FICHA\ntype ?T:NAME \"a\xF0\x9F\"\n", "ERROR 2: invalid UTF-8\n"},
        {"start FICHA\ntype ?T:NAME \"ab\0cd\"\nshow ?T:NAME\n"s, "ERROR 2: NUL character\n"},
        {"show windows\n"s + std::string((1 << 20) + 1, 'x') + "\nshow windows\n",
         "WINDOW \"\"\nWINDOW \"VORDA\"\nERROR 2: line longer than 1 MB\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(play(c.script), c.transcript) << c.script.substr(0, 60);
        EXPECT_EQ(status, 1) << c.script.substr(0, 60);
    }
}

TEST_F(ScriptPlayerTest, AByteOrderMarkAtTheStartIsSkipped) {
    EXPECT_EQ(play("\xEF\xBB\xBFshow window\n"), "WINDOW \"\"\n");
    EXPECT_EQ(status, 0);
    EXPECT_EQ(play("show window\n\xEF\xBB\xBFshow window\n"),
              "WINDOW \"\"\nERROR 2: unknown command\n");
}

// Files that are no scripts: a device that never ends a line is read no
// further than a line's limit; a directory cannot be read.
TEST_F(ScriptPlayerTest, AFileThatIsNoScriptEndsWithAnErrorLine) {
    const Registry r = program.registry();
    std::ostringstream out;
    std::ifstream zeros("/dev/zero", std::ios::binary);
    ASSERT_TRUE(zeros.is_open());
    EXPECT_EQ(runScript(zeros, out, r), 1);
    EXPECT_EQ(out.str(), "ERROR 1: line longer than 1 MB\n");

    std::ostringstream listing;
    std::ifstream directory(std::filesystem::temp_directory_path());
    EXPECT_EQ(runScript(directory, listing, r), 1);
    EXPECT_EQ(listing.str(), "ERROR 1: cannot read the script\n");
}

TEST_F(ScriptPlayerTest, InputToAWindowBelowAModalOneIsRefused) {
    const std::string transcript = play(R"(start LISTA
press "&Agregar"
press "Salir"
)");
    EXPECT_EQ(transcript, "ERROR 3: window blocked\n");
}

}  // namespace
}  // namespace vorda::ui::test
