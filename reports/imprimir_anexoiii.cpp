// IMPRIMIR_ANEXOIII: the exempt instruments of one declaration.
#include "data/anexoiii.h"
#include "data/dictionary.h"
#include "reports/annexlayout.h"
#include "reports/declarationreport.h"
#include "reports/imprimir_anexos.h"
#include "reports/reportbands.h"
#include "reports/reportformat.h"

namespace vorda {

namespace {

const reports::Column columns[] = {
    {"Tipo Documento", reports::Left, 1200, print::Align::Left},
    {"Fecha", 1700, 760, print::Align::Center},
    {"Parte Contratante", 2460, 2240, print::Align::Left},
    {"Valor", 4700, 1150, print::Align::Right},
    {"Ley/Decreto exención", 5850, reports::Right - 5850, print::Align::Left},
};

class ImprimirAnexoIII final : public reports::DeclarationReport {
public:
    ImprimirAnexoIII()
        : DeclarationReport({.caption = "Imprimiendo Anexo III",
                             .procedureName = "Imprimir_AnexoIII",
                             .pdfName = "AnexoIII",
                             .table = Relate::ANEXOIII,
                             .key = AnexoIII::ANEXOIII,
                             .rangeField = A3_F::AGENTE_PERIODO}) {}

private:
    void refresh() override { loadDeclaration(A3.AGENTE_PERIODO.raw()); }
    print::Band pageHeader() override {
        return reports::annexHeader({.title = "IMPUESTO DE SELLOS  --  ANEXO III",
                                     .periodCaption = "DECLARACION JURADA PERIODO:",
                                     .entityOnOneLine = true},
                                    declaration, agent, columns);
    }
    bool hasFooter() const override { return true; }
    print::Band pageFooter() override { return reports::signatureBand(); }
    void printRecord(print::Report& report) override {
        total_ += A3.VALOR;
        report.print(reports::rowBand(
            columns,
            {reports::fieldText(A3.DOCUMENTO.raw(), 15), reports::dateText(A3.FECHA_DOCUMENTO),
             reports::fieldText(A3.CONTRATANTE.raw(), 30), reports::amountText(A3.VALOR),
             reports::fieldText(A3.LEY_DECRETO.raw(), 30)}));
    }
    void printClosing(print::Report& report) override {
        report.print(reports::totalBand(columns, 3, "Total:", reports::amountText(total_)));
    }

    Decimal total_;
};

}  // namespace

void IMPRIMIR_ANEXOIII() {
    ImprimirAnexoIII report;
    report.Run();
}

}  // namespace vorda
