// PositionText: the opaque position text of a record in one order.
//
// A position names a record by the values of the order's expressions and its
// identity (the row id), so that a sequence can restart there even after the
// record was deleted. Layout: "P", then per value "i<number>;" or
// "t<bytes>:<text>" or "h", then "r<id>".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/store/sqlvalue.h"

namespace vorda::store {

class PositionText {
public:
    static std::string encode(const std::vector<SqlValue>& values, int64_t id);
    // False when `text` is not a position.
    static bool decode(const std::string& text, std::vector<SqlValue>* values, int64_t* id);
};

}  // namespace vorda::store
