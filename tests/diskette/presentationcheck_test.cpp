// The check of a presentation file on record sequences made by the writer
// and then spoiled: order, fields at their columns, CUITs, the Annex I
// total, and the lines a user reads.
#include "diskette/presentationcheck.h"

#include <gtest/gtest.h>

#include "data/agentes.h"
#include "data/anexoi.h"
#include "data/anexoii.h"
#include "data/anexoiii.h"
#include "data/ddjj.h"
#include "data/exchangelayout.h"

namespace vorda {
namespace {

using Lines = std::vector<std::string>;

std::string with(std::string record, int first, std::string_view text) {
    record.replace(static_cast<size_t>(first - 1), text.size(), text);
    return record;
}

// Records 1, 2, 3, 4, 5, 5, 6 of a declaration whose cards add up to inciso h).
std::vector<std::string> soundFile() {
    Agentes agent;
    agent.NRO_AGENTE.set("1/23.45.678");
    agent.NRO_CUIT.set("20-12345678-6");
    Ddjj ddjj;
    ddjj.AGENTE_PERIODO.set(
        "1/23.45.678200103"
        "00");
    ddjj.INCISO_H = Decimal::fromInteger(30);
    AnexoI cards;
    cards.TARJETA_2 = Decimal::fromInteger(10);
    cards.TARJETA_10 = Decimal::fromInteger(20);
    AnexoII a2;
    a2.CUIT.set("30-50000000-3");
    AnexoIII a3;
    return {exchange::buildTipo1(agent, ddjj).text, exchange::buildTipo2(ddjj).text,
            exchange::buildTipo3(ddjj).text,        exchange::buildTipo4(cards).text,
            exchange::buildTipo5(a2).text,          exchange::buildTipo5(a2).text,
            exchange::buildTipo6(a3).text};
}

Lines check(const std::vector<std::string>& records) {
    PresentationCheck c;
    for (const std::string& r : records)
        c.add(r);
    c.finish();
    return c.report();
}

TEST(PresentationCheck, a_sound_file_reports_its_counts) {
    EXPECT_EQ(check(soundFile()),
              Lines{"7 REGISTROS: 1 DE TIPO 1, 1 DE TIPO 2, 1 DE TIPO 3, 1 DE TIPO 4, "
                    "2 DE TIPO 5, 1 DE TIPO 6"});
    std::vector<std::string> fixedOnly = soundFile();
    fixedOnly.erase(fixedOnly.begin() + 3, fixedOnly.end());
    EXPECT_EQ(check(fixedOnly).size(), 1u);
    EXPECT_EQ(check(fixedOnly)[0].rfind("3 REGISTROS:", 0), 0u);
}

TEST(PresentationCheck, types_out_of_order_or_repeated_are_named_by_record) {
    std::vector<std::string> f = soundFile();
    std::swap(f[4], f[6]);  // 1 2 3 4 6 5 5
    EXPECT_EQ(check(f), (Lines{"REGISTRO 6: REGISTRO DE TIPO 5 FUERA DE ORDEN",
                               "REGISTRO 7: REGISTRO DE TIPO 5 FUERA DE ORDEN"}));
    f = soundFile();
    f.insert(f.begin() + 4, f[3]);  // two type 4
    EXPECT_EQ(check(f), (Lines{"REGISTRO 5: REGISTRO DE TIPO 4 FUERA DE ORDEN",
                               "HAY 2 REGISTROS DE TIPO 4"}));
    f = soundFile();
    f.erase(f.begin() + 1);  // no type 2
    EXPECT_EQ(check(f), (Lines{"REGISTRO 2: REGISTRO DE TIPO 3 FUERA DE ORDEN",
                               "DEBE HABER UN REGISTRO DE TIPO 2 Y HAY 0"}));
    EXPECT_EQ(check({}), Lines{"EL ARCHIVO NO TIENE REGISTROS"});
    EXPECT_EQ(check({with(soundFile()[0], 1, "7")})[0], "REGISTRO 1: TIPO DE REGISTRO NO VALIDO");
    EXPECT_EQ(check({soundFile()[0] + " "})[0], "REGISTRO 1: LONGITUD DE 181 CARACTERES, NO 180");
}

TEST(PresentationCheck, fields_must_read_at_their_columns) {
    std::vector<std::string> f = soundFile();
    f[1] = with(f[1], 20, "x");           // inciso b) of type 2
    f[4] = with(f[4], 95, "1.5   ");      // rate of the first type 5
    f[5] = with(f[5], 18, "31/02/2001");  // a date that does not exist
    f[6] = with(f[6], 70, "00000001A");   // order number of type 6
    f[6] = with(f[6], 170, "-");          // filler
    const Lines expected{"REGISTRO 2: IMPORTE ILEGIBLE EN COLUMNAS 17-31 (INCISO_B)",
                         "REGISTRO 5: IMPORTE ILEGIBLE EN COLUMNAS 95-100 (A2_ALICUOTA)",
                         "REGISTRO 6: FECHA ILEGIBLE EN COLUMNAS 18-27 (A2_FECHA_DOCUMENTO)",
                         "REGISTRO 7: NUMERO ILEGIBLE EN COLUMNAS 70-78 (A3_NRO_ORDEN)",
                         "REGISTRO 7: RELLENO INCORRECTO EN COLUMNAS 134-180 (TIPO_6_FILLER)"};
    EXPECT_EQ(check(f), expected);
}

TEST(PresentationCheck, cuits_period_and_the_annex_i_total) {
    std::vector<std::string> f = soundFile();
    f[0] = with(f[0], 21, "20-12345678-7");
    f[0] = with(f[0], 6, "13");
    f[4] = with(f[4], 58, "21-12345678-2");
    f[3] = with(f[3], 2, "000000000000.01");  // card 1 adds a cent
    EXPECT_EQ(check(f), (Lines{"REGISTRO 1: C.U.I.T. NO VALIDO EN COLUMNAS 21-33 (NRO_CUIT)",
                               "REGISTRO 1: PERIODO ILEGIBLE EN COLUMNAS 2-9",
                               "REGISTRO 5: C.U.I.T. NO VALIDO EN COLUMNAS 58-70 (A2_CUIT)",
                               "EL TOTAL DEL ANEXO I (30.01) DIFIERE DEL INCISO H (30.00)"}));
}

}  // namespace
}  // namespace vorda
