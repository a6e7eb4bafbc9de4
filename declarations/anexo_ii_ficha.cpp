// ANEXO_II:FICHA: set-up, the rate and the tax, and the accepted-field rules.
#include "declarations/anexo_ii_ficha.h"

#include <string_view>

#include "data/anexoii.h"
#include "data/dictionary.h"
#include "data/validar_cuit.h"
#include "declarations/get_alicuota.h"
#include "declarations/recordform.h"
#include "framework/filemanager.h"
#include "framework/runprocedure.h"
#include "platform/ui/messagebox.h"
#include "platform/ui/window.h"

namespace vorda {

namespace {

using Ctl = AnexoIIFichaCtl;

// Fallbacks when no rate is in force for the document's date.
constexpr Decimal FallbackRate1 = Decimal::fromHundredths(1020);  // inciso "l"
constexpr Decimal FallbackRate2 = Decimal::fromInteger(1);        // "b" .. "k"
constexpr Decimal FallbackModule = Decimal::fromInteger(20800);   // any other
constexpr Decimal MinimumValue = Decimal::fromInteger(50000);

constexpr std::string_view Rate2Incisos = "kjigfdcb";

// The ditto memory: the Annex II line last stored through this form.
AnexoII historyA2{};

class AnexoIIFicha final : public RecordForm {
public:
    explicit AnexoIIFicha(ui::Window& window)
        : RecordForm(window,
                     {.insert = "Agregando un Comprobante al Anexo II",
                      .change = "Modificando Comprobante del  Anexo II",
                      .remove = "Borrando Comprobante del Anexo II"},
                     Ctl::Help) {}

    Level Init() override;
    Level TakeSelected() override;
    Level TakeAccepted() override;

private:
    void registerHistory();
    void lookUpRate();
    void computeTax();
    Level checkCuit();
    Level checkValue();
    Level checkRate();
};

Level AnexoIIFicha::Init() {
    Level level = beginInit();
    if (level != Benign)
        return level;
    FirstField = Ctl::A2_INCISO_Prompt;
    AddUpdateFile(*Access::ANEXOII);
    registerHistory();
    AddItem(Ctl::Cancel, ResponseCancelled);
    openTable(*Relate::ANEXOII);
    // The calling form's declaration record is given back when this form
    // closes the table, whatever the line's rules read into it meanwhile.
    Access::DDJJ->UseFile(UsageLevel::Ordinary);
    Primary = Relate::ANEXOII;
    DeleteAction = DeleteMode::ShowForm;
    OKControl = Ctl::OK;
    level = PrimeUpdate();
    if (level != Benign)
        return level;
    finishInit();
    return Benign;
}

void AnexoIIFicha::registerHistory() {
    HistoryKey = ui::key::CtrlQuote;
    AddHistoryFile(*Access::ANEXOII, &historyA2);
    const Ctl fields[] = {Ctl::A2_DOCUMENTO,     Ctl::A2_INCISO,   Ctl::A2_FECHA_DOCUMENTO,
                          Ctl::A2_CONTRATANTE,   Ctl::A2_CUIT,     Ctl::A2_NRO_ORDEN,
                          Ctl::A2_VALOR,         Ctl::A2_ALICUOTA, Ctl::A2_IMPUESTO,
                          Ctl::A2_FECHA_REGISTRO};
    int field = A2_F::DOCUMENTO;
    for (Ctl c : fields)
        AddHistoryField(c, field++);
}

Level AnexoIIFicha::TakeSelected() {
    const Level level = RecordForm::TakeSelected();
    if (level != Benign)
        return level;
    const ui::ControlId control = CurrentEvent().control;
    if (control == Ctl::A2_ALICUOTA)
        lookUpRate();
    else if (control == Ctl::A2_IMPUESTO)
        computeTax();
    return Benign;
}

// Every time the focus enters the rate: the rate in force on the document's
// date for the inciso, or, for an inciso without a rate, the module amount
// as the tax itself and a rate of 0.
void AnexoIIFicha::lookUpRate() {
    const Date date = A2.FECHA_DOCUMENTO;
    const char inciso = A2.INCISO.raw().front();
    if (inciso == 'l') {
        if (GET_ALICUOTA(date, A2.ALICUOTA, 1) == 0)
            A2.ALICUOTA = FallbackRate1;
    } else if (inciso != ' ' && Rate2Incisos.find(inciso) != std::string_view::npos) {
        if (GET_ALICUOTA(date, A2.ALICUOTA, 2) == 0)
            A2.ALICUOTA = FallbackRate2;
    } else {
        if (GET_ALICUOTA(date, A2.IMPUESTO, 3) == 0)
            A2.IMPUESTO = FallbackModule;
        A2.ALICUOTA = Decimal{};
    }
    window().display();
}

// A line without a rate keeps the tax it has (the module amount).
void AnexoIIFicha::computeTax() {
    if (A2.ALICUOTA.isZero())
        return;
    A2.IMPUESTO = A2.VALOR.percentOf(A2.ALICUOTA);
    window().display();
}

Level AnexoIIFicha::TakeAccepted() {
    const Level level = RecordForm::TakeAccepted();
    if (level != Benign)
        return level;
    switch (static_cast<Ctl>(CurrentEvent().control.value())) {
        case Ctl::A2_CUIT:
            return checkCuit();
        case Ctl::A2_VALOR:
            return checkValue();
        case Ctl::A2_ALICUOTA:
            return checkRate();
        default:
            return Benign;
    }
}

Level AnexoIIFicha::checkCuit() {
    return VALIDAR_CUIT(A2.CUIT.raw()) != 0 ? Benign : refuse(Ctl::A2_CUIT);
}

Level AnexoIIFicha::checkValue() {
    if (!(A2.VALOR < MinimumValue))
        return Benign;
    ui::message({.text = "El valor del documento debe ser superior a $50000",
                 .caption = "",
                 .icon = ui::Icon::Information,
                 .buttons = ui::ButtonOk,
                 .defaultButton = ui::ButtonOk,
                 .okLabel = "Cerrar"});
    return refuse(Ctl::A2_VALOR);
}

// The table's own rule: the rate is not negative (message 18).
Level AnexoIIFicha::checkRate() {
    if (Access::ANEXOII->ValidateField(A2_F::ALICUOTA) == Benign)
        return Benign;
    window().stopSelectAll();
    return refuse(Ctl::A2_ALICUOTA);
}

}  // namespace

void ANEXO_II_FICHA() {
    RunProcedure<AnexoIIFicha>("Anexo_II:Ficha", anexoIIFichaDesc());
}

}  // namespace vorda
