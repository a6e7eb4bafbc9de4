// TableRelate: the relation manager of one table, set up from the program's
// table of relations (RelationRow).
//
// Every relation is declared on both of its tables. Init() walks the rows in
// order: on the parent it adds the relation to the child with the child key
// used to find the referring records, the two modes and the linking field
// pair; on the child it adds a plain link back to the parent. A table's
// relations are therefore registered in row order (DDJJ: the link back to
// AGENTES, then ANEXOII, ANEXOIII, ANEXOI), which is the order in which
// cascades visit the children.
//
//   Init(): access manager's Init(), then RelationManager::Init(access,
//           transaction framing on), then the relations.
//   Kill(): access manager's Kill(), then the relation list, then the
//           table's Relate reference is cleared.
// The Relate reference itself is set by DctInit before any Init() runs, so
// that every relation can name its related manager.
#pragma once

#include <span>

#include "data/tableaccess.h"
#include "framework/relationmanager.h"

namespace vorda {

struct RelationRow {
    RelationManager** parent;  // Relate:: reference of the referred table
    RelationManager** child;   // Relate:: reference of the referring table
    int childKey;              // key of the child that finds the referring records
    RIMode onUpdate;           // when the parent's linking field changes
    RIMode onDelete;           // when the parent is deleted
    int parentField;           // linking fields: parent field = child field
    int childField;
};

class TableRelate : public RelationManager {
public:
    TableRelate(TableAccess& access, RelationManager** reference,
                std::span<const RelationRow> relations)
        : access_(access), reference_(reference), relations_(relations) {}
    TableRelate(const TableRelate&) = delete;
    TableRelate& operator=(const TableRelate&) = delete;

    using RelationManager::Init;
    void Init();
    void Kill() override;

private:
    TableAccess& access_;
    RelationManager** reference_;
    std::span<const RelationRow> relations_;
};

using HIDE_RELATE_AGENTES = TableRelate;
using HIDE_RELATE_DDJJ = TableRelate;
using HIDE_RELATE_ANEXOI = TableRelate;
using HIDE_RELATE_ANEXOII = TableRelate;
using HIDE_RELATE_ANEXOIII = TableRelate;
using HIDE_RELATE_ALICUOTAS = TableRelate;
using HIDE_RELATE_DDJJ_MENSUAL = TableRelate;
using HIDE_RELATE_DDJJ_A_PRESENTAR = TableRelate;

}  // namespace vorda
