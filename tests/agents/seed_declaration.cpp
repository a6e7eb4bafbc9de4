// seed_declaration AGENT: leaves in the working directory a declaration
// (2026-01, presentation 01) of agent AGENT ("1/23.45.678") without the agent
// itself, so that a script can add the agent and then find that it cannot
// delete it. The declaration's rules require its agent, so the agent is
// stored first and then removed behind the program's back. Exit status 0 on
// success.
#include <sqlite3.h>

#include <iostream>

#include "data/agentes.h"
#include "data/ddjj.h"
#include "data/dictionary.h"
#include "framework/errorclass.h"

namespace {

vorda::Level storeAgentAndDeclaration(const char* agent) {
    using namespace vorda;
    if (Relate::DDJJ->Open() != Benign)
        return Fatal;
    AGE.clear();
    AGE.NRO_AGENTE.set(agent);
    Level level = Access::AGENTES->Insert();
    if (level == Benign) {
        DDJ.clear();
        DDJ.NRO_AGENTE().set(agent);
        DDJ.AÑO().set("2026");
        DDJ.MES().set("01");
        DDJ.PRESENTACION().set("01");
        level = Access::DDJJ->Insert();
    }
    Relate::DDJJ->Close();
    return level;
}

bool removeAgents() {
    sqlite3* db = nullptr;
    bool ok = sqlite3_open("Agentes.tps", &db) == SQLITE_OK &&
              sqlite3_exec(db, "DELETE FROM AGENTES", nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: seed_declaration AGENT\n";
        return 2;
    }
    vorda::GlobalErrors().Init();
    vorda::DctInit();
    const vorda::Level level = storeAgentAndDeclaration(argv[1]);
    vorda::DctKill();
    vorda::GlobalErrors().Kill();
    return level == vorda::Benign && removeAgents() ? 0 : 1;
}
