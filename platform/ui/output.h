// Output jobs: what a procedure asks the display to do with printed pages.
//
// A procedure thread asks with Runtime::output() and waits for the result
// (only that thread waits; the other windows stay usable). The backend does
// the work on its own loop:
//   ChooseFile  the desktop's save-file chooser, starting at `file` (a default
//               name), offering `filter` ("PDF (*.pdf)"); result: the file.
//               With `existing`, the chooser of a file to open, which exists.
//   Print       the platform's print dialog, then every page of `document` on
//               the printer chosen (page size from the printer's set-up).
//   Pdf         every page of `document` written to `file` as a PDF.
#pragma once

#include <memory>
#include <string>

namespace vorda::print {
struct Document;
}

namespace vorda::ui {

struct OutputJob {
    enum class Kind { ChooseFile, Print, Pdf };
    Kind kind = Kind::Pdf;
    std::shared_ptr<const print::Document> document{};
    std::string file{};     // UTF-8
    std::string filter{};   // ChooseFile
    std::string title{};    // the document's or the chooser's title
    bool existing = false;  // ChooseFile: a file to open rather than to write
};

struct OutputResult {
    enum class Status { Done, Cancelled, Failed };
    Status status = Status::Cancelled;
    std::string file{};   // ChooseFile: the file chosen
    std::string error{};  // Failed: why, in Spanish, for the user
};

}  // namespace vorda::ui
