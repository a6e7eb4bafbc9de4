// Drawing the page model with QPainter: on the preview, a printer or a PDF.
//
// The painter works in report units (thousandths of an inch): a device of
// `dpi` dots per inch is drawn on through scale(dpi / 1000). Fonts are sized
// in report units (a point is 1000/72 units), so a page looks the same at any
// resolution; "Arial" is drawn in Liberation Sans, its metric twin, so the
// text takes the room the layout gave it.
#pragma once

#include <QFont>
#include <string>

#include "platform/print/document.h"

class QPainter;
class QPrinter;

namespace vorda::ui::qt {

// The Qt font for a page-model font (sizes in report units).
QFont reportFont(const print::Font& font);

// Draws `page` on `painter`, whose coordinates are report units with the
// page's top-left corner at the origin.
void drawPage(QPainter& painter, const print::Page& page);

// Writes every page of `document` to `file` as a PDF (the page size is the
// document's). Returns "" on success, else why it failed, in Spanish. Needs
// a QGuiApplication.
std::string writePdf(const print::Document& document, const std::string& file);

// Prints every page of `document` on `printer` (already set up), each from
// the paper's top-left corner. False when the printer could not start.
bool printDocument(QPrinter& printer, const print::Document& document);

}  // namespace vorda::ui::qt
