// The procedures one feature hands work to in another: the declaration list's
// action buttons call the imports, the presentation-file writer and the
// reports, which live in sibling folders the declarations may not include;
// the presentation-file writer prints through the reports and finds its
// drives in the settings file (INIMgr). The program connects them here, once,
// before the frame runs, and disconnects them before the settings file goes.
#pragma once

namespace vorda {

void connectProcedures();
void disconnectProcedures();

}  // namespace vorda
