// ViewManager: a filtered, ordered stream of one table's records.
//
// The view is a store cursor on the primary table (the table of the primary
// relation manager); joined tables are not supported: no list or process of
// the program needs them (a list that shows a parent's fields looks the parent
// up per record itself). A table whose driver has no cursors (the fixed-record
// text file) is read through its own sequence in file order, without filter.
//
// A view has one or more sort orders; one is current. Each sort holds:
//   - its order text: "AGE:NRO_AGENTE,-AGE:FAX,UPPER(AGE:DENOMINACION)", from a
//     key (FileManager::KeyToOrder) or given (SetOrder); empty = file order;
//   - its range, over limit fields (the sort key's components up to the field
//     named, or that field alone when it is not a component):
//       none | current values (taken when the sort is selected) | a given value
//       | between a low and a high value | the linking values of a parent record;
//   - its named filters (id up to 30 characters, expression text).
// The range and the filters become one filter text (FilterText), which is
// parsed (FilterExpression) into the cursor's filter: a range over a key is
// then a range scan of the store's index, never a read of the whole table.
// A text the parser or the cursor refuses is error 40 and the view runs
// unfiltered (or in file order, for a refused order).
//
// Life cycle:
//
//   Init ─► AddSortOrder/AddRange/SetFilter ... ─► Open (lazily, by the first Reset)
//        ─► { SetSort | ApplyRange } ─► Reset ─► Next/Previous ... ─► Close ─► Kill
//
// Next and Previous load the primary table's record buffer; ValidateRecord
// (a derived class's override point) accepts (RecordOK), ends the stream
// (RecordOutOfRange) or skips (anything else) each record read.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/filemanager.h"
#include "framework/level.h"
#include "platform/types/fixedtext.h"

namespace vorda {

class FileManager;
class RelationManager;
namespace store {
class Cursor;
}

enum RecordResult : uint8_t { RecordOK = 0, RecordOutOfRange = 1, RecordFiltered = 2 };

class ViewManager {
public:
    enum class RangeKind { None, Current, Given, Between, Parent };
    enum class ResetAt { First, Last, Buffer };
    // A range limit's value: the image of the limit field (the bytes of the
    // field in a record buffer; text may be shorter and is blank-padded).
    using LimitValue = std::function<std::string()>;

    static constexpr size_t MaxFilterLength = 4999;
    static constexpr size_t MaxFilterIdLength = 30;

    ViewManager();
    ViewManager(const ViewManager&) = delete;
    ViewManager& operator=(const ViewManager&) = delete;
    virtual ~ViewManager();

    // The view reads the table of `primary` (its FileManager and store file).
    virtual void Init(RelationManager* primary);
    virtual void Kill();

    // Adds a sort order over key `key` (0: file order) and makes it current.
    // Returns its number (1..).
    int AddSortOrder(int key = 0);
    // Replaces the current sort's order text.
    void SetOrder(std::string_view order);
    // Ranges of the current sort.
    void AddRange(int field);                         // the limit fields' current values
    void AddRange(int field, LimitValue value);       // a given value of `field`
    void AddRange(int field, TextRef value);          // a given text variable (read each time)
    void AddRange(int field, std::string_view utf8);  // a given, fixed text
    void AddRange(int field, LimitValue low, LimitValue high);  // between low and high
    void AddRange(int field, TextRef low, TextRef high);
    // The linking values of `parent`'s record, through the relation between
    // `self` (this view's table) and `parent`.
    void AddRange(int field, RelationManager* parent, RelationManager* self);
    // Makes the sort key's components up to `field` the current sort's limit
    // fields; returns their count.
    int LimitMajorComponents(int field);
    // Adds, replaces (same id) or, with an empty expression, removes a filter
    // of the current sort; re-applies the filter when the view is open.
    void SetFilter(std::string_view expression, std::string_view id = {});

    // Selects sort `number`, taking its range values afresh. True when the view
    // must be re-read (another sort, or its range values changed).
    virtual bool SetSort(int number);
    int GetSort() const { return current_; }

    // Opens the view: error 40 (Notify) when the table gives no view.
    virtual Level Open();
    // Opens the view when it is not open yet; false when it cannot be opened.
    bool UseView();
    virtual void Close();
    // Restarts the stream: at its first record, after its last, or at the key
    // values now in the buffer. Opens the view when needed.
    virtual void Reset(ResetAt at = ResetAt::First);
    // Restarts at a position given by Position(); Notify when the view has
    // none to restart at (not open, or a position the driver does not know).
    virtual Level Reset(const std::string& position);

    // Re-takes the values of given, between and parent ranges; when they
    // changed, rebuilds the filter and returns true.
    virtual bool ApplyRange();
    virtual Level ApplyOrder();
    virtual Level ApplyFilter();

    // The next/previous record accepted by ValidateRecord: Benign; Notify at
    // the end of the stream or when ValidateRecord ends it; Fatal after error
    // 1 for a read error.
    virtual Level Next();
    virtual Level Previous();
    virtual uint8_t ValidateRecord();
    // Primes a new record: clears it unless suppressed, puts the current range
    // values into their fields (for a between range all but the last) and runs
    // the table's own priming without clearing.
    virtual Level PrimeRecord(Priming priming = Priming::ClearBuffer);

    // Position of the last record read (for Reset(position)).
    std::string Position() const;
    void SetQuickScan(bool on);
    // Drops what the view has read ahead (after the table was written).
    void Flush();

    // The filter and order texts of the current sort, as last applied.
    std::string FilterText() const;
    std::string OrderText() const;

    RelationManager* Primary = nullptr;
    bool QuickScan = false;

protected:
    FileManager& Me() const;

private:
    struct Limit {
        int field;
        std::string name;  // as written in the filter ("UPPER(AGE:DENOMINACION)")
        bool upper;
    };
    struct Filter {
        std::string id;
        std::string expression;
    };
    struct Sort {
        int key = 0;
        std::string order;
        RangeKind range = RangeKind::None;
        std::vector<Limit> limits;
        LimitValue given, low, high;
        RelationManager* parent = nullptr;
        RelationManager* self = nullptr;
        std::vector<Filter> filters;
        std::vector<std::string> values;  // applied images: one per limit (between: + high)
        bool captured = false;
    };

    void checkView() const;
    Sort& currentSort();
    const Sort& currentSort() const;
    void setRange(RangeKind kind, int field);
    Limit limitFor(const Sort& sort, int component, int field) const;

    std::vector<std::string> rangeValues(const Sort& sort, bool fresh) const;
    std::string limitImage(int field, std::string image) const;
    std::string parentImage(const Sort& sort, int field) const;
    std::string literal(const Limit& limit, const std::string& image) const;
    std::string rangeText(const Sort& sort) const;

    Level viewError(int code, const std::string& fileErrorCode, const std::string& text);
    Level read(bool forward);
    int readOnce(bool forward);

    std::vector<Sort> sorts_;
    int current_ = 0;
    std::unique_ptr<store::Cursor> cursor_;
    bool open_ = false;
    bool fileSequence_ = false;  // no cursors: the table's own sequence in file order
};

}  // namespace vorda
