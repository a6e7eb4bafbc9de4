#include "tests/data/datafixture.h"

#include <cstdio>

namespace vorda::test {

std::string agentNumber(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "1/00.00.%03d", n);
    return text;
}

std::string declarationKey(int agent, std::string_view year, std::string_view month,
                           std::string_view presentation) {
    return agentNumber(agent) + std::string(year) + std::string(month) + std::string(presentation);
}

void DataTest::SetUp() {
    previousHandler_ = setAssertionHandler([](const std::string& t) { throw AssertionFailed(t); });
    GlobalErrors().Init();
    ClearDataGlobals();
    DctInit();
}

void DataTest::TearDown() {
    if (opened_) {
        for (FileManager* m :
             {Access::AGENTES, Access::DDJJ, Access::ANEXOI, Access::ANEXOII, Access::ANEXOIII}) {
            m->Close();
        }
    }
    DctKill();
    GlobalErrors().Kill();
    setAssertionHandler(previousHandler_);
}

void DataTest::openTables() {
    for (FileManager* m :
         {Access::AGENTES, Access::DDJJ, Access::ANEXOI, Access::ANEXOII, Access::ANEXOIII}) {
        ASSERT_EQ(m->Open(), Benign);
    }
    opened_ = true;
}

Level DataTest::addAgent(int n, std::string_view cuit, std::string_view name) {
    AGE.clear();
    AGE.NRO_AGENTE.set(agentNumber(n));
    AGE.NRO_CUIT.set(cuit);
    AGE.DENOMINACION.set(name);
    return Access::AGENTES->Insert();
}

Level DataTest::addDeclaration(const std::string& key) {
    DDJ.clear();
    DDJ.AGENTE_PERIODO.set(key);
    DDJ.INCISO_A = Decimal::fromInteger(100);
    return Access::DDJJ->Insert();
}

Level DataTest::addAnexoI(const std::string& key) {
    A1.clear();
    A1.AGENTE_PERIODO.set(key);
    A1.TARJETA_8 = Decimal::fromInteger(5);
    return Access::ANEXOI->Insert();
}

Level DataTest::addAnexoII(const std::string& key, int order, Decimal rate) {
    A2.clear();
    A2.AGENTE_PERIODO.set(key);
    A2.DOCUMENTO.set("Pagaré");
    A2.INCISO.set("c");
    A2.NRO_ORDEN = order;
    A2.VALOR = Decimal::fromInteger(60000);
    A2.ALICUOTA = rate;
    return Access::ANEXOII->Insert();
}

Level DataTest::addAnexoIII(const std::string& key, int order) {
    A3.clear();
    A3.AGENTE_PERIODO.set(key);
    A3.DOCUMENTO.set("Contrato");
    A3.NRO_ORDEN = order;
    A3.LEY_DECRETO.set("Ley 1234");
    return Access::ANEXOIII->Insert();
}

size_t DataTest::countWithKey(FileManager& table, int tableKey, const DeclarationKey& buffer,
                              const std::string& key) {
    size_t count = 0;
    for (const std::string& k : readAll(table, tableKey, [&] { return buffer.str(); })) {
        if (k == key)
            ++count;
    }
    return count;
}

}  // namespace vorda::test
