// IMPRIMIR_DDJJ: the declaration form.
#include "reports/imprimir_ddjj.h"

#include <vector>

#include "data/ddjj.h"
#include "data/dictionary.h"
#include "reports/declarationreport.h"
#include "reports/reportbands.h"
#include "reports/reportformat.h"

namespace vorda {

namespace {

using reports::put;

constexpr int RowHeight = 210;
constexpr int LegalHeight = 175;
constexpr int AmountWidth = 1600;

// The agent's data in the boxed block: caption, field, characters printed.
struct AgentRow {
    const char* caption;
    std::string_view (*field)(const Agentes&);
    size_t width;
};

const AgentRow agentRows[] = {
    {"ENTIDAD:", [](const Agentes& a) { return a.DENOMINACION.raw(); }, 50},
    {"Nº DE C.U.I.T.:", [](const Agentes& a) { return a.NRO_CUIT.raw(); }, 13},
    {"DOMICILIO FISCAL:", [](const Agentes& a) { return a.DOMICILIO.raw(); }, 30},
    {"LOCALIDAD:", [](const Agentes& a) { return a.LOCALIDAD.raw(); }, 15},
    {"TELEFONO:", [](const Agentes& a) { return a.TELEFONO.raw(); }, 12},
    {"FAX:", [](const Agentes& a) { return a.FAX.raw(); }, 12},
    {"CORREO ELECTRONICO:", [](const Agentes& a) { return a.CORREO_ELECTRONICO.raw(); }, 30},
};

struct IncisoRow {
    Decimal Ddjj::*field;
    const char* caption;
};

const IncisoRow incisoRows[] = {
    {&Ddjj::INCISO_A, "a) Adelantos en Cta. Cte. y créditos en descubierto"},
    {&Ddjj::INCISO_B, "b) Créditos - Préstamos"},
    {&Ddjj::INCISO_C, "c) Pagarés, órdenes de pago"},
    {&Ddjj::INCISO_D, "d) Fianzas u otras obligaciones accesorias y prendas"},
    {&Ddjj::INCISO_E, "e) Giros y transferencias"},
    {&Ddjj::INCISO_F, "f) Documentos emitidos por la entidad declarante"},
    {&Ddjj::INCISO_G, "g) Documentos recibidos al cobro y librados contra la entidad declarante"},
    {&Ddjj::INCISO_H, "h) Tarjetas de crédito"},
    {&Ddjj::INCISO_I, "i) Operaciones de mutuo con garantía prendaria"},
    {&Ddjj::INCISO_J, "j) Mutuo con pagaré"},
    {&Ddjj::INCISO_K, "k) Mutuo con garantía prendaria y pagaré"},
    {&Ddjj::INCISO_L, "l) Depósitos que devengan interés, excepto caja de ahorro"},
    {&Ddjj::INCISO_M, "m) Otros (Inciso M)"},
    {&Ddjj::INCISO_N, "n) Otros (Inciso N)"},
};

// The closing band's texts, top to bottom, in groups separated by a gap.
const std::vector<std::vector<const char*>> legalGroups = {
    {"1) El inciso h) será informado por totales correspondientes a cada tarjeta en el Anexo I.",
     "2) Cada operación instrumentada que supere los PESOS CINCUENTA MIL ($50.000) "
     "correspondiente a los",
     "incisos b), c), d), e), f), g), i), j), k) y l) será informada en el Anexo II.",
     "3) Cuando las operaciones instrumentadas correspondientes a los incisos b), c), d), e), "
     "f), g), i), j), k) y l)",
     "correspondan a  operaciones o  contribuyentes  exentos del  Impuesto de Sellos serán "
     "informadas",
     "en el Anexo III, sin límite de monto."},
    {"Los Anexos I, II y III forman parte de la presente."},
    {"He depositado el____de__________________del 200__ en el Banco "
     "_________________________________",
     "Sucursal____________________________________ en la Cuenta \"RECAUDACION DE IMPUESTOS\" "
     "orden",
     "DIRECCION GENERAL DE TOLMAS DE LA PROVINCIA DEL VESPRA -- IMPUESTO DE SELLOS -- la suma",
     "de PESOS__________________________________________________________________________________",
     "___________________________________________________________________________________________"},
    {"El que suscribe Don___________________________________________________________en su "
     "carácter de",
     "___________________________________(Presidente, Gerente, etc.) de la entidad, manifiesta "
     "que los datos",
     "informados  son  correctos  y  responden a la  totalidad de las  operaciones  efectuadas "
     "por el  Agente de",
     "Retención que fueron suscriptos o tienen efecto en la Provincia del Vespra."},
};

class ImprimirDdjj final : public reports::DeclarationReport {
public:
    ImprimirDdjj()
        : DeclarationReport({.caption = "Imprimiendo Declaración Jurada",
                             .procedureName = "Imprimir_DDJJ",
                             .pdfName = "DDJJ",
                             .table = Relate::DDJJ,
                             .key = Ddjj::DDJJ,
                             .rangeField = DDJ_F::AGENTE_PERIODO}) {}

private:
    void refresh() override { takeDeclaration(DDJ); }
    print::Band pageHeader() override;
    void printRecord(print::Report& report) override;
    void printClosing(print::Report& report) override;

