#include "data/dictionary.h"

#include <array>
#include <memory>

#include "data/agentes.h"
#include "data/alicuotas.h"
#include "data/anexoi.h"
#include "data/anexoii.h"
#include "data/anexoiii.h"
#include "data/ddjj.h"
#include "data/ddjj_a_presentar.h"
#include "data/ddjj_mensual.h"
#include "data/globals.h"
#include "data/hide_access_anexoi.h"
#include "data/hide_access_anexoii.h"
#include "data/hide_access_anexoiii.h"
#include "data/hide_access_ddjj.h"
#include "data/owners.h"
#include "data/tablerelate.h"
#include "framework/assertion.h"

namespace vorda {

namespace Access {
FileManager* AGENTES = nullptr;
FileManager* DDJJ = nullptr;
FileManager* ANEXOI = nullptr;
FileManager* ANEXOII = nullptr;
FileManager* ANEXOIII = nullptr;
FileManager* ALICUOTAS = nullptr;
FileManager* DDJJ_MENSUAL = nullptr;
FileManager* DDJJ_A_PRESENTAR = nullptr;
}  // namespace Access

namespace Relate {
RelationManager* AGENTES = nullptr;
RelationManager* DDJJ = nullptr;
RelationManager* ANEXOI = nullptr;
RelationManager* ANEXOII = nullptr;
RelationManager* ANEXOIII = nullptr;
RelationManager* ALICUOTAS = nullptr;
RelationManager* DDJJ_MENSUAL = nullptr;
RelationManager* DDJJ_A_PRESENTAR = nullptr;
}  // namespace Relate

namespace {

constexpr AccessSetup keyedTable(const store::TableDesc& (*desc)(), void* buffer,
                                 FileManager** reference) {
    return {.desc = desc,
            .buffer = buffer,
            .driver = FileDriver::KeyedTable,
            .owner = TABLE_OWNER,
            .nameVariable = nullptr,
            .reference = reference};
}

constexpr AccessSetup AGENTES_SETUP = keyedTable(&Agentes::desc, &AGE, &Access::AGENTES);
constexpr AccessSetup DDJJ_SETUP = keyedTable(&Ddjj::desc, &DDJ, &Access::DDJJ);
constexpr AccessSetup ANEXOI_SETUP = keyedTable(&AnexoI::desc, &A1, &Access::ANEXOI);
constexpr AccessSetup ANEXOII_SETUP = keyedTable(&AnexoII::desc, &A2, &Access::ANEXOII);
constexpr AccessSetup ANEXOIII_SETUP = keyedTable(&AnexoIII::desc, &A3, &Access::ANEXOIII);
constexpr AccessSetup ALICUOTAS_SETUP = keyedTable(&Alicuotas::desc, &ALI, &Access::ALICUOTAS);
constexpr AccessSetup DDJJ_MENSUAL_SETUP = {.desc = &DdjjMensual::desc,
                                            .buffer = &DJM,
                                            .driver = FileDriver::TextFile,
                                            .owner = {},
                                            .nameVariable = [] { return ARCHIVO_DDJJ_MENSUAL; },
                                            .reference = &Access::DDJJ_MENSUAL};
constexpr AccessSetup DDJJ_A_PRESENTAR_SETUP = {
    .desc = &DdjjAPresentar::desc,
    .buffer = &DJP,
    .driver = FileDriver::KeyedTable,
    .owner = PRESENTATION_OWNER,
    .nameVariable = [] { return ARCHIVO_DDJJ_A_PRESENTAR.str(); },
    .reference = &Access::DDJJ_A_PRESENTAR};

// In registration order: a table's relations are added in the order of its rows.
constexpr RelationRow RELATIONS[] = {
    {.parent = &Relate::AGENTES,
     .child = &Relate::DDJJ,
     .childKey = Ddjj::DJ_AGE,
     .onUpdate = RIRestrict,
     .onDelete = RIRestrict,
     .parentField = AGE_F::NRO_AGENTE,
     .childField = DDJ_F::NRO_AGENTE},
    {.parent = &Relate::DDJJ,
     .child = &Relate::ANEXOII,
     .childKey = AnexoII::ANEXOII,
     .onUpdate = RICascade,
     .onDelete = RICascade,
     .parentField = DDJ_F::AGENTE_PERIODO,
     .childField = A2_F::AGENTE_PERIODO},
    {.parent = &Relate::DDJJ,
     .child = &Relate::ANEXOIII,
     .childKey = AnexoIII::ANEXOIII,
     .onUpdate = RICascade,
     .onDelete = RICascade,
     .parentField = DDJ_F::AGENTE_PERIODO,
     .childField = A3_F::AGENTE_PERIODO},
    {.parent = &Relate::DDJJ,
     .child = &Relate::ANEXOI,
     .childKey = AnexoI::ANEXOI,
     .onUpdate = RICascade,
     .onDelete = RICascade,
     .parentField = DDJ_F::AGENTE_PERIODO,
     .childField = A1_F::AGENTE_PERIODO},
};

// The sixteen managers of one DctInit .. DctKill span.
struct Managers {
    HIDE_ACCESS_AGENTES accessAgentes{AGENTES_SETUP};
    HIDE_ACCESS_DDJJ_MENSUAL accessDdjjMensual{DDJJ_MENSUAL_SETUP};
    HIDE_ACCESS_ALICUOTAS accessAlicuotas{ALICUOTAS_SETUP};
    HIDE_ACCESS_DDJJ accessDdjj{DDJJ_SETUP};
    HIDE_ACCESS_ANEXOII accessAnexoII{ANEXOII_SETUP};
    HIDE_ACCESS_ANEXOIII accessAnexoIII{ANEXOIII_SETUP};
    HIDE_ACCESS_ANEXOI accessAnexoI{ANEXOI_SETUP};
    HIDE_ACCESS_DDJJ_A_PRESENTAR accessDdjjAPresentar{DDJJ_A_PRESENTAR_SETUP};

