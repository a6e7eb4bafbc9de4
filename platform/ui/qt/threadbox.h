// ThreadBox: a message box as the runtime asks for it, built as a Qt box
// that blocks nothing by itself.
//
// Qt's window-modal and application-modal boxes would block every MDI child;
// the runtime instead disables only the asking thread's windows while its
// box is up (a thread-modal box), so the box is shown non-modal and reports
// its button through a callback.
//
// The box shows the runtime's icon (Information, Exclamation as a warning,
// Question, Hand as critical), its buttons with Spanish labels (the OK
// button with the box's own label, "Cerrar" or "Aceptar", when given), its
// default button, and no caption of its own when the caption is empty: the
// title is then a blank, which keeps the window system from putting the
// application's name there.
#pragma once

#include <functional>

#include "platform/ui/messagebox.h"

class QMessageBox;
class QWidget;

namespace vorda::ui::qt {

class ThreadBox {
public:
    // A new box, not shown yet; `answered` gets the button pressed (closing
    // the box counts as its escape button). The box deletes itself when
    // finished.
    static QMessageBox* create(const MessageBox& box, QWidget* parent,
                               const std::function<void(unsigned)>& answered);
    // Shows a box and waits for it (only outside every procedure thread).
    static unsigned exec(const MessageBox& box, QWidget* parent);
};

}  // namespace vorda::ui::qt
