// ACERCADE: the about box procedure.
#include "app/acercade.h"

#include "framework/runprocedure.h"
#include "framework/toolbarclass.h"
#include "framework/windowmanager.h"
#include "platform/ui/window.h"

namespace vorda {

namespace {

// Mouse keys alerted on the window: any of them closes the box.
constexpr ui::KeyCode closingClicks[] = {ui::key::MouseLeft, ui::key::MouseLeft2,
                                         ui::key::MouseRight};

bool isClosingClick(ui::KeyCode key) {
    for (ui::KeyCode k : closingClicks) {
        if (k == key)
            return true;
    }
    return false;
}

class Acercade final : public WindowManager {
public:
    explicit Acercade(ui::Window& window) : WindowManager(window) {}

    Level Init() override;
    Level TakeEvent() override;

private:
    bool closesBox(const ui::Event& event) const;

    ToolbarClass toolbar_;
};

Level Acercade::Init() {
    const Level level = InitProcedure(toolbar_, 1);
    if (level != Benign)
        return level;
    OpenWindow();
    window().setTimer(AcercadeTimer);
    for (ui::KeyCode k : closingClicks)
        window().alert(k);
    SetAlerts();
    return Benign;
}

// After the form manager's own handling: a click, the focus leaving or the
// timer closes the box.
Level Acercade::TakeEvent() {
    const Level level = WindowManager::TakeEvent();
    if (level != Benign)
        return level;
    if (closesBox(CurrentEvent()))
        window().post(ui::EventKind::CloseWindow);
    return Benign;
}

bool Acercade::closesBox(const ui::Event& event) const {
    switch (event.kind) {
        case ui::EventKind::AlertKey:
            return isClosingClick(event.key);
        case ui::EventKind::LoseFocus:
        case ui::EventKind::Timer:
            return true;
        default:
            return false;
    }
}

}  // namespace

void ACERCADE() {
    RunProcedure<Acercade>("Acercade", acercadeDesc());
}

}  // namespace vorda
