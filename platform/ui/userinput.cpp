// User input: keys, clicks and choices turned into events.
#include "platform/ui/userinput.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "platform/types/cp1252.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"

namespace vorda::ui {

namespace {

Event fieldEvent(EventKind kind, ControlId control) {
    return {.kind = kind, .control = control};
}

// Splits UTF-8 into code points; a malformed byte stands for itself.
std::u32string codePoints(std::string_view s) {
    std::u32string out;
    for (size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const size_t extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        char32_t cp = extra == 0 ? c : c & (0x3Fu >> extra);
        size_t j = 1;
        for (; j <= extra && i + j < s.size(); ++j) {
            cp = (cp << 6) | (static_cast<unsigned char>(s[i + j]) & 0x3F);
        }
        out += cp;
        i += j;
    }
    return out;
}

// ASCII letters lowered; a radio's label is compared without regard to case.
std::string lowered(std::string text) {
    for (char& ch : text) {
        if (ch >= 'A' && ch <= 'Z')
            ch = static_cast<char>(ch - 'A' + 'a');
    }
    return text;
}

const Picture& plainEntry() {
    static const Picture p = *Picture::parse("s255");
    return p;
}

}  // namespace

std::string withoutMnemonic(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size() && text[i + 1] == '&') {
            out += '&';
            ++i;
        } else if (text[i] != '&') {
            out += text[i];
        }
    }
    return out;
}

// --- checks -----------------------------------------------------------------------

Window* UserInput::usableWindow(WindowId id, InputResult& result) const {
    Window* w = runtime_.find(id);
    if (w == nullptr) {
        result = InputResult::NoWindow;
    } else if (w->blocked() || runtime_.haltCode()) {
        result = InputResult::Blocked;
        w = nullptr;
    }
    return w;
}

Control* UserInput::usableControl(Window& w, ControlId number, InputResult& result) const {
    Control* c = w.find(number);
    if (c == nullptr) {
        result = InputResult::NoControl;
    } else if (!w.usable(number)) {
        result = InputResult::Disabled;
        c = nullptr;
    }
    return c;
}

// The usable window and control an input is aimed at; nullptr (with `result`
// saying why) when either is missing, blocked or disabled.
Control* UserInput::usableTarget(WindowId window, ControlId control, Window*& w,
                                 InputResult& result) const {
    w = usableWindow(window, result);
    return w ? usableControl(*w, control, result) : nullptr;
}

InputResult UserInput::refused() {
    runtime_.backend().beep();
    return InputResult::KeyRefused;
}

// --- focus and keys ------------------------------------------------------------------

InputResult UserInput::focus(WindowId window, ControlId control) {
    InputResult r = InputResult::Done;
    Window* w = nullptr;
    Control* c = usableTarget(window, control, w, r);
    if (c == nullptr)
        return r;
    if (!c->focusable())
        return InputResult::NoControl;
    if (runtime_.active() != w)
        runtime_.activate(w->id());
    w->leave({.target = c->number()});
    return InputResult::Done;
}

InputResult UserInput::key(WindowId window, ControlId control, KeyCode key) {
    InputResult r = InputResult::Done;
    Window* w = usableWindow(window, r);
    if (w == nullptr)
        return r;
    Control* c = control ? usableControl(*w, control, r) : w->find(w->focus());
    if (control && c == nullptr)
        return r;
    if (w->alerted(c ? c->number() : ControlId{}, key)) {
        w->queue(
            {.kind = EventKind::AlertKey, .control = c ? c->number() : ControlId{}, .key = key});
        return InputResult::Done;
    }
    if (c == nullptr) {
        if (key == key::Esc)
            w->queue(Event{.kind = EventKind::CloseWindow});
        return InputResult::Done;
    }
    return defaultKey(*w, *c, key);
}

InputResult UserInput::defaultKey(Window& w, Control& c, KeyCode key) {
    if (c.kind() == ControlKind::Radio) {
        Control* option = w.find(c.desc().parent);
        return option != nullptr ? defaultKey(w, *option, key) : InputResult::Done;
    }
    switch (key) {
        case key::Tab:
        case key::ShiftTab:
            w.leave({.target = w.nextInTabOrder(c.number(), key == key::Tab ? 1 : -1)});
            return InputResult::Done;
        case key::Enter:
            return enterKey(w, c);
        case key::Esc:
            w.queue(Event{.kind = EventKind::CloseWindow});
            return InputResult::Done;
        default:
            break;
    }
    switch (c.kind()) {
        case ControlKind::List:
            return listKey(w, c, key);
        case ControlKind::Button:
            return key == key::MouseLeft || key == ' ' ? press(w.id(), c.number())
                                                       : InputResult::Done;
        case ControlKind::Spin:
            if (key == key::Up || key == key::Down)
                return spinStep(w, c, key == key::Up ? 1 : -1);
            return editKey(w, c, key);
        case ControlKind::Entry:
        case ControlKind::DropList:
            return editKey(w, c, key);
        case ControlKind::Option:
            return optionKey(w, c, key);
        default:
            return InputResult::Done;
    }
}

