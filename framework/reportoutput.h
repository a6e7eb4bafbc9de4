// Where finished reports go: the printer, or a collector that takes them
// instead of any preview or printer (the program's `--pdf` run sets one to
// gather a declaration's four reports into one PDF).
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "framework/level.h"
#include "platform/print/document.h"

namespace vorda {

using ReportCollector = std::function<void(const print::Document&)>;
extern ReportCollector CollectReports;

// Prints every page of `document` through the platform's print dialog.
// Benign when printed, Cancel when the user cancelled the dialog, Notify
// after telling the user why it could not print.
Level PrintPages(std::shared_ptr<const print::Document> document, const std::string& title);

}  // namespace vorda
