// The progress window of a batch process or report: a thermometer, a
// percentage text, a line of the procedure's own text and "Cancelar".
//
// A procedure that runs a ReportManager shows its progress in this window
// (or in one of its own with the same control numbers):
//
//   uint8_t percent = 0;
//   ui::Window w(progressWindowDesc("Chequeando..."));
//   bindProgress(w, percent);           // the thermometer shows `percent`
//   process.Init(Relate::X, &w, ProgressCtl::PctText, &percent);
//
// The window is a dialog of its own (not inside the frame), centred, with a
// timer of one hundredth of a second that drives the run. Script names:
// "?Progress:Thermometer", "?Progress:UserString", "?Progress:PctText",
// "?Progress:Cancel".
#pragma once

#include <cstdint>
#include <string>

#include "platform/ui/windowdesc.h"

namespace vorda {

namespace ui {
class Window;
}

enum class ProgressCtl { Thermometer = 1, UserString, PctText, Cancel };

// The standard progress window with `caption`; the percentage text starts as
// `percentText`.
ui::WindowDesc progressWindowDesc(std::string caption, std::string percentText = "0% Completed");

// Binds the thermometer of `window` to `percentile` (0 to 100), which the
// process updates; Window::display() shows it.
void bindProgress(ui::Window& window, uint8_t& percentile);

}  // namespace vorda
