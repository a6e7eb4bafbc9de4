// The whole record of an exchange buffer (contract in exchangeviews.h).
#include "data/exchangeviews.h"

#include <cstddef>

#include "data/ddjj_a_presentar.h"
#include "data/ddjj_mensual.h"

namespace vorda::exchange {

// Both buffers are the type digit followed at once by the body.
static_assert(offsetof(DdjjMensual, RENGLON) == 1 && sizeof(DdjjMensual) == RecordLength);
static_assert(offsetof(DdjjAPresentar, RENGLON) == 1 && sizeof(DdjjAPresentar) == RecordLength);

std::string_view recordText(const DdjjMensual& record) {
    return {record.TIPO_DE_CAMPO.bytes, RecordLength};
}

std::string_view recordText(const DdjjAPresentar& record) {
    return {record.TIPO_DE_CAMPO.bytes, RecordLength};
}

}  // namespace vorda::exchange
