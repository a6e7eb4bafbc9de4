// The program's PDF output outside any window (the vorda executable only: it
// draws with Qt).
//
//   exportDeclarationPdf   `vorda --pdf FILE NRO_AGENTE PERIODO`: the
//                          declaration and its three annexes in one PDF
//   pdfWriter              writes a report's pages to a PDF for the headless
//                          run of `vorda --script` (preview pdf "<file>")
#pragma once

#include <ostream>
#include <string>

#include "platform/print/document.h"

namespace vorda {

// Prints the declaration of agent `agent` (as stored, "1/23.45.678") and
// period `period` (year, month, presentation: "20050501") into `file`, with
// no window: the declaration form, then Annex I, II and III (an annex without
// lines adds no page). Runs inside Program::run. Returns 0, or 1 after
// writing the reason to `errors` (no such declaration, a bad period, a PDF
// that cannot be written).
int exportDeclarationPdf(const std::string& file, const std::string& agent,
                         const std::string& period, std::ostream& errors);

// Writes `document` to `file`; "" or the reason it failed. Starts Qt's
// offscreen platform the first time it is needed.
std::string pdfWriter(const print::Document& document, const std::string& file);

}  // namespace vorda
