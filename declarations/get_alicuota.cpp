// GET_ALICUOTA: a scan of the rates table in date order.
#include "declarations/get_alicuota.h"

#include <memory>

#include "data/alicuotas.h"
#include "data/owners.h"
#include "platform/store/codes.h"
#include "platform/store/file.h"
#include "platform/store/makekeyedtable.h"
#include "platform/ui/messagebox.h"

namespace vorda {

namespace {

constexpr int kReadWriteDenyNone = 0x42;
constexpr int kReadOnlyDenyNone = 0x40;

Decimal columnOf(const Alicuotas& row, uint8_t tipo) {
    switch (tipo) {
        case 1:
            return row.ALICUOTA1;
        case 2:
            return row.ALICUOTA2;
        default:
            return row.IMPORTE_MODULOS;
    }
}

void tellNoRate() {
    ui::message({.text = "Error en Alícuotas",
                 .caption = "",
                 .icon = ui::Icon::Information,
                 .buttons = ui::ButtonOk,
                 .defaultButton = ui::ButtonOk,
                 .okLabel = "Cerrar"});
}

}  // namespace

Decimal rateInForce(Date FECHA, uint8_t TIPO) {
    Alicuotas row{};
    const std::unique_ptr<store::File> rates = store::makeKeyedTable(Alicuotas::desc(), &row);
    rates->setOwner(TABLE_OWNER);
    Decimal value;
    // Installed read-only, the table is still read: the lookup writes nothing.
    int code = rates->open(kReadWriteDenyNone);
    if (code == store::AccessDenied)
        code = rates->open(kReadOnlyDenyNone);
    if (code != store::Ok)
        return value;
    // The sequence starts at the lowest date: the buffer's date is 0.
    row.clear();
    rates->setKey(Alicuotas::ALICUOTAS);
    while (rates->next() == store::Ok && !(FECHA < row.FECHA))
        value = columnOf(row, TIPO);
    rates->close();
    return value;
}

uint8_t GET_ALICUOTA(Date FECHA, Decimal& VALOR, uint8_t TIPO) {
    VALOR = rateInForce(FECHA, TIPO);
    if (!VALOR.isZero())
        return 1;
    tellNoRate();
    return 0;
}

}  // namespace vorda
