// ToolbarClass: routes the frame's shared navigation toolbar (buttons 2000 to
// 2012, toolbartarget.h) to the list or form of a window that is active.
//
// One instance belongs to each window that uses the toolbar and is registered
// with that window's WindowManager (AddItem). The frame relays a pressed
// toolbar button as an Accepted event with the button's number to the active
// child window's thread; the window's TakeAccepted passes it here first
// (TakeEvent), and the active target carries it out.
//
// Button state. The toolbar keeps the enabled state and tip of each of the
// thirteen buttons as the active target last displayed them (Enabled, Tip).
// DisplayButtons starts from the frame's own tips with every button enabled,
// lets the active target change them, and copies the result onto the frame
// window's toolbar controls when a frame is open (Frame, or the runtime's
// frame when Frame is not set).
//
// Call order: Init, AddTarget..., SetTarget, events..., Kill.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/ui/event.h"

namespace vorda {

namespace ui {
class Window;
}

class ToolbarTarget;
class WindowManager;

class ToolbarClass {
public:
    ToolbarClass() = default;
    ToolbarClass(const ToolbarClass&) = delete;
    ToolbarClass& operator=(const ToolbarClass&) = delete;
    virtual ~ToolbarClass() = default;

    virtual void Init();
    virtual void Kill();  // forgets the targets

    // Registers `target` under `id` (its Id is set). A target added twice is
    // kept once, under its newest id.
    void AddTarget(ToolbarTarget& target, int id);
    void RemoveTarget(ToolbarTarget& target);
    // Activates target `id` and displays its buttons; 0 activates the last
    // added target that accepts the toolbar. Unknown ids leave it unchanged.
    void SetTarget(int id = 0);
    ToolbarTarget* ActiveTarget() const { return active_; }

    // `event` is an Accepted event of a toolbar button: the active target
    // carries it out. True when it was handled (the window's own handling of
    // the event then stops).
    virtual bool TakeEvent(const ui::Event& event, WindowManager& window);
    // Redisplays the active target's buttons (all disabled without one).
    virtual void DisplayButtons();

    // Used by targets from DisplayButtons.
    void SetButton(int button, bool enabled);
    void SetTip(int button, std::string tip);
    void SetRange(int first, int last, bool enabled);

    bool Enabled(int button) const;
    const std::string& Tip(int button) const;

    // The frame window whose toolbar controls show the state; nullptr = the
    // runtime's frame, if any.
    ui::Window* Frame = nullptr;

private:
    struct ButtonState {
        bool enabled = false;
        std::string tip{};
    };
    static constexpr size_t Count = 13;

    ButtonState* state(int button);
    const ButtonState* state(int button) const;
    void resetToFrameDefaults();
    void applyToFrame() const;
    ui::Window* frameWindow() const;

    std::vector<ToolbarTarget*> targets_;
    ToolbarTarget* active_ = nullptr;
    std::array<ButtonState, Count> buttons_{};
};

}  // namespace vorda
