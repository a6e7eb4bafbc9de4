// Field look-up by name and the expansion of a field into its stored columns.
#include "platform/store/tabledesc.h"

#include <algorithm>
#include <cstring>

#include "platform/types/cp1252.h"
#include "platform/types/date.h"
#include "platform/types/decimal.h"

namespace vorda::store {
namespace {

std::string folded(std::string_view utf8name) {
    return cp1252::toUpper(cp1252::fromUtf8(utf8name));
}

}  // namespace

size_t FieldDesc::bytes() const {
    switch (kind) {
        case FieldKind::Text:
        case FieldKind::Group:
            return width;
        case FieldKind::Decimal:
            return sizeof(Decimal);
        case FieldKind::Date:
            return sizeof(Date);
        case FieldKind::Int32:
            return sizeof(int32_t);
    }
    return 0;
}

int TableDesc::fieldNumber(std::string_view name) const {
    const std::string wanted = folded(name);
    for (size_t i = 0; i < fields.size(); ++i) {
        if (folded(fields[i].name) == wanted)
            return static_cast<int>(i + 1);
    }
    return 0;
}

std::vector<int> TableDesc::columnsOf(int number) const {
    std::vector<int> result;
    if (number < 1 || number > fieldCount())
        return result;
    const FieldDesc& outer = field(number);
    if (outer.column)
        return {number};
    const size_t begin = outer.offset;
    const size_t end = begin + outer.bytes();
    for (size_t i = 0; i < fields.size(); ++i) {
        const FieldDesc& f = fields[i];
        if (f.column && f.offset >= begin && f.offset + f.bytes() <= end) {
            result.push_back(static_cast<int>(i + 1));
        }
    }
    std::stable_sort(result.begin(), result.end(),
                     [this](int a, int b) { return field(a).offset < field(b).offset; });
    return result;
}

void TableDesc::clearRecord(void* record) const {
    char* bytes = static_cast<char*>(record);
    std::memset(bytes, 0, recordSize);
    for (const FieldDesc& f : fields) {
        if (f.kind == FieldKind::Text)
            std::memset(bytes + f.offset, ' ', f.width);
    }
}

}  // namespace vorda::store
