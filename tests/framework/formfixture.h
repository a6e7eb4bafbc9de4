// Form tests: a small agent form over the AGT test table, run by a real
// WindowManager on a procedure thread of the headless runtime.
//
//   AgentFormTest      fixture: tables in a fresh directory, runtime, answers
//   TestForm           the form procedure (its Init follows the form calling
//                      sequence; options chosen per test)
//   run(request)       starts the form on a new thread, settles
//   enter / press      what the user does
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "framework/toolbarclass.h"
#include "framework/windowmanager.h"
#include "platform/ui/headless/headlessbackend.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"
#include "tests/framework/relationtables.h"

namespace vorda::test {

enum class FormCtl { NRO = 1, NOMBRE, OK, CANCEL };

struct FormOptions {
    InsertMode insertAction = InsertMode::Close;
    DeleteMode deleteAction = DeleteMode::ShowForm;
    Flags<CancelFlag> cancelAction{CancelFlag::Save, CancelFlag::Ask};
    bool toolbar = false;
    bool history = false;
    std::function<void(AgtRecord&)> primeFields{};  // insert: initial values
    bool refuseInsert = false;                      // PrimeFields cancels
};

class AgentFormTest : public RelationFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the form with `request` on a new thread and runs it until it waits.
    void run(uint8_t request);
    void settle() { backend.settle(*rt); }
    ui::Window* formWindow() const;  // nullptr once closed
    bool formOpen() const { return formWindow() != nullptr; }
    void enter(FormCtl control, std::string_view text);
    void press(FormCtl control);
    void closeForm();  // the user closes the window
    ui::ControlId focus() const;
    std::string shown(FormCtl control) const;
    std::string nameOf(std::string_view nro);  // "" when the agent is missing

    FormOptions options;
    AgtRecord history{};
    ToolbarClass toolbar;
    ui::HeadlessBackend backend;
    std::unique_ptr<ui::Runtime> rt;
    std::unique_ptr<RecordingPresenter> answers;
    int thread = 0;
    bool finished = false;
    uint8_t response = 0;
    uint8_t opened = 0;
    int primeCalls = 0;
};

}  // namespace vorda::test
