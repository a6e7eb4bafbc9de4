// DDJJ:FICHA: set-up by request, refresh, the accepted-field rules, Annex I
// and the two inner lists.
#include "declarations/ddjj_ficha.h"

#include <charconv>
#include <string>

#include "agents/agentes_elegir.h"
#include "data/agentes.h"
#include "data/anexoi.h"
#include "data/anexoii.h"
#include "data/anexoiii.h"
#include "data/ddjj.h"
#include "data/dictionary.h"
#include "data/globals.h"
#include "declarations/anexo_i_ficha.h"
#include "declarations/anexo_ii_ficha.h"
#include "declarations/anexo_iii_ficha.h"
#include "declarations/annexlist.h"
#include "declarations/recordform.h"
#include "framework/requestglobals.h"
#include "framework/runprocedure.h"
#include "platform/ui/messagebox.h"
#include "platform/ui/window.h"

namespace vorda {

namespace {

using Ctl = DdjjFichaCtl;

// The ditto memory: the declaration last stored through this form.
Ddjj historyDDJ{};

// Update procedures of the form: the agent selection and the two annex forms.
enum Procedure : uint16_t { SelectAgent = 1, AnexoIIForm = 2, AnexoIIIForm = 3 };

// The number a text reads as: its leading blanks skipped, then an optional
// sign and digits; 0 when it starts with anything else.
long readsAs(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    long value = 0;
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

bool hasDigit(std::string_view text) {
    return text.find_first_of("0123456789") != std::string_view::npos;
}

// Message boxes of the program's own: no caption, one "Cerrar" button.
void tell(const char* text) {
    ui::message({.text = text,
                 .caption = "",
                 .icon = ui::Icon::Information,
                 .buttons = ui::ButtonOk,
                 .defaultButton = ui::ButtonOk,
                 .okLabel = "Cerrar"});
}

class DdjjFicha final : public RecordForm {
public:
    explicit DdjjFicha(ui::Window& window)
        : RecordForm(window,
                     {.insert = "Agregando Declaración Jurada",
                      .change = "Modificando Declaración Jurada",
                      .remove = "Borrando Declaración Jurada"},
                     Ctl::Help),
          annexII_(AnnexList::Setup{.list = Ctl::List,
                                    .insert = Ctl::Insert,
                                    .change = Ctl::Change,
                                    .remove = Ctl::Delete,
                                    .relate = &Relate::ANEXOII,
                                    .key = AnexoII::ANEXOII,
                                    .procedure = AnexoIIForm}),
          annexIII_(AnnexList::Setup{.list = Ctl::List2,
                                     .insert = Ctl::Insert2,
                                     .change = Ctl::Change2,
                                     .remove = Ctl::Delete2,
                                     .relate = &Relate::ANEXOIII,
                                     .key = AnexoIII::ANEXOIII,
                                     .procedure = AnexoIIIForm}) {}

    Level Init() override;
    Level Kill() override;
    void PrimeFields() override;
    void Reset(Refill refill = Refill::IfChanged) override;
    uint8_t Run(uint16_t number, uint8_t request) override;
    using WindowManager::Run;
    Level TakeAccepted() override;

private:
    void registerHistory();
    void setUpByRequest();
    void showPresentation();
    Level acceptAgent();
    Level acceptMonth();
    Level acceptYear();
    Level acceptPresentation();
    void openAnnexI();

    std::string detalle_;  // DETALLEPRESENTACION
    AnnexList annexII_;
    AnnexList annexIII_;
};

Level DdjjFicha::Init() {
    Level level = beginInit();
    if (level != Benign)
        return level;
    FirstField = Ctl::DDJ_NRO_AGENTE_Prompt;
    AddUpdateFile(*Access::DDJJ);
    registerHistory();
    AddItem(Ctl::Cancel, ResponseCancelled);
    openTable(*Relate::DDJJ);
    openTable(*Relate::AGENTES);
    Primary = Relate::DDJJ;
    DeleteAction = DeleteMode::ShowForm;
    OKControl = Ctl::OK;
    level = PrimeUpdate();
    if (level != Benign)
        return level;
    window().bind(Ctl::DETALLEPRESENTACION, ui::bindField(detalle_));
    annexII_.Init(*this, {ui::bindField(A2.DOCUMENTO), ui::bindField(A2.FECHA_DOCUMENTO),
                          ui::bindField(A2.CONTRATANTE), ui::bindField(A2.VALOR),
                          ui::bindField(A2.IMPUESTO)});
    annexIII_.Init(*this, {ui::bindField(A3.DOCUMENTO), ui::bindField(A3.FECHA_DOCUMENTO),
                           ui::bindField(A3.CONTRATANTE), ui::bindField(A3.VALOR),
                           ui::bindField(A3.LEY_DECRETO)});
    finishInit();
    annexII_.Attach(toolbar(), Ctl::Help);
    annexIII_.Attach(toolbar(), Ctl::Help);
    setUpByRequest();
    SetAlerts();
    return Benign;
}

void DdjjFicha::registerHistory() {
    HistoryKey = ui::key::CtrlQuote;
    AddHistoryFile(*Access::DDJJ, &historyDDJ);
    AddHistoryField(Ctl::DDJ_NRO_AGENTE, DDJ_F::NRO_AGENTE);
    AddHistoryField(Ctl::DDJ_MES, DDJ_F::MES);
    AddHistoryField(Ctl::DDJ_AÑO, DDJ_F::AÑO);
    AddHistoryField(Ctl::DDJ_PRESENTACION, DDJ_F::PRESENTACION);
    for (char letter = 'A'; letter <= 'N'; ++letter)
        AddHistoryField(incisoEntry(letter), DDJ_F::INCISO_A + (letter - 'A'));
}

// A new declaration gets its annexes once it is stored; a stored one keeps
// its key here.
void DdjjFicha::setUpByRequest() {
    ui::Window& w = window();
    if (Request == RequestInsert) {
        w.disable(Ctl::AnexoI);
        w.disable(Ctl::Tab_AnexoII);
        w.disable(Ctl::Tab_AnexoIII);
    } else {
        for (Ctl c : {Ctl::DDJ_NRO_AGENTE, Ctl::DDJ_AÑO, Ctl::DDJ_MES, Ctl::DDJ_PRESENTACION})
            w.disable(c);
    }
    showPresentation();
}

void DdjjFicha::showPresentation() {
    detalle_ = DDJ.PRESENTACION().raw() == "00" ? "Original" : "Rectificativa";
    window().display();
}

// A new declaration starts from a cleared record, whatever the buffer held,
// as an original one ("00"). Primed before the form takes the image it
// compares with on closing, so an untouched new form closes without asking.
void DdjjFicha::PrimeFields() {
    RecordForm::PrimeFields();
    Access::DDJJ->PrimeRecord();
    DDJ.PRESENTACION().set("00");
}

Level DdjjFicha::Kill() {
    annexII_.Kill();
    annexIII_.Kill();
    return RecordForm::Kill();
}

// The agent's name and the declaration's Annex I record are read afresh on
// every refresh outside the save's select-all pass.
void DdjjFicha::Reset(Refill refill) {
    if (refill == Refill::Always)
        ForcedReset = 1;
    if (window().inSelectAll())
        return;
    A1.AGENTE_PERIODO = DDJ.AGENTE_PERIODO;
    Access::ANEXOI->Fetch(AnexoI::ANEXOI);
    AGE.NRO_AGENTE.setRaw(DDJ.NRO_AGENTE().raw());
    Access::AGENTES->Fetch(Agentes::AGE_NRO);
    RecordForm::Reset();
}

uint8_t DdjjFicha::Run(uint16_t number, uint8_t request) {
    GlobalRequest = request;
    switch (number) {
        case SelectAgent:
            AGENTES_ELEGIR();
            break;
        case AnexoIIForm:
            ANEXO_II_FICHA();
            break;
        case AnexoIIIForm:
            ANEXO_III_FICHA();
            break;
        default:
            return ResponseCancelled;
    }
    return GlobalResponse;
}

Level DdjjFicha::TakeAccepted() {
    const Level level = RecordForm::TakeAccepted();
    if (level != Benign)
        return level;
    switch (static_cast<Ctl>(CurrentEvent().control.value())) {
        case Ctl::DDJ_NRO_AGENTE:
            return acceptAgent();
        case Ctl::DDJ_MES:
            return acceptMonth();
        case Ctl::DDJ_AÑO:
            return acceptYear();
        case Ctl::DDJ_PRESENTACION:
            return acceptPresentation();
        case Ctl::AnexoI:
            openAnnexI();
            return Benign;
        default:
            return Benign;
    }
}

// An agent number not in the register lets the user choose the agent; a
// number that still has no agent (deleted meanwhile) is refused by the
// table's rule (message 14).
Level DdjjFicha::acceptAgent() {
    AGE.NRO_AGENTE.setRaw(DDJ.NRO_AGENTE().raw());
    if (Access::AGENTES->TryFetch(Agentes::AGE_NRO) != Benign) {
        if (Run(SelectAgent, RequestSelect) != ResponseCompleted)
            return refuse(Ctl::DDJ_NRO_AGENTE);
        DDJ.NRO_AGENTE().setRaw(AGE.NRO_AGENTE.raw());
    }
    Reset();
    if (Access::DDJJ->ValidateField(DDJ_F::NRO_AGENTE) != Benign) {
        window().stopSelectAll();
        return refuse(Ctl::DDJ_NRO_AGENTE);
    }
    return Benign;
}

Level DdjjFicha::acceptMonth() {
    const std::string month(DDJ.MES().raw());
    if (readsAs(month) < 10 && month.front() != '0') {
        DDJ.MES().setRaw(std::string("0") + month.front());
        window().display(Ctl::DDJ_MES);
    }
    return Benign;
}

// Two digits or fewer stand for a year of this century; a year without
// digits is refused like one before 2000.
Level DdjjFicha::acceptYear() {
    const std::string_view typed = DDJ.AÑO().raw();
    long year = readsAs(typed);
    if (hasDigit(typed) && year < 100) {
        year += 2000;
        DDJ.AÑO().setRaw(std::to_string(year));
        window().display(Ctl::DDJ_AÑO);
    }
    if (!hasDigit(typed) || year < 2000) {
        tell("EL AÑO NO PUEDE SER MENOR QUE 2000");
        return refuse(Ctl::DDJ_AÑO);
    }
    return Benign;
}

// The presentation is kept with two digits, as the key compares it: a
// typed "1" is the rectifying declaration "01".
Level DdjjFicha::acceptPresentation() {
    const std::string typed(DDJ.PRESENTACION().raw());
    if (readsAs(typed) < 0)
        return refuse(Ctl::DDJ_PRESENTACION);
    if (typed[1] == ' ' && typed[0] != ' ')
        DDJ.PRESENTACION().setRaw(std::string("0") + typed[0]);
    showPresentation();
    return Benign;
}

// Annex I edits (or creates) the record of this declaration; inciso H then
// becomes the sum of its card totals, read back from the table whatever the
// Annex I form's outcome.
void DdjjFicha::openAnnexI() {
    Update();
    AGENTE_PERIODO.NRO_AGENTE().setRaw(DDJ.NRO_AGENTE().raw());
    AGENTE_PERIODO.PERIODO().setRaw(std::string(DDJ.AÑO().raw()) + std::string(DDJ.MES().raw()) +
                                    std::string(DDJ.PRESENTACION().raw()));
    GlobalRequest = RequestChange;
    ANEXO_I_FICHA();
    A1.AGENTE_PERIODO = AGENTE_PERIODO;
    if (Access::ANEXOI->TryFetch(AnexoI::ANEXOI) != Benign)
        return;
    DDJ.INCISO_H = A1.TARJETA_1 + A1.TARJETA_2 + A1.TARJETA_3 + A1.TARJETA_4 + A1.TARJETA_5 +
                   A1.TARJETA_6 + A1.TARJETA_7 + A1.TARJETA_8 + A1.TARJETA_9 + A1.TARJETA_10 +
                   A1.TARJETA_11;
    window().display(incisoEntry('H'));
}

}  // namespace

void DDJJ_FICHA() {
    RunProcedure<DdjjFicha>("Ddjj:Ficha", ddjjFichaDesc());
}

}  // namespace vorda
