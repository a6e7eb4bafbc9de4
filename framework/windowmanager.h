// WindowManager: drives one window procedure.
//
// It takes the window's events (Ask), dispatches them to its handlers, its
// lists, its toolbar and its buttons, and, for a form that edits one record of
// its Primary table, carries out the request the form was called with
// (insert, change or delete) with the confirmations, retries and
// cancellations the user sees. A procedure derives from it (or configures it)
// and overrides only the operations it needs.
//
// Calling sequence of a form procedure (what AGENTES_FICHA and the other
// forms do):
//
//   GlobalErrors().SetProcedureName("Agentes:Ficha");
//   ui::Window w(describeForm());
//   AgentForm form(w);                  // derives from WindowManager
//   GlobalResponse = form.Run();        // Init, Ask, Kill
//   GlobalErrors().SetProcedureName();
//
// with the form's Init override:
//
//   Level AgentForm::Init() {
//       Request = GlobalRequest;                // before the base Init
//       Level level = WindowManager::Init();    // defaults, OriginalRequest
//       if (level != Benign) return level;
//       FirstField = Ctl::AGE_NRO_AGENTE; OKControl = Ctl::OK;
//       HistoryKey = ui::key::CtrlQuote; DeleteAction = DeleteMode::ShowForm;
//       VCRRequest = 0; AddItem(toolbar_);      // the form's ToolbarClass
//       GlobalRequest = 0; GlobalResponse = 0;
//       AddUpdateFile(Access::AGENTES);
//       AddHistoryFile(Access::AGENTES, &AGE_History);
//       AddHistoryField(Ctl::AGE_NRO_CUIT, fieldNumber); ...
//       AddItem(Ctl::CANCEL, ResponseCancelled);
//       Relate::AGENTES.Open(); Primary = &Relate::AGENTES;
//       level = PrimeUpdate();                   // may serve the request at once
//       if (level != Benign) return level;
//       OpenWindow();                            // opens, binds toolbar target, alerts
//       resizer_.Init(w, WindowResizeClass::AppSpread); AddItem(resizer_);
//       return Benign;
//   }
//   Level AgentForm::Kill() { Relate::AGENTES.Close(); return WindowManager::Kill(); }
//
// Life cycle:
//
//   created ─Init─► PrimeUpdate ─┬─ served without showing (Fatal) ──────────┐
//                                └─ OpenWindow ─► Ask (events) ──► closed ─►  Kill (Dead)
//
// Event handling (TakeEvent): window events go to TakeWindowEvent; field
// events to TakeAccepted / TakeRejected / TakeSelected / TakeNewSelection, the
// HistoryKey to RestoreField, and every field event to TakeFieldEvent; then
// every list of the window gets the event, and a list that needs refreshing
// resets the window (AutoRefresh). A handler returns Benign to let the event
// take its normal course, Notify to end its handling, Fatal to leave Ask.
//
// Closing. SetResponse stores the response and closes: the ui::Window is
// closed and Ask returns. Run returns Response, or ResponseCancelled when 0.
//
// Invariants:
//   1. Every image saved by PrimeUpdate (Saved, the Files' images, the
//      primary's usage) is released by Kill, whatever path the form took.
//   2. After a failed save the window stays open with the focus on FirstField.
//   3. A form that served its request without showing returns Fatal from
//      PrimeUpdate; Init passes that on and Run goes straight to Kill.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/browsetarget.h"
#include "framework/level.h"
#include "platform/types/flags.h"
#include "platform/ui/event.h"
#include "platform/ui/keycode.h"

