// Statement: one prepared SQLite statement, finalized when destroyed.
//
// Values are bound and read as SqlValue (sqlvalue.h).
//
// Statements are reset after every use by their owners: a statement left
// stepping would keep the file's SHARED lock and block writers elsewhere.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/store/sqlvalue.h"

struct sqlite3;
struct sqlite3_stmt;

namespace vorda::store {

class Statement {
public:
    Statement() = default;
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Prepares `sql` on `db` (finalizing any previous statement); returns the
    // SQLite result code. `persistent` hints that the statement is kept.
    int prepare(sqlite3* db, const std::string& sql, bool persistent = true);
    bool prepared() const { return stmt_ != nullptr; }
    void finalize();

    void bind(int index, const SqlValue& value);
    void bindInteger(int index, int64_t value);
    void bindText(int index, std::string_view value);
    // SQLITE_ROW, SQLITE_DONE or an error code.
    int step();
    // Resets the statement and clears its bindings.
    void reset();

    int64_t integerAt(int column) const;
    std::string_view textAt(int column) const;
    bool isNullAt(int column) const;

private:
    sqlite3_stmt* stmt_ = nullptr;
};

}  // namespace vorda::store
