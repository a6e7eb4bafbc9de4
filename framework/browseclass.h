// BrowseClass: a view shown one page at a time in a list control.
//
// The list's page (ListPage) holds at most LastItems rows (the visible
// lines); each row keeps its column values, its view position and its
// record's file position. The
// page size follows the rows the list control shows (ui::Control::pageRows,
// reported by the backend): it is taken before every fill, and a Sized event
// that changed it grows or shrinks the page around the selected record. The
// view is read only at the page's edges:
//
//   ResetQueue   page refilled around the selected row (forwards, then
//                backwards when the view ended before the page was full);
//                deferred (LoadPending) while the list cannot be seen
//   SetSort      a new sort order refills on the selected record; with a
//                sort sheet (SetSortSheet) its current tab picks the sort
//   Locate       page refilled from the key values in the buffer
//   ScrollOne    selection moves; at an edge ONE record is read
//   ScrollPage   a page is read; selection moves by the rows left unread
//   ScrollEnd    page emptied and read from the view's start or end
//   Drag         thumb: step value located, or top/bottom/page
//   resizePage   taller: rows read below (then above at the view's end);
//                shorter: rows dropped below the selection, then above it
//
// Keys alerted on the list: printable characters and Backspace (locator),
// Insert, Delete, Ctrl+Enter, double click, the right button (popup menu of
// PopupItems; the chosen item's button is pressed), F1 (the help button).
//
// Invariants:
//   1. The page holds at most LastItems rows; its selection is 0 only when
//      it is empty (between operations).
//   2. After every change the record buffer holds the selected row's record
//      (UpdateViewRecord), or is cleared when the list is empty.
//   3. syncPos_ is the position of the record the view read last, or empty
//      when the view's cursor is anywhere else: an edge read reuses it and
//      needs no re-positioning.
// Edit in place and query-by-example are not provided.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/browsetarget.h"
#include "framework/listpage.h"
#include "framework/viewmanager.h"
#include "platform/ui/binding.h"

namespace vorda {

class LocatorClass;
class StepClass;
class ToolbarClass;
class ToolbarListBoxClass;
class WindowManager;

class BrowseClass : public ViewManager, public BrowseTarget {
public:
    // One item of the list's popup menu; it mimics its button.
    struct PopupItem {
        std::string text;
        ui::ControlId button{};
        bool enabled = false;
        bool separatorBefore = false;
    };

    BrowseClass();
    ~BrowseClass() override;

    using ViewManager::Init;
    void Init(ui::ControlId list, RelationManager* primary, WindowManager& window);
    void Kill() override;
    // A sort over `key` with its thumb step (may be null); returns its number.
    int AddSortOrder(StepClass* thumb, int key);
    // The locator of the last sort added.
    void AddLocator(LocatorClass* locator);
    // The next column's value, read from the record buffer.
    void AddField(ui::Binding column);
    // Registers the list as a target of the frame toolbar; the toolbar's help
    // button (and F1 on the list) press `help`, the window's help button.
    void AddToolbarTarget(ToolbarClass& toolbar, ui::ControlId help = {});
    // The sheet whose current tab chooses the sort: tab i (1-based) uses
    // sortOfTab[i - 1], a tab past the table the first entry. Choosing a tab
    // re-sorts and refills on the selected record.
    void SetSortSheet(ui::ControlId sheet, std::vector<int> sortOfTab);
    void SetAlerts();

    using ViewManager::SetSort;
    // Selects sort `number`; refills when it changed (keeping the selected
    // record selected), with Refill::Always, or before the first fill. True
    // when it refilled (or deferred the fill: see ResetQueue).
    bool SetSort(int number, Refill refill);
    // Refills the page around the selected row; while the list cannot be
    // seen (and ActiveInvisible is off) only LoadPending is set, and the
    // window refills it once it can (NeedsRefresh).
    void ResetQueue();
    // Refills from the key values now in the buffer, selecting the first
    // record not below them.
    void ResetFromBuffer();
    // Puts `text` into key field `field` (other key parts lowest) and locates.
    void Locate(int field, const std::string& text);
    // Re-serves a finished form: refills and serves a pending VCRRequest.
    // True when the form must be called again with `request`.
    bool ResetFromAsk(uint8_t& request, uint8_t response);
    void Ask(uint8_t request);

