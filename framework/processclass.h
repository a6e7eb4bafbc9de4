// ProcessClass: a view (ViewManager) walked record by record, with progress.
//
// A batch run (an import pass, a report) derives from it and puts its work
// for one record in TakeRecord; ReportManager drives it from the timer of
// its progress window. The view is set up as any view is (sort order, range,
// filters) after Init.
//
// Progress. Reset decides how progress is counted:
//   1. with a step object: the view's first and last key values become its
//      limits, and progress is the step's percentage for each record's value
//      of ValueField;
//   2. otherwise by records: RecordsToProcess (the expected count given to
//      Init, else the table's record count taken at Reset);
//   3. when the table cannot tell a count (a text file) or tells 0, by bytes:
//      the bytes read against the file's size.
// After each record read, the percentage (shown as at most 100) goes into
// *Percentile; when it changed, the progress text becomes it followed by
// "% Completo" and the window is redisplayed.
//
// Calling sequence:
//   process.Init(Relate::ANEXOII, &window, ProgressCtl::PctText, &percent);
//   process.AddSortOrder(AnexoII::ANEXOII); process.AddRange(...);
//   ... ReportManager runs it: Reset, Next, TakeRecord, Next, ... ...
//   process.Kill();
#pragma once

#include <cstdint>

#include "framework/level.h"
#include "framework/viewmanager.h"
#include "platform/ui/event.h"

namespace vorda {

namespace ui {
class Window;
}
class StepClass;

// Init, Reset and Next stand in for the view manager's own (hidden on
// purpose: a process is set up and walked only through these, which count
// and show progress).
class ProcessClass : public ViewManager {
public:
    // Progress by records: `expected` records (0 = the table's count at Reset).
    // `window`, `progressText` and `percentile` may be absent (nullptr, 0).
    void Init(RelationManager* primary, ui::Window* window, ui::ControlId progressText,
              uint8_t* percentile, int64_t expected = 0);
    // Progress by `step`'s percentage for the value of field `valueField`.
    void Init(RelationManager* primary, ui::Window* window, ui::ControlId progressText,
              uint8_t* percentile, StepClass* step, int valueField);
    void Kill() override;

    // Starts the walk at the view's first record and sets the progress
    // limits; nothing processed yet.
    virtual void Reset();
    // The next record of the view. When `counting`, a record read is counted
    // (RecordsProcessed, and its bytes in size mode) and the progress shown.
    // Benign; Notify at the end of the view; Fatal on a read error (reported).
    virtual Level Next(bool counting = true);
    // Sets the progress limits (step limits, record count or file size).
    void SetProgressLimits();

    // The work for the record in the buffer: Benign goes on with the next
    // record, Notify ends the current timer tick (the same record is handed
    // again at the next tick), Fatal ends the run. The base does nothing.
    virtual Level TakeRecord();
    // Called by Reset once the view is positioned at its start.
    virtual Level TakeLocate();
    // A button of the progress window other than "Cancelar" was pressed.
    virtual Level TakeAccepted();
    // Shows the percentage in the progress text and the window.
    virtual void UpdateDisplay();

    int64_t RecordsToProcess = 0;
    int64_t RecordsProcessed = 0;
    StepClass* StepMgr = nullptr;
    int ValueField = 0;
    uint8_t* Percentile = nullptr;
    ui::ControlId PText{};
    ui::Window* Window = nullptr;
    // Size mode: the file's size and the bytes read so far.
    bool BySize = false;
    int64_t FileSize = 0;
    int64_t BytesRead = 0;

protected:
    // The percentage for the record just read (may exceed 100).
    virtual int64_t Percentage() const;

private:
    void initCommon(RelationManager* primary, ui::Window* window, ui::ControlId progressText,
                    uint8_t* percentile);
    void countRecord();
    void setStepLimits();

    int64_t expected_ = 0;
    int lastShown_ = -1;
};

}  // namespace vorda
