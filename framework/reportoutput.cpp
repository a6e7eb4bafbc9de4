// Printing finished reports.
#include "framework/reportoutput.h"

#include "platform/ui/messagebox.h"
#include "platform/ui/runtime.h"

namespace vorda {

ReportCollector CollectReports;

Level PrintPages(std::shared_ptr<const print::Document> document, const std::string& title) {
    ui::Runtime* rt = ui::Runtime::instance();
    if (rt == nullptr || document == nullptr)
        return Notify;
    const ui::OutputResult result = rt->output(
        {.kind = ui::OutputJob::Kind::Print, .document = std::move(document), .title = title});
    switch (result.status) {
        case ui::OutputResult::Status::Done:
            return Benign;
        case ui::OutputResult::Status::Cancelled:
            return Cancel;
        case ui::OutputResult::Status::Failed:
            break;
    }
    ui::message({.text = result.error, .icon = ui::Icon::Exclamation, .okLabel = "Cerrar"});
    return Notify;
}

}  // namespace vorda
