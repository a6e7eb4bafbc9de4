// The list manager.
#include "framework/browseclass.h"

#include <algorithm>
#include <cstring>

#include "framework/assertion.h"
#include "framework/filemanager.h"
#include "framework/locatorclass.h"
#include "framework/requestglobals.h"
#include "framework/stepclass.h"
#include "framework/toolbarclass.h"
#include "framework/toolbarlistboxclass.h"
#include "framework/toolbartarget.h"
#include "framework/windowmanager.h"
#include "platform/store/file.h"
#include "platform/store/tabledesc.h"
#include "platform/types/cp1252.h"
#include "platform/ui/control.h"
#include "platform/ui/popupmenu.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"

namespace vorda {

namespace {
// The request code a print procedure is called with.
constexpr uint8_t RequestPrint = 5;

constexpr bool isForward(ReadDirection direction) {
    return direction == ReadDirection::Forward;
}
}  // namespace

BrowseClass::BrowseClass() = default;
BrowseClass::~BrowseClass() = default;

void BrowseClass::Init(ui::ControlId list, RelationManager* primary, WindowManager& window) {
    ViewManager::Init(primary);
    ListControlId = list;
    Window = &window;
    SelectingFlag = window.Request == RequestSelect;
    savedBuffer_ = Me().SaveBuffer();
    window.AddItem(static_cast<BrowseTarget&>(*this));
}

void BrowseClass::Kill() {
    if (savedBuffer_ != 0) {
        const bool chosen = SelectingFlag && Window->Response == ResponseCompleted;
        if (chosen)
            UpdateViewRecord();
        Me().RestoreBuffer(savedBuffer_, chosen ? BufferImage::Discard : BufferImage::Restore);
    }
    page_.clear();
    ViewManager::Kill();
}

int BrowseClass::AddSortOrder(StepClass* thumb, int key) {
    const int number = ViewManager::AddSortOrder(key);
    extras_.resize(static_cast<size_t>(number));
    extras_.back() = SortExtra{.thumb = thumb, .locator = nullptr, .key = key};
    return number;
}

void BrowseClass::AddLocator(LocatorClass* locator) {
    if (extras_.empty())
        assertionFailure("Sort order does not exist: 0");
    extras_.back().locator = locator;
    locator->SetList(this);
}

void BrowseClass::AddField(ui::Binding column) {
    columns_.push_back(std::move(column));
}

void BrowseClass::AddToolbarTarget(ToolbarClass& toolbar, ui::ControlId help) {
    Window->AddItem(toolbar);
    HelpControl = help;
    toolbarTarget_ = std::make_unique<ToolbarListBoxClass>(*Window, *this);
    toolbarTarget_->Help = static_cast<bool>(help);
    Window->AddItem(*toolbarTarget_);
}

void BrowseClass::SetSortSheet(ui::ControlId sheet, std::vector<int> sortOfTab) {
    for (int sort : sortOfTab)
        checkSort(sort);
    sortSheet_ = sheet;
    sortOfTab_ = std::move(sortOfTab);
}

int BrowseClass::sortOfCurrentTab() const {
    const int tab = Window->window().control(sortSheet_).choice();
    const bool listed = tab >= 1 && tab <= static_cast<int>(sortOfTab_.size());
    return sortOfTab_[listed ? static_cast<size_t>(tab - 1) : 0];
}

// Printable characters (those a stored key can hold) and Backspace go to the
// locator; the action keys and the mouse buttons are taken by the list itself.
void BrowseClass::SetAlerts() {
    ui::Control& list = Window->window().control(ListControlId);
    for (unsigned byte = 0x20; byte <= 0xFF; ++byte) {
        const ui::KeyCode key = cp1252::toCodePoint(static_cast<char>(byte));
        if (ui::isPrintable(key))
            list.alert(key);
    }
    for (ui::KeyCode key : {ui::key::Backspace, ui::key::MouseRight, ui::key::MouseLeft2,
                            ui::key::Insert, ui::key::CtrlEnter, ui::key::Delete})
        list.alert(key);
    if (HelpControl)
        list.alert(ui::key::F1);
}

void BrowseClass::checkSort(int number) const {
    if (number < 1 || number > static_cast<int>(extras_.size()))
        assertionFailure("Sort order does not exist: " + std::to_string(number));
}

BrowseClass::SortExtra* BrowseClass::currentExtra() {
    checkSort(GetSort());
    return &extras_[static_cast<size_t>(GetSort() - 1)];
}

bool BrowseClass::SetSort(int number, Refill refill) {
    checkSort(number);
    const bool changed = ViewManager::SetSort(number);
    if (!changed && refill == Refill::IfChanged && Loaded)
        return false;
    syncPos_.clear();
    if (changed)
        refillOnSelected();
    else
        ResetQueue();
    return true;
}

void BrowseClass::ResetSort(Refill refill) {
    if (sortSheet_)
        SetSort(sortOfCurrentTab(), refill);
    else
        SetSort(GetSort() == 0 ? 1 : GetSort(), refill);
}

// The sort changed: the record selected so far stays selected, now among its
// neighbours in the new order (the first records when none was selected).
void BrowseClass::refillOnSelected() {
    if (deferFill())
        return;
    const ListPage::Row* selected = page_.selectedRow();
    if (selected == nullptr) {
        page_.clear();
        fillFrom({}, {}, false);
        return;
    }
    const std::string file = selected->filePosition;
    UpdateViewRecord();
    fillFrom({}, file, true);
}

// A list the user cannot see (hidden, or on a tab not in front) is filled
// when it comes into sight: only LoadPending is set.
bool BrowseClass::deferFill() {
    const bool hidden =
        !ActiveInvisible && Window != nullptr && !Window->window().shown(ListControlId);
    LoadPending = hidden;
    return hidden;
}

bool BrowseClass::NeedsRefresh() {
    return LoadPending && Window != nullptr && Window->window().shown(ListControlId);
}

// The rows the control shows become the page size; false when unknown or
// unchanged.
bool BrowseClass::followPageRows() {
    const ui::Control* list = Window != nullptr ? Window->window().find(ListControlId) : nullptr;
    const int rows = list != nullptr ? list->pageRows() : 0;
    if (rows <= 0 || rows == LastItems)
        return false;
    LastItems = rows;
    return true;
}

// The page takes LastItems rows now, keeping the selected record: a shorter
// page drops rows below the selection first, then above it; a taller one
// reads the rows it lacks below, then above when the view ends first.
void BrowseClass::resizePage() {
    if (FileLoaded != 0 || page_.empty())
        return ResetQueue();
    while (page_.size() > LastItems) {
        if (page_.selected() < page_.size()) {
            page_.dropBottom();
            atEnd_ = false;
        } else {
            page_.dropTop();
            page_.moveSelection(-1);
            atStart_ = false;
        }
    }
    if (page_.size() < LastItems && !atEnd_)
        Fetch(ReadDirection::Forward, LastItems - page_.size());
    if (page_.size() < LastItems && !AllowUnfilled && !atStart_)
        page_.moveSelection(Fetch(ReadDirection::Backward, LastItems - page_.size()));
    showRows();
}

ListPage::Row BrowseClass::makeRow() {
    ListPage::Row row;
    row.values.reserve(columns_.size());
    for (const ui::Binding& c : columns_)
        row.values.push_back(c.get());
    row.ViewPosition = Position();
    row.filePosition = Me().Position();
    return row;
}

// Reads up to `rows` records; `skip` is the edge record the view was
// re-positioned on (its first read returns it again). Returns rows added.
int BrowseClass::readRows(ReadDirection direction, int rows, const std::string& skip) {
    const bool forward = isForward(direction);
    bool skipping = !skip.empty();
    int added = 0;
    const bool scan = QuickScan && rows > 1;
    if (scan)
        SetQuickScan(true);
    while (added < rows) {
        if ((forward ? Next() : Previous()) != Benign) {
            syncPos_.clear();
            (forward ? atEnd_ : atStart_) = true;
            break;
        }
        syncPos_ = Position();
        if (std::exchange(skipping, false) && syncPos_ == skip)
            continue;
        ++added;
        if (page_.add(direction, makeRow(), LastItems))
            (forward ? atStart_ : atEnd_) = false;
    }
    if (scan)
        SetQuickScan(false);
    return added;
}

int BrowseClass::Fetch(ReadDirection direction, int rows) {
    const bool forward = isForward(direction);
    if (page_.empty()) {
        Reset(forward ? ResetAt::First : ResetAt::Last);
        syncPos_.clear();
        return readRows(direction, rows, {});
    }
    const std::string& edge = forward ? page_.last().ViewPosition : page_.first().ViewPosition;
    if (syncPos_ == edge)
        return readRows(direction, rows, {});
    const std::string from = edge;
    if (Reset(from) != Benign) {
        syncPos_.clear();
        return 0;
    }
    return readRows(direction, rows, from);
}

// Empties the page, reads forwards from the view's reset point and, when the
// view ended first, backwards before it. Selects the kept record, else the
// first record read forwards, else the last row.
void BrowseClass::fillFrom(const std::string& keepView, const std::string& keepFile,
                           bool fromBuffer, const std::string& startView) {
    followPageRows();
    LoadPending = false;
    page_.clear();
    atStart_ = atEnd_ = false;
    syncPos_.clear();
    const std::string& start = startView.empty() ? keepView : startView;
    if (fromBuffer)
        Reset(ResetAt::Buffer);
    else if (start.empty() || Reset(start) != Benign)
        Reset(ResetAt::First);
    const int forward = readRows(ReadDirection::Forward, LastItems, {});
    if (page_.size() < LastItems && !AllowUnfilled)
        Fetch(ReadDirection::Backward, LastItems - page_.size());
    const int before = page_.size() - forward;
    page_.select(page_.find(keepView, keepFile));
    if (page_.selected() == 0)
        page_.select(forward > 0 ? before + 1 : page_.size());
    Loaded = true;
    showRows();
}

// The page is read again from its first row, so that it stays where the user
// sees it, and the selected record stays selected; when that record is gone
// (deleted), the row that took its place is, or the last one.
void BrowseClass::ResetQueue() {
    if (deferFill())
        return;
    if (page_.empty())
        return fillFrom({}, {}, false);
    const int place = std::clamp(page_.selected(), 1, page_.size());
    const std::string keep = page_.row(place).ViewPosition;
    const std::string first = page_.first().ViewPosition;  // the fill empties the page
    fillFrom(keep, {}, false, first);
    if (page_.find(keep, {}) == 0 && !page_.empty()) {
        page_.select(std::min(place, page_.size()));
        showRows();
    }
}

void BrowseClass::ResetFromBuffer() {
    fillFrom({}, {}, true);
}

void BrowseClass::Locate(int field, const std::string& text) {
    const int key = currentExtra()->key;
    if (key > 0)
        Me().ClearKey(key);
    const store::FieldDesc& f = Me().File->desc().field(field);
    char* bytes = static_cast<char*>(Me().File->buffer()) + f.offset;
    std::memset(bytes, ' ', f.width);
    std::memcpy(bytes, text.data(), std::min(text.size(), f.width));
    ResetFromBuffer();
}

void BrowseClass::clearBuffer() {
    Me().File->desc().clearRecord(Me().File->buffer());
}

void BrowseClass::UpdateViewRecord() {
    const ListPage::Row* selected = page_.selectedRow();
    if (selected == nullptr || Me().TryReget(selected->filePosition) != Benign)
        clearBuffer();
}

void BrowseClass::showRows() {
    page_.clampSelection();
    if (Window != nullptr) {
        if (ui::Control* list = Window->window().find(ListControlId)) {
            list->setRowValues(page_.values());
            list->setSelection(page_.selected());
        }
    }
    UpdateViewRecord();
    UpdateThumb();
}

void BrowseClass::ScrollOne(ui::EventKind kind) {
    const bool down = kind == ui::EventKind::ScrollDown;
    lastScroll_ = kind;
    if (down && page_.selected() < page_.size())
        page_.moveSelection(1);
    else if (!down && page_.selected() > 1)
        page_.moveSelection(-1);
    else if (FileLoaded == 0 && !page_.empty())
        Fetch(down ? ReadDirection::Forward : ReadDirection::Backward, 1);
    showRows();
}

// A full page read keeps the selection in its place on the page; near the
// view's ends it moves by the rows left unread.
void BrowseClass::ScrollPage(ui::EventKind kind) {
    const bool down = kind == ui::EventKind::PageDown;
    lastScroll_ = kind;
    if (FileLoaded == 0) {
        const int unread =
            LastItems - Fetch(down ? ReadDirection::Forward : ReadDirection::Backward, LastItems);
        page_.moveSelection(down ? unread : -unread);
    } else {
        page_.moveSelection(down ? LastItems : -LastItems);
    }
    showRows();
}

void BrowseClass::ScrollEnd(ui::EventKind kind) {
    const bool top = kind == ui::EventKind::ScrollTop;
    lastScroll_ = kind;
    if (FileLoaded == 0) {
        page_.clear();
        atStart_ = atEnd_ = false;
        Fetch(top ? ReadDirection::Forward : ReadDirection::Backward, LastItems);
        (top ? atStart_ : atEnd_) = true;
    }
    page_.select(top ? 1 : page_.size());
    showRows();
}

void BrowseClass::Drag(int percent) {
    lastScroll_ = ui::EventKind::ScrollDrag;
    if (percent <= 1)
        return ScrollEnd(ui::EventKind::ScrollTop);
    if (percent >= 100)
        return ScrollEnd(ui::EventKind::ScrollBottom);
    SortExtra* extra = currentExtra();
    if (extra->thumb != nullptr && keyField() > 0) {
        prepareThumb();
        const std::string value = extra->thumb->GetValue(percent);
        Locate(keyField(), value);
        return;
    }
    if (FileLoaded != 0) {
        page_.select(percent * page_.size() / 100);
        return showRows();
    }
    if (percent < 50)
        ScrollPage(ui::EventKind::PageUp);
    else if (percent > 50)
        ScrollPage(ui::EventKind::PageDown);
}

int BrowseClass::keyField() const {
    const int sort = GetSort();
    if (sort < 1 || sort > static_cast<int>(extras_.size()))
        return 0;
    const int key = extras_[static_cast<size_t>(sort - 1)].key;
    return key > 0 ? Me().GetField(key, 1) : 0;
}

// A step that needs limits takes them from the view's first and last records.
void BrowseClass::prepareThumb() {
    StepClass* step = currentExtra()->thumb;
    const int field = keyField();
    if (step == nullptr || !step->NeedsLimits() || field == 0)
        return;
    const store::FieldDesc& f = Me().File->desc().field(field);
    const auto text = [&] {
        return std::string(static_cast<const char*>(Me().File->buffer()) + f.offset, f.width);
    };
    const int saved = Me().SaveBuffer();
    Reset(ResetAt::First);
    const std::string first = Next() == Benign ? text() : std::string();
    Reset(ResetAt::Last);
    const std::string last = Previous() == Benign ? text() : std::string();
    syncPos_.clear();
    int handle = saved;
    Me().RestoreBuffer(handle);
    step->SetLimits(first, last);
}

std::string BrowseClass::SelectedKeyText(int field) const {
    if (page_.selectedRow() == nullptr || field < 1)
        return {};
    const store::FieldDesc& f = Me().File->desc().field(field);
    if (f.kind != store::FieldKind::Text)
        return {};
    return std::string(static_cast<const char*>(Me().File->buffer()) + f.offset, f.width);
}

void BrowseClass::UpdateThumb() {
    if (Window == nullptr || Window->window().find(ListControlId) == nullptr)
        return;
    int percent = 50;
    const SortExtra* extra = GetSort() > 0 ? currentExtra() : nullptr;
    const int selected = page_.selected();
    if (FileLoaded != 0 && !page_.empty()) {
        percent = selected * 100 / page_.size();
    } else if (extra != nullptr && extra->thumb != nullptr && keyField() > 0 && selected > 0) {
        prepareThumb();
        percent = extra->thumb->GetPercentile(SelectedKeyText(keyField()));
    } else if (atStart_ && selected <= 1) {
        percent = 0;
    } else if (atEnd_ && selected == page_.size() && lastScroll_ != ui::EventKind::ScrollUp &&
               lastScroll_ != ui::EventKind::PageUp) {
        percent = 100;
    }
    Window->window().control(ListControlId).setThumb(percent);
}

void BrowseClass::TakeVCRScroll(int button) {
    switch (button) {
        case toolbar::Bottom:
            return ScrollEnd(ui::EventKind::ScrollBottom);
        case toolbar::Top:
            return ScrollEnd(ui::EventKind::ScrollTop);
        case toolbar::PageDown:
            return ScrollPage(ui::EventKind::PageDown);
        case toolbar::PageUp:
            return ScrollPage(ui::EventKind::PageUp);
        case toolbar::Down:
            return ScrollOne(ui::EventKind::ScrollDown);
        case toolbar::Up:
            return ScrollOne(ui::EventKind::ScrollUp);
        default:
            break;
    }
}

void BrowseClass::Ask(uint8_t request) {
    VCRRequest = 0;
    if (AskProcedure == 0 || Window == nullptr)
        return;  // edit in place is not provided
    for (;;) {
        if (request == RequestInsert)
            PrimeRecord();
        else
            UpdateViewRecord();
        const uint8_t response = Window->Run(AskProcedure, request);
        if (!ResetFromAsk(request, response))
            break;
    }
    UpdateWindow();
}

bool BrowseClass::ResetFromAsk(uint8_t& request, uint8_t response) {
    if (response == ResponseCompleted) {
        Flush();
        for (SortExtra& e : extras_) {
            if (auto* s = dynamic_cast<StepStringClass*>(e.thumb))
                s->ClearLimits();
        }
    }
    // A written record is shown where it now is; after a delete (the next
    // record takes the deleted row's place) or a cancel the page stays put.
    if (response == ResponseCompleted && request != RequestDelete)
        fillOnFormRecord();
    else
        ResetQueue();
    const int vcr = std::exchange(VCRRequest, 0);
    if (vcr == 0 || response != ResponseCompleted)
        return false;
    if (vcr == toolbar::Insert || (vcr == toolbar::Down && request == RequestInsert)) {
        request = RequestInsert;
        return true;
    }
    const std::string from = selectedFilePosition();
    TakeVCRScroll(vcr);
    const std::string to = selectedFilePosition();
    return !to.empty() && to != from;  // at the view's end the form is not reopened
}

// The page is filled at the record the form left (the table's current
// record): among records of equal key values it is found by its own place in
// the sort's key, not only by the values, so a line added to a long run of
// equal keys is shown. Without a key position the page starts at the key
// values in the buffer.
void BrowseClass::fillOnFormRecord() {
    const std::string file = Me().Position();
    const int key = GetSort() > 0 ? currentExtra()->key : 0;
    const std::string at = key > 0 ? Me().File->position(key) : std::string();
    if (!at.empty()) {
        fillFrom(at, file, false, at);
        if (page_.find({}, file) != 0)
            return;
    }
    fillFrom({}, file, true);
}

std::string BrowseClass::selectedFilePosition() const {
    const ListPage::Row* selected = page_.selectedRow();
    return selected != nullptr ? selected->filePosition : std::string();
}

BrowseTarget::Buttons BrowseClass::ListButtons() const {
    return {.insert = InsertControl,
            .change = ChangeControl,
            .remove = DeleteControl,
            .select = SelectControl};
}

void BrowseClass::UpdateWindow() {
    if (Window == nullptr || !Window->window().isOpen())
        return;
    ui::Window& w = Window->window();
    const bool row = page_.selected() > 0;
    for (ui::ControlId c : {ChangeControl, DeleteControl, PrintControl}) {
        if (c && w.find(c) != nullptr)
            w.control(c).setEnabled(row);
    }
    if (SelectControl && w.find(SelectControl) != nullptr) {
        w.control(SelectControl).setEnabled(SelectingFlag && row);
        w.control(SelectControl).setVisible(SelectingFlag || !HideSelect);
        w.control(SelectControl).setDefault(SelectingFlag);
    }
    if (GetSort() > 0 && currentExtra()->locator != nullptr)
        currentExtra()->locator->UpdateWindow();
    UpdateThumb();
    UpdateToolbarButtons();
}

void BrowseClass::UpdateToolbarButtons() {
    if (Window->Toolbar != nullptr && toolbarTarget_ != nullptr &&
        Window->Toolbar->ActiveTarget() == toolbarTarget_.get())
        Window->Toolbar->DisplayButtons();
}

void BrowseClass::selectAndClose() {
    if (page_.selected() == 0)
        return;
    UpdateViewRecord();
    Window->SetResponse(ResponseCompleted);
}

void BrowseClass::print() {
    UpdateViewRecord();
    Window->Run(PrintProcedure, RequestPrint);
    ResetQueue();
}

bool BrowseClass::buttonUsable(ui::ControlId button) const {
    const ui::Control* c = Window->window().find(button);
    return c != nullptr && c->enabled() && c->visible();
}

std::vector<BrowseClass::PopupItem> BrowseClass::PopupItems() const {
    struct Entry {
        const char* text;
        ui::ControlId button;
        bool separatorBefore;
        bool shown;
    };
    const Entry entries[] = {
        {.text = "&Agregar", .button = InsertControl, .separatorBefore = false, .shown = true},
        {.text = "&Cambiar", .button = ChangeControl, .separatorBefore = false, .shown = true},
        {.text = "&Borrar", .button = DeleteControl, .separatorBefore = false, .shown = true},
        {.text = "Im&primir", .button = PrintControl, .separatorBefore = false, .shown = true},
        {.text = "&Elegir",
         .button = SelectControl,
         .separatorBefore = true,
         .shown = SelectingFlag},
        {.text = "&CajaHerramientas",
         .button = ToolControl,
         .separatorBefore = true,
         .shown = true},
    };
    std::vector<PopupItem> items;
    for (const Entry& e : entries) {
        if (e.button && e.shown)
            items.push_back({.text = e.text,
                             .button = e.button,
                             .enabled = buttonUsable(e.button),
                             .separatorBefore = e.separatorBefore && !items.empty()});
    }
    return items;
}

void BrowseClass::ShowPopup(const std::string& title) {
    ui::PopupMenu menu{.title = title};
    std::vector<ui::ControlId> buttons;  // per entry; 0 for a separator
    for (const PopupItem& item : PopupItems()) {
        if (!title.empty() && item.button == ToolControl)
            continue;  // the toolbox's own menu does not offer itself
        if (item.separatorBefore && !menu.entries.empty()) {
            menu.entries.push_back({.separator = true});
            buttons.emplace_back();
        }
        menu.entries.push_back({.text = item.text, .enabled = item.enabled});
        buttons.push_back(item.button);
    }
    if (menu.entries.empty())
        return;
    const unsigned chosen = ui::Runtime::current().popup(menu);
    if (chosen >= 1 && chosen <= buttons.size())
        press(buttons[chosen - 1]);
}

// Does what pressing `button` does: the window takes it as Accepted.
void BrowseClass::press(ui::ControlId button) {
    if (button && Window != nullptr && Window->window().usable(button))
        Window->window().post(ui::EventKind::Accepted, button);
}

Level BrowseClass::takeAccepted(ui::ControlId control) {
    if (control == ListControlId) {  // double click or Enter on a row
        if (SelectingFlag)
            selectAndClose();
        else if (ChangeControl && page_.selected() > 0)
            Ask(RequestChange);
        return Benign;
    }
    if (control == InsertControl && InsertControl)
        Ask(RequestInsert);
    else if (control == ChangeControl && ChangeControl && page_.selected() > 0)
        Ask(RequestChange);
    else if (control == DeleteControl && DeleteControl && page_.selected() > 0)
        Ask(RequestDelete);
    else if (control == SelectControl && SelectControl)
        selectAndClose();
    else if (control == PrintControl && PrintControl && page_.selected() > 0)
        print();
    else if (control == ToolControl && ToolControl)
        ShowPopup("Browse Actions");
    else if (GetSort() > 0 && currentExtra()->locator != nullptr &&
             currentExtra()->locator->Control == control)
        currentExtra()->locator->TakeAccepted(Window->window().control(control).text());
    UpdateWindow();
    return Benign;
}

Level BrowseClass::takeAlertKey(ui::KeyCode key) {
    if (key == ui::key::MouseLeft2)
        return takeAccepted(ListControlId);
    if (key == ui::key::MouseRight)
        ShowPopup();
    else if (key == ui::key::F1)
        press(HelpControl);
    else if (key == ui::key::Insert && InsertControl)
        Ask(RequestInsert);
    else if (key == ui::key::CtrlEnter && ChangeControl && page_.selected() > 0)
        Ask(RequestChange);
    else if (key == ui::key::Delete && DeleteControl && page_.selected() > 0)
        Ask(RequestDelete);
    else if (GetSort() > 0 && currentExtra()->locator != nullptr)
        currentExtra()->locator->TakeKey(key);
    UpdateWindow();
    return Benign;
}

Level BrowseClass::takeListEvent(const ui::Event& event) {
    using ui::EventKind;
    switch (event.kind) {
        case EventKind::ScrollUp:
        case EventKind::ScrollDown:
            ScrollOne(event.kind);
            break;
        case EventKind::PageUp:
        case EventKind::PageDown:
            ScrollPage(event.kind);
            break;
        case EventKind::ScrollTop:
        case EventKind::ScrollBottom:
            ScrollEnd(event.kind);
            break;
        case EventKind::ScrollDrag:
            Drag(event.thumb);
            break;
        case EventKind::NewSelection:
            page_.select(Window->window().control(ListControlId).selection());
            showRows();
            break;
        case EventKind::AlertKey:
            return takeAlertKey(event.key);
        case EventKind::Accepted:
            return takeAccepted(event.control);
        default:
            return Benign;
    }
    UpdateWindow();
    return Benign;
}

Level BrowseClass::TakeEvent(const ui::Event& event) {
    if (event.kind == ui::EventKind::Sized) {
        if (followPageRows() && Loaded) {
            resizePage();
            UpdateWindow();
        }
        return Benign;
    }
    if (sortSheet_ && event.control == sortSheet_ && event.kind == ui::EventKind::NewSelection) {
        SetSort(sortOfCurrentTab(), Refill::IfChanged);
        UpdateWindow();
        return Benign;
    }
    if (event.control == ListControlId)
        return takeListEvent(event);
    if (event.kind == ui::EventKind::Accepted)
        return takeAccepted(event.control);
    return Benign;
}

}  // namespace vorda