    // Reads up to `rows` records beyond the page's edge in `direction` (from
    // the view's start or end when the page is empty); the page keeps at most
    // LastItems rows. Returns the rows added.
    int Fetch(ReadDirection direction, int rows);
    void ScrollOne(ui::EventKind kind);
    void ScrollPage(ui::EventKind kind);
    void ScrollEnd(ui::EventKind kind);
    void Drag(int percent);
    void TakeVCRScroll(int button);

    void UpdateViewRecord();
    void UpdateThumb();
    void UpdateToolbarButtons();
    // The popup menu's items, in order, for the buttons the list has.
    std::vector<PopupItem> PopupItems() const;
    // Shows the popup menu of PopupItems (titled `title`) and presses the
    // chosen item's button.
    void ShowPopup(const std::string& title = {});
    size_t Records() const { return static_cast<size_t>(page_.size()); }
    const ListPage& Page() const { return page_; }
    // Text of field `field` of the selected row's record (raw bytes).
    std::string SelectedKeyText(int field) const;

    // BrowseTarget
    Level TakeEvent(const ui::Event& event) override;
    // True while a deferred fill waits and the list can now be seen.
    bool NeedsRefresh() override;
    void ResetSort(Refill refill) override;
    void UpdateWindow() override;
    ui::ControlId ListControl() const override { return ListControlId; }
    Buttons ListButtons() const override;
    bool Selecting() const override { return SelectingFlag; }

    ui::ControlId ListControlId{};
    int LastItems = 10;
    uint8_t FileLoaded = 0;
    bool Loaded = false;
    bool LoadPending = false;
    bool ActiveInvisible = false;  // fill even while the list cannot be seen
    bool AllowUnfilled = false;
    ui::ControlId InsertControl{}, ChangeControl{}, DeleteControl{}, SelectControl{};
    ui::ControlId PrintControl{}, ToolControl{};
    ui::ControlId HelpControl{};  // the window's help button
    uint16_t AskProcedure = 0;
    uint16_t PrintProcedure = 0;
    bool SelectingFlag = false;
    bool HideSelect = false;
    WindowManager* Window = nullptr;

private:
    struct SortExtra {
        StepClass* thumb = nullptr;
        LocatorClass* locator = nullptr;
        int key = 0;
    };

    void checkSort(int number) const;
    int sortOfCurrentTab() const;
    bool deferFill();
    void refillOnSelected();
    void fillOnFormRecord();
    bool followPageRows();
    void resizePage();
    void press(ui::ControlId button);
    SortExtra* currentExtra();
    int readRows(ReadDirection direction, int rows, const std::string& skip);
    ListPage::Row makeRow();
    std::string selectedFilePosition() const;
    // Fills the page from `startView` (default: `keepView`), from the record
    // buffer, or from the first record, and selects the kept row if read.
    void fillFrom(const std::string& keepView, const std::string& keepFile, bool fromBuffer,
                  const std::string& startView = {});
    void showRows();
    void clearBuffer();
    void prepareThumb();
    int keyField() const;
    Level takeListEvent(const ui::Event& event);
    Level takeAlertKey(ui::KeyCode key);
    Level takeAccepted(ui::ControlId control);
    void selectAndClose();
    void print();
    bool buttonUsable(ui::ControlId button) const;

    std::vector<SortExtra> extras_;
    std::vector<ui::Binding> columns_;
    ListPage page_;
    std::unique_ptr<ToolbarListBoxClass> toolbarTarget_;
    ui::ControlId sortSheet_{};
    std::vector<int> sortOfTab_;
    std::string syncPos_;
    ui::EventKind lastScroll_ = ui::EventKind::ScrollDown;
    bool atStart_ = false;
    bool atEnd_ = false;
    int savedBuffer_ = 0;
};

}  // namespace vorda