// In an option group the arrow keys step through its usable radios in their
// order (wrapping around) and a character chooses the radio labelled with
// it; each choice is stored and accepted like a click on the radio.
InputResult UserInput::optionKey(Window& w, Control& option, KeyCode key) {
    std::vector<const Control*> radios;
    for (const auto& c : w.controls()) {
        if (c->kind() == ControlKind::Radio && c->desc().parent == option.number() &&
            w.usable(c->number()))
            radios.push_back(c.get());
    }
    if (radios.empty())
        return InputResult::Done;
    const bool back = key == key::Up;
    if (back || key == key::Down) {
        const auto current = std::find_if(radios.begin(), radios.end(), [&](const Control* r) {
            return r->desc().value == option.text();
        });
        const auto n = static_cast<std::ptrdiff_t>(radios.size());
        std::ptrdiff_t i = current == radios.end() ? (back ? 0 : -1) : current - radios.begin();
        i = ((back ? i - 1 : i + 1) % n + n) % n;
        return chooseRadio(w, option, radios[size_t(i)]->desc().value);
    }
    if (!isPrintable(key))
        return InputResult::Done;
    std::string typed;
    cp1252::appendUtf8(typed, key);
    typed = lowered(std::move(typed));
    for (const Control* r : radios) {
        if (lowered(withoutMnemonic(r->text())) == typed)
            return chooseRadio(w, option, r->desc().value);
    }
    return refused();
}

InputResult UserInput::enterKey(Window& w, Control& c) {
    if (c.kind() == ControlKind::Button)
        return press(w.id(), c.number());
    if (const Control* d = w.defaultButton())
        return press(w.id(), d->number());
    if (c.kind() == ControlKind::List) {
        w.queue(fieldEvent(EventKind::Accepted, c.number()));
        return InputResult::Done;
    }
    w.leave({.target = w.nextInTabOrder(c.number(), 1)});
    return InputResult::Done;
}

InputResult UserInput::listKey(Window& w, Control& c, KeyCode key) {
    EventKind kind = EventKind::Accepted;
    switch (key) {
        case key::Up:
            kind = EventKind::ScrollUp;
            break;
        case key::Down:
            kind = EventKind::ScrollDown;
            break;
        case key::PgUp:
            kind = EventKind::PageUp;
            break;
        case key::PgDn:
            kind = EventKind::PageDown;
            break;
        case key::Home:
        case key::CtrlHome:
            kind = EventKind::ScrollTop;
            break;
        case key::End:
        case key::CtrlEnd:
            kind = EventKind::ScrollBottom;
            break;
        case key::MouseLeft2:
            kind = EventKind::Accepted;
            break;
        default:
            return InputResult::Done;
    }
    w.queue(fieldEvent(kind, c.number()));
    return InputResult::Done;
}

InputResult UserInput::editKey(Window&, Control& c, KeyCode key) {
    const Picture& p = c.picture() ? *c.picture() : plainEntry();
    const Picture::Edit e{c.text(), c.caret()};
    if (isPrintable(key)) {
        if (!c.editable())
            return refused();
        const std::optional<Picture::Edit> next = p.type(e, key);
        if (!next)
            return refused();
        c.setEdit(next->text, next->caret);
    } else if (key == key::Backspace || key == key::Delete) {
        if (!c.editable())
            return refused();
        const auto direction =
            key == key::Backspace ? Picture::Erase::Backward : Picture::Erase::Forward;
        const Picture::Edit next = p.erase(e, direction);
        c.setEdit(next.text, next.caret);
    } else if (key == key::Home) {
        c.caret_ = 0;
    } else if (key == key::End) {
        c.caret_ = codePoints(c.text()).size();
    }
    return InputResult::Done;
}

InputResult UserInput::spinStep(Window& w, Control& c, int step) {
    if (c.readOnly())
        return refused();
    int64_t value = 0;
    const std::optional<Decimal> d = Decimal::parse(c.text());
    if (d)
        value = d->hundredths() / 100;
    value += step;
    if (c.desc().low != 0 || c.desc().high != 0) {
        value = std::clamp<int64_t>(value, c.desc().low, c.desc().high);
    }
    const FieldValue v{value};
    const std::string text = c.picture() ? c.picture()->format(v) : std::to_string(value);
    c.setEdit(text, codePoints(text).size());
    w.queue(fieldEvent(EventKind::NewSelection, c.number()));
    return InputResult::Done;
}

