#include "declarations/recordform.h"

#include <string>

#include "framework/filemanager.h"
#include "framework/relationmanager.h"
#include "framework/toolbarupdateclass.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"

namespace vorda {

Level RecordForm::beginInit() {
    return InitProcedure(toolbar_, {});
}

void RecordForm::openTable(RelationManager& table) {
    if (table.Open() == Benign)
        opened_.push_back(&table);
}

void RecordForm::finishInit() {
    OpenWindow();
    resizer_.Init(window(), WindowResizeClass::AppSpread);
    AddItem(resizer_);
    if (ToolbarUpdateClass* target = FormTarget())
        target->Help = true;
    SetAlerts();
}

Level RecordForm::refuse(ui::ControlId control) {
    window().select(control);
    return Notify;
}

const char* RecordForm::captionFor(int request) const {
    switch (request) {
        case RequestInsert:
            return captions_.insert;
        case RequestChange:
            return captions_.change;
        case RequestDelete:
            return captions_.remove;
        default:
            return "";
    }
}

Level RecordForm::Ask() {
    window().setCaption(captionFor(Request));
    return WindowManager::Ask();
}

// Closing the tables gives a calling procedure its own position back; the
// record this form stored stays the table's current record (and the
// buffer's), where the calling list looks for it.
Level RecordForm::Kill() {
    const bool stored = Primary != nullptr && Response == ResponseCompleted &&
                        (Request == RequestInsert || Request == RequestChange);
    const std::string position = stored ? Primary->Me->Position() : std::string();
    const Level level = WindowManager::Kill();
    for (auto it = opened_.rbegin(); it != opened_.rend(); ++it)
        (*it)->Close();
    opened_.clear();
    if (!position.empty() && Primary->Me->GetOpenCount() > 0)
        Primary->Me->TryReget(position);
    return level;
}

Level RecordForm::TakeAccepted() {
    const Level level = WindowManager::TakeAccepted();
    if (level == Benign && CurrentEvent().control == help_)
        ui::Runtime::current().backend().standardAction(ui::StandardAction::HelpContents);
    return level;
}

}  // namespace vorda
