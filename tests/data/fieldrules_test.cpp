// Field rules of DDJJ, ANEXOI, ANEXOII and ANEXOIII.
//
//   FieldRules      - each rule's test, message, %Field and %Message; rule order
//   LookupIsolation - a lookup leaves the looked-up table's record and position
//                     as they were, after success and after failure
#include "tests/data/datafixture.h"

namespace vorda::test {
namespace {

class FieldRulesTest : public DataTest {
protected:
    void SetUp() override {
        DataTest::SetUp();
        openTables();
        ASSERT_EQ(addAgent(1, "20-12345678-6", "Banco Uno"), Benign);
        ASSERT_EQ(addDeclaration(existing), Benign);
    }
    const std::string existing = declarationKey(1, "2001", "03", "00");
    const std::string missing = declarationKey(1, "2001", "04", "00");
};

constexpr const char* kNotInTable = "Error en Contenido de campo";

// --- FieldRules ----------------------------------------------------------------

using FieldRules = FieldRulesTest;

TEST_F(FieldRules, declaration_of_an_unknown_agent_is_refused_with_14) {
    EXPECT_EQ(addDeclaration(declarationKey(7, "2001", "03", "00")), Notify);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.last().caption, kNotInTable);
    EXPECT_EQ(boxes.last().text, "El valor de Nº de Agente debe existir en tabla Agentes.");
}

TEST_F(FieldRules, annex_ii_line_of_a_missing_declaration_fails_on_the_key_first) {
    EXPECT_EQ(addAnexoII(missing, 1, -Decimal::fromHundredths(1)), Notify);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.last().text, "El valor de A2:Agente_Periodo debe existir en tabla Ddjj.");
    int failed = 0;
    EXPECT_EQ(Access::ANEXOII->ValidateRecord(&failed), Notify);
    EXPECT_EQ(failed, A2_F::AGENTE_PERIODO);
}

TEST_F(FieldRules, annex_ii_period_rule_looks_up_the_whole_key) {
    A2.clear();
    A2.AGENTE_PERIODO.set(missing);
    EXPECT_EQ(Access::ANEXOII->ValidateField(A2_F::PERIODO), Notify);
    EXPECT_EQ(boxes.last().text, "El valor de A2:Periodo debe existir en tabla Ddjj.");
    A2.AGENTE_PERIODO.set(existing);
    EXPECT_EQ(Access::ANEXOII->ValidateField(A2_F::PERIODO), Benign);
}

TEST_F(FieldRules, negative_rate_is_refused_with_18_and_zero_passes) {
    EXPECT_EQ(addAnexoII(existing, 1, -Decimal::fromHundredths(1)), Notify);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.last().caption, "Error de Rango");
    EXPECT_EQ(boxes.last().text, "El valor de A2:Alicuota debe ser mayor que 0.");
    EXPECT_EQ(addAnexoII(existing, 2, Decimal{}), Benign);
    EXPECT_EQ(addAnexoII(existing, 3, Decimal::fromHundredths(150)), Benign);
    EXPECT_EQ(boxes.shown().size(), 1u);
}

TEST_F(FieldRules, annex_i_and_iii_need_their_declaration) {
    EXPECT_EQ(addAnexoI(missing), Notify);
    EXPECT_EQ(boxes.last().text, "El valor de A1:Agente_Periodo debe existir en tabla Ddjj.");
    EXPECT_EQ(addAnexoIII(missing, 1), Notify);
    EXPECT_EQ(boxes.last().text, "El valor de A3:Agente_Periodo debe existir en tabla Ddjj.");
    EXPECT_EQ(addAnexoI(existing), Benign);
    EXPECT_EQ(addAnexoIII(existing, 1), Benign);
    EXPECT_EQ(boxes.shown().size(), 2u);
}

// --- LookupIsolation -----------------------------------------------------------

// Three agents; the AGENTES sequence stands on the second, whose buffer holds
// an unsaved edit.
class LookupIsolation : public FieldRulesTest {
protected:
    void SetUp() override {
        FieldRulesTest::SetUp();
        ASSERT_EQ(addAgent(2, "30-22222222-2", "Caja Sur"), Benign);
        ASSERT_EQ(addAgent(3, "30-33333333-3", "Banco Tres"), Benign);
        Access::AGENTES->ClearKey(Agentes::AGE_NRO);
        Access::AGENTES->SetKey(Agentes::AGE_NRO);
        ASSERT_EQ(Access::AGENTES->TryNext(), Benign);
        ASSERT_EQ(Access::AGENTES->TryNext(), Benign);
        AGE.DOMICILIO.set("edited, not saved");
        before = AGE;
    }
    void expectAgentesUntouched() {
        EXPECT_EQ(std::string_view(reinterpret_cast<const char*>(&AGE), sizeof AGE),
                  std::string_view(reinterpret_cast<const char*>(&before), sizeof before));
        ASSERT_EQ(Access::AGENTES->TryNext(), Benign);
        EXPECT_EQ(AGE.NRO_AGENTE.str(), agentNumber(3));
    }
    Agentes before;
};

TEST_F(LookupIsolation, agent_lookup_that_succeeds_leaves_agentes_as_it_was) {
    ASSERT_EQ(addDeclaration(declarationKey(1, "2002", "01", "00")), Benign);
    expectAgentesUntouched();
}

TEST_F(LookupIsolation, agent_lookup_that_fails_leaves_agentes_as_it_was) {
    ASSERT_EQ(addDeclaration(declarationKey(8, "2002", "01", "00")), Notify);
    expectAgentesUntouched();
}

TEST_F(LookupIsolation, declaration_lookup_leaves_ddjj_as_it_was) {
    const std::string second = declarationKey(1, "2001", "05", "00");
    ASSERT_EQ(addDeclaration(second), Benign);
    Access::DDJJ->ClearKey(Ddjj::DDJJ);
    Access::DDJJ->SetKey(Ddjj::DDJJ);
    ASSERT_EQ(Access::DDJJ->TryNext(), Benign);
    ASSERT_EQ(DDJ.AGENTE_PERIODO.str(), existing);
    DDJ.INCISO_B = Decimal::fromInteger(42);
    for (const std::string& key : {second, missing}) {
        addAnexoII(key, 1);
        EXPECT_EQ(DDJ.AGENTE_PERIODO.str(), existing) << key;
        EXPECT_EQ(DDJ.INCISO_B, Decimal::fromInteger(42)) << key;
    }
    ASSERT_EQ(Access::DDJJ->TryNext(), Benign);
    EXPECT_EQ(DDJ.AGENTE_PERIODO.str(), second);
}

}  // namespace
}  // namespace vorda::test
