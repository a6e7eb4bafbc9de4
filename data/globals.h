// Process-wide variables of the data store.
//
//   AGENTE_PERIODO            the declaration handed by the declaration list and
//                             form to the procedures they start; blank at start
//   ARCHIVO_DDJJ_MENSUAL      physical name of DDJJ_MENSUAL; "DJ_MENS.TXT" at
//                             start, set by the Annex imports to the file given
//                             (a full path of up to 255 characters, UTF-8 as
//                             the file system has it)
//   ARCHIVO_DDJJ_A_PRESENTAR  physical name of DDJJ_A_PRESENTAR; blank at
//                             start, set by the diskette writer before it
//                             creates the file
//
// The two file-name variables are read each time their file is opened, so a
// change takes effect at the next open.
#pragma once

#include <string>

#include "data/declarationkey.h"
#include "platform/types/fixedtext.h"

namespace vorda {

extern DeclarationKey AGENTE_PERIODO;
extern std::string ARCHIVO_DDJJ_MENSUAL;
extern FixedText<20> ARCHIVO_DDJJ_A_PRESENTAR;

// Puts the three variables back to their initial values and clears the
// record buffers of all eight files (text blank, numbers and dates zero):
// the data store's part of the program's start.
void ClearDataGlobals();

}  // namespace vorda
