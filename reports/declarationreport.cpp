// The frame of the declaration reports.
#include "reports/declarationreport.h"

#include "data/dictionary.h"
#include "data/globals.h"
#include "framework/errorclass.h"
#include "framework/printpreviewclass.h"
#include "framework/processclass.h"
#include "framework/progresswindow.h"
#include "framework/reportmanager.h"
#include "platform/ui/window.h"

namespace vorda::reports {

namespace {

// The report's process: each record is refreshed, then printed.
class ReportProcess final : public ProcessClass {
public:
    ReportProcess(std::function<void()> refresh, std::function<void()> print)
        : refresh_(std::move(refresh)), print_(std::move(print)) {}

    Level TakeRecord() override {
        refresh_();
        const Level level = ProcessClass::TakeRecord();
        print_();
        return level;
    }

private:
    std::function<void()> refresh_;
    std::function<void()> print_;
};

std::string withoutBlanks(std::string_view raw) {
    std::string out;
    for (char c : raw) {
        if (c != ' ')
            out += c == '/' ? '-' : c;
    }
    return out;
}

}  // namespace

void DeclarationReport::Run() {
    GlobalErrors().SetProcedureName(setup_.procedureName);
    uint8_t percent = 0;
    ui::Window window(progressWindowDesc(setup_.caption));
    bindProgress(window, percent);
    print::Report report;
    report.header = [this] { return pageHeader(); };
    if (hasFooter())
        report.footer = [this] { return pageFooter(); };
    report.closing = [this](print::Report& r) { printClosing(r); };
    ReportProcess process([this] { refresh(); }, [this, &report] { printRecord(report); });
    const bool opened = setup_.table->Open() == Benign;
    process.Init(setup_.table, &window, ProgressCtl::PctText, &percent);
    process.AddSortOrder(setup_.key);
    process.AddRange(setup_.rangeField, AGENTE_PERIODO.ref());
    process.SetQuickScan(true);
    PrintPreviewClass preview;
    preview.Maximize = 1;
    preview.AllowUserZoom = 1;
    preview.PdfName = pdfFileName();
    ReportManager run(window);
    if (run.Init(process, &report, &preview) == Benign) {
        run.Zoom = 100;
        run.Ask();
    }
    run.Kill();
    process.Kill();
    if (opened)
        setup_.table->Close();
    GlobalErrors().SetProcedureName();
}

std::string DeclarationReport::pdfFileName() const {
    const std::string_view key = AGENTE_PERIODO.raw();
    return setup_.pdfName + "_" + withoutBlanks(key.substr(0, 11)) + "_" +
           withoutBlanks(key.substr(11)) + ".pdf";
}

void DeclarationReport::loadDeclaration(std::string_view key) {
    if (key == loadedKey_)
        return;
    loadedKey_ = std::string(key);
    DDJ.AGENTE_PERIODO.setRaw(key);
    if (Access::DDJJ->TryFetch(Ddjj::DDJJ) == Benign) {
        declaration = DDJ;
    } else {
        declaration.clear();
        declaration.AGENTE_PERIODO.setRaw(key);
    }
    loadAgent();
}

void DeclarationReport::takeDeclaration(const Ddjj& current) {
    declaration = current;
    const std::string_view key = current.AGENTE_PERIODO.raw();
    if (key == loadedKey_)
        return;
    loadedKey_ = std::string(key);
    loadAgent();
}

void DeclarationReport::loadAgent() {
    AGE.NRO_AGENTE.setRaw(declaration.AGENTE_PERIODO.raw().substr(0, 11));
    if (Access::AGENTES->TryFetch(Agentes::AGE_NRO) == Benign) {
        agent = AGE;
    } else {
        agent.clear();
        agent.NRO_AGENTE.setRaw(declaration.AGENTE_PERIODO.raw().substr(0, 11));
    }
}

}  // namespace vorda::reports
