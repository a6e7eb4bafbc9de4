// ReportManager: runs a ProcessClass from the timer of its progress window, a
// slice of records per tick, so the program stays responsive; with a report,
// it collects the pages printed for a preview or the printer.
//
// A pure batch process (an import pass) has no report and no preview; a
// report procedure gives both. Calling sequence (the procedure's thread):
//
//   uint8_t percent = 0;
//   ui::Window w(progressWindowDesc("Imprimiendo Anexo II"));
//   bindProgress(w, percent);
//   MyProcess process;                         // overrides TakeRecord
//   process.Init(Relate::ANEXOII, &w, ProgressCtl::PctText, &percent);
//   process.AddSortOrder(...); process.AddRange(...);
//   ReportManager run(w);
//   run.Init(process, &report, &preview);      // opens the window (timer runs)
//   run.Zoom = 100;                            // options, before Ask
//   run.Ask();                                 // until the run ends (and the preview)
//   run.Kill();                                // GlobalResponse = run.Response
//
// A pure batch process over a text file (an import's checking or loading
// pass) has no report: its progress window is retitled when it opens, and
// the text file's progress is counted by bytes:
//
//   ui::Window w(progressWindowDesc("Chequeando..."));
//   bindProgress(w, percent);
//   process.Init(Relate::DDJJ_MENSUAL, &w, ProgressCtl::PctText, &percent);
//   process.AddSortOrder();                    // file order
//   process.SetQuickScan(true);                // QUICKSCAN=on to the driver
//   ReportManager run(w);
//   run.Init(process);
//   w.setCaption("Processing Records");
//   w.control(ProgressCtl::PctText).setText("0% Completed");
//   run.Ask(); run.Kill();                     // run.Response: completed/cancelled
//
// TakeRecord of such a process may show message boxes (they wait on the
// process's thread only) and return Benign to go on.
//
// States of a run:
//
//   Init ─► OpenWindow event: Open ─► OpenReport ─┬─ no record: error 22,
//           (deferred: at the first tick)          │  OpenFailed ─► next tick closes
//                                                  └─ first record read
//   Timer ─► cycles of RecordsPerCycle records ─► (Next: no more) Response set,
//            timer stopped, window closed
//   "Cancelar" ─► ResponseCancelled, window closed
//   close ─► TakeCloseEvent: cursor restored, window hidden (unless
//            KeepVisible), AskPreview, report closed ─► Kill
//
// One tick: with the clock value t0 noted, repeat cycles: hand records to
// Process->TakeRecord until RecordsPerCycle records were taken in the cycle
// (Benign: next record; Notify: the tick ends; Fatal: the run ends). After a
// cycle, with d = hundredths since t0: 5d < 4*TimeSlice doubles
// RecordsPerCycle; another cycle starts while 2d < TimeSlice. After the last
// cycle, 2d > 3*TimeSlice halves RecordsPerCycle (never below 1).
//
// Response: ResponseCompleted when the process ran out of records after at
// least one; ResponseCancelled on "Cancelar", a Fatal record, a read error or
// an empty run.
#pragma once

#include <cstdint>
#include <memory>

#include "framework/level.h"
#include "framework/windowmanager.h"
#include "platform/print/document.h"
#include "platform/print/report.h"

namespace vorda {

class ProcessClass;
class PrintPreviewClass;

class ReportManager : public WindowManager {
public:
    // `window` is the progress window (progresswindow.h).
    explicit ReportManager(ui::Window& window);

    // Sets the defaults below, registers "Cancelar" and opens the window.
    // `report` and `preview` may be nullptr (a pure process; a report printed
    // without preview). It stands in for the form manager's Init.
    Level Init(ProcessClass& process, print::Report* report = nullptr,
               PrintPreviewClass* preview = nullptr);
    Level Ask() override;
    Level Kill() override;
    void Open() override;
    // Resets the process and takes its first record; opens the report.
    virtual void OpenReport();
    // The next record; at the end of the records (or on a read error) sets
    // Response, stops the timer and closes the window.
    virtual Level Next();
    Level TakeWindowEvent() override;
    Level TakeAccepted() override;
    // The empty run: error 22, and OpenFailed.
    virtual void TakeNoRecords();
    Level TakeCloseEvent() override;
    // The pages, when the run completed: previewed, printed or collected.
    virtual void AskPreview();

    ProcessClass* Process = nullptr;
    print::Report* Report = nullptr;
    PrintPreviewClass* Preview = nullptr;
    std::shared_ptr<print::Document> PreviewQueue;
    // The page size and margins the report is laid out with (the paper of
    // the printer set-up at Init).
    print::Report::Layout Layout{};
    int32_t RecordsPerCycle = 1;
    int32_t TimeSlice = 100;  // hundredths of a second
    int64_t StartTime = 0;
    uint8_t DeferWindow = 0;  // seconds
    uint8_t DeferOpenReport = 0;
    uint8_t KeepVisible = 0;
    uint8_t WaitCursor = 0;
    uint8_t SkipPreview = 0;
    uint8_t OpenFailed = 0;
    int Zoom = 0;  // the preview's first zoom (0: the preview's own)

private:
    Level takeTimer();
    bool runCycle(int64_t& elapsed, int64_t start);
    void endRun(uint8_t response);
    void printPages();
    int64_t now() const;

    bool reportOpen_ = false;
    bool busy_ = false;
};

}  // namespace vorda
