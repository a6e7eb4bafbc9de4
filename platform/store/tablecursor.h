// TableCursor: an ordered, optionally filtered sequence over a keyed table.
//
// Used for Cursors handed out by File::openCursor() and for the File's own
// sequence (setKey/next/previous/resetTo), which is a cursor ordered by a key.
//
// Reading. Every read runs prepared statements that seek the SQLite index of
// the order and return at most `limit` rows (1, or growing batches with quick
// scan on), then resets them at once: no statement stays stepping between
// calls, since a pending read would hold the file's SHARED lock and block
// other writers. From an anchor (values v of the order's expressions, id r)
// reading forwards takes index seeks, each of a run of equal leading values
// and one range, which SQLite seeks directly (a row value such as
// (e1, e2) > (v1, v2) it seeks only to the first equal entry and then steps
// over every one of them, a whole declaration's lines at the end of it):
//     ties:      e1 = v1 AND ... AND en = vn AND id >= r
//     beyond n:  e1 = v1 AND ... AND en-1 = vn-1 AND en > vn
//     ...
//     beyond 1:  e1 > v1                               each ORDER BY e..., id
// taken in that order until the batch is full; `>` is `<` for a descending
// term. A level whose beyond term the filter holds equal to the anchor's
// value has no rows and is not asked (SQLite would seek by the filter's
// equality and step over the whole run testing the range). In the order a
// clustered table keeps its rows, id is a column of the primary key, and
// without a filter one seek does:
//     after:     (e1, ..., en, id) >= (v1, ..., vn, r)  ORDER BY e..., id
// Backwards is the mirror image. A filter is ANDed to every statement, its
// values bound.
//
// Anchor state (what the next read starts from):
//     First ── next ──► Row(v, r) ── next/previous ──► Row(v', r')
//     Last  ── previous ─┘           no more forwards ──► Last
//     Values (startAtBuffer): next = first >= v, previous = last <= v
//     Position (startAt):     next = first >= (v, r), previous = last <= (v, r)
//     Row (after a read):     next = first > (v, r),  previous = last < (v, r)
// Rows read ahead are dropped when the direction changes, when anything was
// written through the same connection, on flush(), and on any change of order
// or filter.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "platform/store/file.h"
#include "platform/store/filtersql.h"
#include "platform/store/statement.h"
#include "platform/store/tablelayout.h"

namespace vorda::store {

class KeyedTable;

class TableCursor final : public Cursor {
public:
    // Read-ahead grows from the first to the largest batch while a scan goes
    // on in one direction, so that filling a page reads little and a long
    // scan pays the per-statement cost (locks, seeks) rarely.
    static constexpr int kFirstBatchRows = 32;
    static constexpr int kQuickScanRows = 4096;

    explicit TableCursor(KeyedTable& table);

    int setOrder(std::vector<OrderTerm> order) override;
    int setFilter(const FilterNode* filter) override;
    void startAtFirst() override;
    void startAtLast() override;
    void startAtBuffer() override;
    int startAt(const std::string& position) override;
    int next() override { return read(true); }
    int previous() override { return read(false); }
    std::string position() const override;
    void setQuickScan(bool on) override { quickScan_ = on; }
    void flush() override { dropRows(); }

    // Orders by a key's expressions (the File's sequence).
    void setKeyOrder(const std::vector<OrderExpr>& order);

private:
    // After: rows from (v, r) on in one seek over values and id; only for
    // the order the rows of a clustered table are kept in, where id is a
    // column of the primary key.
    enum class Query { Ties, Beyond, All, After };
    struct RowMeta {
        int64_t id;
        int64_t version;
    };
    struct Anchor {
        enum class Kind { First, Last, Values, Position, Row };
        Kind kind = Kind::First;
        std::vector<SqlValue> values;
        int64_t id = 0;
        static Anchor of(Kind kind) {
            Anchor a;
            a.kind = kind;
            return a;
        }
    };

    int check();
    int read(bool forward);
    int fetch(bool forward);
    int fetchAround(bool forward, int64_t idBound, int limit);
    // `level` (Beyond only): the number of leading terms held equal.
    int run(Query query, bool forward, int64_t idBound, int limit, int level = 0);
    int statement(Query query, bool forward, int level, Statement** out);
    std::string sqlFor(Query query, bool forward, int level) const;
    std::string beyondCondition(bool forward, int level) const;
    std::string afterCondition(bool forward) const;
    bool seeksWithId() const;
    bool levelIsEmpty(int level) const;
    void bindQuery(Statement& st, Query query, int64_t idBound, int limit) const;
    void deliver(size_t row);
    void dropRows();
    bool haveRows() const { return nextRow_ < meta_.size(); }
    int nextBatch();
    void materializeAnchor();
    std::vector<SqlValue> valuesOf(const char* image) const;
    void resetStatements();
    void compileFilter();

    KeyedTable& table_;
    std::weak_ptr<void> alive_;
    std::vector<OrderExpr> order_;
    std::optional<FilterNode> filter_;
    std::vector<SqlValue> filterValues_;
    std::vector<FilterSql::Pinned> pinned_;  // columns the filter holds equal
    std::string filterSql_;
    std::array<Statement, 8> statements_;
    std::vector<Statement> beyond_[2];  // by level; [0] forwards, [1] backwards
    uint64_t statementEpoch_ = 0;
    Anchor anchor_;
    bool anchorLazy_ = false;     // anchor_ values still to be taken from lastImage_
    bool lastReadValid_ = false;  // lastImage_/lastReadId_ hold the last record read
    int64_t lastReadId_ = 0;
    std::vector<char> lastImage_;
    std::vector<char> images_;  // rows read ahead, one record image each
    std::vector<RowMeta> meta_;
    size_t nextRow_ = 0;
    int batch_ = 0;
    bool rowsForward_ = true;
    uint64_t rowsGeneration_ = 0;
    bool quickScan_ = false;
};

}  // namespace vorda::store
