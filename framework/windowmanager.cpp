// WindowManager: event dispatch and the request protocol of a form.
#include "framework/windowmanager.h"

#include <cstring>

#include "framework/browsetarget.h"
#include "framework/errorclass.h"
#include "framework/errorids.h"
#include "framework/filemanager.h"
#include "framework/relationmanager.h"
#include "framework/requestglobals.h"
#include "framework/toolbarclass.h"
#include "framework/toolbarupdateclass.h"
#include "framework/windowresizeclass.h"
#include "platform/store/file.h"
#include "platform/ui/messagebox.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"

namespace vorda {

PlacementKeeper KeepPlacement;

namespace {

constexpr unsigned kYesNoCancel = ui::ButtonYes + ui::ButtonNo + ui::ButtonCancel;

bool isEditRequest(uint8_t request) {
    return request == RequestInsert || request == RequestChange;
}

}  // namespace

WindowManager::WindowManager(ui::Window& window) : window_(window) {}

WindowManager::~WindowManager() = default;

// --- life cycle ----------------------------------------------------------------

Level WindowManager::InitProcedure(ToolbarClass& toolbar, ui::ControlId firstField) {
    const Level level = InitProcedure(firstField);
    if (level == Benign)
        AddItem(toolbar);
    return level;
}

Level WindowManager::InitProcedure(ui::ControlId firstField) {
    Request = GlobalRequest;
    const Level level = WindowManager::Init();
    if (level != Benign)
        return level;
    FirstField = firstField;
    GlobalRequest = 0;
    GlobalResponse = 0;
    return Benign;
}

Level WindowManager::Init() {
    AutoRefresh = 1;
    AutoToolbar = 1;
    Browses.clear();
    Buttons.clear();
    FileDrops.clear();
    CancelAction = {CancelFlag::Save, CancelFlag::Ask};
    ChangeAction = 1;
    Dead = 0;
    DeleteAction = DeleteMode::Confirm;
    Errors = &GlobalErrors();
    Files.clear();
    FirstField = {};
    ForcedReset = 0;
    ResetOnGainFocus = 0;
    History.clear();
    HistoryKey = 0;
    Inited = {};
    InsertAction = InsertMode::Close;
    LastInsertedPosition.clear();
    OKControl = {};
    Opened = 0;
    OriginalRequest = Request;
    Response = 0;
    Saved = 0;
    Toolbar = nullptr;
    Resizer = nullptr;
    closeQuietly_ = false;
    openHandled_ = false;
    return Benign;
}

Level WindowManager::Ask() {
    if (Dead != 0 || !window_.isOpen())
        return Benign;
    LastInsertedPosition.clear();
    while (window_.isOpen()) {
        event_ = window_.ask();
        if (TakeEvent() == Fatal)
            break;
    }
    return Benign;
}

Level WindowManager::Kill() {
    if (Dead != 0)
        return Benign;
    keepPlacement();
    releaseImages();
    if (Toolbar != nullptr && formTarget_ != nullptr)
        Toolbar->RemoveTarget(*formTarget_);
    Toolbar = nullptr;
    if (Resizer != nullptr)
        Resizer->Kill();
    Resizer = nullptr;
    if (window_.isOpen())
        window_.close();
    Dead = 1;
    return Benign;
}

uint8_t WindowManager::Run() {
    if (Init() == Benign)
        Ask();
    Kill();
    return Response != 0 ? Response : uint8_t{ResponseCancelled};
}

uint8_t WindowManager::Run(uint16_t, uint8_t) {
    return ResponseCancelled;
}

void WindowManager::OpenWindow() {
    window_.open();
    Opened = 1;
    Inited.set(InitedFlag::Opened);
    const bool frame = (window_.desc().flags & ui::window::Frame) != 0;
    if (KeepPlacement && !frame && Errors != nullptr) {
        placementSection_ = Errors->GetProcedureName();
        if (!placementSection_.empty())
            KeepPlacement(window_, placementSection_, PlacementStep::Restore);
    }
    if (Toolbar != nullptr && Primary != nullptr) {
        formTarget_ = std::make_unique<ToolbarUpdateClass>(*this);
        Toolbar->AddTarget(*formTarget_, ++lastTargetId_);
        Toolbar->SetTarget(formTarget_->Id);
    }
    SetAlerts();
}

// Saves the window's placement once, while it is still open.
void WindowManager::keepPlacement() {
    if (KeepPlacement && !placementSection_.empty() && window_.isOpen())
        KeepPlacement(window_, placementSection_, PlacementStep::Save);
    placementSection_.clear();
}

void WindowManager::Open() {
    window_.display();
    Reset(Refill::Always);
}

void WindowManager::Reset(Refill refill) {
    if (ForcedReset != 0)
        refill = Refill::Always;
    ForcedReset = 0;
    for (BrowseTarget* list : Browses) {
        list->ResetSort(refill);
        list->UpdateWindow();
    }
    if (Toolbar != nullptr) {
        if (AutoToolbar != 0 && Toolbar->ActiveTarget() == nullptr)
            Toolbar->SetTarget(0);
        Toolbar->DisplayButtons();
    }
    if (window_.isOpen())
        window_.display();
}

void WindowManager::Update() {
    if (window_.isOpen())
        window_.update();
}

void WindowManager::PrimeFields() {}

// --- registration --------------------------------------------------------------

void WindowManager::AddItem(BrowseTarget& list) {
    Browses.push_back(&list);
}

void WindowManager::AddItem(ToolbarClass& toolbar) {
    Toolbar = &toolbar;
}

void WindowManager::AddItem(ToolbarTarget& target) {
    if (Toolbar != nullptr)
        Toolbar->AddTarget(target, ++lastTargetId_);
}

void WindowManager::AddItem(WindowResizeClass& resizer) {
    Resizer = &resizer;
}

void WindowManager::AddItem(ui::ControlId control, uint8_t response) {
    Buttons.push_back({.control = control, .response = response});
}

void WindowManager::AddUpdateFile(FileManager& file) {
    Files.push_back({.file = &file, .saved = 0});
}

void WindowManager::AddHistoryFile(FileManager& file, void* history) {
    History.push_back({.file = &file, .history = history, .control = {}, .field = 0});
}

void WindowManager::AddHistoryField(ui::ControlId control, int field) {
    for (auto it = History.rbegin(); it != History.rend(); ++it) {
        if (it->field == 0) {
            History.push_back(
                {.file = it->file, .history = it->history, .control = control, .field = field});
            return;
        }
    }
}

// --- preparing the request -------------------------------------------------------

// 1. The primary table is in use for update and its linking values are kept.
// 2. Each table of Files keeps an image of its record.
// 3. Insert: PrimeFields may refuse the insert (Fatal: not shown).
// 4. Delete with DeleteMode Confirm or Silent: served at once (Fatal: not shown).
// 5. Saved = the record as the form shows it first.
Level WindowManager::PrimeUpdate() {
    if (Primary == nullptr)
        return Benign;
    primaryFile().UseFile(UsageLevel::UpdatedRecord);
    Primary->Save();
    for (UpdateFile& f : Files)
        f.saved = f.file->SaveBuffer();
    if (Request == RequestInsert && InsertAction != InsertMode::None) {
        Response = ResponseCompleted;
        PrimeFields();
        if (Response == ResponseCancelled)
            return Fatal;
        Response = ResponseCancelled;
    }
    if (Request == RequestDelete && DeleteAction != DeleteMode::ShowForm) {
        const Level level =
            Primary->Delete(DeleteAction == DeleteMode::Confirm ? Confirm::Ask : Confirm::DontAsk);
        Response = level == Benign ? ResponseCompleted : ResponseCancelled;
        return Fatal;
    }
    Saved = primaryFile().SaveBuffer();
    return Benign;
}

// --- event dispatch --------------------------------------------------------------

Level WindowManager::TakeEvent() {
    Level level = event_.isWindowEvent() ? TakeWindowEvent() : dispatchFieldEvent();
    if (level != Benign)
        return level;
    level = passToLists();
    if (level == Fatal)
        return level;
    if (AutoRefresh != 0 && window_.isOpen()) {
        for (BrowseTarget* list : Browses) {
            if (list->NeedsRefresh()) {
                Reset();
                break;
            }
        }
    }
    return level;
}

Level WindowManager::dispatchFieldEvent() {
    Level level = Benign;
    switch (event_.kind) {
        case ui::EventKind::Accepted:
            level = TakeAccepted();
            break;
        case ui::EventKind::Rejected:
            level = TakeRejected();
            break;
        case ui::EventKind::Selected:
            level = TakeSelected();
            break;
        case ui::EventKind::NewSelection:
            level = TakeNewSelection();
            break;
        case ui::EventKind::AlertKey:
            if (HistoryKey != 0 && event_.key == HistoryKey)
                RestoreField(event_.control ? event_.control : window_.focus());
            break;
        default:
            break;
    }
    if (level != Benign)
        return level;
    return TakeFieldEvent();
}

Level WindowManager::passToLists() {
    for (std::vector<BrowseTarget*>* group : {&Browses, &FileDrops}) {
        for (BrowseTarget* list : *group) {
            const Level level = list->TakeEvent(event_);
            if (level != Benign)
                return level;
            if (!window_.isOpen())
                return Fatal;
        }
    }
    return Benign;
}

Level WindowManager::TakeWindowEvent() {
    switch (event_.kind) {
        case ui::EventKind::CloseWindow:
        case ui::EventKind::CloseDown:
            return TakeCloseEvent();
        case ui::EventKind::OpenWindow:
            if (!openHandled_) {
                openHandled_ = true;
                Open();
            }
            if (FirstField)
                window_.select(FirstField);
            return Benign;
        case ui::EventKind::LoseFocus:
            if (ResetOnGainFocus != 0)
                ForcedReset = 1;
            return Benign;
        case ui::EventKind::GainFocus:
            Reset();
            return Benign;
        case ui::EventKind::Completed:
            return TakeCompleted();
        case ui::EventKind::Sized:
            return Resizer != nullptr ? Resizer->TakeResize() : Benign;
        default:
            return Benign;
    }
}

Level WindowManager::TakeFieldEvent() {
    return Benign;
}

Level WindowManager::TakeSelected() {
    return Benign;
}

Level WindowManager::TakeNewSelection() {
    return Benign;
}

Level WindowManager::TakeRejected() {
    if (ui::Runtime* rt = ui::Runtime::instance())
        rt->backend().beep();
    window_.display(event_.control);
    window_.select(event_.control);
    return Benign;
}

// The toolbar sees a button first; then the buttons registered with a
// response, then the OK control.
Level WindowManager::TakeAccepted() {
    const ui::ControlId control = event_.control;
    if (toolbar::isButton(control.value())) {
        if (Toolbar != nullptr && Toolbar->TakeEvent(event_, *this))
            return Benign;
        if (control.value() == toolbar::History)
            RestoreField(window_.focus());
    }
    for (const ButtonResponse& b : Buttons) {
        if (b.control == control) {
            SetResponse(b.response);
            return Benign;
        }
    }
    if (OKControl && control == OKControl)
        PostCompleted();
    return Benign;
}

void WindowManager::PostCompleted() {
    if (isEditRequest(Request) && window_.isOpen())
        window_.selectAll();
    else
        window_.post(ui::EventKind::Completed);
}

void WindowManager::PressOK() {
    if (OKControl)
        window_.post(ui::EventKind::Accepted, OKControl);
    else
        PostCompleted();
}

void WindowManager::SetResponse(uint8_t response) {
    Response = response;
    if (response == ResponseCancelled && Toolbar != nullptr)
        VCRRequest = 0;
    window_.post(ui::EventKind::CloseWindow);
}

void WindowManager::closeWithoutAsking() {
    closeQuietly_ = true;
    window_.post(ui::EventKind::CloseWindow);
}

// --- completing the request ------------------------------------------------------

Level WindowManager::TakeCompleted() {
    SaveHistory();
    if (Primary == nullptr) {
        SetResponse(ResponseCompleted);
        return Benign;
    }
    switch (Request) {
        case RequestInsert:
            return completeInsert();
        case RequestChange:
            return completeChange();
        case RequestDelete:
            return completeDelete();
        default:
            SetResponse(ResponseCompleted);
            return Benign;
    }
}

Level WindowManager::completeInsert() {
    if (primaryFile().Insert() != Benign) {
        stayOnFirstField();
        return Benign;
    }
    if (InsertAction == InsertMode::AskAnother) {
        if (Errors->Throw(msg::AddAnother) != Benign) {
            SetResponse(ResponseCompleted);
            return Benign;
        }
        return insertAnother();
    }
    if (InsertAction == InsertMode::Another)
        return insertAnother();
    SetResponse(ResponseCompleted);
    return Benign;
}

// The record was added; the form stays for another one, primed afresh from
// the images taken when it opened.
Level WindowManager::insertAnother() {
    FileManager& file = primaryFile();
    LastInsertedPosition = file.Position();
    for (UpdateFile& f : Files) {
        f.file->RestoreBuffer(f.saved);
        f.saved = f.file->SaveBuffer();
    }
    Response = ResponseCompleted;
    PrimeFields();
    Response = ResponseCancelled;
    file.RestoreBuffer(Saved, BufferImage::Discard);
    Saved = file.SaveBuffer();
    stayOnFirstField();
    return Benign;
}

// Writes the changed record. A record changed by another station (Notify)
// leaves that station's version in the buffer for the user to compare with
// his own values (history key); a refused write (User) asks error 34.
Level WindowManager::completeChange() {
    for (;;) {
        const bool changed = recordChanged();
        const Level level = changed
                                ? Primary->Update(HistoryKey != 0 ? ChangedElsewhere::ReportAndShow
                                                                  : ChangedElsewhere::Report)
                                : Benign;
        if (level == Benign) {
            if (changed || (Toolbar != nullptr && VCRRequest == 0))
                Response = ResponseCompleted;
            closeWithoutAsking();
            return Benign;
        }
        if (level == Notify && primaryFile().GetError() == msg::NotFoundAddNew)
            return recordGone();
        if (level != User) {
            stayOnFirstField();
            return Benign;
        }
        const unsigned answer = Errors->Message(msg::RetryUpdate, kYesNoCancel, ui::ButtonCancel);
        if (answer == ui::ButtonYes)
            continue;
        if (answer == ui::ButtonNo)
            closeWithoutAsking();
        else
            stayOnFirstField();
        return Benign;
    }
}

// Another station deleted the record being changed: there is nothing left to
// change. A form that adds records offers to add it again with the values on
// the form (it becomes an insert form); otherwise, or on No, it closes.
Level WindowManager::recordGone() {
    if (InsertAction == InsertMode::None) {
        Errors->Throw(msg::RecordChanged);
        closeWithoutAsking();
        return Benign;
    }
    const unsigned yesNo = ui::ButtonYes + ui::ButtonNo;
    if (Errors->Message(msg::NotFoundAddNew, yesNo, ui::ButtonYes) != ui::ButtonYes) {
        closeWithoutAsking();
        return Benign;
    }
    Request = RequestInsert;
    if (primaryFile().Insert() != Benign) {
        stayOnFirstField();
        return Benign;
    }
    SetResponse(ResponseCompleted);
    return Benign;
}

Level WindowManager::completeDelete() {
    for (;;) {
        if (Primary->DeleteOnce() == Benign) {
            SetResponse(ResponseCompleted);
            return Benign;
        }
        const unsigned answer = Errors->Message(msg::RetryDelete, kYesNoCancel, ui::ButtonCancel);
        if (answer == ui::ButtonYes)
            continue;
        if (answer == ui::ButtonNo)
            closeWithoutAsking();
        else
            window_.display();
        return Benign;
    }
}

// --- closing ---------------------------------------------------------------------

Level WindowManager::TakeCloseEvent() {
    if (Response != ResponseCompleted) {
        if (!closeQuietly_) {
            bool stay = false;
            const Level level = askCloseChanged(stay);
            if (stay)
                return level;
        }
        // Records inserted in this run: the caller sees the last one.
        if (!LastInsertedPosition.empty()) {
            Response = ResponseCompleted;
            primaryFile().TryReget(LastInsertedPosition);
        }
    }
    closeQuietly_ = false;
    keepPlacement();
    window_.close();
    return Fatal;
}

// Step 2 of closing: a changed insert or change form saves, asks or goes on
// according to CancelAction. `stay` is set when the window stays open.
Level WindowManager::askCloseChanged(bool& stay) {
    stay = false;
    const bool tearingDown =
        ui::Runtime::instance() != nullptr && ui::Runtime::instance()->tearingDown();
    if (tearingDown || !isEditRequest(Request) || Primary == nullptr || CancelAction.empty())
        return Benign;
    Update();
    if (!recordChanged())
        return Benign;
    const bool save = CancelAction.has(CancelFlag::Save);
    const bool ask = CancelAction.has(CancelFlag::Ask);
    stay = true;
    if (save && !ask) {
        PressOK();
        return Notify;
    }
    if (save) {
        const unsigned answer = Errors->Message(msg::SaveChanges, kYesNoCancel, ui::ButtonCancel);
        if (answer == ui::ButtonYes)
            PressOK();
        else if (answer == ui::ButtonCancel)
            stayOnFirstField();
        stay = answer != ui::ButtonNo;
        return stay ? Notify : Benign;
    }
    if (Errors->Throw(msg::ConfirmCancel) != Benign) {
        stayOnFirstField();
        return Notify;
    }
    stay = false;
    return Benign;
}

// --- history -------------------------------------------------------------------

void WindowManager::SaveHistory() {
    for (const HistoryEntry& h : History) {
        if (h.field != 0 || h.history == nullptr)
            continue;
        const store::File& file = *h.file->File;
        std::memcpy(h.history, file.buffer(), file.desc().recordSize);
    }
}

void WindowManager::RestoreField(ui::ControlId control) {
    bool restored = false;
    for (const HistoryEntry& h : History) {
        if (h.field == 0 || h.control != control || h.history == nullptr)
            continue;
        const store::File& file = *h.file->File;
        const size_t offset = file.desc().field(h.field).offset;
        const size_t width = RelationManager::FieldImage(*h.file, h.field).size();
        std::memcpy(static_cast<char*>(file.buffer()) + offset,
                    static_cast<const char*>(h.history) + offset, width);
        restored = true;
    }
    if (restored && window_.isOpen())
        window_.display(control);
}

void WindowManager::SetAlerts() {
    if (HistoryKey == 0 || !window_.isOpen())
        return;
    for (const HistoryEntry& h : History) {
        if (h.field != 0 && window_.find(h.control) != nullptr)
            window_.alert(h.control, HistoryKey);
    }
}

// --- helpers -------------------------------------------------------------------

bool WindowManager::recordChanged() {
    return Saved != 0 && !primaryFile().EqualBuffer(Saved);
}

void WindowManager::stayOnFirstField() {
    if (!window_.isOpen())
        return;
    window_.display();
    if (FirstField)
        window_.select(FirstField);
}

void WindowManager::releaseImages() {
    for (UpdateFile& f : Files)
        f.file->RestoreBuffer(f.saved, BufferImage::Discard);
    if (Primary != nullptr && Saved != 0)
        primaryFile().RestoreBuffer(Saved, BufferImage::Discard);
}

FileManager& WindowManager::primaryFile() const {
    return *Primary->Me;
}

}  // namespace vorda