InputResult UserInput::type(WindowId window, ControlId control, std::string_view keys) {
    InputResult r = InputResult::Done;
    Window* w = nullptr;
    Control* c = usableTarget(window, control, w, r);
    if (c == nullptr)
        return r;
    if (!c->editable())
        return InputResult::NoControl;
    c->setEdit({}, 0);
    for (char32_t ch : codePoints(keys))
        key(window, control, ch);
    return InputResult::Done;
}

InputResult UserInput::edit(WindowId window, ControlId control, std::string text, size_t caret) {
    InputResult r = InputResult::Done;
    Window* w = nullptr;
    Control* c = usableTarget(window, control, w, r);
    if (c == nullptr)
        return r;
    if (!c->editable())
        return InputResult::NoControl;
    c->setEdit(std::move(text), caret);
    return InputResult::Done;
}

InputResult UserInput::leave(WindowId window) {
    InputResult r = InputResult::Done;
    Window* w = usableWindow(window, r);
    if (w == nullptr)
        return r;
    w->leave({.target = w->nextInTabOrder(w->focus(), 1)});
    return InputResult::Done;
}

// --- buttons, choices and window actions ----------------------------------------------

InputResult UserInput::press(WindowId window, ControlId control) {
    InputResult r = InputResult::Done;
    Window* w = nullptr;
    Control* c = usableTarget(window, control, w, r);
    if (c == nullptr)
        return r;
    if (c->kind() == ControlKind::MenuItem || c->kind() == ControlKind::ToolButton) {
        return menu(window, control);
    }
    if (c->kind() != ControlKind::Button)
        return InputResult::NoControl;
    const ControlId n = c->number();
    w->leave({.target = n, .after = [w, n] { w->queue(fieldEvent(EventKind::Accepted, n)); }});
    return InputResult::Done;
}

InputResult UserInput::choose(WindowId window, ControlId control, std::string_view value) {
    InputResult r = InputResult::Done;
    Window* w = nullptr;
    Control* c = usableTarget(window, control, w, r);
    if (c == nullptr)
        return r;
    switch (c->kind()) {
        case ControlKind::Option:
            return chooseRadio(*w, *c, value);
        case ControlKind::Radio:
            if (Control* option = w->find(c->desc().parent)) {
                return chooseRadio(*w, *option, c->desc().value);
            }
            return InputResult::NoControl;
        case ControlKind::Sheet:
            return chooseTab(*w, *c, value);
        case ControlKind::List:
            return chooseRow(*w, *c, value);
        case ControlKind::DropList:
            return chooseDrop(*w, *c, value);
        default:
            return InputResult::NoControl;
    }
}

// A drop-down list's choice, by its row number or its text: it becomes the
// shown text and the selection, and the procedure gets NewSelection.
InputResult UserInput::chooseDrop(Window& w, Control& list, std::string_view value) {
    int row = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), row);
    if (ec != std::errc() || end != value.data() + value.size())
        row = 0;
    const std::vector<Row>& rows = list.rows();
    for (size_t i = 0; row == 0 && i < rows.size(); ++i) {
        if (!rows[i].empty() && withoutMnemonic(rows[i][0]) == withoutMnemonic(value))
            row = static_cast<int>(i) + 1;
    }
    if (row < 1 || row > static_cast<int>(rows.size()) || rows[size_t(row - 1)].empty())
        return InputResult::NoSuchValue;
    const ControlId n = list.number();
    Window* win = &w;
    w.leave({.target = n, .after = [win, n, row] {
                 Control& c = win->control(n);
                 c.setSelection(row);
                 c.setText(c.rows()[size_t(row - 1)][0]);
                 win->queue(fieldEvent(EventKind::NewSelection, n));
             }});
    return InputResult::Done;
}

InputResult UserInput::chooseRadio(Window& w, Control& option, std::string_view value) {
    for (const auto& radio : w.controls()) {
        if (radio->kind() != ControlKind::Radio || radio->desc().parent != option.number())
            continue;
        if (radio->desc().value != value &&
            withoutMnemonic(radio->text()) != withoutMnemonic(value)) {
            continue;
        }
        if (!w.usable(radio->number()))
            return InputResult::Disabled;
        const ControlId n = option.number();
        Window* win = &w;
        w.leave({.target = n, .after = [win, n, v = radio->desc().value] {
                     Control& o = win->control(n);
                     o.setText(v);
                     const bool ok = win->store(o);
                     win->queue(fieldEvent(ok ? EventKind::Accepted : EventKind::Rejected, n));
                 }});
        return InputResult::Done;
    }
    return InputResult::NoSuchValue;
}

