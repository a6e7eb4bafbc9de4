// IMPRIMIR_ANEXOII: the taxed instruments of one declaration.
#include "data/anexoii.h"
#include "data/dictionary.h"
#include "reports/annexlayout.h"
#include "reports/declarationreport.h"
#include "reports/imprimir_anexos.h"
#include "reports/reportbands.h"
#include "reports/reportformat.h"

namespace vorda {

namespace {

const reports::Column columns[] = {
    {"Tipo Documento", reports::Left, 1250, print::Align::Left},
    {"Inciso", 1750, 450, print::Align::Center},
    {"Fecha", 2200, 800, print::Align::Center},
    {"Parte Contratante", 3000, 2300, print::Align::Left},
    {"Valor", 5300, 1200, print::Align::Right},
    {"Impuesto", 6500, reports::Right - 6500, print::Align::Right},
};

class ImprimirAnexoII final : public reports::DeclarationReport {
public:
    ImprimirAnexoII()
        : DeclarationReport({.caption = "Imprimiendo Anexo II",
                             .procedureName = "Imprimir_AnexoII",
                             .pdfName = "AnexoII",
                             .table = Relate::ANEXOII,
                             .key = AnexoII::ANEXOII,
                             .rangeField = A2_F::AGENTE_PERIODO}) {}

private:
    void refresh() override { loadDeclaration(A2.AGENTE_PERIODO.raw()); }
    print::Band pageHeader() override {
        return reports::annexHeader({.title = "IMPUESTO DE SELLOS  --  ANEXO II",
                                     .periodCaption = "PERIODO:",
                                     .entityOnOneLine = true},
                                    declaration, agent, columns);
    }
    bool hasFooter() const override { return true; }
    print::Band pageFooter() override { return reports::signatureBand(); }
    void printRecord(print::Report& report) override {
        total_ += A2.IMPUESTO;
        report.print(reports::rowBand(
            columns,
            {reports::fieldText(A2.DOCUMENTO.raw(), 15), reports::fieldText(A2.INCISO.raw(), 1),
             reports::dateText(A2.FECHA_DOCUMENTO), reports::fieldText(A2.CONTRATANTE.raw(), 30),
             reports::amountText(A2.VALOR), reports::amountText(A2.IMPUESTO)}));
    }
    void printClosing(print::Report& report) override {
        report.print(reports::totalBand(columns, 5, "Total:", reports::amountText(total_)));
    }

    Decimal total_;
};

}  // namespace

void IMPRIMIR_ANEXOII() {
    ImprimirAnexoII report;
    report.Run();
}

}  // namespace vorda
