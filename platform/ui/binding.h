// Binding: how a control reaches the field it shows.
//
// `get` gives the field's value, `set` stores a value read back from the
// control through its picture and answers false when the field cannot hold
// it (the control then reports Rejected and the field keeps its value).
// Values convert between kinds where that is meaningful: a text field takes
// a number as "1234.50", an integer field refuses a fraction.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/types/date.h"
#include "platform/types/decimal.h"
#include "platform/types/fixedtext.h"
#include "platform/types/picture.h"

namespace vorda::ui {

struct Binding {
    std::function<FieldValue()> get{};
    std::function<bool(const FieldValue&)> set{};

    explicit operator bool() const { return static_cast<bool>(get); }
};

// Text fields of record buffers (Windows-1252 bytes; the control sees UTF-8).
Binding bindField(TextRef field);
template <size_t N>
Binding bindField(FixedText<N>& field) {
    return bindField(field.ref());
}
Binding bindField(Decimal& field);
Binding bindField(Date& field);
Binding bindField(int32_t& field);
// A procedure's own text variable (UTF-8).
Binding bindField(std::string& field);

}  // namespace vorda::ui
