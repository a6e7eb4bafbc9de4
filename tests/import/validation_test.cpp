// The import's checks on single records, built by the writer and then
// spoiled column by column.
//
//   AnexoIIChecks    each check, its message and record number, their order
//   AnexoIIIChecks   the Annex III differences
//   ImportLine       line faults come before the field checks
//   ImportFill       the annex line a valid record gives
#include "import/validation.h"

#include <gtest/gtest.h>

#include "data/anexoii.h"
#include "data/anexoiii.h"
#include "data/exchangelayout.h"

namespace vorda::import {
namespace {

// Replaces columns first.. of `record` (1-based) with `text`.
std::string with(std::string record, int first, std::string_view text) {
    record.replace(static_cast<size_t>(first - 1), text.size(), text);
    return record;
}

std::string validTipo5() {
    AnexoII a;
    a.DOCUMENTO.set("PAGARE");
    a.INCISO.set("b");
    a.FECHA_DOCUMENTO = *Date::parse("05/03/2001");
    a.CONTRATANTE.set("Comercial del Norte");
    a.CUIT.set("20-12345678-6");
    a.NRO_ORDEN = 7;
    a.VALOR = *Decimal::parse("50000.01");
    a.ALICUOTA = *Decimal::parse("1");
    a.IMPUESTO = *Decimal::parse("500");
    a.FECHA_REGISTRO = *Date::parse("06/03/2001");
    return exchange::buildTipo5(a).text;
}

std::string validTipo6() {
    AnexoIII a;
    a.DOCUMENTO.set("CONTRATO");
    a.FECHA_DOCUMENTO = *Date::parse("05/03/2001");
    a.NRO_CUIT.set("30-50000000-3");
    a.NRO_ORDEN = 1;
    a.VALOR = *Decimal::parse("0.01");
    a.FECHA_REGISTRO = *Date::parse("06/03/2001");
    return exchange::buildTipo6(a).text;
}

std::optional<std::string> check5(const std::string& record, int32_t n = 1) {
    return checkAnexoIIRecord(record, nullptr, n);
}

std::optional<std::string> check6(const std::string& record, int32_t n = 1) {
    return checkAnexoIIIRecord(record, nullptr, n);
}

TEST(AnexoIIChecks, a_valid_record_passes_and_the_value_must_exceed_50000) {
    EXPECT_EQ(check5(validTipo5()), std::nullopt);
    EXPECT_EQ(check5(with(validTipo5(), 80, "000000050000.00")),
              "VALOR DE DOCUMENTO INFERIOR A $50.000 - REGISTRO 1");
    EXPECT_EQ(check5(with(validTipo5(), 80, "ABCDEFGHIJKLMNO"), 12),
              "VALOR DE DOCUMENTO INFERIOR A $50.000 - REGISTRO 12");
    EXPECT_EQ(check5(with(validTipo5(), 80, "          75000")), std::nullopt);
}

TEST(AnexoIIChecks, only_the_lower_case_letters_of_the_taxed_incisos) {
    for (char c : std::string_view("bcdefgijkl"))
        EXPECT_EQ(check5(with(validTipo5(), 17, std::string(1, c))), std::nullopt) << c;
    for (std::string_view c : {"B", "a", "h", "m", "n", " ", "1", "\xf1"})
        EXPECT_EQ(check5(with(validTipo5(), 17, c), 4), "LETRA DE INCISO NO VALIDA - REGISTRO 4")
            << c;
}

TEST(AnexoIIChecks, both_dates_pass_the_date_check_and_must_exist) {
    EXPECT_EQ(check5(with(validTipo5(), 18, "01/01/1999")), std::nullopt);
    for (std::string_view d :
         {"15/07/1998", "31/02/2001", "01/13/2001", "01-01-2001", "          ", "00/01/2001"}) {
        EXPECT_EQ(check5(with(validTipo5(), 18, d), 2), "FORMATO DE FECHA NO VALIDO - REGISTRO 2")
            << d;
        EXPECT_EQ(check5(with(validTipo5(), 116, d), 3), "FORMATO DE FECHA NO VALIDO - REGISTRO 3")
            << d;
    }
}

TEST(AnexoIIChecks, the_cuit_must_be_acceptable_or_blank) {
    EXPECT_EQ(check5(with(validTipo5(), 58, "20-12345678-7")),
              "NUMERO DE C.U.I.T. NO VALIDO - REGISTRO 1");
    EXPECT_EQ(check5(with(validTipo5(), 58, "21-12345678-2")),
              "NUMERO DE C.U.I.T. NO VALIDO - REGISTRO 1");
    EXPECT_EQ(check5(with(validTipo5(), 58, "             ")), std::nullopt);
}

TEST(AnexoIIChecks, the_first_failing_check_in_order_decides) {
    std::string r = with(validTipo5(), 1, "6");  // type
    r = with(r, 17, "a");                        // inciso
    r = with(r, 18, "31/02/2001");               // date
    EXPECT_EQ(check5(r, 3), "EL TIPO DE CAMPO DEBE SER 5 - REGISTRO 3");
    EXPECT_EQ(check5(with(r, 1, "5")), "LETRA DE INCISO NO VALIDA - REGISTRO 1");
    EXPECT_EQ(check5(with(with(r, 1, "5"), 17, "c")), "FORMATO DE FECHA NO VALIDO - REGISTRO 1");
    EXPECT_EQ(check5(with(validTipo5(), 1, " ")), "EL TIPO DE CAMPO DEBE SER 5 - REGISTRO 1");
}

TEST(AnexoIIChecks, order_rate_and_tax_of_letters_are_refused_blanks_read_as_zero) {
    EXPECT_EQ(check5(with(validTipo5(), 71, "00000ABC7")),
              "NUMERO DE ORDEN NO VALIDO - REGISTRO 1");
    EXPECT_EQ(check5(with(validTipo5(), 71, "0000007.5")),
              "NUMERO DE ORDEN NO VALIDO - REGISTRO 1");
    EXPECT_EQ(check5(with(validTipo5(), 95, "001,50")), "ALICUOTA NO VALIDA - REGISTRO 1");
    EXPECT_EQ(check5(with(validTipo5(), 101, "UNO            ")),
              "IMPUESTO NO VALIDO - REGISTRO 1");
    std::string blanks = with(validTipo5(), 71, std::string(9, ' '));
    blanks = with(blanks, 95, std::string(6, ' '));
    blanks = with(blanks, 101, std::string(15, ' '));
    EXPECT_EQ(check5(blanks), std::nullopt);
}

TEST(AnexoIIChecks, values_the_presentation_file_cannot_hold_are_refused) {
    EXPECT_EQ(check5(with(validTipo5(), 80, "999999999999.99")), std::nullopt);
    EXPECT_EQ(check5(with(validTipo5(), 80, "999999999999999")),
              "VALOR DE DOCUMENTO DEMASIADO GRANDE - REGISTRO 1");
    EXPECT_EQ(check5(with(validTipo5(), 95, "999.99")), std::nullopt);
    EXPECT_EQ(check5(with(validTipo5(), 95, "1000  ")), "ALICUOTA NO VALIDA - REGISTRO 1");
    EXPECT_EQ(check5(with(validTipo5(), 101, "-99999999999.99")), std::nullopt);
    EXPECT_EQ(check5(with(validTipo5(), 101, "  1000000000000")),
              "IMPUESTO NO VALIDO - REGISTRO 1");
    EXPECT_EQ(check6(with(validTipo6(), 79, "100000000000000")),
              "VALOR DE DOCUMENTO DEMASIADO GRANDE - REGISTRO 1");
}

TEST(AnexoIIIChecks, any_positive_value_and_type_6) {
    EXPECT_EQ(check6(validTipo6()), std::nullopt);
    EXPECT_EQ(check6(with(validTipo6(), 79, "000000000000.00")),
              "VALOR DE DOCUMENTO NO DECLARADO - REGISTRO 1");
    EXPECT_EQ(check6(with(validTipo6(), 79, "-00000000010.00")),
              "VALOR DE DOCUMENTO NO DECLARADO - REGISTRO 1");
    EXPECT_EQ(check6(with(validTipo6(), 79, "000000049999.99")), std::nullopt);
    EXPECT_EQ(check6(validTipo5(), 9), "EL TIPO DE CAMPO DEBE SER 6 - REGISTRO 9");
    EXPECT_EQ(check6(with(validTipo6(), 17, "15/07/1998")),
              "FORMATO DE FECHA NO VALIDO - REGISTRO 1");
    EXPECT_EQ(check6(with(validTipo6(), 57, "30-50000000-5")),
              "NUMERO DE C.U.I.T. NO VALIDO - REGISTRO 1");
    EXPECT_EQ(check6(with(validTipo6(), 94, "29/02/2001")),
              "FORMATO DE FECHA NO VALIDO - REGISTRO 1");
    EXPECT_EQ(check6(with(validTipo6(), 70, "X        ")),
              "NUMERO DE ORDEN NO VALIDO - REGISTRO 1");
}

TEST(ImportLine, line_faults_come_before_every_field_check) {
    const std::string wrongType = with(validTipo5(), 1, "6");
    text::TextLine overlong{.overlong = true};
    text::TextLine control{.controlCharacters = true};
    text::TextLine unmappable{.unmappable = true};
    EXPECT_EQ(checkAnexoIIRecord(wrongType, &overlong, 5),
              "REGISTRO DE MAS DE 180 CARACTERES - REGISTRO 5");
    EXPECT_EQ(checkAnexoIIRecord(validTipo5(), &control, 6),
              "CARACTERES NO VALIDOS EN EL REGISTRO - REGISTRO 6");
    EXPECT_EQ(checkAnexoIIIRecord(validTipo6(), &unmappable, 7),
              "CARACTERES NO VALIDOS EN EL REGISTRO - REGISTRO 7");
    const text::TextLine sound;
    EXPECT_EQ(checkAnexoIIRecord(validTipo5(), &sound, 1), std::nullopt);
    // A short text is taken padded: an empty one is a record of blanks.
    EXPECT_EQ(checkAnexoIIRecord("", &sound, 8), "EL TIPO DE CAMPO DEBE SER 5 - REGISTRO 8");
}

TEST(ImportFill, a_valid_record_gives_every_field_of_the_line) {
    const std::string r5 = validTipo5();
    AnexoII a2;
    fillAnexoII(exchange::RegistroTipo5(r5), a2);
    EXPECT_EQ(a2.DOCUMENTO.str(), "PAGARE");
    EXPECT_EQ(a2.INCISO.str(), "b");
    EXPECT_EQ(a2.FECHA_DOCUMENTO.toString(), "05/03/2001");
    EXPECT_EQ(a2.CONTRATANTE.str(), "Comercial del Norte");
    EXPECT_EQ(a2.CUIT.str(), "20-12345678-6");
    EXPECT_EQ(a2.NRO_ORDEN, 7);
    EXPECT_EQ(a2.VALOR.toString(), "50000.01");
    EXPECT_EQ(a2.ALICUOTA.toString(), "1.00");
    EXPECT_EQ(a2.IMPUESTO.toString(), "500.00");
    EXPECT_EQ(a2.FECHA_REGISTRO.toString(), "06/03/2001");
    EXPECT_TRUE(a2.AGENTE_PERIODO.isBlank());

    const std::string r6 = with(validTipo6(), 104, std::string(30, ' '));
    AnexoIII a3;
    a3.LEY_DECRETO.set("previous");
    fillAnexoIII(exchange::RegistroTipo6(r6), a3);
    EXPECT_TRUE(a3.LEY_DECRETO.isBlank());
    EXPECT_EQ(a3.NRO_CUIT.str(), "30-50000000-3");
    EXPECT_EQ(a3.VALOR.toString(), "0.01");
    EXPECT_EQ(a3.FECHA_REGISTRO.toString(), "06/03/2001");
}

}  // namespace
}  // namespace vorda::import
