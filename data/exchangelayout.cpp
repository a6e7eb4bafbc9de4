// The exchange record layout (contract in exchangelayout.h).
#include "data/exchangelayout.h"

#include <array>
#include <cassert>
#include <cstring>

#include "data/agentes.h"
#include "data/anexoi.h"
#include "data/anexoii.h"
#include "data/anexoiii.h"
#include "data/ddjj.h"

namespace vorda::exchange {

namespace {

using R = Rendering;

constexpr LayoutField kTipo1[] = {
    {"TIPO_DE_CAMPO", 1, 1, R::Digit},
    {"AÑO", 2, 4, R::Text},
    {"MES", 6, 2, R::Text},
    {"PRESENTACION", 8, 2, R::Text},
    {"NRO_AGENTE", 10, 11, R::Text},
    {"NRO_CUIT", 21, 13, R::Cuit},
    {"DENOMINACION", 34, 50, R::Text},
    {"DOMICILIO", 84, 30, R::Text},
    {"LOCALIDAD", 114, 15, R::Text},
    {"TELEFONO", 129, 12, R::Text},
    {"FAX", 141, 12, R::Text},
    {"CORREO_ELECTRONICO", 153, 28, R::Text},
};

constexpr LayoutField kTipo2[] = {
    {"TIPO_DE_CAMPO", 1, 1, R::Digit},     {"INCISO_A", 2, 15, R::Amount},
    {"INCISO_B", 17, 15, R::Amount},       {"INCISO_C", 32, 15, R::Amount},
    {"INCISO_D", 47, 15, R::Amount},       {"INCISO_E", 62, 15, R::Amount},
    {"INCISO_F", 77, 15, R::Amount},       {"INCISO_G", 92, 15, R::Amount},
    {"TIPO_2_FILLER", 107, 74, R::Filler},
};

constexpr LayoutField kTipo3[] = {
    {"TIPO_DE_CAMPO", 1, 1, R::Digit},     {"INCISO_H", 2, 15, R::Amount},
    {"INCISO_I", 17, 15, R::Amount},       {"INCISO_J", 32, 15, R::Amount},
    {"INCISO_K", 47, 15, R::Amount},       {"INCISO_L", 62, 15, R::Amount},
    {"INCISO_M", 77, 15, R::Amount},       {"INCISO_N", 92, 15, R::Amount},
    {"TIPO_3_FILLER", 107, 74, R::Filler},
};

constexpr LayoutField kTipo4[] = {
    {"TIPO_DE_CAMPO", 1, 1, R::Digit},     {"INCISO_1", 2, 15, R::Amount},
    {"INCISO_2", 17, 15, R::Amount},       {"INCISO_3", 32, 15, R::Amount},
    {"INCISO_4", 47, 15, R::Amount},       {"INCISO_5", 62, 15, R::Amount},
    {"INCISO_6", 77, 15, R::Amount},       {"INCISO_7", 92, 15, R::Amount},
    {"INCISO_8", 107, 15, R::Amount},      {"INCISO_9", 122, 15, R::Amount},
    {"INCISO_10", 137, 15, R::Amount},     {"INCISO_11", 152, 15, R::Amount},
    {"TIPO_4_FILLER", 167, 14, R::Filler},
};

constexpr LayoutField kTipo5[] = {
    {"TIPO_DE_CAMPO", 1, 1, R::Digit},
    {"A2_TIPO_DOCUMENTO", 2, 15, R::Text},
    {"A2_INCISO", 17, 1, R::Text},
    {"A2_FECHA_DOCUMENTO", 18, 10, R::Date},
    {"A2_PARTE_CONTRATANTE", 28, 30, R::Text},
    {"A2_CUIT", 58, 13, R::Cuit},
    {"A2_NRO_ORDEN", 71, 9, R::Order},
    {"A2_VALOR", 80, 15, R::Amount},
    {"A2_ALICUOTA", 95, 6, R::Rate},
    {"A2_IMPUESTO", 101, 15, R::Amount},
    {"A2_FECHA_REGISTRO", 116, 10, R::Date},
    {"TIPO_5_FILLER", 126, 55, R::Filler},
};

constexpr LayoutField kTipo6[] = {
    {"TIPO_DE_CAMPO", 1, 1, R::Digit},
    {"A3_TIPO_DOCUMENTO", 2, 15, R::Text},
    {"A3_FECHA_DOCUMENTO", 17, 10, R::Date},
    {"A3_PARTE_CONTRATANTE", 27, 30, R::Text},
    {"A3_CUIT", 57, 13, R::Cuit},
    {"A3_NRO_ORDEN", 70, 9, R::Order},
    {"A3_VALOR", 79, 15, R::Amount},
    {"A3_FECHA_REGISTRO", 94, 10, R::Date},
    {"A3_LEY_DECRETO_EXENCION", 104, 30, R::Text},
    {"TIPO_6_FILLER", 134, 47, R::Filler},
};

constexpr std::array<std::span<const LayoutField>, 6> kLayouts{kTipo1, kTipo2, kTipo3,
                                                               kTipo4, kTipo5, kTipo6};

// `scaled` (the value times 10^decimals) zero-filled to `width` with the
// decimal point; a negative value takes "-" in the first column.
std::optional<std::string> renderFixed(int64_t scaled, int decimals, int width) {
    const bool negative = scaled < 0;
    const uint64_t magnitude =
        negative ? uint64_t{0} - static_cast<uint64_t>(scaled) : static_cast<uint64_t>(scaled);
    std::string digits = std::to_string(magnitude);
    if (decimals > 0) {
        const auto d = static_cast<size_t>(decimals);
        if (digits.size() <= d)
            digits.insert(0, d + 1 - digits.size(), '0');
        digits.insert(digits.size() - d, 1, '.');
    }
    const size_t room = static_cast<size_t>(width) - (negative ? 1 : 0);
    if (digits.size() > room)
        return std::nullopt;
    return std::string(negative ? "-" : "") + std::string(room - digits.size(), '0') + digits;
}

// One field's rendering of `value`; nullopt when it does not fit.
std::optional<std::string> render(const LayoutField& f, const ExchangeValue& value) {
    switch (f.rendering) {
        case R::Text:
        case R::Cuit:
            return renderText(std::get<std::string_view>(value), f.width);
        case R::Amount:
            return renderAmount(std::get<Decimal>(value), f.width);
        case R::Rate:
            return renderRate(std::get<Decimal>(value), f.width);
        case R::Order:
            return renderOrder(std::get<int32_t>(value), f.width);
        case R::Date:
            return renderDate(std::get<Date>(value));
        case R::Digit:
        case R::Filler:
            break;
    }
    assert(false && "a digit or filler takes no value");
    return std::nullopt;
}

std::string_view part(const char* bytes, size_t offset, size_t width) {
    return std::string_view(bytes + offset, width);
}

}  // namespace

std::span<const LayoutField> layoutOf(int type) {
    if (type < FirstType || type > LastType)
        return {};
    return kLayouts[static_cast<size_t>(type - FirstType)];
}

std::optional<std::string> renderAmount(Decimal value, int width) {
    return renderFixed(value.hundredths(), 2, width);
}

std::optional<std::string> renderRate(Decimal value, int width) {
    return renderFixed(value.hundredths(), 2, width);
}

std::optional<std::string> renderOrder(int32_t value, int width) {
    return renderFixed(value, 0, width);
}

std::string renderDate(Date value) {
    return value.isEmpty() ? std::string(10, ' ') : value.toString();
}

std::string renderText(std::string_view bytes, int width) {
    std::string text(bytes.substr(0, static_cast<size_t>(width)));
    text.resize(static_cast<size_t>(width), ' ');
    return text;
}

BuiltRecord composeRecord(int type, std::span<const ExchangeValue> values) {
    BuiltRecord out;
    out.text.reserve(RecordLength);
    size_t next = 0;
    for (const LayoutField& f : layoutOf(type)) {
        if (f.rendering == R::Digit) {
            out.text += static_cast<char>('0' + type);
            continue;
        }
        if (f.rendering == R::Filler) {
            out.text.append(static_cast<size_t>(f.width), '*');
            continue;
        }
        assert(next < values.size() && "a value for every field");
        const std::optional<std::string> piece = render(f, values[next++]);
        if (!piece)
            return {.text = {}, .badField = f.name};
        out.text += *piece;
    }
    assert(next == values.size() && out.text.size() == RecordLength);
    return out;
}

BuiltRecord buildTipo1(const Agentes& agent, const Ddjj& declaration) {
    const char* key = declaration.AGENTE_PERIODO.bytes;
    const ExchangeValue values[] = {
        part(key, 11, 4),
        part(key, 15, 2),
        part(key, 17, 2),
        agent.NRO_AGENTE.raw(),
        agent.NRO_CUIT.raw(),
        agent.DENOMINACION.raw(),
        agent.DOMICILIO.raw(),
        agent.LOCALIDAD.raw(),
        agent.TELEFONO.raw(),
        agent.FAX.raw(),
        agent.CORREO_ELECTRONICO.raw(),
    };
    return composeRecord(1, values);
}

BuiltRecord buildTipo2(const Ddjj& d) {
    const ExchangeValue values[] = {d.INCISO_A, d.INCISO_B, d.INCISO_C, d.INCISO_D,
                                    d.INCISO_E, d.INCISO_F, d.INCISO_G};
    return composeRecord(2, values);
}

BuiltRecord buildTipo3(const Ddjj& d) {
    const ExchangeValue values[] = {d.INCISO_H, d.INCISO_I, d.INCISO_J, d.INCISO_K,
                                    d.INCISO_L, d.INCISO_M, d.INCISO_N};
    return composeRecord(3, values);
}

BuiltRecord buildTipo4(const AnexoI& a) {
    const ExchangeValue values[] = {a.TARJETA_1, a.TARJETA_2,  a.TARJETA_3, a.TARJETA_4,
                                    a.TARJETA_5, a.TARJETA_6,  a.TARJETA_7, a.TARJETA_8,
                                    a.TARJETA_9, a.TARJETA_10, a.TARJETA_11};
    return composeRecord(4, values);
}

BuiltRecord buildTipo5(const AnexoII& a) {
    const ExchangeValue values[] = {
        a.DOCUMENTO.raw(), a.INCISO.raw(), a.FECHA_DOCUMENTO, a.CONTRATANTE.raw(), a.CUIT.raw(),
        a.NRO_ORDEN,       a.VALOR,        a.ALICUOTA,        a.IMPUESTO,          a.FECHA_REGISTRO,
    };
    return composeRecord(5, values);
}

BuiltRecord buildTipo6(const AnexoIII& a) {
    const ExchangeValue values[] = {
        a.DOCUMENTO.raw(), a.FECHA_DOCUMENTO, a.CONTRATANTE.raw(), a.NRO_CUIT.raw(),
        a.NRO_ORDEN,       a.VALOR,           a.FECHA_REGISTRO,    a.LEY_DECRETO.raw(),
    };
    return composeRecord(6, values);
}

}  // namespace vorda::exchange
