// The exchange record layout: record types 1 to 6 built from the tables'
// buffers and checked column by column, the renderings at their widths, the
// text readers of the imports and of the file check, and the type-5/6 views
// over a text file written and read back.
//
//   ExchangeLayout   the tables cover columns 1-180 of every type
//   ExchangeRecords  types 1 to 6 from known rows
//   ExchangeRender   numbers, dates and text at their widths; too wide refused
//   ExchangeValues   numbers and dates read back from text
//   ExchangeViews    a DDJJ_MENSUAL file written and read through the views
#include <gtest/gtest.h>

#include <string>

#include "data/agentes.h"
#include "data/anexoi.h"
#include "data/anexoii.h"
#include "data/anexoiii.h"
#include "data/ddjj.h"
#include "data/ddjj_mensual.h"
#include "data/exchangelayout.h"
#include "data/exchangevalues.h"
#include "data/exchangeviews.h"
#include "platform/store/codes.h"
#include "platform/text/textfile.h"
#include "tests/support/tempdir.h"

namespace vorda::exchange {
namespace {

// Columns first..last (1-based, inclusive) of a record.
std::string cols(const std::string& record, int first, int last) {
    return record.substr(static_cast<size_t>(first - 1), static_cast<size_t>(last - first + 1));
}

Decimal amount(std::string_view text) {
    return *Decimal::parse(text);
}

Date date(std::string_view text) {
    return *Date::parse(text);
}

TEST(ExchangeLayout, every_type_covers_columns_1_to_180_in_order) {
    for (int type = FirstType; type <= LastType; ++type) {
        int next = 1;
        for (const LayoutField& f : layoutOf(type)) {
            EXPECT_EQ(f.first, next) << "type " << type << " " << f.name;
            next = f.first + f.width;
        }
        EXPECT_EQ(next, 181) << "type " << type;
    }
    EXPECT_TRUE(layoutOf(0).empty());
    EXPECT_TRUE(layoutOf(7).empty());
}

class ExchangeRecords : public ::testing::Test {
protected:
    void SetUp() override {
        agent.NRO_AGENTE.set("1/23.45.678");
        agent.NRO_CUIT.set("20-12345678-6");
        agent.DENOMINACION.set("Banco de la Provincia del Vespra Sociedad Anónima");  // 49
        agent.DOMICILIO.set("Av. San Martín 1234");
        agent.LOCALIDAD.set("Capital");
        agent.TELEFONO.set("0381-4211111");
        agent.FAX.set("0381-4211112");
        agent.CORREO_ELECTRONICO.set("declaraciones.juradas@bancovespra.com.ar");  // 40
        declaration.AGENTE_PERIODO.set(
            "1/23.45.678200103"
            "01");
    }
    Agentes agent;
    Ddjj declaration;
};

TEST_F(ExchangeRecords, type_1_keeps_a_long_name_whole_and_cuts_the_e_mail_after_28) {
    const BuiltRecord r = buildTipo1(agent, declaration);
    ASSERT_TRUE(r.ok());
    ASSERT_EQ(r.text.size(), 180u);
    EXPECT_EQ(cols(r.text, 1, 1), "1");
    EXPECT_EQ(cols(r.text, 2, 5), "2001");
    EXPECT_EQ(cols(r.text, 6, 7), "03");
    EXPECT_EQ(cols(r.text, 8, 9), "01");
    EXPECT_EQ(cols(r.text, 10, 20), "1/23.45.678");
    EXPECT_EQ(cols(r.text, 21, 33), "20-12345678-6");
    EXPECT_EQ(cols(r.text, 34, 83), std::string(agent.DENOMINACION.raw()));
    EXPECT_EQ(cols(r.text, 82, 83), "a ");
    EXPECT_EQ(cols(r.text, 84, 113), renderText("Av. San Mart\xedn 1234", 30));
    EXPECT_EQ(cols(r.text, 114, 128), "Capital        ");
    EXPECT_EQ(cols(r.text, 129, 140), "0381-4211111");
    EXPECT_EQ(cols(r.text, 141, 152), "0381-4211112");
    EXPECT_EQ(cols(r.text, 153, 180), "declaraciones.juradas@bancov");
}

TEST_F(ExchangeRecords, type_1_fields_after_a_short_name_keep_their_columns) {
    agent.DENOMINACION.set("Banco Chico");
    agent.CORREO_ELECTRONICO.clear();
    const BuiltRecord r = buildTipo1(agent, declaration);
    ASSERT_EQ(r.text.size(), 180u);
    EXPECT_EQ(cols(r.text, 34, 83), renderText("Banco Chico", 50));
    EXPECT_EQ(cols(r.text, 84, 88), "Av. S");
    EXPECT_EQ(cols(r.text, 153, 180), std::string(28, ' '));
}

TEST_F(ExchangeRecords, types_2_and_3_hold_the_incisos_in_n015_2) {
    std::string zeros = "2";
    for (int i = 0; i < 7; ++i)
        zeros += "000000000000.00";
    EXPECT_EQ(buildTipo2(declaration).text, zeros + std::string(74, '*'));
    declaration.INCISO_B = amount("1234.5");
    declaration.INCISO_G = amount("999999999999.99");
    declaration.INCISO_H = amount("0.01");
    declaration.INCISO_N = amount("-1234.5");
    const BuiltRecord two = buildTipo2(declaration);
    EXPECT_EQ(cols(two.text, 17, 31), "000000001234.50");
    EXPECT_EQ(cols(two.text, 92, 106), "999999999999.99");
    const BuiltRecord three = buildTipo3(declaration);
    EXPECT_EQ(cols(three.text, 1, 16), "3000000000000.01");
    EXPECT_EQ(cols(three.text, 92, 106), "-00000001234.50");
    EXPECT_EQ(cols(three.text, 107, 180), std::string(74, '*'));
}

TEST_F(ExchangeRecords, type_4_places_card_k_at_column_2_plus_15_times_k_minus_1) {
    AnexoI cards;
    Decimal* card[] = {&cards.TARJETA_1, &cards.TARJETA_2,  &cards.TARJETA_3, &cards.TARJETA_4,
                       &cards.TARJETA_5, &cards.TARJETA_6,  &cards.TARJETA_7, &cards.TARJETA_8,
                       &cards.TARJETA_9, &cards.TARJETA_10, &cards.TARJETA_11};
    for (int k = 1; k <= 11; ++k)
        *card[k - 1] = Decimal::fromInteger(k);
    const BuiltRecord r = buildTipo4(cards);
    ASSERT_EQ(r.text.size(), 180u);
    EXPECT_EQ(cols(r.text, 1, 1), "4");
    for (int k = 1; k <= 11; ++k) {
        const int first = 2 + 15 * (k - 1);
        EXPECT_EQ(cols(r.text, first, first + 14), *renderAmount(Decimal::fromInteger(k))) << k;
    }
    EXPECT_EQ(cols(r.text, 152, 166), "000000000011.00");
    EXPECT_EQ(cols(r.text, 167, 180), std::string(14, '*'));
}

TEST_F(ExchangeRecords, type_5_columns_from_an_annex_ii_line) {
    AnexoII line;
    line.DOCUMENTO.set("PAGARE");
    line.INCISO.set("c");
    line.FECHA_DOCUMENTO = date("05/03/2001");
    line.CONTRATANTE.set("Pérez Hnos. S.R.L.");
    line.CUIT.set("30-50000000-4");
    line.NRO_ORDEN = 7;
    line.VALOR = amount("50000.01");
    line.ALICUOTA = amount("1");
    line.IMPUESTO = amount("500");
    const BuiltRecord r = buildTipo5(line);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(cols(r.text, 1, 1), "5");
    EXPECT_EQ(cols(r.text, 2, 16), "PAGARE         ");
    EXPECT_EQ(cols(r.text, 17, 17), "c");
    EXPECT_EQ(cols(r.text, 18, 27), "05/03/2001");
    EXPECT_EQ(cols(r.text, 28, 57), renderText("P\xe9rez Hnos. S.R.L.", 30));
    EXPECT_EQ(cols(r.text, 58, 70), "30-50000000-4");
    EXPECT_EQ(cols(r.text, 71, 79), "000000007");
    EXPECT_EQ(cols(r.text, 80, 94), "000000050000.01");
    EXPECT_EQ(cols(r.text, 95, 100), "001.00");
    EXPECT_EQ(cols(r.text, 101, 115), "000000000500.00");
    EXPECT_EQ(cols(r.text, 116, 125), "          ");  // no registration date
    EXPECT_EQ(cols(r.text, 126, 180), std::string(55, '*'));
}

TEST_F(ExchangeRecords, type_6_columns_from_an_annex_iii_line) {
    AnexoIII line;
    line.DOCUMENTO.set("CONTRATO");
    line.FECHA_DOCUMENTO = date("31/12/2000");
    line.CONTRATANTE.set("Municipalidad");
    line.NRO_CUIT.set("30-50000000-4");
    line.NRO_ORDEN = 123;
    line.VALOR = amount("0.01");
    line.FECHA_REGISTRO = date("01/01/2001");
    line.LEY_DECRETO.set("Ley 5121 art. 214 inc. 3");
    const BuiltRecord r = buildTipo6(line);
    ASSERT_EQ(r.text.size(), 180u);
    EXPECT_EQ(cols(r.text, 1, 16), "6CONTRATO       ");
    EXPECT_EQ(cols(r.text, 17, 26), "31/12/2000");
    EXPECT_EQ(cols(r.text, 27, 56), renderText("Municipalidad", 30));
    EXPECT_EQ(cols(r.text, 57, 69), "30-50000000-4");
    EXPECT_EQ(cols(r.text, 70, 78), "000000123");
    EXPECT_EQ(cols(r.text, 79, 93), "000000000000.01");
    EXPECT_EQ(cols(r.text, 94, 103), "01/01/2001");
    EXPECT_EQ(cols(r.text, 104, 133), renderText("Ley 5121 art. 214 inc. 3", 30));
    EXPECT_EQ(cols(r.text, 134, 180), std::string(47, '*'));
}

TEST_F(ExchangeRecords, a_value_too_wide_for_its_field_is_named_not_written) {
    declaration.INCISO_C = amount("1000000000000.00");  // 13 integer digits
    const BuiltRecord r = buildTipo2(declaration);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.badField, "INCISO_C");
    EXPECT_TRUE(r.text.empty());