    print::Band agentBlock() const;
    print::Band headings() const;

    Decimal total_;
};

print::Band ImprimirDdjj::pageHeader() {
    print::Band b = reports::titleBand("IMPUESTO DE SELLOS");
    b.append(reports::agentBand(declaration))
        .append(reports::periodBand("DECLARACION JURADA PERIODO:", declaration))
        .append(agentBlock())
        .append(headings());
    return b;
}

print::Band ImprimirDdjj::agentBlock() const {
    constexpr int pad = 80;
    print::Band b{.height = int(std::size(agentRows)) * RowHeight + 2 * pad + 150};
    b.box({.x = reports::Left,
           .y = 0,
           .width = reports::Width,
           .height = b.height - 150,
           .thickness = reports::Thick});
    int y = pad;
    for (const AgentRow& r : agentRows) {
        put(b, reports::Left + 100, 0, r.caption, reports::CaptionFont, print::Align::Left, y,
            RowHeight);
        put(b, 3000, 0, reports::fieldText(r.field(agent), r.width), reports::ValueFont,
            print::Align::Left, y, RowHeight);
        y += RowHeight;
    }
    return b;
}

print::Band ImprimirDdjj::headings() const {
    print::Band b{.height = 330};
    put(b, reports::Left, 0, "DETERMINACION Y LIQUIDACION DEL IMPUESTO", reports::CaptionFont,
        print::Align::Left, 0, 250);
    put(b, reports::Right - 2500, 2500, "TOTAL DEL IMPUESTO", reports::CaptionFont,
        print::Align::Right, 0, 250);
    b.line({.x1 = reports::Left, .y1 = 270, .x2 = reports::Right, .y2 = 270, .thickness = 10});
    return b;
}

// Incisos a) to g) and h) to n) are summed apart, then together, exactly.
void ImprimirDdjj::printRecord(print::Report& report) {
    Decimal first;
    Decimal second;
    for (size_t i = 0; i < std::size(incisoRows); ++i)
        (i < 7 ? first : second) += declaration.*incisoRows[i].field;
    total_ = first + second;
    print::Band b{.height = int(std::size(incisoRows)) * RowHeight};
    int y = 0;
    for (const IncisoRow& r : incisoRows) {
        put(b, reports::Left, 0, r.caption, reports::ValueFont, print::Align::Left, y, RowHeight);
        put(b, reports::Right - AmountWidth, AmountWidth, reports::amountText(declaration.*r.field),
            reports::ValueFont, print::Align::Right, y, RowHeight);
        y += RowHeight;
    }
    report.print(b);
}

void ImprimirDdjj::printClosing(print::Report& report) {
    print::Band b{.height = 0};
    b.line({.x1 = reports::Right - AmountWidth - 100,
            .y1 = 30,
            .x2 = reports::Right,
            .y2 = 30,
            .thickness = 10});
    put(b, reports::Right - AmountWidth - 2600, 2500, "Total del Impuesto:", reports::CaptionFont,
        print::Align::Right, 60, 250);
    put(b, reports::Right - AmountWidth - 100, AmountWidth + 100, reports::amountText(total_),
        reports::CaptionFont, print::Align::Right, 60, 250);
    b.height = 420;
    for (const std::vector<const char*>& group : legalGroups) {
        for (const char* line : group) {
            put(b, reports::Left, 0, line, reports::LegalFont, print::Align::Left, b.height,
                LegalHeight);
            b.height += LegalHeight;
        }
        b.height += 110;
    }
    b.append(reports::signatureBand());
    report.printAtFoot(b);
}

}  // namespace

void IMPRIMIR_DDJJ() {
    ImprimirDdjj report;
    report.Run();
}

}  // namespace vorda
