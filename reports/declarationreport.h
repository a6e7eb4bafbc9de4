// DeclarationReport: the frame the four reports of one declaration share.
//
// Each report prints the declaration named by the process-wide
// AGENTE_PERIODO from one table (DDJJ, ANEXOI, ANEXOII or ANEXOIII), in the
// order of its key and limited to that declaration, through the report engine:
//
//   1. the progress window, titled with the report's caption (thermometer,
//      percentage, "Cancelar");
//   2. the table opened through its relation manager (with the tables it
//      relates to), read with quick scan;
//   3. each record: the declaration and agent it belongs to are brought into
//      the report's own copies (fetched only when the record belongs to
//      another declaration than the last), then the report prints it;
//   4. after the last record the report's closing bands (totals);
//   5. the preview, maximised at 100 %, which offers the PDF under a name
//      made of the report, the agent and the period;
//   6. the table closed.
// An empty run shows "No hay Registros" and no preview. Every page header is
// built from the copies, so it shows the declaration and agent of the lines
// on that page, whatever other windows do with the shared record buffers
// while the report waits for its next tick.
#pragma once

#include <string>
#include <string_view>

#include "data/agentes.h"
#include "data/ddjj.h"
#include "platform/print/report.h"

namespace vorda {
class RelationManager;
}

namespace vorda::reports {

class DeclarationReport {
public:
    struct Setup {
        std::string caption;        // of the progress window
        std::string procedureName;  // told to the error reporter
        std::string pdfName;        // first part of the PDF's name ("AnexoII")
        RelationManager* table = nullptr;
        int key = 0;         // the order the records are printed in
        int rangeField = 0;  // the table's AGENTE_PERIODO field
    };

    explicit DeclarationReport(Setup setup) : setup_(std::move(setup)) {}
    virtual ~DeclarationReport() = default;
    DeclarationReport(const DeclarationReport&) = delete;
    DeclarationReport& operator=(const DeclarationReport&) = delete;

    void Run();

    // "AnexoII_1-23.45.678_20050501.pdf" for the declaration in AGENTE_PERIODO.
    std::string pdfFileName() const;

protected:
    // Step 3: the record just read; the base loads the declaration and agent
    // of `key` (the record's 19-character AGENTE_PERIODO).
    virtual void refresh() = 0;
    virtual print::Band pageHeader() = 0;
    virtual bool hasFooter() const { return false; }
    virtual print::Band pageFooter() { return {}; }
    virtual void printRecord(print::Report& report) = 0;
    virtual void printClosing(print::Report&) {}

    // Fetches the declaration `key` and its agent into the copies, unless
    // they hold that declaration already. A missing one leaves blanks.
    void loadDeclaration(std::string_view key);
    // The copies of a declaration already in the DDJ buffer and of its agent.
    void takeDeclaration(const Ddjj& current);

    Ddjj declaration{};
    Agentes agent{};

private:
    void loadAgent();

    Setup setup_;
    std::string loadedKey_;
};

}  // namespace vorda::reports
