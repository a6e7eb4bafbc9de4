// Statement: one prepared SQLite statement, finalized when destroyed.
//
// SqlValue is a value bound to or read from a statement: an integer, a text
// (UTF-8), or `High`, which compares above every stored value (it is bound as
// a zero-length blob, and SQLite orders every blob after every text and
// number). Key bounds use it for a text component filled with its highest
// character.
//
// Statements are reset after every use by their owners: a statement left
// stepping would keep the file's SHARED lock and block writers elsewhere.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace vorda::store {

struct SqlValue {
    enum class Type { Integer, Text, High };
    Type type = Type::Integer;
    int64_t integer = 0;
    std::string text;

    static SqlValue ofInteger(int64_t v) {
        return {.type = Type::Integer, .integer = v, .text = {}};
    }
    static SqlValue ofText(std::string v) {
        return {.type = Type::Text, .integer = 0, .text = std::move(v)};
    }
    static SqlValue high() { return {.type = Type::High, .integer = 0, .text = {}}; }
    friend bool operator==(const SqlValue&, const SqlValue&) = default;
};

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
