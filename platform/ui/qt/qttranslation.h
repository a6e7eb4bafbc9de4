// The toolkit's own texts in Spanish.
//
// The program's windows carry their own Spanish texts; what the toolkit
// draws by itself (the file chooser that saves a PDF, the print and page
// set-up dialogs, an entry's context menu, a child window's system menu)
// would otherwise speak English. installQtTranslation() loads Qt's Spanish
// translation of those texts, when the system has it, and makes Spanish
// (Argentina) the toolkit's locale (the dates of the file chooser). Call it
// once the QApplication exists; later calls do nothing.
#pragma once

namespace vorda::ui::qt {

// True when Qt's Spanish texts were found and are in use.
bool installQtTranslation();

}  // namespace vorda::ui::qt
