// Batch runs and reports over the LIN test table (lines of one declaration),
// driven by a real ReportManager on a procedure thread of the headless
// runtime, with its virtual clock.
//
//   ReportFixture   tables in a fresh directory, runtime, boxes, transcript
//   LinesProcess    TakeRecord = the test's onRecord (prints a band when the
//                   run has a report)
//   run(options)    starts the run on a new thread and settles
//   tick(n)         lets n hundredths of clock time pass (the timer fires)
#pragma once

#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "framework/printpreviewclass.h"
#include "framework/processclass.h"
#include "framework/reportmanager.h"
#include "platform/ui/headless/headlessbackend.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"
#include "tests/framework/relationtables.h"

namespace vorda::test {

class LinesProcess : public ProcessClass {
public:
    std::function<Level()> onRecord;
    Level TakeRecord() override { return onRecord ? onRecord() : Benign; }
};

struct RunOptions {
    bool report = false;
    bool preview = false;
    int64_t expected = 0;  // RecordsToProcess given to Init
    // Options of the manager after its Init (before Ask).
    std::function<void(ReportManager&)> configure{};
    // Each record's work; the default prints the line's DOC when there is a
    // report and goes on.
    std::function<Level()> onRecord{};
};

class ReportFixture : public RelationFixture {
protected:
    static constexpr const char* Key = "1/23.45.678200505 00";

    void SetUp() override;
    void TearDown() override;

    void addLines(int count, const std::string& key = declKey("1/23.45.678", "2005", "05"));
    void run(const RunOptions& options);
    void settle() { backend.settle(*rt); }
    void tick(int hundredths = 1) { backend.advance(*rt, hundredths); }
    ui::Window* progressWindow() const;
    ui::Window* previewWindow() const;
    void menu(ui::Window& w, int item);
    std::vector<std::string> boxCaptions() const;

    std::ostringstream transcript;
    ui::HeadlessBackend backend{&transcript};
    std::unique_ptr<ui::Runtime> rt;
    std::unique_ptr<RecordingPresenter> answers;
    int thread = 0;
    bool finished = false;
    uint8_t response = 0;
    int headers = 0;
    std::vector<int32_t> cycles;  // RecordsPerCycle seen by each record
    std::vector<int> percents;    // *Percentile after each record
    std::vector<std::string> progressTexts;
    LinesProcess* process = nullptr;
    ReportManager* manager = nullptr;
    PrintPreviewClass* preview = nullptr;
};

}  // namespace vorda::test
