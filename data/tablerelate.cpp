#include "data/tablerelate.h"

namespace vorda {

void TableRelate::Init() {
    access_.Init();
    RelationManager::Init(&access_, Framing::Transaction);
    for (const RelationRow& row : relations_) {
        if (row.child == reference_) {
            AddRelation(*row.parent);
        } else if (row.parent == reference_) {
            AddRelation(*row.child, row.onUpdate, row.onDelete, row.childKey);
            AddRelationLink(row.parentField, row.childField);
        }
    }
}

void TableRelate::Kill() {
    access_.Kill();
    RelationManager::Kill();
    *reference_ = nullptr;
}

}  // namespace vorda
