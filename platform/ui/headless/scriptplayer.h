// ScriptPlayer: replays a UI script against the headless backend and writes
// its transcript.
//
// The script language (one command a line, '#' comments, words or
// double-quoted texts):
//   menu "<menu>" "<item>"        choose a frame menu item ('&' optional)
//   start <PROCEDURE> [insert|change|delete|select]
//   type <control> "<keys>"       focus, replace the contents by typing, leave
//   focus <control>               move the focus into the control
//   key <control> <key>           a character, or Up Down PgUp PgDn Home End
//                                 Enter Esc Tab Backspace Insert Delete F1
//                                 Ctrl+' Ctrl+Enter DoubleClick
//   press <control>               press a button
//   choose <control> "<value>"    a radio value, a tab's text, a list row number
//   toolbar <code>                a frame toolbar button (2000 to 2012)
//   answer <button>               Ok, Yes, No, Cancel, or the button's label
//   popup "<item>" | popup none   choose an item of the popup menu shown
//                                 ('&' optional), or dismiss it
//   resize <width> <height>       resize the active window (dialog units)
//   close                         close the active window
//   wait <hundredths>             let clock time pass (timers fire)
//   show <control> | show window | show windows | show list <control> |
//   show enabled <control>
//   thumb <list> <percent>        drag the list's thumb to 0..100
//   set <VARIABLE> "<value>"      set a process-wide variable the program
//                                 registered (AGENTE_PERIODO: the declaration
//                                 a report prints, 19 characters)
//   preview page <n>              on the print preview (the open window with a
//   preview zoom <value>          page view): type into its "?Page" spin or
//   preview pdf "<file>"          its "?ZoomList" (a preset's value -2, -1, 50
//   preview print                 .. 300, or a percentage), save the pages as
//   preview close                 a PDF (the file chooser answers <file>),
//                                 choose "&Print" or "E&xit"
//   file "<name>"                 the next file chooser answers <name> (without
//                                 it, a chooser is cancelled)
//   show page                     the preview's current page, a LINE a line
// `menu` also finds the items of the active window's own menus.
// A <control> is its name (?OK, ?AGE:NRO_CUIT), '?' and its bound field
// (?AGE:LOCALIDAD), or its visible text in double quotes, with or without
// its '&'. Controls are looked for in the active window first, then in the
// other open windows; using one in another window activates that window.
//
// Transcript lines:
//   MESSAGE "<caption>" "<text>"  each message box, when it appears
//   POPUP "<title>", then ITEM "<text>" [disabled] | SEPARATOR per entry:
//                                 each popup menu, when it appears
//   VALUE <control> "<text>"      WINDOW "<caption>"      ENABLED <control> yes|no
//   PREVIEW "<caption>" <pages>   a print preview, when it opens
//   PRINTED <pages>               pages sent to the printer
//   PDF "<file>" <pages>          pages written to a PDF
//   LINE "<text>"                 `show page`: the text items of one line of
//                                 the page, left to right, one blank apart
//   ROW <n> "<col>" ... / ROW* <n> ... (the selected row)
//   ERROR <line>: <reason>        the line that could not run; the replay stops
// Texts are as displayed, trailing blanks removed; <control> as written.
// `show windows` lists the windows the user sees (a hidden window is left out).
// A message box must be answered by the next command line, a popup menu
// by the next `popup` line.
// A script is UTF-8 (a byte-order mark at its start is skipped). A line that
// is not, that holds a NUL or is longer than 1 MB, and a script that cannot
// be read, stop the replay with an ERROR line like a line that cannot run.
#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/ui/event.h"
#include "platform/ui/headless/scriptline.h"
#include "platform/ui/userinput.h"

namespace vorda::ui {

class Runtime;
class HeadlessBackend;
class Registry;

class ScriptPlayer {
public:
    ScriptPlayer(Runtime& runtime, HeadlessBackend& backend, const Registry& registry,
                 std::ostream& transcript);

    // Starts the frame (when registered), replays the script; 0 when every
    // line ran, 1 after writing an ERROR line.
    int run(std::istream& script);

private:
    using Words = std::vector<ScriptWord>;
    using Outcome = std::optional<std::string>;  // why a line could not run
    struct Target {
        WindowId window = 0;
        ControlId control{};
    };
    struct Command {
        std::string_view name;
        size_t minWords;
        size_t maxWords;
        Outcome (ScriptPlayer::*run)(const Words&);
    };
    static const Command commands[];

    int fail(int line, const std::string& reason);
    Outcome execute(const Words& words);
    Outcome programEnded() const;
    Outcome settle();
    Outcome done(InputResult result);

    Outcome menu(const Words& w);
    Outcome start(const Words& w);
    Outcome type(const Words& w);
    Outcome focus(const Words& w);
    Outcome key(const Words& w);
    Outcome press(const Words& w);
    Outcome choose(const Words& w);
    Outcome toolbar(const Words& w);
    Outcome answer(const Words& w);
    Outcome close(const Words& w);
    Outcome wait(const Words& w);
    Outcome show(const Words& w);
    Outcome thumb(const Words& w);
    Outcome popup(const Words& w);
    Outcome resize(const Words& w);
    Outcome set(const Words& w);
    Outcome preview(const Words& w);
    Outcome file(const Words& w);

    Outcome showValue(const ScriptWord& word);
    Outcome showList(const ScriptWord& word);
    Outcome showEnabled(const ScriptWord& word);
    Outcome showWindows(bool all);
    Outcome showPage();

    Window* previewWindow() const;
    Outcome previewMenu(Window& w, std::string_view item);
    Outcome previewType(Window& w, std::string_view control, std::string_view text);

    std::optional<Target> find(const ScriptWord& word) const;
    Outcome resolve(const ScriptWord& word, Target& target);
    Outcome focusOn(const Target& target);
    bool interrupted(const Target& target) const;

    Runtime& rt_;
    HeadlessBackend& backend_;
    const Registry& registry_;
    std::ostream& out_;
    int frameThread_ = 0;
};

}  // namespace vorda::ui
