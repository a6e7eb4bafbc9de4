// IMPRIMIR_ANEXOI: the credit-card totals of one declaration.
#include "data/anexoi.h"
#include "data/dictionary.h"
#include "reports/annexlayout.h"
#include "reports/declarationreport.h"
#include "reports/imprimir_anexos.h"
#include "reports/reportbands.h"
#include "reports/reportformat.h"

namespace vorda {

namespace {

const reports::Column columns[] = {
    {"DETALLE DE TARJETAS", reports::Left, 5200, print::Align::Left},
    {"IMPORTE", reports::Left + 5200, reports::Width - 5200, print::Align::Right},
};

struct CardRow {
    Decimal AnexoI::*field;
    const char* caption;
};

const CardRow cardRows[] = {
    {&AnexoI::TARJETA_1, "Cabal"},
    {&AnexoI::TARJETA_2, "Carta Franca"},
    {&AnexoI::TARJETA_3, "Credencial"},
    {&AnexoI::TARJETA_4, "Diners Club"},
    {&AnexoI::TARJETA_5, "Mara"},
    {&AnexoI::TARJETA_6, "Mastercard"},
    {&AnexoI::TARJETA_7, "Patagonia 365"},
    {&AnexoI::TARJETA_8, "Visa"},
    {&AnexoI::TARJETA_9, "Otras tarjetas (1)"},
    {&AnexoI::TARJETA_10, "Otras tarjetas (2)"},
    {&AnexoI::TARJETA_11, "Otras tarjetas (3)"},
};

class ImprimirAnexoI final : public reports::DeclarationReport {
public:
    ImprimirAnexoI()
        : DeclarationReport({.caption = "Imprimiendo Anexo I",
                             .procedureName = "Imprimir_AnexoI",
                             .pdfName = "AnexoI",
                             .table = Relate::ANEXOI,
                             .key = AnexoI::ANEXOI,
                             .rangeField = A1_F::AGENTE_PERIODO}) {}

private:
    void refresh() override { loadDeclaration(A1.AGENTE_PERIODO.raw()); }
    print::Band pageHeader() override {
        return reports::annexHeader({.title = "IMPUESTO DE SELLOS  --  ANEXO I",
                                     .periodCaption = "DECLARACION JURADA PERIODO:",
                                     .entityOnOneLine = false},
                                    declaration, agent, columns);
    }
    bool hasFooter() const override { return true; }
    print::Band pageFooter() override { return reports::signatureBand(); }
    void printRecord(print::Report& report) override;
    void printClosing(print::Report& report) override {
        report.print(
            reports::totalBand(columns, 1, "Total de tarjetas:", reports::amountText(total_)));
    }

    Decimal total_;
};

// The total is the sum of cards 1 to 6 plus the sum of cards 7 to 11.
void ImprimirAnexoI::printRecord(print::Report& report) {
    Decimal first;
    Decimal second;
    for (size_t i = 0; i < std::size(cardRows); ++i) {
        const Decimal amount = A1.*cardRows[i].field;
        (i < 6 ? first : second) += amount;
        report.print(reports::rowBand(columns, {cardRows[i].caption, reports::amountText(amount)}));
    }
    total_ += first + second;
}

}  // namespace

void IMPRIMIR_ANEXOI() {
    ImprimirAnexoI report;
    report.Run();
}

}  // namespace vorda
