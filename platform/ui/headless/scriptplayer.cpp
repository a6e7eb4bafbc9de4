// Replaying UI scripts: commands, control lookup and the transcript.
#include "platform/ui/headless/scriptplayer.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "platform/print/document.h"
#include "platform/types/trim.h"
#include "platform/ui/headless/headlessbackend.h"
#include "platform/ui/registry.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"

namespace vorda::ui {

namespace {

// Editors may begin a UTF-8 file with it; it is no part of the first line.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string quoted(std::string_view s) {
    return "\"" + std::string(trimRight(s)) + "\"";
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

bool sameText(std::string_view shown, std::string_view wanted) {
    return !shown.empty() && (shown == wanted || withoutMnemonic(shown) == withoutMnemonic(wanted));
}

std::optional<int> readNumber(std::string_view s) {
    int n = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
    if (ec != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return n;
}

// The text a control answers to when a script names it by its label.
std::string_view label(const Control& c) {
    switch (c.kind()) {
        case ControlKind::Entry:
        case ControlKind::Spin:
        case ControlKind::List:
            return {};
        case ControlKind::Option:
            return c.desc().text;
        case ControlKind::String:
            return c.binding() ? std::string_view() : std::string_view(c.text());
        default:
            return c.text();
    }
}

bool matches(const ScriptWord& word, const Control& c) {
    if (!word.quoted && word.text.starts_with('?')) {
        return equalsIgnoringCase(c.desc().name, word.text) ||
               (!c.desc().field.empty() && equalsIgnoringCase("?" + c.desc().field, word.text));
    }
    return sameText(label(c), word.text);
}

// What the control shows, as a script prints it.
std::string shown(const Window& w, const Control& c) {
    switch (c.kind()) {
        case ControlKind::Entry:
        case ControlKind::Spin:
        case ControlKind::Option:
            return c.text();
        case ControlKind::String:
            return c.binding() ? c.text() : withoutMnemonic(c.text());
        case ControlKind::Sheet: {
            const std::vector<const Control*> tabs = w.tabs(c.number());
            const int i = c.choice();
            return i >= 1 && i <= static_cast<int>(tabs.size())
                       ? withoutMnemonic(tabs[size_t(i - 1)]->text())
                       : std::string();
        }
        case ControlKind::List: {
            const int row = c.selection();
            return row >= 1 && !c.rows()[size_t(row - 1)].empty() ? c.rows()[size_t(row - 1)][0]
                                                                  : std::string();
        }
        default:
            return withoutMnemonic(c.text());
    }
}

std::optional<int> requestCode(std::string_view name) {
    static constexpr std::pair<std::string_view, int> codes[] = {
        {"insert", 1}, {"change", 2}, {"delete", 3}, {"select", 4}};
    for (const auto& [n, code] : codes) {
        if (equalsIgnoringCase(n, name))
            return code;
    }
    return std::nullopt;
}

}  // namespace

const ScriptPlayer::Command ScriptPlayer::commands[] = {
    {.name = "menu", .minWords = 3, .maxWords = 3, .run = &ScriptPlayer::menu},
    {.name = "start", .minWords = 2, .maxWords = 3, .run = &ScriptPlayer::start},
    {.name = "type", .minWords = 3, .maxWords = 3, .run = &ScriptPlayer::type},
    {.name = "focus", .minWords = 2, .maxWords = 2, .run = &ScriptPlayer::focus},
    {.name = "key", .minWords = 3, .maxWords = 3, .run = &ScriptPlayer::key},
    {.name = "press", .minWords = 2, .maxWords = 2, .run = &ScriptPlayer::press},
    {.name = "choose", .minWords = 3, .maxWords = 3, .run = &ScriptPlayer::choose},
    {.name = "toolbar", .minWords = 2, .maxWords = 2, .run = &ScriptPlayer::toolbar},
    {.name = "answer", .minWords = 2, .maxWords = 2, .run = &ScriptPlayer::answer},
    {.name = "close", .minWords = 1, .maxWords = 1, .run = &ScriptPlayer::close},
    {.name = "wait", .minWords = 2, .maxWords = 2, .run = &ScriptPlayer::wait},
    {.name = "show", .minWords = 2, .maxWords = 3, .run = &ScriptPlayer::show},
    {.name = "thumb", .minWords = 3, .maxWords = 3, .run = &ScriptPlayer::thumb},
    {.name = "popup", .minWords = 2, .maxWords = 2, .run = &ScriptPlayer::popup},
    {.name = "resize", .minWords = 3, .maxWords = 3, .run = &ScriptPlayer::resize},
    {.name = "set", .minWords = 3, .maxWords = 3, .run = &ScriptPlayer::set},
    {.name = "file", .minWords = 2, .maxWords = 2, .run = &ScriptPlayer::file},
    {.name = "preview", .minWords = 2, .maxWords = 3, .run = &ScriptPlayer::preview},
};

ScriptPlayer::ScriptPlayer(Runtime& runtime, HeadlessBackend& backend, const Registry& registry,
                           std::ostream& transcript)
    : rt_(runtime), backend_(backend), registry_(registry), out_(transcript) {}

// --- the replay -----------------------------------------------------------------------

int ScriptPlayer::run(std::istream& script) {
    if (const Registry::Entry* frame = registry_.frame()) {
        frameThread_ = rt_.start(frame->procedure, frame->stackBytes);
    }
    if (Outcome o = settle())
        return fail(0, *o);
    int number = 0;
    std::string line;
    for (;;) {
        const ScriptRead read = readScriptLine(script, line);
        if (read == ScriptRead::End)
            break;
        ++number;
        if (read == ScriptRead::Unreadable)
            return fail(number, "cannot read the script");
        if (read == ScriptRead::TooLong)
            return fail(number, "line longer than 1 MB");
        if (number == 1 && line.starts_with(kByteOrderMark))
            line.erase(0, kByteOrderMark.size());
        if (const std::optional<std::string> fault = scriptLineFault(line))
            return fail(number, *fault);
        const std::optional<Words> words = splitScriptLine(line);
        if (!words)
            return fail(number, "quoted text not closed");
        if (words->empty())
            continue;
        if (Outcome o = execute(*words))
            return fail(number, *o);
    }
    if (backend_.messagePending())
        return fail(number + 1, "message box left unanswered");
    if (backend_.popupPending())
        return fail(number + 1, "popup menu left unanswered");
    return 0;
}

int ScriptPlayer::fail(int line, const std::string& reason) {
    out_ << "ERROR " << line << ": " << reason << "\n";
    return 1;
}

ScriptPlayer::Outcome ScriptPlayer::execute(const Words& words) {
    const std::string& name = words.front().text;
    if (backend_.messagePending() && name != "answer")
        return "message box left unanswered";
    if (backend_.popupPending() && name != "popup")
        return "popup menu left unanswered";
    if (Outcome o = programEnded())
        return o;
    for (const Command& c : commands) {
        if (c.name != name || words.front().quoted)
            continue;
        if (words.size() < c.minWords || words.size() > c.maxWords) {
            return "wrong number of arguments";
        }
        return (this->*c.run)(words);
    }
    return "unknown command";
}

ScriptPlayer::Outcome ScriptPlayer::programEnded() const {
    if (rt_.haltCode() || (frameThread_ != 0 && !rt_.threadAlive(frameThread_))) {
        return "program ended";
    }
    return std::nullopt;
}

ScriptPlayer::Outcome ScriptPlayer::settle() {
    try {
        backend_.settle(rt_);
    } catch (const std::exception& e) {
        return std::string("procedure failed: ") + e.what();
    }
    return std::nullopt;
}

ScriptPlayer::Outcome ScriptPlayer::done(InputResult result) {
    switch (result) {
        case InputResult::Done:
        case InputResult::KeyRefused:  // the user pressed it; the control beeped
            return settle();
        case InputResult::NoWindow:
            return "window closed";
        case InputResult::Blocked:
            return "window blocked";
        case InputResult::NoControl:
            return "control cannot take this input";
        case InputResult::Disabled:
            return "control disabled";
        case InputResult::NoSuchValue:
            return "no such value";
    }
    return "unknown input result";
}

// --- controls -----------------------------------------------------------------------

std::optional<ScriptPlayer::Target> ScriptPlayer::find(const ScriptWord& word) const {
    for (const Window* w : rt_.windows()) {
        for (const auto& c : w->controls()) {
            if (matches(word, *c))
                return Target{.window = w->id(), .control = c->number()};
        }
    }
    return std::nullopt;
}

// Finds a control for input: its window becomes the active one, and a
// prompt stands for the control that follows it.
ScriptPlayer::Outcome ScriptPlayer::resolve(const ScriptWord& word, Target& target) {
    const std::optional<Target> found = find(word);
    if (!found)
        return "no such control";
    target = *found;
    Window* w = rt_.find(target.window);
    if (w->blocked())
        return "window blocked";
    // The window comes to the front first and its procedure takes the
    // activation (GainFocus) before the line goes on, as it would before the
    // user's next key or click reached it.
    if (rt_.active() != w) {
        if (Outcome o = done(rt_.input().activate(w->id())))
            return o;
        w = rt_.find(target.window);
        if (w == nullptr)
            return "window closed";
    }
    const Control& c = w->control(target.control);
    if (c.kind() == ControlKind::Prompt) {
        const auto& all = w->controls();
        auto it =
            std::find_if(all.begin(), all.end(), [&c](const auto& p) { return p.get() == &c; });
        it = std::find_if(it, all.end(), [](const auto& p) { return p->focusable(); });
        if (it != all.end())
            target.control = (*it)->number();
    }
    return std::nullopt;
}

ScriptPlayer::Outcome ScriptPlayer::focusOn(const Target& target) {
    const Window* w = rt_.find(target.window);
    if (w->focus() == target.control)
        return std::nullopt;
    return done(rt_.input().focus(target.window, target.control));
}

// True when the line cannot go on as the user would: a message box is up,
// the window closed, or a handler kept the focus elsewhere.
bool ScriptPlayer::interrupted(const Target& target) const {
    const Window* w = rt_.find(target.window);
    return backend_.messagePending() || w == nullptr || w->focus() != target.control;
}

// --- commands ---------------------------------------------------------------------

ScriptPlayer::Outcome ScriptPlayer::menu(const Words& w) {
    if (const Window* frame = rt_.frame()) {
        for (const MenuDesc& m : frame->desc().menus) {
            if (!sameText(m.text, w[1].text))
                continue;
            for (const MenuItemDesc& item : m.items) {
                if (!item.separator && sameText(item.text, w[2].text)) {
                    return done(rt_.input().menu(frame->id(), item.number));
                }
            }
        }
    }
    if (const std::function<void()>* action = registry_.menuItem(w[1].text, w[2].text)) {
        (*action)();
        return settle();
    }
    if (const Window* active = rt_.active()) {
        for (const MenuDesc& m : active->desc().menus) {
            if (!sameText(m.text, w[1].text))
                continue;
            for (const MenuItemDesc& item : m.items) {
                if (!item.separator && sameText(item.text, w[2].text))
                    return done(rt_.input().menu(active->id(), item.number));
            }
        }
    }
    return "no such menu item";
}

ScriptPlayer::Outcome ScriptPlayer::start(const Words& w) {
    const Registry::Entry* entry = registry_.procedure(w[1].text);
    if (entry == nullptr)
        return "no such procedure";
    int request = 0;
    if (w.size() == 3) {
        const std::optional<int> code = requestCode(w[2].text);
        if (!code)
            return "no such request";
        request = *code;
    }
    rt_.start(
        [hook = registry_.requestHook(), request, procedure = entry->procedure] {
            if (hook)
                hook(request);
            procedure();
        },
        entry->stackBytes);
    return settle();
}

ScriptPlayer::Outcome ScriptPlayer::type(const Words& w) {
    Target t;
    if (Outcome o = resolve(w[1], t))
        return o;
    if (!rt_.find(t.window)->control(t.control).editable())
        return "control cannot be typed into";
    if (Outcome o = focusOn(t))
        return o;
    if (interrupted(t))
        return std::nullopt;
    if (Outcome o = done(rt_.input().type(t.window, t.control, w[2].text)))
        return o;
    if (interrupted(t))
        return std::nullopt;
    return done(rt_.input().leave(t.window));
}

ScriptPlayer::Outcome ScriptPlayer::focus(const Words& w) {
    Target t;
    if (Outcome o = resolve(w[1], t))
        return o;
    if (!rt_.find(t.window)->control(t.control).focusable())
        return "control cannot take the focus";
    return focusOn(t);
}

ScriptPlayer::Outcome ScriptPlayer::key(const Words& w) {
    const std::optional<KeyCode> code = keyFromName(w[2].text);
    if (!code)
        return "no such key";
    Target t;
    if (Outcome o = resolve(w[1], t))
        return o;
    if (rt_.find(t.window)->control(t.control).focusable()) {
        if (Outcome o = focusOn(t))
            return o;
        if (interrupted(t))
            return std::nullopt;
    }
    return done(rt_.input().key(t.window, t.control, *code));
}

ScriptPlayer::Outcome ScriptPlayer::press(const Words& w) {
    Target t;
    if (Outcome o = resolve(w[1], t))
        return o;
    return done(rt_.input().press(t.window, t.control));
}

ScriptPlayer::Outcome ScriptPlayer::choose(const Words& w) {
    Target t;
    if (Outcome o = resolve(w[1], t))
        return o;
    return done(rt_.input().choose(t.window, t.control, w[2].text));
}

ScriptPlayer::Outcome ScriptPlayer::toolbar(const Words& w) {
    const std::optional<int> code = readNumber(w[1].text);
    if (!code)
        return "no such toolbar button";
    const Window* frame = rt_.frame();
    if (frame == nullptr)
        return "no frame window";
    const Control* c = frame->find(*code);
    if (c == nullptr || c->kind() != ControlKind::ToolButton)
        return "no such toolbar button";
    return done(rt_.input().menu(frame->id(), *code));
}

ScriptPlayer::Outcome ScriptPlayer::answer(const Words& w) {
    switch (backend_.answer(rt_, w[1].text)) {
        case HeadlessBackend::Answer::NoBox:
            return "answer with no box pending";
        case HeadlessBackend::Answer::NoSuchButton:
            return "no such button";
        case HeadlessBackend::Answer::Done:
            break;
    }
    return settle();
}

ScriptPlayer::Outcome ScriptPlayer::close(const Words&) {
    const Window* active = rt_.active();
    if (active == nullptr)
        return "no window open";
    return done(rt_.input().close(active->id()));
}

ScriptPlayer::Outcome ScriptPlayer::wait(const Words& w) {
    const std::optional<int> hundredths = readNumber(w[1].text);
    if (!hundredths || *hundredths < 0)
        return "bad time";
    try {
        backend_.advance(rt_, *hundredths);
    } catch (const std::exception& e) {
        return std::string("procedure failed: ") + e.what();
    }
    return std::nullopt;
}

// --- show -------------------------------------------------------------------------

ScriptPlayer::Outcome ScriptPlayer::show(const Words& w) {
    const ScriptWord& what = w[1];
    const bool keyword = !what.quoted;
    if (w.size() == 2 && keyword && what.text == "window")
        return showWindows(false);
    if (w.size() == 2 && keyword && what.text == "windows")
        return showWindows(true);
    if (w.size() == 2 && keyword && what.text == "page")
        return showPage();
    if (w.size() == 3 && keyword && what.text == "list")
        return showList(w[2]);
    if (w.size() == 3 && keyword && what.text == "enabled")
        return showEnabled(w[2]);
    if (w.size() == 2)
        return showValue(what);
    return "wrong number of arguments";
}

ScriptPlayer::Outcome ScriptPlayer::showWindows(bool all) {
    const std::vector<Window*> windows = rt_.windows();
    if (windows.empty())
        return "no window open";
    for (const Window* w : windows) {
        if (!w->visible())
            continue;
        out_ << "WINDOW " << quoted(w->caption()) << "\n";
        if (!all)
            break;
    }
    return std::nullopt;
}

ScriptPlayer::Outcome ScriptPlayer::showValue(const ScriptWord& word) {
    const std::optional<Target> t = find(word);
    if (!t)
        return "no such control";
    const Window* w = rt_.find(t->window);
    out_ << "VALUE " << word.raw << " " << quoted(shown(*w, w->control(t->control))) << "\n";
    return std::nullopt;
}

ScriptPlayer::Outcome ScriptPlayer::showList(const ScriptWord& word) {
    const std::optional<Target> t = find(word);
    if (!t)
        return "no such control";
    const Control& list = rt_.find(t->window)->control(t->control);
    if (list.kind() != ControlKind::List)
        return "not a list";
    int n = 0;
    for (const Row& row : list.rows()) {
        ++n;
        out_ << (n == list.selection() ? "ROW* " : "ROW ") << n;
        for (const std::string& cell : row)
            out_ << " " << quoted(cell);
        out_ << "\n";
    }
    return std::nullopt;
}

ScriptPlayer::Outcome ScriptPlayer::showEnabled(const ScriptWord& word) {
    const std::optional<Target> t = find(word);
    if (!t)
        return "no such control";
    const bool usable = rt_.find(t->window)->usable(t->control);
    out_ << "ENABLED " << word.raw << (usable ? " yes" : " no") << "\n";
    return std::nullopt;
}

// --- thumb ------------------------------------------------------------------------

// The user drags a list's scroll bar thumb to a percentage (0 to 100), as the
// Qt list reports a released thumb.
ScriptPlayer::Outcome ScriptPlayer::thumb(const Words& w) {
    const std::optional<int> percent = readNumber(w[2].text);
    if (!percent || *percent < 0 || *percent > 100)
        return "bad percentage";
    Target t;
    if (Outcome o = resolve(w[1], t))
        return o;
    return done(rt_.input().scroll(t.window, t.control, EventKind::ScrollDrag, *percent));
}

// --- variables and the print preview ----------------------------------------------------

ScriptPlayer::Outcome ScriptPlayer::set(const Words& w) {
    const std::function<void(std::string_view)>* setter = registry_.variable(w[1].text);
    if (setter == nullptr)
        return "no such variable";
    (*setter)(w[2].text);
    return std::nullopt;
}

// The print preview: the open window (in stacking order) with a page view.
Window* ScriptPlayer::previewWindow() const {
    for (Window* w : rt_.windows()) {
        for (const auto& c : w->controls()) {
            if (c->kind() == ControlKind::PageView)
                return w;
        }
    }
    return nullptr;
}

ScriptPlayer::Outcome ScriptPlayer::previewMenu(Window& w, std::string_view item) {
    for (const auto& c : w.controls()) {
        if (c->kind() == ControlKind::MenuItem && sameText(c->text(), item))
            return done(rt_.input().menu(w.id(), c->number()));
    }
    return "no such menu item";
}

// Types `text` into the preview's control named `control` and leaves it, as
// the user does.
ScriptPlayer::Outcome ScriptPlayer::previewType(Window& w, std::string_view control,
                                                std::string_view text) {
    const auto& all = w.controls();
    const auto it = std::find_if(all.begin(), all.end(), [control](const auto& c) {
        return equalsIgnoringCase(c->desc().name, control);
    });
    if (it == all.end())
        return "no such control";
    const Target t{.window = w.id(), .control = (*it)->number()};
    if (Outcome o = focusOn(t))
        return o;
    if (interrupted(t))
        return std::nullopt;
    if (Outcome o = done(rt_.input().type(t.window, t.control, text)))
        return o;
    if (interrupted(t))
        return std::nullopt;
    return done(rt_.input().leave(t.window));
}

ScriptPlayer::Outcome ScriptPlayer::file(const Words& w) {
    backend_.answerFile(w[1].text);
    return std::nullopt;
}

ScriptPlayer::Outcome ScriptPlayer::preview(const Words& w) {
    Window* p = previewWindow();
    if (p == nullptr)
        return "no preview open";
    if (p->blocked())
        return "window blocked";
    if (rt_.active() != p)
        rt_.input().activate(p->id());
    const std::string& what = w[1].text;
    if (w.size() == 3 && what == "page")
        return previewType(*p, "?Page", w[2].text);
    if (w.size() == 3 && what == "zoom")
        return previewType(*p, "?ZoomList", w[2].text);
    if (w.size() == 3 && what == "pdf") {
        backend_.answerFile(w[2].text);
        return previewMenu(*p, "Guardar como PDF...");
    }
    if (w.size() == 2 && what == "print")
        return previewMenu(*p, "&Print");
    if (w.size() == 2 && what == "close")
        return previewMenu(*p, "E&xit");
    return "no such preview command";
}

ScriptPlayer::Outcome ScriptPlayer::showPage() {
    const Window* p = previewWindow();
    if (p == nullptr)
        return "no preview open";
    for (const auto& c : p->controls()) {
        if (c->kind() != ControlKind::PageView || c->document() == nullptr)
            continue;
        const print::Document& doc = *c->document();
        const int page = c->layout().page;
        if (page < 1 || page > doc.pageCount())
            return "no such page";
        for (const std::string& line : print::textLines(doc.page(page)))
            out_ << "LINE " << quoted(line) << "\n";
        return std::nullopt;
    }
    return "no preview open";
}

// --- popup menus and window size ------------------------------------------------------

ScriptPlayer::Outcome ScriptPlayer::popup(const Words& w) {
    switch (backend_.choose(rt_, w[1].text)) {
        case HeadlessBackend::Choice::NoPopup:
            return "no popup menu shown";
        case HeadlessBackend::Choice::NoSuchEntry:
            return "no such item";
        case HeadlessBackend::Choice::Disabled:
            return "item disabled";
        case HeadlessBackend::Choice::Done:
            break;
    }
    return settle();
}

ScriptPlayer::Outcome ScriptPlayer::resize(const Words& w) {
    const std::optional<int> width = readNumber(w[1].text);
    const std::optional<int> height = readNumber(w[2].text);
    if (!width || !height || *width <= 0 || *height <= 0)
        return "bad size";
    const Window* active = rt_.active();
    if (active == nullptr)
        return "no window open";
    Rect size = active->size();
    size.width = *width;
    size.height = *height;
    return done(rt_.input().resize(active->id(), size));
}

}  // namespace vorda::ui
