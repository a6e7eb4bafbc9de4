// MAIN: the frame procedure, its menu procedures and the toolbar relay.
#include "app/main_frame.h"

#include "agents/agentes.h"
#include "app/acercade.h"
#include "app/appglobals.h"
#include "app/childthreads.h"
#include "declarations/ddjj.h"
#include "framework/runprocedure.h"
#include "framework/toolbarclass.h"
#include "framework/toolbartarget.h"
#include "framework/windowmanager.h"
#include "maintenance/reorganizararchivos.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"

namespace vorda {

namespace {

// Menu items that start a procedure on a new thread.
struct MenuProcedure {
    MainCtl item;
    void (*procedure)();
    size_t stackBytes;
};

constexpr MenuProcedure menuProcedures[] = {
    {.item = MainCtl::ReorganizarArchivos,
     .procedure = &REORGANIZARARCHIVOS,
     .stackBytes = SmallStack},
    {.item = MainCtl::Agentes, .procedure = &AGENTES, .stackBytes = BrowseStack},
    {.item = MainCtl::Declaraciones, .procedure = &DDJJ, .stackBytes = BrowseStack},
    {.item = MainCtl::AcercaDe, .procedure = &ACERCADE, .stackBytes = SmallStack},
};

void startMenuProcedure(ui::ControlId item) {
    for (const MenuProcedure& m : menuProcedures) {
        if (ui::ControlId(m.item) == item && m.procedure != nullptr)
            startChild(m.procedure, m.stackBytes);
    }
}

// The frame's form manager. Closing the frame while child windows are open
// first closes them (CloseDown): each unsaved form asks as its CancelAction
// says. The frame closes once none is left; when a child stays open (its
// user cancelled), the frame stays open too.
//
//   open --CloseWindow, children--> closing --last child ended--> closed
//     ^                                |
//     +--- children idle, still open --+   (checked on each Timer)
class MainFrame final : public WindowManager {
public:
    explicit MainFrame(ui::Window& window) : WindowManager(window) {}

    Level Init() override;
    Level TakeAccepted() override;
    Level TakeWindowEvent() override;
    Level TakeCloseEvent() override;

private:
    Level checkClosing();
    void placement(PlacementStep step);

    ToolbarClass toolbar_;
    bool splashStarted_ = false;
};

constexpr int ClosingPoll = 10;  // hundredths between checks while closing
constexpr const char* PlacementSection = "Main";

Level MainFrame::Init() {
    const Level level = InitProcedure(toolbar_, 1);
    if (level != Benign)
        return level;
    OpenWindow();
    placement(PlacementStep::Restore);
    SetAlerts();
    return Benign;
}

// The frame keeps its position, size and maximized state in vorda.INI.
void MainFrame::placement(PlacementStep step) {
    if (!WindowPlacementOf)
        return;
    const std::unique_ptr<WindowPlacement> p = WindowPlacementOf(window());
    if (p == nullptr)
        return;
    if (step == PlacementStep::Save)
        INIMgr.Update(PlacementSection, *p);
    else
        INIMgr.Fetch(PlacementSection, *p);
}

Level MainFrame::TakeAccepted() {
    const int control = CurrentEvent().control.value();
    if (toolbar::isButton(control)) {
        relayToolbar(control);
        return Notify;
    }
    startMenuProcedure(control);
    return WindowManager::TakeAccepted();
}

Level MainFrame::TakeWindowEvent() {
    const ui::EventKind kind = CurrentEvent().kind;
    if (kind == ui::EventKind::Timer && childrenClosing())
        return checkClosing();
    const Level level = WindowManager::TakeWindowEvent();
    if (level == Benign && kind == ui::EventKind::OpenWindow && !splashStarted_) {
        splashStarted_ = true;
        startChild(&ACERCADE, 0);
    }
    return level;
}

Level MainFrame::TakeCloseEvent() {
    if (!childWindowsOpen()) {
        endChildrenClosing(window());
        placement(PlacementStep::Save);
        return WindowManager::TakeCloseEvent();
    }
    if (!childrenClosing())
        beginChildrenClosing(window(), ClosingPoll);
    return Notify;
}

// While closing: close the frame once every child has gone; ask the windows
// that came to the top of their threads meanwhile; give up when the children
// left are idle (they refused to close).
Level MainFrame::checkClosing() {
    if (!childWindowsOpen()) {
        window().post(ui::EventKind::CloseWindow);
        return Notify;
    }
    if (!askChildrenToClose() && childrenIdle())
        endChildrenClosing(window());
    return Notify;
}

}  // namespace

bool relayToolbar(int control) {
    ui::Runtime& rt = ui::Runtime::current();
    const ui::Window* active = rt.active();
    if (active == nullptr || (active->desc().flags & ui::window::Frame) != 0)
        return false;
    return rt.post(ui::EventKind::Accepted, control, active->thread());
}

void MAIN() {
    RunProcedure<MainFrame>("Main", mainFrameDesc());
}

}  // namespace vorda