namespace vorda {

namespace ui {
class Window;
}

class BrowseTarget;
class ErrorClass;
class FileManager;
class RelationManager;
class ToolbarClass;
class ToolbarTarget;
class ToolbarUpdateClass;
class WindowResizeClass;

// Keeps a window's placement (position, size, maximized) across runs. The
// windowed program sets it to read and write the settings file; the headless
// run leaves it empty. A form's window calls it to Restore once it has
// opened and to Save when it is released; `section` names the window by its
// procedure ("Agentes:Ficha"). The frame keeps its own placement.
enum class PlacementStep { Restore, Save };
using PlacementKeeper =
    std::function<void(ui::Window&, const std::string& section, PlacementStep step)>;
extern PlacementKeeper KeepPlacement;

// The modes of a form, with the framework's values (a form sets them in Init).

// InsertAction: what follows a successful insert.
enum class InsertMode : uint8_t {
    None = 0,        // an insert is not primed: PrimeFields is not called
    Close = 2,       // the form closes with ResponseCompleted
    Another = 3,     // the form stays, primed afresh for another record
    AskAnother = 4,  // error 3 asks whether to add another; Yes goes on as Another
};

// DeleteAction: how a delete request is served.
enum class DeleteMode : uint8_t {
    Confirm = 2,   // error 9 asks, then the record goes; the form is not shown
    ShowForm = 3,  // the form shows the record and deletes it on OK
    Silent = 4,    // the record goes without a question; the form is not shown
};

// CancelAction: what closing a changed insert or change form does. Save alone
// saves; Save and Ask ask error 35 (save, discard or stay); Ask alone asks
// error 8 (discard or stay); neither closes without a word.
enum class CancelFlag : uint8_t { Save = 1, Ask = 2 };

// Inited: what has been done to the form's window.
enum class InitedFlag : uint8_t { Opened = 1 };

class WindowManager {
public:
    // The manager drives `window`, which outlives it; the manager opens and
    // closes it.
    explicit WindowManager(ui::Window& window);
    virtual ~WindowManager();
    WindowManager(const WindowManager&) = delete;
    WindowManager& operator=(const WindowManager&) = delete;

    // --- virtual operations (in slot order) ---------------------------------
    // Takes events until a handler returns Fatal (or the window is closed).
    virtual Level Ask();
    // Sets the defaults of the field table. Non-Benign: the window does not run.
    virtual Level Init();
    // Discards the saved images, releases toolbar and resizer, marks Dead.
    virtual Level Kill();
    // On the first OpenWindow event: shows the fields and resets the window.
    virtual void Open();
    // Where a form assigns initial values of a new record; may set Response
    // to ResponseCancelled to refuse the insert.
    virtual void PrimeFields();
    // Prepares the request (see the .cpp's steps). Fatal: the request was
    // served (or refused) without showing the form.
    virtual Level PrimeUpdate();
    // Refreshes the lists (their sort, refilled always when asked or when
    // ForcedReset is set), the toolbar's buttons and the displayed fields.
    virtual void Reset(Refill refill = Refill::IfChanged);
    // Copies `control`'s history field(s) back into the record and shows them.
    virtual void RestoreField(ui::ControlId control);
    // Init, then Ask when Init was Benign, then Kill. The response.
    virtual uint8_t Run();
    // Calls procedure `number` with `request`; a list window overrides it. The
    // base returns ResponseCancelled.
    virtual uint8_t Run(uint16_t number, uint8_t request);
    // Copies each history file's record into its history record.
    virtual void SaveHistory();
    // Stores `response` and closes the window (a cancel also clears a pending
    // VCRRequest when the window has a toolbar).
    virtual void SetResponse(uint8_t response);
    virtual Level TakeAccepted();
    virtual Level TakeCompleted();
    virtual Level TakeCloseEvent();
    virtual Level TakeEvent();
    virtual Level TakeFieldEvent();
    virtual Level TakeRejected();
    virtual Level TakeSelected();
    virtual Level TakeNewSelection();
    virtual Level TakeWindowEvent();
    // Copies the window's controls into their fields.
    virtual void Update();

