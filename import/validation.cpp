// The checks of the annex imports (contract in validation.h).
#include "import/validation.h"

#include "data/anexoii.h"
#include "data/anexoiii.h"
#include "data/exchangevalues.h"
#include "data/validar_cuit.h"

namespace vorda::import {

namespace {

using exchange::numberOrZero;
using exchange::readImportDate;
using exchange::readNumber;

constexpr std::string_view kIncisos = "bcdefgijkl";

// One check: nullopt when it passes, else the start of its message.
using Verdict = std::optional<std::string_view>;

Verdict lineIsSound(const text::TextLine* line) {
    if (line != nullptr && line->overlong)
        return "REGISTRO DE MAS DE 180 CARACTERES";
    if (line != nullptr && (line->controlCharacters || line->unmappable))
        return "CARACTERES NO VALIDOS EN EL REGISTRO";
    return std::nullopt;
}

Verdict typeIs(std::string_view field, int type, std::string_view message) {
    return numberOrZero(field) == Decimal::fromInteger(type) ? Verdict{} : Verdict{message};
}

Verdict incisoLetter(std::string_view field) {
    const bool ok = field.size() == 1 && kIncisos.find(field[0]) != std::string_view::npos;
    return ok ? Verdict{} : Verdict{"LETRA DE INCISO NO VALIDA"};
}

Verdict dateField(std::string_view field) {
    return readImportDate(field) ? Verdict{} : Verdict{"FORMATO DE FECHA NO VALIDO"};
}

Verdict cuitField(std::string_view field) {
    return cuitIsAcceptable(field) ? Verdict{} : Verdict{"NUMERO DE C.U.I.T. NO VALIDO"};
}

Verdict greaterThan(std::string_view field, Decimal floor, std::string_view message) {
    return numberOrZero(field) > floor ? Verdict{} : Verdict{message};
}

bool isBlank(std::string_view field) {
    return field.find_first_not_of(' ') == std::string_view::npos;
}

// The widest values the presentation file holds (exchangelayout.h): an
// amount n015.2 up to 999999999999.99, down to -99999999999.99; a rate n06.2
// up to 999.99, down to -99.99. In hundredths.
struct Span {
    int64_t low;
    int64_t high;
};
constexpr Span AmountSpan{-9'999'999'999'999, 99'999'999'999'999};
constexpr Span RateSpan{-9'999, 99'999};

bool within(Decimal value, Span span) {
    return value.hundredths() >= span.low && value.hundredths() <= span.high;
}

// A number that the presentation file can hold, or blank (read as 0).
Verdict presentable(std::string_view field, Span span, std::string_view message) {
    if (isBlank(field))
        return std::nullopt;
    const std::optional<Decimal> n = readNumber(field);
    return n && within(*n, span) ? Verdict{} : Verdict{message};
}

// The value, already known to be positive, fits the presentation file.
Verdict valueFits(std::string_view field) {
    return within(numberOrZero(field), AmountSpan) ? Verdict{}
                                                   : Verdict{"VALOR DE DOCUMENTO DEMASIADO GRANDE"};
}

Verdict orderNumber(std::string_view field) {
    if (isBlank(field))
        return std::nullopt;
    const std::optional<Decimal> n = readNumber(field);
    const bool whole = n && n->hundredths() % 100 == 0;
    return whole ? Verdict{} : Verdict{"NUMERO DE ORDEN NO VALIDO"};
}

// The message of the first check, in order, that failed.
std::optional<std::string> firstFailure(std::initializer_list<Verdict> verdicts, int32_t registro) {
    for (const Verdict& v : verdicts) {
        if (v)
            return std::string(*v) + " - REGISTRO " + std::to_string(registro);
    }
    return std::nullopt;
}

int32_t wholeOrZero(std::string_view field) {
    return static_cast<int32_t>(numberOrZero(field).hundredths() / 100);
}

}  // namespace

// The record's 180 columns: a shorter text padded with blanks, a longer one cut.
std::string_view columnsOf(std::string_view record, std::string& padded) {
    if (record.size() == exchange::RecordLength)
        return record;
    padded.assign(record.substr(0, exchange::RecordLength));
    padded.resize(exchange::RecordLength, ' ');
    return padded;
}

std::optional<std::string> checkAnexoIIRecord(std::string_view record, const text::TextLine* line,
                                              int32_t registro) {
    std::string padded;
    const exchange::RegistroTipo5 r(columnsOf(record, padded));
    return firstFailure(
        {
            lineIsSound(line),
            typeIs(r.TIPO_DE_CAMPO(), 5, "EL TIPO DE CAMPO DEBE SER 5"),
            incisoLetter(r.A2_INCISO()),
            dateField(r.A2_FECHA_DOCUMENTO()),
            cuitField(r.A2_CUIT()),
            greaterThan(r.A2_VALOR(), Decimal::fromInteger(50000),
                        "VALOR DE DOCUMENTO INFERIOR A $50.000"),
            dateField(r.A2_FECHA_REGISTRO()),
            valueFits(r.A2_VALOR()),
            orderNumber(r.A2_NRO_ORDEN()),
            presentable(r.A2_ALICUOTA(), RateSpan, "ALICUOTA NO VALIDA"),
            presentable(r.A2_IMPUESTO(), AmountSpan, "IMPUESTO NO VALIDO"),
        },
        registro);
}

std::optional<std::string> checkAnexoIIIRecord(std::string_view record, const text::TextLine* line,
                                               int32_t registro) {
    std::string padded;
    const exchange::RegistroTipo6 r(columnsOf(record, padded));
    return firstFailure(
        {
            lineIsSound(line),
            typeIs(r.TIPO_DE_CAMPO(), 6, "EL TIPO DE CAMPO DEBE SER 6"),
            dateField(r.A3_FECHA_DOCUMENTO()),
            cuitField(r.A3_CUIT()),
            greaterThan(r.A3_VALOR(), Decimal{}, "VALOR DE DOCUMENTO NO DECLARADO"),
            dateField(r.A3_FECHA_REGISTRO()),
            valueFits(r.A3_VALOR()),
            orderNumber(r.A3_NRO_ORDEN()),
        },
        registro);
}

void fillAnexoII(const exchange::RegistroTipo5& r, AnexoII& line) {
    line.DOCUMENTO.setRaw(r.A2_TIPO_DOCUMENTO());
    line.INCISO.setRaw(r.A2_INCISO());
    line.FECHA_DOCUMENTO = readImportDate(r.A2_FECHA_DOCUMENTO()).value_or(Date{});
    line.CONTRATANTE.setRaw(r.A2_PARTE_CONTRATANTE());
    line.CUIT.setRaw(r.A2_CUIT());
    line.NRO_ORDEN = wholeOrZero(r.A2_NRO_ORDEN());
    line.VALOR = numberOrZero(r.A2_VALOR());
    line.ALICUOTA = numberOrZero(r.A2_ALICUOTA());
    line.IMPUESTO = numberOrZero(r.A2_IMPUESTO());
    line.FECHA_REGISTRO = readImportDate(r.A2_FECHA_REGISTRO()).value_or(Date{});
}

void fillAnexoIII(const exchange::RegistroTipo6& r, AnexoIII& line) {
    line.DOCUMENTO.setRaw(r.A3_TIPO_DOCUMENTO());
    line.FECHA_DOCUMENTO = readImportDate(r.A3_FECHA_DOCUMENTO()).value_or(Date{});
    line.CONTRATANTE.setRaw(r.A3_PARTE_CONTRATANTE());
    line.NRO_CUIT.setRaw(r.A3_CUIT());
    line.NRO_ORDEN = wholeOrZero(r.A3_NRO_ORDEN());
    line.VALOR = numberOrZero(r.A3_VALOR());
    line.FECHA_REGISTRO = readImportDate(r.A3_FECHA_REGISTRO()).value_or(Date{});
    line.LEY_DECRETO.setRaw(r.A3_LEY_DECRETO_EXENCION());
}

}  // namespace vorda::import
