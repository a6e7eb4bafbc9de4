// WindowResizeClass: control geometry computed from the initial geometry.
#include "framework/windowresizeclass.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/window.h"

namespace vorda {

namespace {

using ui::ControlKind;
using ui::Rect;

bool isContainer(ControlKind kind) {
    return kind == ControlKind::List || kind == ControlKind::Sheet || kind == ControlKind::Group ||
           kind == ControlKind::Option || kind == ControlKind::Region;
}

bool sameSize(const Rect& a, const Rect& b) {
    return a.width == b.width && a.height == b.height;
}

bool sameRect(const Rect& a, const Rect& b) {
    return a.x == b.x && a.y == b.y && sameSize(a, b);
}

bool containsPoint(const Rect& r, int x, int y) {
    return x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height;
}

long area(const Rect& r) {
    return static_cast<long>(r.width) * r.height;
}

// The parent's size ratio on one axis, to 4 decimal places.
double ratio(int from, int to) {
    if (from <= 0)
        return 1.0;
    return std::round(static_cast<double>(to) / from * 10000.0) / 10000.0;
}

int roundi(double v) {
    return static_cast<int>(std::lround(v));
}

// One axis of a control and of its parent, before and after.
struct Axis {
    int pos;           // control's initial coordinate
    int len;           // control's initial extent
    int parentFrom;    // parent's initial coordinate
    int parentLen;     // parent's initial extent
    int parentTo;      // parent's new coordinate
    int parentNewLen;  // parent's new extent
};

// Lays out one axis: `position` is 0..5, `lock` keeps the extent, `keepEnd`
// keeps the distance between the far edges.
std::pair<int, int> layoutAxis(const Axis& a, int position, bool lock, bool keepEnd) {
    const double r = ratio(a.parentLen, a.parentNewLen);
    const bool fixedLen = lock || keepEnd;
    int len = lock ? a.len : keepEnd ? a.len : roundi(a.len * r);
    const int before = a.pos - a.parentFrom;                           // to the near edge
    const int after = (a.parentFrom + a.parentLen) - (a.pos + a.len);  // to the far edge
    if (position == WindowResizeClass::FixNearest)
        position = before < after ? WindowResizeClass::FixLeft : WindowResizeClass::FixRight;
    const int newEnd = a.parentTo + a.parentNewLen;
    int pos = 0;
    switch (position) {
        case WindowResizeClass::Fixed:
            pos = a.pos;
            break;
        case WindowResizeClass::FixRight:
            pos = newEnd - (fixedLen ? after : roundi(after * r)) - len;
            break;
        case WindowResizeClass::FixLeft:
            pos = a.parentTo + before;
            break;
        case WindowResizeClass::FixCenter: {
            const double centre = a.pos + a.len / 2.0 - (a.parentFrom + a.parentLen / 2.0);
            const double moved = fixedLen ? centre : centre * r;
            pos = roundi(a.parentTo + a.parentNewLen / 2.0 + moved - len / 2.0);
            break;
        }
        default:  // Proportional
            pos = a.parentTo + roundi(before * r);
            break;
    }
    if (keepEnd && !lock)
        len = std::max(0, newEnd - after - pos);
    return {pos, len};
}

}  // namespace

// --- set-up --------------------------------------------------------------------

// The controls stand where the window's description put them, for the size
// it gives; a window that already has another size (opened maximized, as a
// child window is while the one in front is maximized) is laid out at once.
void WindowResizeClass::Init(ui::Window& window, uint8_t strategy, bool setMinSize,
                             bool setMaxSize) {
    window_ = &window;
    AppStrategy = strategy;
    previousWin_ = window.desc().at;
    Reset();
    MinSize = setMinSize ? originalWin_ : Rect{};
    MaxSize = setMaxSize ? originalWin_ : Rect{};
    if (setMinSize || setMaxSize)
        window.setSizeLimits(MinSize, MaxSize);
    Resize();
}

void WindowResizeClass::Kill() {
    controls_.clear();
    window_ = nullptr;
}

// The initial geometry is the controls' present one, for the size they were
// last laid out for (not the window's present size, which a Sized event not
// yet taken may have changed).
void WindowResizeClass::Reset() {
    if (window_ == nullptr)
        return;
    originalWin_ = previousWin_;
    controls_.clear();
    for (const auto& c : window_->controls()) {
        if (!managed(c->kind()))
            continue;
        controls_.push_back({.id = c->number(),
                             .kind = c->kind(),
                             .positionStrategy = GetPositionStrategy(c->kind()),
                             .resizeStrategy = GetResizeStrategy(c->kind()),
                             .original = c->rect(),
                             .parent = {},
                             .hasChildren = false});
    }
    if (AppStrategy == AppSpread) {
        SetParentDefaults();
        stretchLists();
        anchorButtonRows();
    }
}

// Strategy 2: the lists, and the sheets and boxes that hold them (every
// sheet, as a form's frame, is one), stretch into the room a larger window
// gives; a box without a list keeps its size, so that the fields around it
// keep theirs. A list or container keeps its width or height where another
// one lies beyond its right or bottom edge (the agent list's sheet, with the
// list below it, stays as high as its tabs and locator). The fields beyond a
// stretching one (a locator below a list, beside its buttons) keep their
// distance to that far edge.
void WindowResizeClass::stretchLists() {
    for (ControlEntry& e : controls_) {
        if (!isContainer(e.kind))
            continue;
        const bool box = e.kind != ControlKind::List && e.kind != ControlKind::Sheet;
        if ((box && !holdsList(e)) || beyond(e, Axis::X, true))
            lockAxis(e, Axis::X);
        if ((box && !holdsList(e)) || beyond(e, Axis::Y, true))
            lockAxis(e, Axis::Y);
    }
    for (ControlEntry& e : controls_) {
        if (isContainer(e.kind) || e.kind == ControlKind::Button)
            continue;
        for (const Axis axis : {Axis::X, Axis::Y}) {
            if (!followsFarEdge(e, axis))
                continue;
            const uint16_t shift = axis == Axis::X ? 0 : 8;
            e.positionStrategy = static_cast<uint16_t>((e.positionStrategy & ~(0xff << shift)) |
                                                       (FixRight << shift));
        }
    }
}

void WindowResizeClass::lockAxis(ControlEntry& e, Axis axis) {
    const uint16_t constant = axis == Axis::X ? ConstantRight : ConstantBottom;
    const uint16_t lock = axis == Axis::X ? LockWidth : LockHeight;
    e.resizeStrategy = static_cast<uint16_t>((e.resizeStrategy & ~constant) | lock);
}

bool WindowResizeClass::stretches(const ControlEntry& e, Axis axis) {
    return (e.resizeStrategy & (axis == Axis::X ? ConstantRight : ConstantBottom)) != 0;
}

// `e` or a control within it (on its tabs, in its boxes) is a list.
bool WindowResizeClass::holdsList(const ControlEntry& e) const {
    return std::any_of(controls_.begin(), controls_.end(), [&](const ControlEntry& o) {
        if (o.kind != ControlKind::List)
            return false;
        for (const ControlEntry* p = &o; p != nullptr; p = p->parent ? entry(p->parent) : nullptr) {
            if (p->id == e.id)
                return true;
        }
        return false;
    });
}

// Another control of `e`'s parent, shown with it (not on another tab of their
// sheet), that starts beyond `e`'s right edge (X) or bottom edge (Y), level
// with it; only lists and containers when `containers`.
bool WindowResizeClass::beyond(const ControlEntry& e, Axis axis, bool containers) const {
    return std::any_of(controls_.begin(), controls_.end(), [&](const ControlEntry& o) {
        return (!containers || isContainer(o.kind)) && lies(o, e, axis);
    });
}

// `o` starts beyond `e`'s far edge on `axis`, level with it, in the same
// parent and on the same page.
bool WindowResizeClass::lies(const ControlEntry& o, const ControlEntry& e, Axis axis) const {
    if (o.id == e.id || o.parent != e.parent)
        return false;
    if (const ui::ControlId a = tabOf(e.id), b = tabOf(o.id); a && b && a != b)
        return false;
    const Rect& r = e.original;
    const Rect& q = o.original;
    return axis == Axis::X ? q.x >= r.x + r.width && q.y < r.y + r.height && r.y < q.y + q.height
                           : q.y >= r.y + r.height && q.x < r.x + r.width && r.x < q.x + q.width;
}

// `e` lies beyond a list or container that stretches on `axis`.
bool WindowResizeClass::followsFarEdge(const ControlEntry& e, Axis axis) const {
    return std::any_of(controls_.begin(), controls_.end(), [&](const ControlEntry& c) {
        return isContainer(c.kind) && stretches(c, axis) && lies(e, c, axis);
    });
}

// Strategy 2: buttons side by side (at the same height, at most RowGap units
// apart) keep together: a row set clearly towards the right edge (its gap
// there less than half the gap on the left, as Aceptar, Cancelar and Ayuda
// below a form) keeps its distance to it; any other row keeps its distance to
// the left edge. Each button going to its own nearest edge would tear a row
// that spans the middle of the window apart ("Generar Diskette" to the
// right, "Importar Anexo II" to the left), and a button beside a form's
// fields ("Anexo I") would drift away from them.
void WindowResizeClass::anchorButtonRows() {
    for (ControlEntry& e : controls_) {
        if (e.kind != ControlKind::Button || (e.positionStrategy & 0xff) != FixNearest)
            continue;
        const auto [left, right] = rowExtent(e);
        const Rect p = parentOriginal(e);
        const uint16_t edge = 2 * (p.x + p.width - right) < left - p.x ? FixRight : FixLeft;
        e.positionStrategy = static_cast<uint16_t>((e.positionStrategy & 0xff00) | edge);
    }
}

// The left and right edges of the row of buttons `e` belongs to.
std::pair<int, int> WindowResizeClass::rowExtent(const ControlEntry& e) const {
    constexpr int RowGap = 12;
    const auto sameRow = [&e](const ControlEntry& o) {
        return o.kind == ControlKind::Button && o.parent == e.parent &&
               o.original.y < e.original.y + e.original.height &&
               e.original.y < o.original.y + o.original.height;
    };
    int left = e.original.x;
    int right = e.original.x + e.original.width;
    for (bool grew = true; grew;) {
        grew = false;
        for (const ControlEntry& o : controls_) {
            const int oRight = o.original.x + o.original.width;
            if (!sameRow(o) || (o.original.x >= left && oRight <= right) ||
                o.original.x > right + RowGap || oRight < left - RowGap) {
                continue;
            }
            left = std::min(left, o.original.x);
            right = std::max(right, oRight);
            grew = true;
        }
    }
    return {left, right};
}

bool WindowResizeClass::managed(ControlKind kind) {
    return kind != ControlKind::MenuItem && kind != ControlKind::Tab &&
           kind != ControlKind::ToolButton;
}

// Strategy 2: lists and containers keep their place and stretch to keep
// their margins to the parent's far edges (Reset holds some of them,
// stretchLists); buttons keep their size and their distance to the nearest
// edges (Reset decides by their row, anchorButtonRows); every other control
// keeps its place and size, so a form stays as it was laid out.
uint16_t WindowResizeClass::GetPositionStrategy(ControlKind kind) const {
    switch (AppStrategy) {
        case AppResize:
            return position(Proportional, Proportional);
        case AppSpread:
            return kind == ControlKind::Button ? position(FixNearest, FixNearest)
                                               : position(FixLeft, FixLeft);
        default:
            return position(Fixed, Fixed);
    }
}

uint16_t WindowResizeClass::GetResizeStrategy(ControlKind kind) const {
    switch (AppStrategy) {
        case AppResize:
            return 0;
        case AppSpread:
            return isContainer(kind) ? ConstantRight | ConstantBottom : LockWidth | LockHeight;
        default:
            return LockWidth | LockHeight;
    }
}

void WindowResizeClass::SetStrategy(ui::ControlId control, uint16_t position, uint16_t resize) {
    if (ControlEntry* e = entry(control)) {
        e->positionStrategy = position;
        e->resizeStrategy = resize;
    }
}

// A control on a tab belongs to the tab's sheet; one declared in a group or
// option belongs to it. Any other control belongs to the smallest container
// whose rectangle holds its top-left corner, else to the window.
void WindowResizeClass::SetParentDefaults() {
    for (ControlEntry& e : controls_) {
        const ui::Control& c = window_->control(e.id);
        ui::ControlId parent = c.desc().parent;
        if (const ui::Control* p = parent ? window_->find(parent) : nullptr;
            p != nullptr && p->kind() == ControlKind::Tab)
            parent = p->desc().parent;
        if (!parent || entry(parent) == nullptr) {
            parent = {};
            const ControlEntry* best = nullptr;
            for (const ControlEntry& other : controls_) {
                if (other.id == e.id || !isContainer(other.kind) ||
                    area(other.original) <= area(e.original) ||
                    !containsPoint(other.original, e.original.x, e.original.y))
                    continue;
                if (best == nullptr || area(other.original) < area(best->original))
                    best = &other;
            }
            if (best != nullptr)
                parent = best->id;
        }
        e.parent = parent;
    }
    markChildren();
}

// The tab `control` lies on, if any.
ui::ControlId WindowResizeClass::tabOf(ui::ControlId control) const {
    const ui::ControlId parent = window_->control(control).desc().parent;
    const ui::Control* p = parent ? window_->find(parent) : nullptr;
    return p != nullptr && p->kind() == ControlKind::Tab ? parent : ui::ControlId{};
}

void WindowResizeClass::markChildren() {
    for (ControlEntry& e : controls_)
        e.hasChildren = false;
    for (const ControlEntry& e : controls_) {
        if (ControlEntry* p = e.parent ? entry(e.parent) : nullptr)
            p->hasChildren = true;
    }
}

ui::ControlId WindowResizeClass::GetParentControl(ui::ControlId control) const {
    const ControlEntry* e = entry(control);
    return e != nullptr ? e->parent : ui::ControlId{};
}

Rect WindowResizeClass::GetOrigPos(ui::ControlId control) const {
    const ControlEntry* e = entry(control);
    return e != nullptr ? e->original : Rect{};
}

Rect WindowResizeClass::GetCurrentPos(ui::ControlId control) const {
    const ui::Control* c = window_ != nullptr ? window_->find(control) : nullptr;
    return c != nullptr ? c->rect() : Rect{};
}

// --- resizing --------------------------------------------------------------------

Level WindowResizeClass::TakeResize() {
    if (window_ == nullptr)
        return Benign;
    clampWindow();
    return Resize();
}

// Keeps the window within MinSize and MaxSize; true when it had to be resized.
bool WindowResizeClass::clampWindow() {
    Rect size = window_->size();
    const Rect before = size;
    if (MinSize.width > 0)
        size.width = std::max(size.width, MinSize.width);
    if (MinSize.height > 0)
        size.height = std::max(size.height, MinSize.height);
    if (MaxSize.width > 0)
        size.width = std::min(size.width, MaxSize.width);
    if (MaxSize.height > 0)
        size.height = std::min(size.height, MaxSize.height);
    if (sameSize(size, before))
        return false;
    window_->setSize(size);
    return true;
}

Level WindowResizeClass::Resize() {
    if (window_ == nullptr)
        return Benign;
    const Rect now = window_->size();
    if (sameSize(now, previousWin_))
        return Benign;
    const bool growing = area(now) >= area(previousWin_);
    previousWin_ = now;
    std::vector<Move> moves;
    layoutChildren({}, moves);
    apply(moves, growing);
    return Benign;
}

Level WindowResizeClass::Resize(ui::ControlId control) {
    const ControlEntry* e = entry(control);
    if (window_ == nullptr || e == nullptr)
        return Benign;
    std::vector<Move> moves{
        {.id = e->id, .rect = layout(*e, parentOriginal(*e), parentNow(*e, {}))}};
    layoutChildren(e->id, moves);
    apply(moves, true);
    return Benign;
}

// Appends the new rectangles of `parent`'s children (the window's controls
// for 0), each followed by its own children.
void WindowResizeClass::layoutChildren(ui::ControlId parent, std::vector<Move>& moves) const {
    for (const ControlEntry& e : controls_) {
        if (e.parent != parent)
            continue;
        moves.push_back({.id = e.id, .rect = layout(e, parentOriginal(e), parentNow(e, moves))});
        if (e.hasChildren)
            layoutChildren(e.id, moves);
    }
}

Rect WindowResizeClass::parentOriginal(const ControlEntry& e) const {
    if (const ControlEntry* p = e.parent ? entry(e.parent) : nullptr)
        return p->original;
    return {.x = 0, .y = 0, .width = originalWin_.width, .height = originalWin_.height};
}

// The parent's rectangle as this resize leaves it (already in `moves`, else
// as it is now).
Rect WindowResizeClass::parentNow(const ControlEntry& e, const std::vector<Move>& moves) const {
    if (!e.parent || entry(e.parent) == nullptr) {
        const Rect w = window_->size();
        return {.x = 0, .y = 0, .width = w.width, .height = w.height};
    }
    for (const Move& m : moves) {
        if (m.id == e.parent)
            return m.rect;
    }
    return GetCurrentPos(e.parent);
}

Rect WindowResizeClass::layout(const ControlEntry& e, Rect from, Rect to) const {
    const Rect& o = e.original;
    const uint16_t rs = e.resizeStrategy;
    const auto [x, width] =
        layoutAxis({o.x, o.width, from.x, from.width, to.x, to.width}, e.positionStrategy & 0xff,
                   (rs & LockWidth) != 0, (rs & ConstantRight) != 0);
    const auto [y, height] =
        layoutAxis({o.y, o.height, from.y, from.height, to.y, to.height}, e.positionStrategy >> 8,
                   (rs & LockHeight) != 0, (rs & ConstantBottom) != 0);
    return {.x = x, .y = y, .width = width, .height = height};
}

// Applies the moves in one batch (DeferMoves) ordered so that controls do
// not pass over each other: a growing window moves the far controls first,
// a shrinking one the near ones.
void WindowResizeClass::apply(std::vector<Move>& moves, bool growing) {
    if (DeferMoves != 0) {
        std::stable_sort(moves.begin(), moves.end(), [growing](const Move& a, const Move& b) {
            const long ka = static_cast<long>(a.rect.y) * 100000 + a.rect.x;
            const long kb = static_cast<long>(b.rect.y) * 100000 + b.rect.x;
            return growing ? ka > kb : ka < kb;
        });
    }
    for (const Move& m : moves) {
        ui::Control& c = window_->control(m.id);
        if (!sameRect(c.rect(), m.rect))
            c.setRect(m.rect);
    }
}

void WindowResizeClass::RestoreControls() {
    if (window_ == nullptr)
        return;
    for (const ControlEntry& e : controls_)
        window_->control(e.id).setRect(e.original);
}

WindowResizeClass::ControlEntry* WindowResizeClass::entry(ui::ControlId control) {
    for (ControlEntry& e : controls_) {
        if (e.id == control)
            return &e;
    }
    return nullptr;
}

const WindowResizeClass::ControlEntry* WindowResizeClass::entry(ui::ControlId control) const {
    for (const ControlEntry& e : controls_) {
        if (e.id == control)
            return &e;
    }
    return nullptr;
}

}  // namespace vorda
