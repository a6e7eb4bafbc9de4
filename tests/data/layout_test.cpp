// Record layouts and descriptors of the eight files.
//
//   RecordLayout - layout lengths, field numbering, columns, key parts
#include <gtest/gtest.h>

#include "data/agentes.h"
#include "data/alicuotas.h"
#include "data/anexoi.h"
#include "data/anexoii.h"
#include "data/anexoiii.h"
#include "data/ddjj.h"
#include "data/ddjj_a_presentar.h"
#include "data/ddjj_mensual.h"

namespace vorda {
namespace {

using store::FieldKind;
using store::TableDesc;

// Bytes a field takes in the layout: text its width, packed decimals
// (digits + 1) / 2, dates and integers 4; groups and overlaid fields nothing.
size_t layoutBytes(const store::FieldDesc& f) {
    if (!f.column)
        return 0;
    switch (f.kind) {
        case FieldKind::Text:
            return f.width;
        case FieldKind::Decimal:
            return (f.width + 1) / 2;
        case FieldKind::Date:
        case FieldKind::Int32:
            return 4;
        case FieldKind::Group:
            return 0;
    }
    return 0;
}

const std::vector<const TableDesc*> kTables = {
    &Agentes::desc(),  &Ddjj::desc(),      &AnexoI::desc(),      &AnexoII::desc(),
    &AnexoIII::desc(), &Alicuotas::desc(), &DdjjMensual::desc(), &DdjjAPresentar::desc()};

TEST(RecordLayout, columns_add_up_to_the_record_length) {
    const size_t expected[] = {183, 132, 107, 110, 127, 17, 180, 180};
    for (size_t i = 0; i < kTables.size(); ++i) {
        size_t bytes = 0;
        for (const auto& f : kTables[i]->fields)
            bytes += layoutBytes(f);
        EXPECT_EQ(bytes, expected[i]) << kTables[i]->name;
        EXPECT_EQ(kTables[i]->recordLength, expected[i]) << kTables[i]->name;
    }
}

TEST(RecordLayout, field_numbers_count_the_key_groups_and_parts) {
    const TableDesc& a2 = AnexoII::desc();
    const char* names[] = {"A2:AGENTE_PERIODO",
                           "A2:AGENTE_PERIODO_GRUPO",
                           "A2:NRO_AGENTE",
                           "A2:PERIODO",
                           "A2:PERIODO_GRUPO",
                           "A2:AÑO",
                           "A2:MES",
                           "A2:PRESENTACION",
                           "A2:DOCUMENTO"};
    for (int i = 0; i < 9; ++i)
        EXPECT_STREQ(a2.field(i + 1).name, names[i]);
    EXPECT_EQ(a2.fieldCount(), 18);
    EXPECT_EQ(a2.fieldNumber("A2:ALICUOTA"), A2_F::ALICUOTA);
    EXPECT_EQ(A2_F::ALICUOTA, 16);
    EXPECT_EQ(a2.fieldNumber("A2:FECHA_REGISTRO"), A2_F::FECHA_REGISTRO);
    EXPECT_EQ(Ddjj::desc().fieldNumber("DDJ:NRO_AGENTE"), DDJ_F::NRO_AGENTE);
    EXPECT_EQ(Ddjj::desc().fieldNumber("DDJ:BLOQUEADA"), DDJ_F::BLOQUEADA);
    EXPECT_EQ(AnexoI::desc().fieldNumber("A1:TARJETA_11"), A1_F::TARJETA_11);
    EXPECT_EQ(AnexoIII::desc().fieldNumber("A3:LEY_DECRETO"), A3_F::LEY_DECRETO);
    EXPECT_EQ(Agentes::desc().fieldNumber("AGE:CORREO_ELECTRONICO"), AGE_F::CORREO_ELECTRONICO);
}

TEST(RecordLayout, key_parts_write_through_to_the_whole_key) {
    AnexoII r;
    r.AGENTE_PERIODO.set(
        "1/23.45.678"
        "2001"
        "03"
        "00");
    EXPECT_EQ(r.NRO_AGENTE().str(), "1/23.45.678");
    EXPECT_EQ(r.PERIODO().str(), "20010300");
    r.MES().set("10");
    r.PRESENTACION().set("01");
    EXPECT_EQ(r.AGENTE_PERIODO.str(),
              "1/23.45.678"
              "2001"
              "10"
              "01");
    r.NRO_AGENTE().set("9");
    EXPECT_EQ(r.AGENTE_PERIODO.str(),
              "9          "
              "2001"
              "10"
              "01");
}

}  // namespace
}  // namespace vorda
