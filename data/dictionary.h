// The data dictionary: the managers of the program's eight files, their keys,
// relations and field rules, set up at start and released at the end.
//
// Files, buffers and field numbers. Each file has a record struct with its
// own header (agentes.h, ddjj.h, anexoi.h, anexoii.h, anexoiii.h,
// alicuotas.h, ddjj_mensual.h, ddjj_a_presentar.h) and one process-wide
// buffer named by the file's prefix: AGE, DDJ, A1, A2, A3, ALI, DJM, DJP.
// Keys are static constants of the struct, numbered 1.. in AddKey order
// (AGE.AGE_NRO, DDJ.DDJJ, ...). Field numbers - the 1-based positions in the
// record declaration that ValidateField and the relations use, counting the
// declaration key's groups and parts - are constants of a namespace named by
// the prefix and "_F", one per field, named as the field without its prefix:
// AGE_F::NRO_CUIT == 2, DDJ_F::NRO_AGENTE == 3, A2_F::ALICUOTA == 16.
//
// Life cycle:
//   DctInit()   creates the managers, points every Relate:: reference at its
//               relation manager, then calls FilesInit().
//   FilesInit() initialises the relation managers, each first initialising
//               its record file manager (which sets its Access:: reference),
//               in the order AGENTES, DDJJ_MENSUAL, ALICUOTAS, DDJJ, ANEXOII,
//               ANEXOIII, ANEXOI, DDJJ_A_PRESENTAR. No file is opened.
//   DctKill()   releases them in the same order (each its record file manager
//               first, then its relations), clearing every reference, and
//               destroys the managers.
// GlobalErrors() must be initialised before DctInit and released after
// DctKill. Between the two, procedures open and close tables through the
// Relate:: managers and read and write through the Access:: managers.
//
// Relations (parent -> child, child key, update/delete modes, link):
//   AGENTES -> DDJJ      DDJ:DJ_AGE   restrict/restrict  AGE:NRO_AGENTE = DDJ:NRO_AGENTE
//   DDJJ    -> ANEXOII   A2:ANEXOII   cascade/cascade    DDJ:AGENTE_PERIODO = A2:AGENTE_PERIODO
//   DDJJ    -> ANEXOIII  A3:ANEXOIII  cascade/cascade    DDJ:AGENTE_PERIODO = A3:AGENTE_PERIODO
//   DDJJ    -> ANEXOI    A1:ANEXOI    cascade/cascade    DDJ:AGENTE_PERIODO = A1:AGENTE_PERIODO
// Relation managers frame cascades in one transaction.
//
// Key choices of this store: AGE:AGE_DENOM ignores letter case; a blank value
// takes part in a unique key like any other (a second agent with a blank CUIT
// duplicates "Por CUIT").
#pragma once

#include "framework/filemanager.h"
#include "framework/relationmanager.h"

namespace vorda {

namespace Access {
extern FileManager* AGENTES;
extern FileManager* DDJJ;
extern FileManager* ANEXOI;
extern FileManager* ANEXOII;
extern FileManager* ANEXOIII;
extern FileManager* ALICUOTAS;
extern FileManager* DDJJ_MENSUAL;
extern FileManager* DDJJ_A_PRESENTAR;
}  // namespace Access

namespace Relate {
extern RelationManager* AGENTES;
extern RelationManager* DDJJ;
extern RelationManager* ANEXOI;
extern RelationManager* ANEXOII;
extern RelationManager* ANEXOIII;
extern RelationManager* ALICUOTAS;
extern RelationManager* DDJJ_MENSUAL;
extern RelationManager* DDJJ_A_PRESENTAR;
}  // namespace Relate

void DctInit();
void FilesInit();
void DctKill();

}  // namespace vorda
