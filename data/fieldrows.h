// Compact constructors for the rows of the tables' field lists.
//
// Every stored value kind of the record layouts, with the number of bytes it
// takes in the layout's record length:
//   text n        n bytes            textField(name, offset, n)
//   amount        15 digits, 8 bytes decimalField(name, offset, AMOUNT_DIGITS)
//   rate          2*bytes-1 digits   decimalField(name, offset, digits)
//   date          4 bytes            dateField(name, offset)
//   integer       4 bytes            int32Field(name, offset)
#pragma once

#include <cstddef>

#include "platform/store/tabledesc.h"

namespace vorda::fieldrows {

constexpr size_t AMOUNT_DIGITS = 15;

inline store::FieldDesc textField(const char* name, size_t offset, size_t width) {
    return {.name = name,
            .kind = store::FieldKind::Text,
            .offset = offset,
            .width = width,
            .column = true};
}

inline store::FieldDesc decimalField(const char* name, size_t offset, size_t digits) {
    return {.name = name,
            .kind = store::FieldKind::Decimal,
            .offset = offset,
            .width = digits,
            .column = true,
            .decimals = 2};
}

inline store::FieldDesc dateField(const char* name, size_t offset) {
    return {
        .name = name, .kind = store::FieldKind::Date, .offset = offset, .width = 0, .column = true};
}

inline store::FieldDesc int32Field(const char* name, size_t offset) {
    return {.name = name,
            .kind = store::FieldKind::Int32,
            .offset = offset,
            .width = 0,
            .column = true};
}

}  // namespace vorda::fieldrows
