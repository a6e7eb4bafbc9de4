// ToolbarClass: the targets of one window and the frame toolbar's state.
#include "framework/toolbarclass.h"

#include <algorithm>

#include "framework/toolbartarget.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"

namespace vorda {

namespace {
const std::string kNoTip;
}

void ToolbarClass::Init() {
    targets_.clear();
    active_ = nullptr;
    buttons_ = {};
}

void ToolbarClass::Kill() {
    targets_.clear();
    active_ = nullptr;
}

void ToolbarClass::AddTarget(ToolbarTarget& target, int id) {
    RemoveTarget(target);
    target.Id = id;
    targets_.push_back(&target);
}

void ToolbarClass::RemoveTarget(ToolbarTarget& target) {
    std::erase(targets_, &target);
    if (active_ == &target)
        active_ = nullptr;
}

void ToolbarClass::SetTarget(int id) {
    ToolbarTarget* chosen = nullptr;
    for (auto it = targets_.rbegin(); it != targets_.rend() && chosen == nullptr; ++it) {
        const bool match = id == 0 ? (*it)->TryTakeToolbar() : (*it)->Id == id;
        if (match)
            chosen = *it;
    }
    if (chosen == nullptr)
        return;
    active_ = chosen;
    DisplayButtons();
}

bool ToolbarClass::TakeEvent(const ui::Event& event, WindowManager& window) {
    if (event.kind != ui::EventKind::Accepted || !toolbar::isButton(event.control.value()))
        return false;
    if (active_ == nullptr)
        return false;
    return active_->TakeToolbar(event.control.value(), window);
}

void ToolbarClass::DisplayButtons() {
    resetToFrameDefaults();
    if (active_ != nullptr)
        active_->DisplayButtons(*this);
    else
        SetRange(toolbar::First, toolbar::Last, false);
    applyToFrame();
}

void ToolbarClass::SetButton(int button, bool enabled) {
    if (ButtonState* s = state(button))
        s->enabled = enabled;
}

void ToolbarClass::SetTip(int button, std::string tip) {
    if (ButtonState* s = state(button))
        s->tip = std::move(tip);
}

void ToolbarClass::SetRange(int first, int last, bool enabled) {
    for (int b = first; b <= last; ++b)
        SetButton(b, enabled);
}

bool ToolbarClass::Enabled(int button) const {
    const ButtonState* s = state(button);
    return s != nullptr && s->enabled;
}

const std::string& ToolbarClass::Tip(int button) const {
    const ButtonState* s = state(button);
    return s != nullptr ? s->tip : kNoTip;
}

ToolbarClass::ButtonState* ToolbarClass::state(int button) {
    if (!toolbar::isButton(button))
        return nullptr;
    return &buttons_[static_cast<size_t>(button - toolbar::First)];
}

const ToolbarClass::ButtonState* ToolbarClass::state(int button) const {
    if (!toolbar::isButton(button))
        return nullptr;
    return &buttons_[static_cast<size_t>(button - toolbar::First)];
}

// Every button enabled, with the tip the frame declared for it.
void ToolbarClass::resetToFrameDefaults() {
    const ui::Window* frame = frameWindow();
    for (int b = toolbar::First; b <= toolbar::Last; ++b) {
        const ui::Control* c = frame != nullptr ? frame->find(b) : nullptr;
        *state(b) = {.enabled = true, .tip = c != nullptr ? c->desc().tip : std::string()};
    }
}

void ToolbarClass::applyToFrame() const {
    ui::Window* frame = frameWindow();
    if (frame == nullptr)
        return;
    for (int b = toolbar::First; b <= toolbar::Last; ++b) {
        if (ui::Control* c = frame->find(b)) {
            c->setEnabled(state(b)->enabled);
            c->setTip(state(b)->tip);
        }
    }
}

ui::Window* ToolbarClass::frameWindow() const {
    if (Frame != nullptr)
        return Frame;
    const ui::Runtime* rt = ui::Runtime::instance();
    return rt != nullptr ? rt->frame() : nullptr;
}

}  // namespace vorda
