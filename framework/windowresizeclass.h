// WindowResizeClass: moves and resizes the controls of a window when the
// user resizes it, so that lists and groups stretch, fields keep their place
// and buttons keep to their edges.
//
// Every rectangle is in dialog units. Reset records the window's initial size
// and each control's initial rectangle with default strategies; each Sized
// event (TakeResize, called by the WindowManager the resizer is registered
// with) computes every control's rectangle from its parent's initial and new
// rectangles, so resizing back to the initial size gives back every initial
// rectangle exactly (nothing accumulates).
//
// Resize strategy (bit set): LockWidth 1, LockHeight 2, ConstantRight 4 (the
// right margin to the parent stays), ConstantBottom 8. Without LockWidth and
// ConstantRight the width scales with the parent's width ratio; likewise the
// height.
// Position strategy: horizontal in the low byte, vertical in the high byte:
// Proportional 0, Fixed 1, FixRight 2, FixLeft 3, FixCenter 4, FixNearest 5.
//
// Application strategies: 1 resize and reposition everything proportionally,
// 2 (every window of the program) lists, sheets and the boxes that hold a
// list keep their place and stretch into the room beyond their right and
// bottom edges (keeping their margins there) unless another of them lies
// there; buttons keep their size and their row's distance to its edge; every
// other control keeps its place and size, or its distance to the far edge
// when it lies beyond a list that stretches; 3 keep every control's position
// and size. Menus, menu items, tabs and toolbar buttons are not managed.
//
// Call order: Init (after the window is open) ... TakeResize on Sized ... Kill.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "framework/level.h"
#include "platform/ui/windowdesc.h"

namespace vorda {

namespace ui {
class Window;
}

class WindowResizeClass {
public:
    enum Strategy : uint8_t { AppResize = 1, AppSpread = 2, AppSurface = 3 };
    enum ResizeBits : uint16_t {
        LockWidth = 1,
        LockHeight = 2,
        ConstantRight = 4,
        ConstantBottom = 8,
    };
    enum PositionStrategy : uint16_t {
        Proportional = 0,
        Fixed = 1,
        FixRight = 2,
        FixLeft = 3,
        FixCenter = 4,
        FixNearest = 5,
    };
    // A position strategy from its horizontal and vertical parts.
    static constexpr uint16_t position(uint16_t horizontal, uint16_t vertical) {
        return static_cast<uint16_t>(horizontal | (vertical << 8));
    }

    WindowResizeClass() = default;
    WindowResizeClass(const WindowResizeClass&) = delete;
    WindowResizeClass& operator=(const WindowResizeClass&) = delete;
    virtual ~WindowResizeClass() = default;

    // Records the geometry of `window` (open) with the defaults of
    // `strategy`; strategy 2 also assigns parents (SetParentDefaults). The
    // flags make the current size the window's minimum / maximum size.
    void Init(ui::Window& window, uint8_t strategy = AppSpread, bool setMinSize = false,
              bool setMaxSize = false);
    void Kill();
    // Re-records the initial geometry and the default strategies.
    void Reset();

    // Lays out every control for the window's current size (nothing when the
    // size did not change since the last call). Benign.
    virtual Level Resize();
    // Lays out `control` and its children for their parent's current rectangle.
    Level Resize(ui::ControlId control);
    // Takes a Sized event: clamps the window to its minimum / maximum size,
    // then Resize.
    virtual Level TakeResize();

    void SetStrategy(ui::ControlId control, uint16_t position, uint16_t resize);
    void SetParentDefaults();
    ui::ControlId GetParentControl(ui::ControlId control) const;
    uint16_t GetPositionStrategy(ui::ControlKind kind) const;
    uint16_t GetResizeStrategy(ui::ControlKind kind) const;
    ui::Rect GetOrigPos(ui::ControlId control) const;
    ui::Rect GetCurrentPos(ui::ControlId control) const;
    // Puts every control back to its initial rectangle.
    void RestoreControls();

    uint8_t AppStrategy = AppSpread;
    uint8_t DeferMoves = 1;
    ui::Rect MinSize{};  // width/height 0 = none
    ui::Rect MaxSize{};

private:
    struct ControlEntry {
        ui::ControlId id{};
        ui::ControlKind kind = ui::ControlKind::Prompt;
        uint16_t positionStrategy = 0;
        uint16_t resizeStrategy = 0;
        ui::Rect original{};
        ui::ControlId parent{};
        bool hasChildren = false;
    };
    struct Move {
        ui::ControlId id{};
        ui::Rect rect{};
    };

    static bool managed(ui::ControlKind kind);
    ControlEntry* entry(ui::ControlId control);
    const ControlEntry* entry(ui::ControlId control) const;
    ui::Rect parentOriginal(const ControlEntry& e) const;
    ui::Rect parentNow(const ControlEntry& e, const std::vector<Move>& moves) const;
    ui::Rect layout(const ControlEntry& e, ui::Rect parentFrom, ui::Rect parentTo) const;
    void layoutChildren(ui::ControlId parent, std::vector<Move>& moves) const;
    void apply(std::vector<Move>& moves, bool growing);
    void markChildren();
    void anchorButtonRows();
    enum class Axis { X, Y };
    void stretchLists();
    static void lockAxis(ControlEntry& e, Axis axis);
    static bool stretches(const ControlEntry& e, Axis axis);
    bool holdsList(const ControlEntry& e) const;
    bool beyond(const ControlEntry& e, Axis axis, bool containers) const;
    bool lies(const ControlEntry& o, const ControlEntry& e, Axis axis) const;
    bool followsFarEdge(const ControlEntry& e, Axis axis) const;
    ui::ControlId tabOf(ui::ControlId control) const;
    std::pair<int, int> rowExtent(const ControlEntry& e) const;
    bool clampWindow();

    ui::Window* window_ = nullptr;
    ui::Rect originalWin_{};
    ui::Rect previousWin_{};
    std::vector<ControlEntry> controls_;
};

}  // namespace vorda