InputResult UserInput::chooseTab(Window& w, Control& sheet, std::string_view text) {
    const std::vector<const Control*> tabs = w.tabs(sheet.number());
    for (size_t i = 0; i < tabs.size(); ++i) {
        if (tabs[i]->text() != text && withoutMnemonic(tabs[i]->text()) != withoutMnemonic(text)) {
            continue;
        }
        if (!w.usable(tabs[i]->number()))
            return InputResult::Disabled;
        sheet.setChoice(static_cast<int>(i) + 1);
        w.queue(fieldEvent(EventKind::NewSelection, sheet.number()));
        focusOnTab(w, *tabs[i]);
        return InputResult::Done;
    }
    return InputResult::NoSuchValue;
}

// A focus left on a tab that went to the back moves to the first control of
// the tab now in front, as if the user had clicked it, so that the keys go
// where the user looks.
void UserInput::focusOnTab(Window& w, const Control& tab) {
    if (w.shown(w.focus()))
        return;
    for (const auto& c : w.controls()) {
        if (c->desc().parent == tab.number() && w.inTabOrder(*c)) {
            w.leave({.target = c->number()});
            return;
        }
    }
}

InputResult UserInput::chooseRow(Window& w, Control& list, std::string_view number) {
    int row = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), row);
    if (ec != std::errc() || end != number.data() + number.size() || row < 1 ||
        row > static_cast<int>(list.rows().size())) {
        return InputResult::NoSuchValue;
    }
    const ControlId n = list.number();
    Window* win = &w;
    w.leave({.target = n, .after = [win, n, row] {
                 win->control(n).setSelection(row);
                 win->queue(fieldEvent(EventKind::NewSelection, n));
             }});
    return InputResult::Done;
}

InputResult UserInput::scroll(WindowId window, ControlId list, EventKind kind, int thumb) {
    InputResult r = InputResult::Done;
    Window* w = usableWindow(window, r);
    Control* c = w ? usableControl(*w, list, r) : nullptr;
    if (c == nullptr)
        return r;
    if (c->kind() != ControlKind::List)
        return InputResult::NoControl;
    w->queue({.kind = kind, .control = list, .thumb = thumb});
    return InputResult::Done;
}

InputResult UserInput::menu(WindowId window, ControlId item) {
    InputResult r = InputResult::Done;
    Window* w = usableWindow(window, r);
    Control* c = w ? usableControl(*w, item, r) : nullptr;
    if (c == nullptr)
        return r;
    if (c->kind() != ControlKind::MenuItem && c->kind() != ControlKind::ToolButton) {
        return InputResult::NoControl;
    }
    const StandardAction action = w->standardAction(item);
    if (action == StandardAction::Exit) {
        w->queue(Event{.kind = EventKind::CloseWindow});
    } else if (action != StandardAction::None) {
        runtime_.backend().standardAction(action);
    } else {
        w->queue(fieldEvent(EventKind::Accepted, item));
    }
    return InputResult::Done;
}

InputResult UserInput::close(WindowId window) {
    InputResult r = InputResult::Done;
    Window* w = usableWindow(window, r);
    if (w == nullptr)
        return r;
    w->queue(Event{.kind = EventKind::CloseWindow});
    return InputResult::Done;
}

InputResult UserInput::activate(WindowId window) {
    if (runtime_.find(window) == nullptr)
        return InputResult::NoWindow;
    return runtime_.activate(window) ? InputResult::Done : InputResult::Blocked;
}

InputResult UserInput::resize(WindowId window, Rect size) {
    InputResult r = InputResult::Done;
    Window* w = usableWindow(window, r);
    if (w == nullptr)
        return r;
    w->size_ = size;
    w->queue(Event{.kind = EventKind::Sized});
    return InputResult::Done;
}

InputResult UserInput::listRows(WindowId window, ControlId list, int rows) {
    Window* w = runtime_.find(window);
    if (w == nullptr)
        return InputResult::NoWindow;
    Control* c = w->find(list);
    if (c == nullptr || c->kind() != ControlKind::List || rows < 0)
        return InputResult::NoControl;
    if (c->pageRows_ == rows)
        return InputResult::Done;
    c->pageRows_ = rows;
    const bool opening = std::any_of(w->queue_.begin(), w->queue_.end(), [](const auto& q) {
        return q.event.kind == EventKind::OpenWindow;
    });
    if (!opening)
        w->queue(Event{.kind = EventKind::Sized});
    return InputResult::Done;
}

}  // namespace vorda::ui
