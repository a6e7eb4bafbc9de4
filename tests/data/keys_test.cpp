// Keys of AGENTES and DDJJ: uniqueness, descriptions in error 13, order.
//
//   AgentKeys       - a blank CUIT takes part in the unique key, names repeat
//                     and sort ignoring case
//   DeclarationKeys - month order
// (Duplicate numbers, CUITs and declarations through the forms: the UI
// scripts duplicate_cuit and ddjj_duplicate.)
#include "tests/data/datafixture.h"

namespace vorda::test {
namespace {

constexpr const char* kDuplicate = "Agregar este registro crea una clave duplicada para la clave: ";

// --- AgentKeys -----------------------------------------------------------------

class AgentKeys : public DataTest {
protected:
    void SetUp() override {
        DataTest::SetUp();
        openTables();
        ASSERT_EQ(addAgent(1, "20-12345678-6", "Banco Uno"), Benign);
    }
    size_t agents() {
        return readAll(*Access::AGENTES, Agentes::AGE_NRO, [] { return AGE.NRO_AGENTE.str(); })
            .size();
    }
};

TEST_F(AgentKeys, a_blank_cuit_takes_part_in_the_unique_key) {
    ASSERT_EQ(addAgent(2, "", "Sin CUIT"), Benign);
    EXPECT_EQ(addAgent(3, "", "Otro sin CUIT"), Notify);
    EXPECT_EQ(boxes.last().text, std::string(kDuplicate) + "Por CUIT");
    EXPECT_EQ(agents(), 2u);
}

TEST_F(AgentKeys, agents_with_the_same_name_are_both_kept_in_name_order) {
    ASSERT_EQ(addAgent(2, "30-22222222-2", "Caja Sur"), Benign);
    ASSERT_EQ(addAgent(3, "30-33333333-3", "banco uno"), Benign);
    ASSERT_EQ(addAgent(4, "30-44444444-4", "Banco Uno"), Benign);
    ASSERT_EQ(addAgent(5, "30-55555555-5", "ALFA"), Benign);
    EXPECT_TRUE(boxes.shown().empty());
    const auto byName = readAll(*Access::AGENTES, Agentes::AGE_DENOM,
                                [] { return AGE.DENOMINACION.str() + "#" + AGE.NRO_AGENTE.str(); });
    // Case is ignored; equal names keep the order in which they were added.
    EXPECT_EQ(byName, (std::vector<std::string>{"ALFA#1/00.00.005", "Banco Uno#1/00.00.001",
                                                "banco uno#1/00.00.003", "Banco Uno#1/00.00.004",
                                                "Caja Sur#1/00.00.002"}));
}

// --- DeclarationKeys -----------------------------------------------------------

class DeclarationKeys : public DataTest {
protected:
    void SetUp() override {
        DataTest::SetUp();
        openTables();
        ASSERT_EQ(addAgent(1, "20-12345678-6", "Banco Uno"), Benign);
    }
    std::vector<std::string> declarations() {
        return readAll(*Access::DDJJ, Ddjj::DDJJ, [] { return DDJ.AGENTE_PERIODO.str(); });
    }
};

TEST_F(DeclarationKeys, month_03_sorts_before_month_10) {
    ASSERT_EQ(addDeclaration(declarationKey(1, "2001", "10", "00")), Benign);
    ASSERT_EQ(addDeclaration(declarationKey(1, "2001", "03", "00")), Benign);
    ASSERT_EQ(addDeclaration(declarationKey(1, "2000", "12", "00")), Benign);
    EXPECT_EQ(declarations(), (std::vector<std::string>{declarationKey(1, "2000", "12", "00"),
                                                        declarationKey(1, "2001", "03", "00"),
                                                        declarationKey(1, "2001", "10", "00")}));
}

}  // namespace
}  // namespace vorda::test
