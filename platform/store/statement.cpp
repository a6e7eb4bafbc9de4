#include "platform/store/statement.h"

#include <sqlite3.h>

#include <utility>

namespace vorda::store {

Statement::~Statement() {
    finalize();
}

Statement::Statement(Statement&& other) noexcept : stmt_(std::exchange(other.stmt_, nullptr)) {}

Statement& Statement::operator=(Statement&& other) noexcept {
    if (this != &other) {
        finalize();
        stmt_ = std::exchange(other.stmt_, nullptr);
    }
    return *this;
}

int Statement::prepare(sqlite3* db, const std::string& sql, bool persistent) {
    finalize();
    const unsigned flags = persistent ? SQLITE_PREPARE_PERSISTENT : 0;
    return sqlite3_prepare_v3(db, sql.c_str(), static_cast<int>(sql.size() + 1), flags, &stmt_,
                              nullptr);
}

void Statement::finalize() {
    if (stmt_ != nullptr)
        sqlite3_finalize(stmt_);
    stmt_ = nullptr;
}

void Statement::bind(int index, const SqlValue& value) {
    switch (value.type) {
        case SqlValue::Type::Integer:
            bindInteger(index, value.integer);
            break;
        case SqlValue::Type::Text:
            bindText(index, value.text);
            break;
        case SqlValue::Type::High:
            sqlite3_bind_zeroblob(stmt_, index, 0);
            break;
    }
}

void Statement::bindInteger(int index, int64_t value) {
    sqlite3_bind_int64(stmt_, index, value);
}

void Statement::bindText(int index, std::string_view value) {
    // A null pointer would bind SQL NULL; an empty text must stay a text.
    const char* data = value.empty() ? "" : value.data();
    sqlite3_bind_text(stmt_, index, data, static_cast<int>(value.size()), SQLITE_TRANSIENT);
}

int Statement::step() {
    return sqlite3_step(stmt_);
}

void Statement::reset() {
    if (stmt_ == nullptr)
        return;
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

int64_t Statement::integerAt(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

std::string_view Statement::textAt(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    if (text == nullptr)
        return {};
    return {text, static_cast<size_t>(sqlite3_column_bytes(stmt_, column))};
}

bool Statement::isNullAt(int column) const {
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

}  // namespace vorda::store
