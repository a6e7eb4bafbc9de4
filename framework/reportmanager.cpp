// Running a process from the progress window's timer.
#include "framework/reportmanager.h"

#include <limits>

#include "framework/errorclass.h"
#include "framework/printpreviewclass.h"
#include "framework/processclass.h"
#include "framework/progresswindow.h"
#include "framework/reportoutput.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"

namespace vorda {

namespace {

constexpr uint16_t kNoRecords = 22;

}  // namespace

ReportManager::ReportManager(ui::Window& window) : WindowManager(window) {}

Level ReportManager::Init(ProcessClass& process, print::Report* report,
                          PrintPreviewClass* preview) {
    const Level level = WindowManager::Init();
    if (level != Benign)
        return level;
    Process = &process;
    Report = report;
    Preview = preview;
    PreviewQueue = report != nullptr ? std::make_shared<print::Document>() : nullptr;
    if (ui::Runtime* rt = ui::Runtime::instance())
        Layout.size = rt->backend().paper();
    RecordsPerCycle = 1;
    TimeSlice = 100;
    StartTime = 0;
    DeferWindow = 0;
    DeferOpenReport = 0;
    KeepVisible = 0;
    WaitCursor = 0;
    SkipPreview = 0;
    OpenFailed = 0;
    Zoom = 0;
    reportOpen_ = false;
    if (window().find(ProgressCtl::Cancel) != nullptr)
        AddItem(ProgressCtl::Cancel, ResponseCancelled);
    // Opened directly: a progress window keeps no placement of its own.
    window().open();
    Opened = 1;
    Inited.set(InitedFlag::Opened);
    return Benign;
}

int64_t ReportManager::now() const {
    ui::Runtime* rt = ui::Runtime::instance();
    return rt != nullptr ? rt->clock().now() : 0;
}

Level ReportManager::Ask() {
    StartTime = now();
    if (DeferWindow != 0 && window().isOpen())
        window().setVisible(false);
    if (WaitCursor != 0 && !busy_ && ui::Runtime::instance() != nullptr) {
        ui::Runtime::instance()->busy(true);
        busy_ = true;
    }
    return WindowManager::Ask();
}

Level ReportManager::Kill() {
    if (busy_ && ui::Runtime::instance() != nullptr)
        ui::Runtime::instance()->busy(false);
    busy_ = false;
    if (Report != nullptr && reportOpen_)
        Report->close();
    reportOpen_ = false;
    PreviewQueue.reset();
    if (Process != nullptr)
        Process->Kill();
    return WindowManager::Kill();
}

void ReportManager::Open() {
    WindowManager::Open();
    if (DeferOpenReport == 0)
        OpenReport();
}

void ReportManager::OpenReport() {
    Process->Reset();
    const Level level = Process->Next();
    if (level == Notify) {
        TakeNoRecords();
        return;
    }
    if (level != Benign) {
        OpenFailed = 1;
        return;
    }
    if (Report != nullptr && PreviewQueue != nullptr) {
        Report->open(*PreviewQueue, Layout);
        reportOpen_ = true;
    }
}

void ReportManager::TakeNoRecords() {
    OpenFailed = 1;
    if (Errors != nullptr)
        Errors->Throw(kNoRecords);
}

Level ReportManager::Next() {
    const Level level = Process->Next();
    if (level == Notify)
        endRun(Process->RecordsProcessed > 0 ? ResponseCompleted : ResponseCancelled);
    else if (level != Benign)
        endRun(ResponseCancelled);
    return level;
}

void ReportManager::endRun(uint8_t response) {
    window().setTimer(0);
    SetResponse(response);
}

// --- events -------------------------------------------------------------------

Level ReportManager::TakeWindowEvent() {
    if (CurrentEvent().kind == ui::EventKind::Timer)
        return takeTimer();
    return WindowManager::TakeWindowEvent();
}

Level ReportManager::TakeAccepted() {
    const Level level = WindowManager::TakeAccepted();
    if (level != Benign || !window().isOpen())
        return level;
    if (CurrentEvent().control != ProgressCtl::Cancel)
        return Process->TakeAccepted();
    return Benign;
}

Level ReportManager::takeTimer() {
    if (!window().isOpen() || Response != 0)
        return Benign;
    if (DeferOpenReport != 0) {
        DeferOpenReport = 0;
        OpenReport();
    }
    if (OpenFailed != 0) {
        endRun(ResponseCancelled);
        return Benign;
    }
    const int64_t start = now();
    if (DeferWindow != 0 && start - StartTime > int64_t{DeferWindow} * 100) {
        window().setVisible(true);
        DeferWindow = 0;
    }
    int64_t elapsed = 0;
    while (runCycle(elapsed, start)) {
        if (5 * elapsed < 4 * int64_t{TimeSlice} &&
            RecordsPerCycle <= std::numeric_limits<int32_t>::max() / 2) {
            RecordsPerCycle *= 2;
        }
        if (2 * elapsed >= TimeSlice)
            break;
    }
    if (2 * elapsed > 3 * int64_t{TimeSlice} && RecordsPerCycle > 1)
        RecordsPerCycle /= 2;
    return Benign;
}

// One cycle: RecordsPerCycle records handed to the process. False when the
// tick must end at once (the run ended, or the process asked with Notify).
bool ReportManager::runCycle(int64_t& elapsed, int64_t start) {
    const int64_t first = Process->RecordsProcessed;
    while (Process->RecordsProcessed - first < RecordsPerCycle) {
        const Level level = Process->TakeRecord();
        if (level == Fatal) {
            endRun(ResponseCancelled);
            return false;
        }
        if (level == Notify || Response != 0)
            return false;
        if (Next() != Benign)
            return false;
    }
    elapsed = now() - start;
    return true;
}

// --- the end of the run ---------------------------------------------------------

Level ReportManager::TakeCloseEvent() {
    if (busy_ && ui::Runtime::instance() != nullptr)
        ui::Runtime::instance()->busy(false);
    busy_ = false;
    window().setTimer(0);
    if (KeepVisible == 0 && window().isOpen())
        window().setVisible(false);
    AskPreview();
    if (Report != nullptr && reportOpen_)
        Report->close();
    reportOpen_ = false;
    return WindowManager::TakeCloseEvent();
}

void ReportManager::AskPreview() {
    if (Report == nullptr || PreviewQueue == nullptr || Response != ResponseCompleted)
        return;
    if (reportOpen_)
        Report->close();
    reportOpen_ = false;
    if (CollectReports) {
        CollectReports(*PreviewQueue);
    } else if (Preview == nullptr || SkipPreview != 0) {
        printPages();
    } else {
        Preview->Init(PreviewQueue);
        if (Preview->Display(Zoom))
            printPages();
        Preview->Kill();
    }
    PreviewQueue->pages.clear();
}

void ReportManager::printPages() {
    if (PreviewQueue->pageCount() == 0)
        return;
    PrintPages(PreviewQueue, window().caption());
}

}  // namespace vorda
