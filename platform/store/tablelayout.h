// TableLayout: how one record layout is stored in SQLite.
//
// One SQLite table per file, named after the table, with
//   id       INTEGER PRIMARY KEY AUTOINCREMENT  -- file order and record identity
//                                               -- (never reused, so a stale
//                                               -- position or version check
//                                               -- cannot hit a newer record)
//   version  INTEGER  -- 1 when added, +1 on every change (ChangedByOther check)
//   one column per `column` field, named after the field without its prefix:
//       Text as UTF-8 with trailing blanks trimmed, Decimal as INTEGER
//       hundredths, Date as INTEGER day number, Int32 as INTEGER;
//   a hidden twin `<NAME>__upper` for every Text column that is part of a
//       noCase key, holding the Windows-1252 upper case computed here
//       (SQLite's UPPER knows ASCII only).
// One index per key, `key_<KEYNAME>`, UNIQUE where the key is, on the key's
// columns in order (folded twins for noCase keys); the rowid closes every
// index, which keeps records with equal key values in the order they were
// added.
//
// A clustered table (TableDesc::clusterKey) keeps its rows in the order of
// that key instead: a WITHOUT ROWID table whose primary key is the key's
// columns followed by id, so that a run of equal key values is read as one
// sequential pass with no second lookup per row. Then
//   - `id` is a plain column with a UNIQUE index `vorda_id` (file order,
//     reading by position). A new id is one above both the highest id held
//     and the one-row table vorda_sequence, which a trigger raises to every
//     deleted id, so that ids are never reused;
//   - the cluster key has no index of its own unless it is unique (its index
//     then only enforces uniqueness); every other non-unique index names id
//     as its last column, which keeps equal values in the order they were
//     added (the implicit tail of such an index is the primary key).
//
// Order expressions (OrderExpr) name one column in one form; a key is a list
// of them. Values of a record are taken straight from the record buffer bytes,
// either as stored (exact matches) or as a bound of a sequence, where a text
// component filled with its highest character becomes SqlValue::high() and
// trailing blanks and NULs are dropped.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/store/file.h"
#include "platform/store/statement.h"
#include "platform/store/tabledesc.h"

namespace vorda::store {

struct ColumnLayout {
    int field;         // field number in the descriptor
    std::string name;  // SQL column name (field name without prefix)
    FieldKind kind;
    size_t offset;  // in the record buffer
    size_t width;   // Text: characters; Decimal: digits (0 = unchecked)
    bool folded;    // has an upper-cased twin column
};

struct OrderExpr {
    enum class Form { Plain, Folded, Upper };  // Upper: vorda_upper(column), no index
    int column;
    Form form = Form::Plain;
    bool descending = false;
    friend bool operator==(const OrderExpr&, const OrderExpr&) = default;
};

struct KeyLayout {
    std::string index;  // index name
    bool unique;
    std::vector<OrderExpr> terms;
    bool ownIndex = true;  // false: the rows themselves are kept in this order
};

class TableLayout {
public:
    explicit TableLayout(const TableDesc& desc);

    const TableDesc& desc() const { return *desc_; }
    bool clustered() const { return desc_->clusterKey > 0; }
    const std::vector<ColumnLayout>& columns() const { return columns_; }
    int keyCount() const { return static_cast<int>(keys_.size()); }
    const KeyLayout& key(int number) const { return keys_.at(static_cast<size_t>(number - 1)); }

    // The order expressions of a cursor's order term; false for a field that
    // does not exist or holds no column.
    bool termsOf(const OrderTerm& term, std::vector<OrderExpr>* out) const;
    // Column indexes (into columns()) of field `field`; empty when none.
    std::vector<int> columnsOfField(int field) const;

    // SQL pieces. `schema` is an attachment's name.
    std::string table(const std::string& schema) const;
    std::string expression(const OrderExpr& e) const;
    std::vector<std::string> createStatements(const std::string& schema) const;
    std::string selectList() const;  // id, version, the columns
    // Returns the new record's id as its one result row when clustered.
    std::string insertSql(const std::string& schema) const;
    // Clustered tables: an insert whose id is the last parameter, and the
    // query of the next free id.
    std::string insertWithIdSql(const std::string& schema) const;
    std::string nextIdSql(const std::string& schema) const;
    std::string updateSql(const std::string& schema) const;  // ... WHERE id = ? AND version = ?
    int boundColumnCount() const;                            // parameters bindRecord fills
    // Describes columns and keys; a file made for another layout differs.
    std::string signature() const;

    SqlValue storedValue(const char* record, const OrderExpr& e) const;
    SqlValue boundValue(const char* record, const OrderExpr& e) const;
    // Binds every column (and folded twin) of `record` from parameter
    // `first` on. FileSystemError (lastError set) when a value does not fit.
    int bindRecord(Statement& stmt, int first, const char* record) const;
    // Fills `record` from the columns of the current row, from `first` on.
    void readRecord(const Statement& stmt, int first, char* record) const;

    // Windows-1252 upper case of a UTF-8 text, as UTF-8.
    static std::string foldUpper(std::string_view utf8);
    // Text bytes of a buffer field, trailing blanks dropped, as UTF-8.
    static std::string textOf(const char* bytes, size_t width);

private:
    void addColumns();
    void addKeys();
    std::string columnSql(const ColumnLayout& c) const;
    std::string indexSql(const KeyLayout& k, const std::string& schema) const;
    std::string termList(const std::vector<OrderExpr>& terms) const;
    std::string insertInto(const std::string& schema, const std::string& id, bool returning) const;
    std::vector<std::string> withIndexes(std::vector<std::string> statements,
                                         const std::string& schema) const;
    SqlValue numberOf(const char* record, const ColumnLayout& c) const;

    const TableDesc* desc_;
    std::vector<ColumnLayout> columns_;
    std::vector<KeyLayout> keys_;
};

// SQL text of an identifier, double-quoted.
std::string sqlName(std::string_view identifier);

}  // namespace vorda::store
