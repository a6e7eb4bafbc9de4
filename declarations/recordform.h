// RecordForm: what the declaration folder's forms have in common.
//
// Each form is a WindowManager following the form calling sequence; this
// base gives it the shared steps:
//   beginInit()    the request from GlobalRequest, the manager's defaults,
//                  the reporter, the frame toolbar, GlobalRequest and
//                  GlobalResponse cleared;
//   openTable()    opens a table (with its related tables) for the form's
//                  life; Kill closes every table so opened;
//   finishInit()   opens the window, attaches the resizer and the form's
//                  toolbar target with its help button, sets the alerts;
//   refuse()       puts the focus back on a control and ends the event
//                  (Notify), which also stops the save's select-all pass.
// Ask shows the caption of the request before the event loop; the help
// button opens the help file's contents.
#pragma once

#include <vector>

#include "framework/level.h"
#include "framework/toolbarclass.h"
#include "framework/windowmanager.h"
#include "framework/windowresizeclass.h"

namespace vorda {

class RelationManager;

class RecordForm : public WindowManager {
public:
    struct Captions {
        const char* insert;
        const char* change;
        const char* remove;
    };

    RecordForm(ui::Window& window, Captions captions, ui::ControlId help)
        : WindowManager(window), captions_(captions), help_(help) {}

    Level Ask() override;
    Level Kill() override;
    Level TakeAccepted() override;

    // The caption shown for `request`; "" for any other request.
    const char* captionFor(int request) const;

protected:
    Level beginInit();
    // Open failures are reported by the managers; the table is closed at Kill
    // only when it was opened here.
    void openTable(RelationManager& table);
    void finishInit();
    Level refuse(ui::ControlId control);
    ToolbarClass& toolbar() { return toolbar_; }

private:
    Captions captions_;
    ui::ControlId help_;
    ToolbarClass toolbar_;
    WindowResizeClass resizer_;
    std::vector<RelationManager*> opened_;
};

}  // namespace vorda
