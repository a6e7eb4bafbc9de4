// Relations of AGENTES, DDJJ and the annexes, through the relation managers.
//
//   AgentRestrict       - an agent with declarations cannot be renumbered
//   DeclarationCascade  - deleting or re-keying a declaration carries its
//                         annexes along; the agent is never touched
// (The refused delete of an agent and the delete of a declaration with its
// lines through the windows: UI scripts delete_agent_with_declaration and
// ddjj_delete_from_list.)
#include "tests/data/datafixture.h"

namespace vorda::test {
namespace {

class RelationsTest : public DataTest {
protected:
    void SetUp() override {
        DataTest::SetUp();
        openTables();
        ASSERT_EQ(addAgent(1, "20-12345678-6", "Banco Uno"), Benign);
        ASSERT_EQ(addAgent(2, "30-22222222-2", "Caja Sur"), Benign);
        ASSERT_EQ(addDeclaration(kept), Benign);
        ASSERT_EQ(addDeclaration(doomed), Benign);
        for (const std::string& key : {kept, doomed}) {
            ASSERT_EQ(addAnexoI(key), Benign);
            ASSERT_EQ(addAnexoII(key, 1), Benign);
            ASSERT_EQ(addAnexoII(key, 2), Benign);
            ASSERT_EQ(addAnexoIII(key, 1), Benign);
            ASSERT_EQ(addAnexoIII(key, 2), Benign);
        }
        ASSERT_TRUE(boxes.shown().empty());
    }
    bool fetchAgent(int n) {
        AGE.clear();
        AGE.NRO_AGENTE.set(agentNumber(n));
        return Access::AGENTES->TryFetch(Agentes::AGE_NRO) == Benign;
    }
    bool fetchDeclaration(const std::string& key) {
        DDJ.clear();
        DDJ.AGENTE_PERIODO.set(key);
        return Access::DDJJ->TryFetch(Ddjj::DDJJ) == Benign;
    }
    // Annex I, II and III records carrying `key`.
    std::vector<size_t> annexes(const std::string& key) {
        return {countWithKey(*Access::ANEXOI, AnexoI::ANEXOI, A1.AGENTE_PERIODO, key),
                countWithKey(*Access::ANEXOII, AnexoII::ANEXOII, A2.AGENTE_PERIODO, key),
                countWithKey(*Access::ANEXOIII, AnexoIII::ANEXOIII, A3.AGENTE_PERIODO, key)};
    }

    const std::string kept = declarationKey(1, "2001", "02", "00");
    const std::string doomed = declarationKey(1, "2001", "03", "00");
    const std::vector<size_t> full = {1, 2, 2};
    const std::vector<size_t> none = {0, 0, 0};
};

// --- AgentRestrict -------------------------------------------------------------

using AgentRestrict = RelationsTest;

TEST_F(AgentRestrict, renumbering_an_agent_with_declarations_is_refused_with_error_31) {
    ASSERT_TRUE(fetchAgent(1));
    Relate::AGENTES->Save();
    AGE.NRO_AGENTE.set(agentNumber(9));
    EXPECT_NE(Relate::AGENTES->Update(), Benign);
    ASSERT_GE(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].caption, "Error de Integridad Referencial (Actualización)");
    EXPECT_EQ(AGE.NRO_AGENTE.str(), agentNumber(1));  // the number goes back
    EXPECT_TRUE(fetchAgent(1));
    EXPECT_FALSE(fetchAgent(9));
    EXPECT_TRUE(fetchDeclaration(doomed));
}

// --- DeclarationCascade --------------------------------------------------------

using DeclarationCascade = RelationsTest;

TEST_F(DeclarationCascade, deleting_the_last_declaration_of_an_agent_leaves_the_agent) {
    for (const std::string& key : {kept, doomed}) {
        ASSERT_TRUE(fetchDeclaration(key));
        ASSERT_EQ(Relate::DDJJ->Delete(Confirm::DontAsk), Benign);
    }
    EXPECT_TRUE(fetchAgent(1));
    EXPECT_EQ(annexes(kept), none);
    // Now the agent has no declaration left and may go.
    EXPECT_EQ(Relate::AGENTES->Delete(Confirm::DontAsk), Benign);
    EXPECT_FALSE(fetchAgent(1));
}

TEST_F(DeclarationCascade, a_new_declaration_key_is_written_into_its_annexes) {
    const std::string moved = declarationKey(1, "2001", "03", "01");
    ASSERT_TRUE(fetchDeclaration(doomed));
    Relate::DDJJ->Save();
    DDJ.PRESENTACION().set("01");
    EXPECT_EQ(Relate::DDJJ->Update(), Benign);
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(annexes(moved), full);
    EXPECT_EQ(annexes(doomed), none);
    EXPECT_EQ(annexes(kept), full);
}

}  // namespace
}  // namespace vorda::test
