// A view walked record by record, with progress.
#include "framework/processclass.h"

#include <algorithm>

#include "framework/filemanager.h"
#include "framework/relationmanager.h"
#include "framework/stepclass.h"
#include "platform/store/file.h"
#include "platform/ui/window.h"

namespace vorda {

void ProcessClass::initCommon(RelationManager* primary, ui::Window* window,
                              ui::ControlId progressText, uint8_t* percentile) {
    ViewManager::Init(primary);
    Window = window;
    PText = progressText;
    Percentile = percentile;
    RecordsProcessed = 0;
    StepMgr = nullptr;
    ValueField = 0;
    BySize = false;
    FileSize = 0;
    BytesRead = 0;
    lastShown_ = -1;
}

void ProcessClass::Init(RelationManager* primary, ui::Window* window, ui::ControlId progressText,
                        uint8_t* percentile, int64_t expected) {
    initCommon(primary, window, progressText, percentile);
    expected_ = expected;
    RecordsToProcess = expected;
}

void ProcessClass::Init(RelationManager* primary, ui::Window* window, ui::ControlId progressText,
                        uint8_t* percentile, StepClass* step, int valueField) {
    initCommon(primary, window, progressText, percentile);
    expected_ = 0;
    RecordsToProcess = 0;
    StepMgr = step;
    ValueField = valueField;
}

void ProcessClass::Kill() {
    ViewManager::Kill();
    Window = nullptr;
    Percentile = nullptr;
    StepMgr = nullptr;
}

// --- the walk ---------------------------------------------------------------------

void ProcessClass::Reset() {
    RecordsProcessed = 0;
    BytesRead = 0;
    lastShown_ = -1;
    SetProgressLimits();
    ViewManager::Reset(ResetAt::First);
    TakeLocate();
}

void ProcessClass::SetProgressLimits() {
    BySize = false;
    if (StepMgr != nullptr) {
        setStepLimits();
        return;
    }
    RecordsToProcess = expected_;
    if (RecordsToProcess != 0)
        return;
    const int64_t records = Me().File->records();
    if (records > 0) {
        RecordsToProcess = records;
        return;
    }
    // The table cannot tell how many records it holds: count bytes instead.
    BySize = true;
    FileSize = std::max<int64_t>(0, Me().File->bytes());
}

// The step's limits are the key values of the view's first and last record
// (the lowest and highest values when the view is empty).
void ProcessClass::setStepLimits() {
    const auto value = [this] { return RelationManager::FieldImage(Me(), ValueField); };
    std::string first(value().size(), '\0');
    std::string last(value().size(), '\xFF');
    ViewManager::Reset(ResetAt::First);
    if (ViewManager::Next() == Benign)
        first = value();
    ViewManager::Reset(ResetAt::Last);
    if (ViewManager::Previous() == Benign)
        last = value();
    StepMgr->SetLimits(first, last);
}

Level ProcessClass::Next(bool counting) {
    const Level level = ViewManager::Next();
    if (level == Benign && counting)
        countRecord();
    return level;
}

void ProcessClass::countRecord() {
    ++RecordsProcessed;
    if (BySize) {
        const int64_t read = Me().File->bytesRead();
        BytesRead =
            read > 0 ? read : BytesRead + static_cast<int64_t>(Me().File->desc().recordSize);
    }
    const int percent = static_cast<int>(std::clamp<int64_t>(Percentage(), 0, 100));
    if (Percentile != nullptr)
        *Percentile = static_cast<uint8_t>(percent);
    if (percent != lastShown_) {
        lastShown_ = percent;
        UpdateDisplay();
    }
}

int64_t ProcessClass::Percentage() const {
    if (StepMgr != nullptr)
        return StepMgr->GetPercentile(RelationManager::FieldImage(Me(), ValueField));
    if (BySize)
        return FileSize > 0 ? BytesRead * 100 / FileSize : 0;
    return RecordsToProcess > 0 ? RecordsProcessed * 100 / RecordsToProcess : 0;
}

void ProcessClass::UpdateDisplay() {
    if (Window == nullptr || !Window->isOpen())
        return;
    if (PText)
        Window->control(PText).setText(std::to_string(lastShown_) + "% Completo");
    Window->display();
}

Level ProcessClass::TakeRecord() {
    return Benign;
}

Level ProcessClass::TakeLocate() {
    return Benign;
}

Level ProcessClass::TakeAccepted() {
    return Benign;
}

}  // namespace vorda
