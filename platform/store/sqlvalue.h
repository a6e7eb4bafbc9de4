// SqlValue: one value of a key or an order expression, as the store binds it
// to a statement, reads it back and writes it into a position text: an
// integer, a text (UTF-8), or `High`, which compares above every stored value
// (it is bound as a zero-length blob, and SQLite orders every blob after every
// text and number). Key bounds use it for a text component filled with its
// highest character.
#pragma once

#include <cstdint>
#include <string>

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

}  // namespace vorda::store
