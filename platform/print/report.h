// Report: lays bands out on the pages of a Document.
//
// Every page is, top to bottom: the top margin, the page header band, the
// body (detail bands in the order printed), the page footer band at the foot
// of the page, the bottom margin. The header and footer are produced by the
// report's callbacks each time a page starts and ends, so that they show the
// data current at that moment (the record whose line starts the page). The
// footer's height is reserved for the whole page when the page starts.
//
//   open(document) ─► print(band) / printAtFoot(band) ... ─► close()
//
// A page starts with the first band printed after open() or after a page
// ended; a band that does not fit in what is left of the body ends the page
// first. A band taller than a whole body still gets a fresh page of its own
// (its foot then runs past the body). close() ends the page in progress; a
// report that printed nothing has no page.
#pragma once

#include <functional>

#include "platform/print/band.h"
#include "platform/print/document.h"

namespace vorda::print {

class Report {
public:
    struct Layout {
        PageSize size = A4;
        int topMargin = 400;
        int bottomMargin = 400;
    };

    std::function<Band()> header{};  // may be empty: no header
    std::function<Band()> footer{};  // may be empty: no footer
    // Asked once by close(), before the last page ends: the report prints
    // its closing bands (totals) through print() or printAtFoot().
    std::function<void(Report&)> closing{};

    // Starts filling `document` (which must outlive the report until
    // close()). Pages already in the document are kept.
    void open(Document& document, const Layout& layout);
    void open(Document& document);  // on A4 with the default margins
    bool isOpen() const { return document_ != nullptr; }
    // Places `band` below what the page already holds.
    void print(const Band& band);
    // Places `band` at the foot of the body, below everything the page
    // holds; a new page first when it does not fit below it.
    void printAtFoot(const Band& band);
    // Ends the page in progress, if any: the next band starts a new page.
    void endPage();
    // Prints the closing bands, ends the page in progress and lets go of the
    // document. Nothing happens when the report is not open.
    void close();

    // Pages made so far (including the one in progress).
    int pageCount() const;
    // Room left in the body of the page in progress (0 when none is).
    int room() const { return pageOpen_ ? bodyEnd_ - y_ : 0; }

private:
    void startPage();
    void place(const Band& band, int top);

    Document* document_ = nullptr;
    Layout layout_{};
    bool pageOpen_ = false;
    int y_ = 0;
    int bodyEnd_ = 0;
    int footerHeight_ = 0;
};

}  // namespace vorda::print
