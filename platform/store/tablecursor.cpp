#include "platform/store/tablecursor.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <limits>

#include "platform/store/codes.h"
#include "platform/store/driverror.h"
#include "platform/store/filtersql.h"
#include "platform/store/keyedtable.h"
#include "platform/store/positiontext.h"

namespace vorda::store {
namespace {

constexpr int64_t kLowestId = std::numeric_limits<int64_t>::min();
constexpr int64_t kHighestId = std::numeric_limits<int64_t>::max();

}  // namespace

TableCursor::TableCursor(KeyedTable& table) : table_(table), alive_(table.aliveToken()) {}

int TableCursor::setOrder(std::vector<OrderTerm> order) {
    std::vector<OrderExpr> exprs;
    for (const OrderTerm& term : order) {
        if (alive_.expired() || !table_.layout().termsOf(term, &exprs)) {
            return DriverError::fileSystem("Orden inválido: campo " + std::to_string(term.field));
        }
    }
    setKeyOrder(exprs);
    return Ok;
}

void TableCursor::setKeyOrder(const std::vector<OrderExpr>& order) {
    if (order == order_)
        return;
    order_ = order;
    compileFilter();
    resetStatements();
    anchor_ = {};
}

// The filter's SQL and values; its parameters follow the order's.
void TableCursor::compileFilter() {
    filterSql_.clear();
    filterValues_.clear();
    pinned_.clear();
    if (!filter_)
        return;
    FilterSql filter(table_.layout(), static_cast<int>(order_.size()) + 3);
    filter.compile(*filter_, &filterSql_);
    filterValues_ = filter.parameters();
    pinned_ = filter.pinned();
}

int TableCursor::setFilter(const FilterNode* filter) {
    if (alive_.expired())
        return DriverError::fileSystem("El archivo no está abierto");
    if (filter == nullptr) {
        filter_.reset();
    } else {
        FilterSql test(table_.layout(), 1);
        std::string sql;
        if (int code = test.compile(*filter, &sql); code != Ok)
            return code;
        filter_ = *filter;
    }
    compileFilter();
    resetStatements();
    return Ok;
}

void TableCursor::resetStatements() {
    for (Statement& st : statements_)
        st.finalize();
    for (std::vector<Statement>& level : beyond_)
        level.clear();
    dropRows();
    lastReadValid_ = false;
}

void TableCursor::dropRows() {
    images_.clear();
    meta_.clear();
    nextRow_ = 0;
    batch_ = 0;
}

int TableCursor::nextBatch() {
    batch_ = batch_ == 0 ? kFirstBatchRows : std::min(batch_ * 2, kQuickScanRows);
    return batch_;
}

void TableCursor::startAtFirst() {
    dropRows();
    anchorLazy_ = false;
    anchor_ = Anchor::of(Anchor::Kind::First);
}

void TableCursor::startAtLast() {
    dropRows();
    anchorLazy_ = false;
    anchor_ = Anchor::of(Anchor::Kind::Last);
}

void TableCursor::startAtBuffer() {
    dropRows();
    anchorLazy_ = false;
    if (alive_.expired())
        return;
    anchor_ = Anchor::of(Anchor::Kind::Values);
    for (const OrderExpr& e : order_) {
        anchor_.values.push_back(table_.layout().boundValue(table_.record(), e));
    }
}

int TableCursor::startAt(const std::string& position) {
    Anchor anchor = Anchor::of(Anchor::Kind::Position);
    if (!PositionText::decode(position, &anchor.values, &anchor.id) ||
        anchor.values.size() != order_.size()) {
        return DriverError::fileSystem("Posición inválida para este orden");
    }
    dropRows();
    anchorLazy_ = false;
    anchor_ = std::move(anchor);
    return Ok;
}

std::string TableCursor::position() const {
    return lastReadValid_ ? PositionText::encode(valuesOf(lastImage_.data()), lastReadId_)
                          : std::string();
}

std::vector<SqlValue> TableCursor::valuesOf(const char* image) const {
    std::vector<SqlValue> values;
    values.reserve(order_.size());
    for (const OrderExpr& e : order_)
        values.push_back(table_.layout().storedValue(image, e));
    return values;
}

// The anchor of a row just read keeps only its id until a query needs its values.
void TableCursor::materializeAnchor() {
    if (!anchorLazy_)
        return;
    anchor_.values = valuesOf(lastImage_.data());
    anchorLazy_ = false;
}

// Ok when the file is open; statements prepared for an earlier open are dropped.
int TableCursor::check() {
    if (alive_.expired())
        return DriverError::fileSystem("El archivo no está abierto");
    if (int code = table_.requireOpen(); code != Ok)
        return code;
    if (statementEpoch_ != table_.epoch()) {
        for (Statement& st : statements_)
            st.finalize();
        for (std::vector<Statement>& level : beyond_)
            level.clear();
        dropRows();
        statementEpoch_ = table_.epoch();
    }
    return Ok;
}

int TableCursor::read(bool forward) {
    if (int code = check(); code != Ok)
        return code;
    if (haveRows() &&
        (rowsForward_ != forward || rowsGeneration_ != table_.connection().writeGeneration())) {
        dropRows();
    }
    if (!haveRows()) {
        if (int code = fetch(forward); code != Ok)
            return code;
        if (!haveRows()) {
            anchorLazy_ = false;
            anchor_ = Anchor::of(forward ? Anchor::Kind::Last : Anchor::Kind::First);
            batch_ = 0;
            return DriverError::fail(NoMoreRecords);
        }
    }
    deliver(nextRow_++);
    return Ok;
}

int TableCursor::fetch(bool forward) {
    if (rowsForward_ != forward)
        batch_ = 0;
    images_.clear();
    meta_.clear();
    nextRow_ = 0;
    materializeAnchor();
    rowsForward_ = forward;
    rowsGeneration_ = table_.connection().writeGeneration();
    const int limit = quickScan_ ? nextBatch() : 1;
    switch (anchor_.kind) {
        case Anchor::Kind::First:
            return forward ? run(Query::All, true, 0, limit) : Ok;
        case Anchor::Kind::Last:
            return forward ? Ok : run(Query::All, false, 0, limit);
        case Anchor::Kind::Values:
            if (order_.empty())
                return run(Query::All, forward, 0, limit);
            return fetchAround(forward, forward ? kLowestId : kHighestId, limit);
        case Anchor::Kind::Position:
            if (seeksWithId())
                return run(Query::After, forward, anchor_.id, limit);
            return fetchAround(forward, anchor_.id, limit);
        case Anchor::Kind::Row: {
            const int64_t bound = forward ? anchor_.id + 1 : anchor_.id - 1;
            if (seeksWithId())
                return run(Query::After, forward, bound, limit);
            return fetchAround(forward, bound, limit);
        }
    }
    return Ok;
}

// True in the order a clustered table keeps its rows when every term is
// ascending, as id is (a row value compares all its terms one way), and no
// filter is set: SQLite prefers a filter's equalities on the leading columns
// to the row value, and would then restart every batch at the run's start.
bool TableCursor::seeksWithId() const {
    const TableLayout& layout = table_.layout();
    if (!layout.clustered() || order_.empty() || filter_ ||
        order_ != layout.key(layout.desc().clusterKey).terms) {
        return false;
    }
    return std::none_of(order_.begin(), order_.end(),
                        [](const OrderExpr& e) { return e.descending; });
}

// True when the filter holds the beyond term of `level` equal to the
// anchor's own value, so that no row can lie beyond it.
bool TableCursor::levelIsEmpty(int level) const {
    const OrderExpr& term = order_[static_cast<size_t>(level)];
    const SqlValue& value = anchor_.values[static_cast<size_t>(level)];
    return std::any_of(pinned_.begin(), pinned_.end(), [&](const FilterSql::Pinned& p) {
        return p.column.column == term.column && p.column.form == term.form && p.value == value;
    });
}

// Ties of the anchor's values first (by id from `idBound`), then beyond them.
int TableCursor::fetchAround(bool forward, int64_t idBound, int limit) {
    if (int code = run(Query::Ties, forward, idBound, limit); code != Ok)
        return code;
    for (int level = static_cast<int>(order_.size()) - 1; level >= 0; --level) {
        const int got = static_cast<int>(meta_.size());
        if (got >= limit)
            break;
        if (levelIsEmpty(level))
            continue;
        if (int code = run(Query::Beyond, forward, 0, limit - got, level); code != Ok)
            return code;
    }
    return Ok;
}

int TableCursor::run(Query query, bool forward, int64_t idBound, int limit, int level) {
    Statement* st = nullptr;
    if (int code = statement(query, forward, level, &st); code != Ok)
        return code;
    bindQuery(*st, query, idBound, limit);
    const TableLayout& layout = table_.layout();
    const size_t size = layout.desc().recordSize;
    int rc;
    while ((rc = st->step()) == SQLITE_ROW) {
        // Bytes of the buffer that no column covers (padding) keep the buffer's.
        const size_t at = images_.size();
        images_.insert(images_.end(), table_.record(), table_.record() + size);
        layout.readRecord(*st, 2, images_.data() + at);
        meta_.push_back({.id = st->integerAt(0), .version = st->integerAt(1)});
    }
    st->reset();
    return rc == SQLITE_DONE ? Ok : table_.failSqlite(rc);
}

void TableCursor::bindQuery(Statement& st, Query query, int64_t idBound, int limit) const {
    const int n = static_cast<int>(order_.size());
    if (query != Query::All) {
        for (int i = 0; i < n; ++i)
            st.bind(i + 1, anchor_.values[static_cast<size_t>(i)]);
    }
    st.bindInteger(n + 1, idBound);
    st.bindInteger(n + 2, limit);
    for (size_t i = 0; i < filterValues_.size(); ++i) {
        st.bind(n + 3 + static_cast<int>(i), filterValues_[i]);
    }
}

int TableCursor::statement(Query query, bool forward, int level, Statement** out) {
    std::vector<Statement>& levels = beyond_[forward ? 0 : 1];
    if (query == Query::Beyond && levels.size() < order_.size())
        levels.resize(order_.size());
    Statement& st = query == Query::Beyond
                        ? levels[static_cast<size_t>(level)]
                        : statements_[static_cast<size_t>(query) * 2 + (forward ? 0 : 1)];
    if (!st.prepared()) {
        const int rc = st.prepare(table_.connection().handle(), sqlFor(query, forward, level));
        if (rc != SQLITE_OK)
            return table_.failSqlite(rc);
    }
    *out = &st;
    return Ok;
}

std::string TableCursor::sqlFor(Query query, bool forward, int level) const {
    const TableLayout& layout = table_.layout();
    const int n = static_cast<int>(order_.size());
    std::vector<std::string> where;
    if (query == Query::Ties) {
        for (int i = 0; i < n; ++i) {
            where.push_back(layout.expression(order_[static_cast<size_t>(i)]) + " = ?" +
                            std::to_string(i + 1));
        }
        where.push_back((forward ? "id >= ?" : "id <= ?") + std::to_string(n + 1));
    } else if (query == Query::Beyond) {
        where.push_back(beyondCondition(forward, level));
    } else if (query == Query::After) {
        where.push_back(afterCondition(forward));
    }
    if (filter_)
        where.push_back("(" + filterSql_ + ")");
    std::string sql = "SELECT " + layout.selectList() + " FROM " + layout.table(table_.schema());
    for (size_t i = 0; i < where.size(); ++i)
        sql += (i ? " AND " : " WHERE ") + where[i];
    sql += " ORDER BY ";
    for (const OrderExpr& e : order_) {
        sql += layout.expression(e) + (e.descending == forward ? " DESC, " : ", ");
    }
    return sql + (forward ? "id" : "id DESC") + " LIMIT ?" + std::to_string(n + 2);
}

// Rows strictly after (forwards) or before the anchor's values whose first
// `level` terms equal the anchor's and whose next term lies beyond it.
std::string TableCursor::beyondCondition(bool forward, int level) const {
    const TableLayout& layout = table_.layout();
    std::string sql;
    for (int j = 0; j < level; ++j) {
        sql += layout.expression(order_[static_cast<size_t>(j)]) + " = ?" + std::to_string(j + 1) +
               " AND ";
    }
    const OrderExpr& e = order_[static_cast<size_t>(level)];
    return sql + layout.expression(e) + (e.descending != forward ? " > ?" : " < ?") +
           std::to_string(level + 1);
}

// Rows from the anchor's values and id bound on, in the order (inclusive).
std::string TableCursor::afterCondition(bool forward) const {
    const TableLayout& layout = table_.layout();
    const int n = static_cast<int>(order_.size());
    std::string left, right;
    for (int i = 0; i < n; ++i) {
        left += layout.expression(order_[static_cast<size_t>(i)]) + ", ";
        right += "?" + std::to_string(i + 1) + ", ";
    }
    return "(" + left + "id)" + (forward ? " >= " : " <= ") + "(" + right + "?" +
           std::to_string(n + 1) + ")";
}

void TableCursor::deliver(size_t row) {
    const size_t size = table_.layout().desc().recordSize;
    const char* image = images_.data() + row * size;
    std::memcpy(table_.record(), image, size);
    lastImage_.assign(image, image + size);
    table_.setCurrent(meta_[row].id, meta_[row].version);
    anchor_.kind = Anchor::Kind::Row;
    anchor_.id = meta_[row].id;
    anchorLazy_ = true;
    lastReadValid_ = true;
    lastReadId_ = meta_[row].id;
}

}  // namespace vorda::store
