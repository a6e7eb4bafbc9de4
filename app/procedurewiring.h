// The procedures one feature hands work to in another: the declaration list's
// action buttons call the imports, the presentation-file writer and the
// reports, which live in sibling folders the declarations may not include.
// The program connects them here, once, before the frame runs.
#pragma once

namespace vorda {

void connectProcedures();

}  // namespace vorda
