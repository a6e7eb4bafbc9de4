// The window and the list manager settings shared by the two agent lists,
// AGENTES (maintenance) and AGENTES:ELEGIR (selection).
//
// Both show the eight AGENTES fields, three tabs that choose the order and
// an incremental locator per order. Sort orders are added CUIT (1), DENOM
// (2), NRO (3); the list manager's sort sheet maps the current tab: tab 2 ->
// 1, tab 3 -> 2, else 3, so a list opens ordered by agent number. Without a
// display the list shows ten rows.
//
// Script names: the list "?BROWSE:1", the sheet "?CURRENTTAB", the locator
// entries "?LOC:NRO_AGENTE", "?LOC:NRO_CUIT", "?LOC:DENOMINACION".
#pragma once

#include "platform/ui/windowdesc.h"

namespace vorda {

enum class AgentesCtl {
    CurrentTab = 1,
    Tab_Nro,
    Tab_Cuit,
    Tab_Denom,
    Prompt_Nro,
    Locator_Nro,
    Prompt_Cuit,
    Locator_Cuit,
    Prompt_Denom,
    Locator_Denom,
    Browse,
    Insert,
    Change,
    Delete,
    Select,
    Close,
    Help,
};

// What differs between the two lists.
struct AgentesListVariant {
    const char* caption;
    const char* procedureName;  // for GlobalErrors
    int denominationWidth;      // dialog units
    const char* promptNro;
    const char* promptCuit;
    const char* promptDenom;
    const char* pictureNro;
    const char* pictureCuit;
    bool maintenance;  // insert/change/delete buttons, else "&Elegir"
};

ui::WindowDesc agentesListDesc(const AgentesListVariant& variant);

// Runs the list on the calling thread: the request is taken from
// GlobalRequest; GlobalResponse is the list's response when it closes.
void runAgentesList(const AgentesListVariant& variant);

}  // namespace vorda
