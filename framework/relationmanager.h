// RelationManager: a table's relations and referential integrity.
//
// DRAFT CONTRACT (the implementer of this class completes it): the members
// below are fixed because the data layer and later layers use them.
#pragma once

#include <cstdint>

#include "framework/level.h"

namespace vorda {

class FileManager;

enum RIMode : uint8_t { RINone = 0, RIClear = 1, RIRestrict = 2, RICascade = 3 };

class RelationManager {
public:
    virtual ~RelationManager();

    virtual void Init(FileManager* file, bool useLogout);
    // A plain lookup link to a parent table (declared on the child).
    void AddRelation(RelationManager* related);
    // A relation to dependent records: `relatedKey` is the key of the related
    // table used to find them (1-based index into its descriptor's keys).
    void AddRelation(RelationManager* related, RIMode updateMode, RIMode deleteMode,
                     int relatedKey);
    // Adds a linking field pair to the relation added last (field numbers of
    // this table and of the related table).
    void AddRelationLink(int thisField, int relatedField);
    virtual void Kill();

    virtual Level Open(bool related = true);
    virtual Level Close(bool related = true);
    virtual Level Update(bool fromForm = false);
    virtual Level Delete(bool confirm = true);
    void Save();

    FileManager* Me = nullptr;
};

}  // namespace vorda
