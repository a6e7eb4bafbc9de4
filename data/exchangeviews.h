// The type-5 and type-6 views of DDJJ_MENSUAL (DJM:REGISTRO_TIPO_5 and
// DJM:REGISTRO_TIPO_6): the fields of one Annex II or Annex III line as the
// text of their columns (exchangelayout.h), for the annex imports.
//
// A view looks at 180 characters it does not own: a record buffer of
// DDJJ_MENSUAL or DDJJ_A_PRESENTAR (recordText), or any record text. Every
// field is plain text; numbers and dates are read by exchangevalues.h.
#pragma once

#include <string_view>

#include "data/exchangelayout.h"

namespace vorda {

struct DdjjMensual;
struct DdjjAPresentar;

namespace exchange {

// The whole record of the buffer: the type digit and the body, 180 characters.
std::string_view recordText(const DdjjMensual& record);
std::string_view recordText(const DdjjAPresentar& record);

// Field `index` (0-based, in layout order) of a type's view over `record`.
class RecordView {
public:
    RecordView(int type, std::string_view record) : type_(type), record_(record) {}
    std::string_view field(size_t index) const { return columns(record_, layoutOf(type_)[index]); }
    std::string_view record() const { return record_; }

private:
    int type_;
    std::string_view record_;
};

class RegistroTipo5 : public RecordView {
public:
    explicit RegistroTipo5(std::string_view record) : RecordView(5, record) {}
    std::string_view TIPO_DE_CAMPO() const { return field(0); }
    std::string_view A2_TIPO_DOCUMENTO() const { return field(1); }
    std::string_view A2_INCISO() const { return field(2); }
    std::string_view A2_FECHA_DOCUMENTO() const { return field(3); }
    std::string_view A2_PARTE_CONTRATANTE() const { return field(4); }
    std::string_view A2_CUIT() const { return field(5); }
    std::string_view A2_NRO_ORDEN() const { return field(6); }
    std::string_view A2_VALOR() const { return field(7); }
    std::string_view A2_ALICUOTA() const { return field(8); }
    std::string_view A2_IMPUESTO() const { return field(9); }
    std::string_view A2_FECHA_REGISTRO() const { return field(10); }
};

class RegistroTipo6 : public RecordView {
public:
    explicit RegistroTipo6(std::string_view record) : RecordView(6, record) {}
    std::string_view TIPO_DE_CAMPO() const { return field(0); }
    std::string_view A3_TIPO_DOCUMENTO() const { return field(1); }
    std::string_view A3_FECHA_DOCUMENTO() const { return field(2); }
    std::string_view A3_PARTE_CONTRATANTE() const { return field(3); }
    std::string_view A3_CUIT() const { return field(4); }
    std::string_view A3_NRO_ORDEN() const { return field(5); }
    std::string_view A3_VALOR() const { return field(6); }
    std::string_view A3_FECHA_REGISTRO() const { return field(7); }
    std::string_view A3_LEY_DECRETO_EXENCION() const { return field(8); }
};

}  // namespace exchange
}  // namespace vorda
