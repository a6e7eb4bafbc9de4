// HACER_DISKETTE: writes the declaration named by AGENTE_PERIODO, with its
// agent and its three annexes, as a presentation file, copies it to the
// drive `unidad` ("A" or "B"; trailing blanks ignored) and then prints the
// declaration and its annexes. Every outcome is told to the user in a
// message box; nothing in the stored tables changes.
//
// Steps:
//   1. open AGENTES, DDJJ, ANEXOI, ANEXOII, ANEXOIII directly (own buffers,
//      read only, shared): the caller's records and positions stay as they are
//   2. fetch the agent          "Error en Archivo de Agentes de Retención " + error
//   3. fetch the declaration    "Error en las declaraciones juradas " + error
//   4. create the temporary presentation file, a name of this run in the
//      working directory (ARCHIVO_DDJJ_A_PRESENTAR names it)
//                               "Error al crear archivo temporario " + error
//   5. open it exclusively      "Error al abrir archivo temporario " + error
//   6. add types 1, 2, 3; with an Annex I record whose card totals add up to
//      inciso h), type 4 ("ERROR EN MONTO TOTAL INGRESADO POR TARJETAS"
//      otherwise); one type 5 per Annex II line, one type 6 per Annex III
//      line, in the tables' order; all in one transaction
//   7. check the file written as `vorda --verificar` does
//   8. "Nº DE REGISTROS PROCESADOS: " + the records written, 8 digits
//   9. "INSERTE DISKETTE EN A:", then the copy as DJ<year><month>.DAT into
//      the drive's folder (unidades.h), whole or not at all (mediacopy.h)
//  10. copied: "DISKETTE GENERADO - PREPARE LA IMPRESORA Y PRESIONE ACEPTAR
//      PARA CONTINUAR", the temporary file removed, ImprimirDeclaracion;
//      not copied: "NO SE PUDO GENERAR EL DISKETTE        " + error, and the
//      temporary file becomes DJ<year><month>.DAT in the working directory.
//
// Beyond the bare steps: a record that cannot be added, a value too wide
// for its field (named with its annex line) and an annex table that exists
// but cannot be read each stop the run with their message, before anything
// is copied; the count is of the records actually written; the temporary
// file is unique to the run and never left behind.
#pragma once

#include <string_view>

namespace vorda {

void HACER_DISKETTE(std::string_view unidad);

}  // namespace vorda
