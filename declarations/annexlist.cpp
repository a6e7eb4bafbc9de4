#include "declarations/annexlist.h"

#include "data/declarationkey.h"
#include "data/dictionary.h"

namespace vorda {

void AnnexList::Init(WindowManager& form, std::initializer_list<ui::Binding> columns) {
    RelationManager* annex = *setup_.relate;
    browse_.Init(setup_.list, annex, form);
    browse_.AddSortOrder(nullptr, setup_.key);
    browse_.AddRange(DeclarationKeyFields::AGENTE_PERIODO, Relate::DDJJ, annex);
    locator_.Init({}, DeclarationKeyFields::AGENTE_PERIODO, LetterCase::Exact);
    browse_.AddLocator(&locator_);
    for (const ui::Binding& c : columns)
        browse_.AddField(c);
    browse_.InsertControl = setup_.insert;
    browse_.ChangeControl = setup_.change;
    browse_.DeleteControl = setup_.remove;
    browse_.AskProcedure = setup_.procedure;
    inited_ = true;
}

void AnnexList::Attach(ToolbarClass& toolbar, ui::ControlId help) {
    browse_.AddToolbarTarget(toolbar, help);
    browse_.SetAlerts();
}

void AnnexList::Kill() {
    if (inited_)
        browse_.Kill();
    inited_ = false;
}

}  // namespace vorda
