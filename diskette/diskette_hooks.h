// What the diskette writer reaches through connections the program makes at
// start-up (app/), so that it includes no other feature folder:
//
//   ImprimirDeclaracion  prints the declaration named by AGENTE_PERIODO and
//                        its three annexes (the declaration report, then the
//                        Annex I, II and III reports); run after a
//                        successful copy. Unset: nothing is printed.
//   DisketteSettings     the settings file whose [Unidades] section names
//                        the drive folders. Unset: no drive is configured
//                        (A is then the first removable medium mounted).
#pragma once

#include <functional>

namespace vorda {

class INIClass;

extern std::function<void()> ImprimirDeclaracion;
extern INIClass* DisketteSettings;

}  // namespace vorda