    HIDE_RELATE_AGENTES relateAgentes{accessAgentes, &Relate::AGENTES, RELATIONS};
    HIDE_RELATE_DDJJ_MENSUAL relateDdjjMensual{accessDdjjMensual, &Relate::DDJJ_MENSUAL, RELATIONS};
    HIDE_RELATE_ALICUOTAS relateAlicuotas{accessAlicuotas, &Relate::ALICUOTAS, RELATIONS};
    HIDE_RELATE_DDJJ relateDdjj{accessDdjj, &Relate::DDJJ, RELATIONS};
    HIDE_RELATE_ANEXOII relateAnexoII{accessAnexoII, &Relate::ANEXOII, RELATIONS};
    HIDE_RELATE_ANEXOIII relateAnexoIII{accessAnexoIII, &Relate::ANEXOIII, RELATIONS};
    HIDE_RELATE_ANEXOI relateAnexoI{accessAnexoI, &Relate::ANEXOI, RELATIONS};
    HIDE_RELATE_DDJJ_A_PRESENTAR relateDdjjAPresentar{accessDdjjAPresentar,
                                                      &Relate::DDJJ_A_PRESENTAR, RELATIONS};

    // The order of FilesInit and DctKill.
    std::array<TableRelate*, 8> inOrder() {
        return {&relateAgentes, &relateDdjjMensual, &relateAlicuotas, &relateDdjj,
                &relateAnexoII, &relateAnexoIII,    &relateAnexoI,    &relateDdjjAPresentar};
    }
};

std::unique_ptr<Managers> managers;

void pointRelateReferences(Managers& m) {
    Relate::AGENTES = &m.relateAgentes;
    Relate::DDJJ_MENSUAL = &m.relateDdjjMensual;
    Relate::ALICUOTAS = &m.relateAlicuotas;
    Relate::DDJJ = &m.relateDdjj;
    Relate::ANEXOII = &m.relateAnexoII;
    Relate::ANEXOIII = &m.relateAnexoIII;
    Relate::ANEXOI = &m.relateAnexoI;
    Relate::DDJJ_A_PRESENTAR = &m.relateDdjjAPresentar;
}

}  // namespace

void DctInit() {
    frameworkAssert(managers == nullptr, "Dictionary already initialized");
    managers = std::make_unique<Managers>();
    pointRelateReferences(*managers);
    FilesInit();
}

void FilesInit() {
    frameworkAssert(managers != nullptr, "Dictionary has not been initialized");
    for (TableRelate* relate : managers->inOrder())
        relate->Init();
}

void DctKill() {
    if (!managers)
        return;
    for (TableRelate* relate : managers->inOrder())
        relate->Kill();
    managers.reset();
}

}  // namespace vorda
