// FilterSql: a FilterNode as part of a WHERE clause.
//
// Values are never pasted into the SQL text: every literal becomes a numbered
// parameter (?N, N from `firstParameter` on) with its value in `parameters`.
// A comparison of a field that is not a column compares its columns in order,
// as a row value, against the literal cut at their widths.
#pragma once

#include <string>
#include <vector>

#include "platform/store/file.h"
#include "platform/store/statement.h"
#include "platform/store/tablelayout.h"

namespace vorda::store {

class FilterSql {
public:
    FilterSql(const TableLayout& layout, int firstParameter)
        : layout_(layout), next_(firstParameter) {}

    // Ok with the SQL in `sql`; FileSystemError (lastError set) for a field
    // that does not exist or a literal the field cannot take.
    int compile(const FilterNode& node, std::string* sql);
    const std::vector<SqlValue>& parameters() const { return parameters_; }

    // A column the whole filter holds equal to one value: an equality that
    // no OR or NOT takes part in.
    struct Pinned {
        OrderExpr column;  // its column and form (never descending)
        SqlValue value;
    };
    const std::vector<Pinned>& pinned() const { return pinned_; }

private:
    int compileList(const FilterNode& node, const char* joiner, const char* empty,
                    std::string* sql);
    int compileCompare(const FilterNode& node, std::string* sql);
    int literalFor(const ColumnLayout& column, bool upper, const std::string& text, SqlValue* out);
    std::vector<std::string> pieces(const std::vector<int>& columns, const std::string& literal);
    std::string parameter(SqlValue value);

    const TableLayout& layout_;
    int next_;
    std::vector<SqlValue> parameters_;
    std::vector<Pinned> pinned_;
    bool conjunctive_ = true;  // the node being compiled is reached through ANDs only
};

}  // namespace vorda::store