    AnexoII line;
    line.ALICUOTA = amount("1000");
    EXPECT_EQ(buildTipo5(line).badField, "A2_ALICUOTA");
    line.ALICUOTA = amount("999.99");
    line.NRO_ORDEN = 1000000000;
    EXPECT_EQ(buildTipo5(line).badField, "A2_NRO_ORDEN");
}

TEST(ExchangeRender, numbers_fill_their_width_and_negatives_keep_it) {
    EXPECT_EQ(renderAmount(amount("1234.5")), "000000001234.50");
    EXPECT_EQ(renderAmount(amount("-1234.5")), "-00000001234.50");
    EXPECT_EQ(renderAmount(amount("-99999999999.99")), "-99999999999.99");
    EXPECT_EQ(renderAmount(amount("-100000000000")), std::nullopt);
    EXPECT_EQ(renderAmount(amount("999999999999.99")), "999999999999.99");
    EXPECT_EQ(renderAmount(amount("1000000000000")), std::nullopt);
    EXPECT_EQ(renderRate(amount("1.5")), "001.50");
    EXPECT_EQ(renderRate(amount("-1.5")), "-01.50");
    EXPECT_EQ(renderRate(amount("0")), "000.00");
    EXPECT_EQ(renderOrder(123), "000000123");
    EXPECT_EQ(renderOrder(-7), "-00000007");
    EXPECT_EQ(renderOrder(999999999), "999999999");
    EXPECT_EQ(renderOrder(INT32_MIN), std::nullopt);
    EXPECT_EQ(renderDate(date("05/03/2001")), "05/03/2001");
    EXPECT_EQ(renderDate(Date{}), "          ");
    EXPECT_EQ(renderText("abc", 5), "abc  ");
    EXPECT_EQ(renderText("abcdef", 5), "abcde");
}

TEST(ExchangeValues, numbers_as_the_imports_read_them) {
    EXPECT_EQ(readNumber("000000050000.01"), amount("50000.01"));
    EXPECT_EQ(readNumber("  -12.5 "), amount("-12.5"));
    EXPECT_EQ(readNumber("1.235"), amount("1.24"));
    EXPECT_EQ(readNumber("7"), amount("7"));
    for (std::string_view bad : {"", "   ", "12a", "1.2.3", "1,5", "-", ".", "1 2", "0x10"})
        EXPECT_EQ(readNumber(bad), std::nullopt) << bad;
    EXPECT_EQ(numberOrZero("ABCDEF"), Decimal{});
    EXPECT_EQ(numberOrZero("000000050000.00"), amount("50000"));
}

TEST(ExchangeValues, the_import_date_check_and_dates_that_do_not_exist) {
    EXPECT_EQ(readImportDate("01/01/1999"), date("01/01/1999"));
    EXPECT_EQ(readImportDate("29/02/2000"), date("29/02/2000"));
    EXPECT_EQ(readImportDate(" 5/03/2001"), date("05/03/2001"));
    for (std::string_view bad :
         {"15/07/1998", "31/02/2001", "29/02/2001", "00/01/2001", "32/01/2001", "01/13/2001",
          "01/00/2001", "01-01-2001", "01/01/01  ", "1/1/2001  ", "aa/01/2001", "01/01/20O1",
          "          ", "1.5/01/200", "01/01/2001x"}) {
        EXPECT_EQ(readImportDate(bad), std::nullopt) << bad;
    }
}

TEST(ExchangeValues, written_fields_must_have_the_shape_the_writer_gives) {
    EXPECT_EQ(readWrittenNumber("000000001234.50", 2), amount("1234.5"));
    EXPECT_EQ(readWrittenNumber("-00000001234.50", 2), amount("-1234.5"));
    EXPECT_EQ(readWrittenNumber("001.00", 2), amount("1"));
    EXPECT_EQ(readWrittenNumber("000000007", 0), amount("7"));
    for (std::string_view bad : {"00000001234.500", "000000001234,50", "       1234.50",
                                 "0000000-1234.50", "--0000001234.50", ""}) {
        EXPECT_EQ(readWrittenNumber(bad, 2), std::nullopt) << bad;
    }
    EXPECT_EQ(readWrittenNumber("00000000a", 0), std::nullopt);
    EXPECT_EQ(readWrittenDate("05/03/2001"), date("05/03/2001"));
    EXPECT_EQ(readWrittenDate("          "), Date{});
    EXPECT_EQ(readWrittenDate("31/02/2001"), std::nullopt);
    EXPECT_EQ(readWrittenDate(" 5/03/2001"), std::nullopt);
}

TEST(ExchangeViews, lines_written_to_a_text_file_read_back_through_the_views) {
    test::TempDir dir;
    AnexoII a2;
    a2.DOCUMENTO.set("LETRA");
    a2.INCISO.set("b");
    a2.FECHA_DOCUMENTO = date("02/01/2001");
    a2.CONTRATANTE.set("Ñandú S.A.");
    a2.CUIT.set("20-12345678-6");
    a2.NRO_ORDEN = 42;
    a2.VALOR = amount("75000.10");
    a2.ALICUOTA = amount("1.5");
    a2.IMPUESTO = amount("1125.00");
    a2.FECHA_REGISTRO = date("03/01/2001");
    AnexoIII a3;
    a3.FECHA_DOCUMENTO = date("04/01/2001");
    a3.NRO_CUIT.set("30-50000000-4");
    a3.VALOR = amount("10");
    a3.LEY_DECRETO.set("Decreto 1/99");

    DdjjMensual buffer;
    std::unique_ptr<store::File> file = store::makeTextFile(DdjjMensual::desc(), &buffer);
    ASSERT_EQ(file->create(), store::Ok);
    ASSERT_EQ(file->open(0x42), store::Ok);
    for (const BuiltRecord& r : {buildTipo5(a2), buildTipo6(a3)}) {
        buffer.TIPO_DE_CAMPO.setRaw(r.text.substr(0, 1));
        buffer.RENGLON.setRaw(r.text.substr(1));
        ASSERT_EQ(file->add(), store::Ok);
    }
    ASSERT_EQ(file->close(), store::Ok);

    ASSERT_EQ(file->open(0x40), store::Ok);
    ASSERT_EQ(file->next(), store::Ok);
    const RegistroTipo5 five(recordText(buffer));
    EXPECT_EQ(five.TIPO_DE_CAMPO(), "5");
    EXPECT_EQ(five.A2_TIPO_DOCUMENTO(), "LETRA          ");
    EXPECT_EQ(five.A2_INCISO(), "b");
    EXPECT_EQ(readImportDate(five.A2_FECHA_DOCUMENTO()), a2.FECHA_DOCUMENTO);
    EXPECT_EQ(five.A2_PARTE_CONTRATANTE(), a2.CONTRATANTE.raw());
    EXPECT_EQ(five.A2_CUIT(), "20-12345678-6");
    EXPECT_EQ(numberOrZero(five.A2_NRO_ORDEN()), Decimal::fromInteger(42));
    EXPECT_EQ(numberOrZero(five.A2_VALOR()), a2.VALOR);
    EXPECT_EQ(numberOrZero(five.A2_ALICUOTA()), a2.ALICUOTA);
    EXPECT_EQ(numberOrZero(five.A2_IMPUESTO()), a2.IMPUESTO);
    EXPECT_EQ(readImportDate(five.A2_FECHA_REGISTRO()), a2.FECHA_REGISTRO);
    ASSERT_EQ(file->next(), store::Ok);
    const RegistroTipo6 six(recordText(buffer));
    EXPECT_EQ(six.TIPO_DE_CAMPO(), "6");
    EXPECT_EQ(readImportDate(six.A3_FECHA_DOCUMENTO()), a3.FECHA_DOCUMENTO);
    EXPECT_EQ(six.A3_CUIT(), "30-50000000-4");
    EXPECT_EQ(numberOrZero(six.A3_VALOR()), a3.VALOR);
    EXPECT_EQ(six.A3_FECHA_REGISTRO(), "          ");
    EXPECT_EQ(six.A3_LEY_DECRETO_EXENCION(), a3.LEY_DECRETO.raw());
    EXPECT_EQ(file->next(), store::NoMoreRecords);
}

}  // namespace
}  // namespace vorda::exchange
