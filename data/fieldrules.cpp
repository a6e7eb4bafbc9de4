#include "data/fieldrules.h"

#include "data/agentes.h"
#include "data/ddjj.h"
#include "data/dictionary.h"
#include "framework/errorclass.h"

namespace vorda::fieldrules {

namespace {

bool agentExists(TextRef agentNumber) {
    SavedFile saved(*Access::AGENTES);
    AGE.NRO_AGENTE.setRaw(agentNumber.raw());
    return Access::AGENTES->TryFetch(Agentes::AGE_NRO) == Benign;
}

bool declarationExists(const DeclarationKey& key) {
    SavedFile saved(*Access::DDJJ);
    DDJ.AGENTE_PERIODO = key;
    return Access::DDJJ->TryFetch(Ddjj::DDJJ) == Benign;
}

}  // namespace

Level requireAgent(FileManager& self, std::string_view fieldName, TextRef agentNumber) {
    self.Errors->SetField(fieldName);
    if (!agentExists(agentNumber)) {
        return self.ThrowMessage(MSG_FIELD_NOT_IN_FILE, "Agentes");
    }
    return Benign;
}

Level requireDeclaration(FileManager& self, std::string_view fieldName, const DeclarationKey& key) {
    self.Errors->SetField(fieldName);
    if (!declarationExists(key)) {
        return self.ThrowMessage(MSG_FIELD_NOT_IN_FILE, "Ddjj");
    }
    return Benign;
}

}  // namespace vorda::fieldrules