    // --- operations ---------------------------------------------------------
    // The start of a procedure's Init (steps 2 and 3 of the calling
    // sequence): Request = GlobalRequest, WindowManager::Init (which sets the
    // global reporter), FirstField, and GlobalRequest and GlobalResponse
    // cleared; a form or list of the frame also adds its `toolbar`, a dialog
    // has none. The level of WindowManager::Init; when it is not Benign
    // nothing else was done.
    Level InitProcedure(ToolbarClass& toolbar, ui::ControlId firstField);
    Level InitProcedure(ui::ControlId firstField);
    // Insert or change form: starts the select-all pass (Completed follows
    // once every field was accepted); otherwise raises Completed at once.
    void PostCompleted();
    // Alerts HistoryKey on every history control.
    void SetAlerts();
    void AddItem(BrowseTarget& list);
    void AddItem(ToolbarClass& toolbar);
    void AddItem(ToolbarTarget& target);  // added to Toolbar (id = its list position)
    void AddItem(WindowResizeClass& resizer);
    void AddItem(ui::ControlId control, uint8_t response);  // button ending the window
    // A table the form writes besides Primary: its record is saved by
    // PrimeUpdate and refreshed after each insert of InsertAction 3.
    void AddUpdateFile(FileManager& file);
    // `history` is a second record of `file`'s layout (recordSize bytes).
    void AddHistoryFile(FileManager& file, void* history);
    // Field `field` (1-based, of the last history file added) shown in `control`.
    void AddHistoryField(ui::ControlId control, int field);

    // Opens the window (step 5 of the calling sequence): Opened, Inited Opened,
    // the form's toolbar target, the history alerts.
    void OpenWindow();
    // Presses the OK control (PostCompleted when the form has none).
    void PressOK();
    // The event being handled (valid inside the handlers).
    const ui::Event& CurrentEvent() const { return event_; }
    ui::Window& window() const { return window_; }
    // The form's own toolbar target (after OpenWindow, when a toolbar is set).
    ToolbarUpdateClass* FormTarget() const { return formTarget_.get(); }

    // --- fields (defaults as Init sets them) --------------------------------
    uint8_t AutoRefresh = 1;
    uint8_t AutoToolbar = 1;
    std::vector<BrowseTarget*> Browses;
    struct ButtonResponse {
        ui::ControlId control{};
        uint8_t response = 0;
    };
    std::vector<ButtonResponse> Buttons;
    std::vector<BrowseTarget*> FileDrops;  // drop-down lookup lists
    Flags<CancelFlag> CancelAction{CancelFlag::Save, CancelFlag::Ask};
    uint8_t ChangeAction = 1;
    uint8_t Dead = 0;
    DeleteMode DeleteAction = DeleteMode::Confirm;
    ErrorClass* Errors = nullptr;
    struct UpdateFile {
        FileManager* file = nullptr;
        int saved = 0;  // buffer handle
    };
    std::vector<UpdateFile> Files;
    ui::ControlId FirstField{};
    uint8_t ForcedReset = 0;
    uint8_t ResetOnGainFocus = 0;
    struct HistoryEntry {
        FileManager* file = nullptr;
        void* history = nullptr;
        ui::ControlId control{};
        int field = 0;  // 0: the file's registration entry
    };
    std::vector<HistoryEntry> History;
    ui::KeyCode HistoryKey = 0;
    Flags<InitedFlag> Inited;
    InsertMode InsertAction = InsertMode::Close;
    std::string LastInsertedPosition;
    ui::ControlId OKControl{};
    uint8_t Opened = 0;
    uint8_t OriginalRequest = 0;
    RelationManager* Primary = nullptr;
    uint8_t Request = 0;
    uint8_t Response = 0;
    int Saved = 0;  // buffer handle of the record as the form opened
    ToolbarClass* Toolbar = nullptr;
    WindowResizeClass* Resizer = nullptr;

private:
    Level dispatchFieldEvent();
    Level passToLists();
    Level completeInsert();
    Level completeChange();
    Level recordGone();
    Level completeDelete();
    Level insertAnother();
    Level askCloseChanged(bool& stay);
    bool recordChanged();
    void closeWithoutAsking();
    void stayOnFirstField();
    void releaseImages();
    void keepPlacement();
    FileManager& primaryFile() const;

    ui::Window& window_;
    ui::Event event_{};
    std::unique_ptr<ToolbarUpdateClass> formTarget_;
    bool closeQuietly_ = false;  // the next close skips the save questions
    bool openHandled_ = false;
    int lastTargetId_ = 0;
    std::string placementSection_;  // set when the window's placement was restored
};

}  // namespace vorda
