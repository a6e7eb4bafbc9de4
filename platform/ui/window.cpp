// Window: events, values, focus and the select-all pass.
#include "platform/ui/window.h"

#include <algorithm>
#include <cassert>
#include <utility>

#include "platform/ui/runtime.h"

namespace vorda::ui {

namespace {

bool storesValue(ControlKind kind) {
    return kind == ControlKind::Entry || kind == ControlKind::Spin || kind == ControlKind::Option ||
           kind == ControlKind::Check;
}

Event fieldEvent(EventKind kind, ControlId control) {
    return {.kind = kind, .control = control};
}

}  // namespace

Window::Window(WindowDesc desc)
    : desc_(std::move(desc)), caption_(desc_.caption), timer_(desc_.timer), size_(desc_.at) {
    addControls();
    status_.resize(desc_.statusZones.size());
}

Window::~Window() {
    close();
}

void Window::addControls() {
    for (const ControlDesc& c : desc_.controls) {
        controls_.push_back(std::make_unique<Control>(*this, c));
    }
    for (const MenuDesc& menu : desc_.menus) {
        for (const MenuItemDesc& item : menu.items) {
            if (item.separator)
                continue;
            controls_.push_back(
                std::make_unique<Control>(*this, ControlDesc{.number = item.number,
                                                             .kind = ControlKind::MenuItem,
                                                             .text = item.text,
                                                             .tip = item.tip}));
        }
    }
    for (ControlDesc c : desc_.toolbar) {
        if (c.kind == ControlKind::Prompt)
            c.kind = ControlKind::ToolButton;
        controls_.push_back(std::make_unique<Control>(*this, std::move(c)));
    }
}

// --- lifetime -----------------------------------------------------------------

void Window::open() {
    assert(!isOpen() && "window opened twice");
    runtime_ = &Runtime::current();
    display();
    focus_ = nextInTabOrder({}, 1);
    id_ = runtime_->attach(*this);
    if (timer_ > 0)
        setTimer(timer_);
}

void Window::close() {
    if (!isOpen())
        return;
    runtime_->detach(*this);
    id_ = 0;
    queue_.clear();
    pendingMove_.reset();
    selectAll_ = {};
}

// --- events -------------------------------------------------------------------

Event Window::ask() {
    assert(isOpen() && "ask() on a window that is not open");
    for (;;) {
        if (runtime_->tearingDown())
            return Event{.kind = EventKind::CloseDown};
        if (std::optional<Event> e = nextEvent())
            return *e;
        runtime_->waitForEvent(*this);
    }
}

void Window::post(Event event) {
    if (!isOpen())
        return;
    if (event.kind == EventKind::Timer &&
        std::any_of(queue_.begin(), queue_.end(),
                    [](const Queued& q) { return q.event.kind == EventKind::Timer; })) {
        return;
    }
    queue(event);
}

bool Window::hasEvent() const {
    return pendingMove_.has_value() || !queue_.empty() || selectAll_.active;
}

void Window::queue(Event event, std::optional<Move> then) {
    queue_.push_back({event, std::move(then)});
    if (runtime_)
        runtime_->eventQueued();
}

std::optional<Event> Window::nextEvent() {
    if (pendingMove_) {
        const Move move = std::move(*pendingMove_);
        pendingMove_.reset();
        moveFocus(move);
    }
    if (!queue_.empty()) {
        Queued q = std::move(queue_.front());
        queue_.pop_front();
        if (q.then)
            pendingMove_ = std::move(q.then);
        return q.event;
    }
    if (selectAll_.active)
        return selectAllStep();
    return std::nullopt;
}

// --- controls and values ------------------------------------------------------------

Control& Window::control(ControlId number) {
    Control* c = find(number);
    assert(c != nullptr && "no such control in this window");
    return *c;
}

const Control& Window::control(ControlId number) const {
    const Control* c = find(number);
    assert(c != nullptr && "no such control in this window");
    return *c;
}

Control* Window::find(ControlId number) {
    return const_cast<Control*>(std::as_const(*this).find(number));
}

const Control* Window::find(ControlId number) const {
    if (!number)
        return nullptr;
    for (const auto& c : controls_) {
        if (c->number() == number)
            return c.get();
    }
    return nullptr;
}

void Window::bind(ControlId number, Binding binding) {
    control(number).bind(std::move(binding));
    display(number);
}

void Window::display() {
    for (const auto& c : controls_)
        display(c->number());
}

void Window::display(ControlId number) {
    Control& c = control(number);
    if (c.binding().get)
        c.setText(shownText(c));
}

std::string Window::shownText(const Control& c) const {
    const FieldValue value = withOwnData([&c] { return c.binding().get(); });
    return c.picture() ? c.picture()->format(value) : fieldValueText(value);
}

bool Window::update() {
    bool ok = true;
    for (const auto& c : controls_) {
        if (storesValue(c->kind()) && !c->readOnly() && c->binding().set && !store(*c))
            ok = false;
    }
    return ok;
}

bool Window::update(ControlId number) {
    return store(control(number));
}

// Reads the control's text back into its field; false when the picture, the
// spin range or the field refuses it (the field is then unchanged).
bool Window::store(Control& c) {
    FieldValue value{c.text()};
    if (c.picture() && c.kind() != ControlKind::Option && c.kind() != ControlKind::Check) {
        std::optional<FieldValue> v = c.picture()->deformat(c.text());
        if (!v)
            return false;
        value = std::move(*v);
    }
    if (c.kind() == ControlKind::Spin && !inRange(c, value))
        return false;
    return !c.binding().set || withOwnData([&c, &value] { return c.binding().set(value); });
}

bool Window::inRange(const Control& c, const FieldValue& value) const {
    if (c.desc().low == 0 && c.desc().high == 0)
        return true;
    Decimal d;
    if (const auto* n = std::get_if<Decimal>(&value))
        d = *n;
    if (const auto* n = std::get_if<int64_t>(&value))
        d = Decimal::fromInteger(*n);
    if (const auto* s = std::get_if<std::string>(&value)) {
        const std::optional<Decimal> parsed = Decimal::parse(*s);
        if (!parsed)
            return false;
        d = *parsed;
    }
    return d >= Decimal::fromInteger(c.desc().low) && d <= Decimal::fromInteger(c.desc().high);
}

bool Window::usable(ControlId number) const {
    for (const Control* c = find(number); c != nullptr; c = find(c->desc().parent)) {
        if (!c->enabled() || !c->visible())
            return false;
    }
    return find(number) != nullptr;
}

bool Window::shown(ControlId number) const {
    const Control* c = find(number);
    for (const Control* p = c; p != nullptr; p = find(p->desc().parent)) {
        if (!p->visible() || (p != c && p->kind() == ControlKind::Tab && !onCurrentTab(*p)))
            return false;
    }
    return c != nullptr;
}

bool Window::onCurrentTab(const Control& tab) const {
    const Control* sheet = find(tab.desc().parent);
    if (sheet == nullptr)
        return true;
    const std::vector<const Control*> all = tabs(sheet->number());
    const auto it = std::find(all.begin(), all.end(), &tab);
    return static_cast<int>(it - all.begin()) + 1 == sheet->choice();
}

std::vector<const Control*> Window::tabs(ControlId sheet) const {
    std::vector<const Control*> out;
    for (const auto& c : controls_) {
        if (c->kind() == ControlKind::Tab && c->desc().parent == sheet)
            out.push_back(c.get());
    }
    return out;
}

// --- focus --------------------------------------------------------------------------

void Window::select(ControlId number) {
    stopSelectAll();
    pendingMove_.reset();
    const ControlId target = selectable(number);
    if (!target)
        return;
    setFocus(target);
    queue(fieldEvent(EventKind::Selected, target));
}

// The control itself when it can take the focus, else the first control
// after it in the table that can (a prompt selects its entry), on any tab.
ControlId Window::selectable(ControlId number) const {
    auto it = std::find_if(controls_.begin(), controls_.end(),
                           [number](const auto& c) { return c->number() == number; });
    it = std::find_if(it, controls_.end(),
                      [this](const auto& c) { return c->focusable() && usable(c->number()); });
    return it == controls_.end() ? ControlId{} : (*it)->number();
}

void Window::selectAll() {
    selectAll_ = {.active = true};
    for (const auto& c : controls_) {
        if (storesValue(c->kind()))
            selectAll_.order.push_back(c->number());
    }
    if (runtime_)
        runtime_->eventQueued();
}

Event Window::selectAllStep() {
    while (selectAll_.next < selectAll_.order.size()) {
        const ControlId n = selectAll_.order[selectAll_.next++];
        Control& c = control(n);
        if (c.readOnly() || !usable(n))
            continue;
        c.clearEdited();
        if (!store(c)) {
            selectAll_.active = false;
            setFocus(n);
            return fieldEvent(EventKind::Rejected, n);
        }
        return fieldEvent(EventKind::Accepted, n);
    }
    selectAll_.active = false;
    return Event{.kind = EventKind::Completed};
}

void Window::setFocus(ControlId number) {
    focus_ = number;
    if (const Control* c = find(number))
        showCurrentTab(*c);
    notify(number, Change::Focus);
}

// Brings the tab holding `c` to the front of its sheet.
void Window::showCurrentTab(const Control& c) {
    for (const Control* p = find(c.desc().parent); p != nullptr; p = find(p->desc().parent)) {
        if (p->kind() != ControlKind::Tab)
            continue;
        Control* sheet = find(p->desc().parent);
        if (sheet == nullptr)
            continue;
        const std::vector<const Control*> all = tabs(sheet->number());
        const auto it = std::find(all.begin(), all.end(), p);
        sheet->setChoice(static_cast<int>(it - all.begin()) + 1);
    }
}

void Window::moveFocus(const Move& move) {
    if (!move.target || !usable(move.target))
        return;
    if (focus_ != move.target) {
        setFocus(move.target);
        queue(fieldEvent(EventKind::Selected, move.target));
    }
    if (move.after)
        move.after();
}

void Window::acceptPendingEdit() {
    Control* c = find(focus_);
    if (c == nullptr || !c->edited())
        return;
    c->clearEdited();
    if (!store(*c)) {
        queue(fieldEvent(EventKind::Rejected, c->number()));
        return;
    }
    if (c->binding().get)
        display(c->number());
    queue(fieldEvent(EventKind::Accepted, c->number()));
}

// The user leaves the focused control for `move.target`. An edited control
// is stored first: refused, it gets Rejected and keeps the focus (false);
// accepted, the move waits behind its Accepted event.
bool Window::leave(Move move) {
    Control* from = find(focus_);
    if (from != nullptr && from->edited()) {
        from->clearEdited();
        if (!store(*from)) {
            queue(fieldEvent(EventKind::Rejected, from->number()));
            return false;
        }
        if (from->binding().get)
            display(from->number());
        queue(fieldEvent(EventKind::Accepted, from->number()), std::move(move));
        return true;
    }
    moveFocus(move);
    return true;
}

bool Window::inTabOrder(const Control& c) const {
    if (!c.focusable() || (c.desc().flags & control::Skip) || !usable(c.number()))
        return false;
    for (const Control* p = find(c.desc().parent); p != nullptr; p = find(p->desc().parent)) {
        if (p->kind() == ControlKind::Tab && !onCurrentTab(*p))
            return false;
    }
    return true;
}

// The next control in tab order after `from` (step 1) or before it (step
// -1), wrapping around; `from` itself when no other control qualifies. The
// last control of a sheet's page is followed by the first one of the next
// page, and the first by the last of the page before (turnPage).
ControlId Window::nextInTabOrder(ControlId from, int step) const {
    const ControlId next = nextOnShownPages(from, step);
    const ControlId turned = turnPage(from, next, step);
    return turned ? turned : next;
}

// The tab whose page holds `c` (nullptr for a control on no sheet).
const Control* Window::pageOf(const Control& c) const {
    for (const Control* p = find(c.desc().parent); p != nullptr; p = find(p->desc().parent)) {
        if (p->kind() == ControlKind::Tab)
            return p;
    }
    return nullptr;
}

// Leaving the page of `from` by the Tab key (`next` lies off it): when the
// sheet has a page after it (step 1) or before it (step -1) that the user
// may choose, its first (last) control in tab order, so that a form whose
// fields go on over the next tab is filled in with the Tab key alone; setting
// the focus there brings that page to the front. None (an empty id) from the
// sheet's last (first) page, or when that page is disabled or has no such
// control: the keys leave the sheet as they would without it.
ControlId Window::turnPage(ControlId from, ControlId next, int step) const {
    const Control* c = find(from);
    const Control* page = c != nullptr ? pageOf(*c) : nullptr;
    const Control* to = find(next);
    if (page == nullptr || (to != nullptr && pageOf(*to) == page))
        return {};
    const std::vector<const Control*> pages = tabs(page->desc().parent);
    const auto at = std::find(pages.begin(), pages.end(), page) - pages.begin() + step;
    if (at < 0 || at >= static_cast<ptrdiff_t>(pages.size()) ||
        !usable(pages[size_t(at)]->number()))
        return {};
    const Control* target = nullptr;
    for (const auto& candidate : controls_) {
        const Control& k = *candidate;
        if (pageOf(k) != pages[size_t(at)] || !k.focusable() || (k.desc().flags & control::Skip) ||
            !usable(k.number())) {
            continue;
        }
        target = &k;
        if (step > 0)
            break;
    }
    return target != nullptr ? target->number() : ControlId{};
}

ControlId Window::nextOnShownPages(ControlId from, int step) const {
    const auto n = static_cast<int>(controls_.size());
    int start = -1;
    for (int i = 0; i < n; ++i) {
        if (controls_[size_t(i)]->number() == from)
            start = i;
    }
    if (start < 0)
        start = step > 0 ? -1 : n;
    for (int k = 1; k <= n; ++k) {
        const int i = ((start + step * k) % n + n) % n;
        if (inTabOrder(*controls_[size_t(i)]))
            return controls_[size_t(i)]->number();
    }
    return from;
}

const Control* Window::defaultButton() const {
    for (const auto& c : controls_) {
        if (c->kind() == ControlKind::Button && c->isDefault() && usable(c->number())) {
            return c.get();
        }
    }
    return nullptr;
}

// --- alerts and window state ----------------------------------------------------

void Window::alert(KeyCode key) {
    if (std::find(alerts_.begin(), alerts_.end(), key) == alerts_.end())
        alerts_.push_back(key);
}

void Window::unalert(KeyCode key) {
    std::erase(alerts_, key);
}

bool Window::alerted(ControlId number, KeyCode key) const {
    if (std::find(alerts_.begin(), alerts_.end(), key) != alerts_.end())
        return true;
    const Control* c = find(number);
    return c != nullptr && c->alerted(key);
}

void Window::setCaption(std::string caption) {
    if (caption == caption_)
        return;
    caption_ = std::move(caption);
    notify({}, Change::Caption);
}

void Window::setVisible(bool on) {
    if (on == visible_)
        return;
    visible_ = on;
    notify({}, Change::Visible);
}

const std::string& Window::status(int zone) const {
    static const std::string none;
    return zone >= 1 && zone <= static_cast<int>(status_.size()) ? status_[size_t(zone - 1)] : none;
}

void Window::setStatus(int zone, std::string text) {
    if (zone < 1 || zone > static_cast<int>(status_.size()) || status_[size_t(zone - 1)] == text)
        return;
    status_[size_t(zone - 1)] = std::move(text);
    notify(zone, Change::Status);
}

void Window::setSize(Rect size) {
    size_ = size;
    notify({}, Change::Geometry);
}

void Window::setSizeLimits(Rect minSize, Rect maxSize) {
    minSize_ = minSize;
    maxSize_ = maxSize;
    notify({}, Change::Geometry);
}

void Window::setTimer(int hundredths) {
    timer_ = std::max(0, hundredths);
    if (!isOpen())
        return;
    due_ = runtime_->clock().now() + timer_;
    runtime_->backend().timersChanged();
}

StandardAction Window::standardAction(ControlId item) const {
    for (const MenuDesc& menu : desc_.menus) {
        for (const MenuItemDesc& i : menu.items) {
            if (!i.separator && i.number == item)
                return i.action;
        }
    }
    return StandardAction::None;
}

void Window::notify(ControlId number, Change what) {
    if (isOpen())
        runtime_->changed(*this, number, what);
}

}  // namespace vorda::ui
