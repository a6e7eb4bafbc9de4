// ANEXO_I:FICHA: window, set-up and the switch to an insert for a first use.
#include "declarations/anexo_i_ficha.h"

#include <array>
#include <string>

#include "data/anexoi.h"
#include "data/dictionary.h"
#include "data/globals.h"
#include "declarations/formrows.h"
#include "declarations/recordform.h"
#include "framework/runprocedure.h"
#include "platform/ui/window.h"

namespace vorda {

namespace {

using Ctl = AnexoIFichaCtl;

constexpr std::array<const char*, 11> companies{
    "Cabal",         "Carta Franca", "Credencial", "Diners Club", "Mara", "Mastercard",
    "Patagonia 365", "Visa",         "Otras",      "Otras",       "Otras"};

Decimal& card(AnexoI& record, size_t i) {
    Decimal* cards[] = {&record.TARJETA_1, &record.TARJETA_2,  &record.TARJETA_3, &record.TARJETA_4,
                        &record.TARJETA_5, &record.TARJETA_6,  &record.TARJETA_7, &record.TARJETA_8,
                        &record.TARJETA_9, &record.TARJETA_10, &record.TARJETA_11};
    return *cards[i];
}

ui::ControlId promptOf(size_t i) {
    return static_cast<int>(Ctl::FirstCard) + static_cast<int>(2 * i);
}
ui::ControlId entryOf(size_t i) {
    return promptOf(i).value() + 1;
}

// The ditto memory: the Annex I record last stored through this form.
AnexoI historyA1{};

constexpr int EntryX = 80;
// The first row clears the tab above it.
constexpr int FirstY = 24;
constexpr int RowStep = 14;

std::vector<ui::ControlDesc> formControls() {
    std::vector<ui::ControlDesc> controls{
        {.number = Ctl::CurrentTab,
         .kind = ui::ControlKind::Sheet,
         .name = "?CurrentTab",
         .at = {.x = 4, .y = 4, .width = 204, .height = 182}},
        {.number = Ctl::Tab_AnexoI,
         .kind = ui::ControlKind::Tab,
         .text = "Anexo I",
         .parent = Ctl::CurrentTab},
    };
    static const std::array<std::string, 11> names = [] {
        std::array<std::string, 11> n;
        for (size_t i = 0; i < n.size(); ++i)
            n[i] = "A1:TARJETA_" + std::to_string(i + 1);
        return n;
    }();
    static const std::array<std::string, 11> controlNames = [] {
        std::array<std::string, 11> n;
        for (size_t i = 0; i < n.size(); ++i)
            n[i] = "?" + names[i];
        return n;
    }();
    static const std::array<std::string, 11> prompts = [] {
        std::array<std::string, 11> p;
        for (size_t i = 0; i < p.size(); ++i)
            p[i] = std::string(companies[i]) + ":";
        return p;
    }();
    for (size_t i = 0; i < companies.size(); ++i) {
        formrows::addPrompted(controls,
                              {.prompt = promptOf(i),
                               .control = entryOf(i),
                               .promptText = prompts[i].c_str(),
                               .name = controlNames[i].c_str(),
                               .field = names[i].c_str(),
                               .picture = "N20.2",
                               .msg = companies[i],
                               .tip = companies[i],
                               .at = {.x = EntryX,
                                      .y = FirstY + static_cast<int>(i) * RowStep,
                                      .width = 96,
                                      .height = 12},
                               .bind = ui::bindField(card(A1, i))},
                              12, Ctl::Tab_AnexoI);
    }
    formrows::addFormButtons(controls, {.ok = Ctl::OK, .cancel = Ctl::Cancel, .help = Ctl::Help},
                             34, 192);
    return controls;
}

class AnexoIFicha final : public RecordForm {
public:
    explicit AnexoIFicha(ui::Window& window)
        : RecordForm(window,
                     {.insert = "Datos de tarjetas de crédito",
                      .change = "Datos de tarjetas de crédito",
                      .remove = ""},
                     Ctl::Help) {}

    Level Init() override;
    void PrimeFields() override;

private:
    void registerHistory();
    void readStoredRecord();
};

Level AnexoIFicha::Init() {
    Level level = beginInit();
    if (level != Benign)
        return level;
    FirstField = promptOf(0);
    AddUpdateFile(*Access::ANEXOI);
    registerHistory();
    AddItem(Ctl::Cancel, ResponseCancelled);
    openTable(*Relate::ANEXOI);
    Primary = Relate::ANEXOI;
    OKControl = Ctl::OK;
    level = PrimeUpdate();
    if (level != Benign)
        return level;
    readStoredRecord();
    finishInit();
    return Benign;
}

void AnexoIFicha::registerHistory() {
    HistoryKey = ui::key::CtrlQuote;
    AddHistoryFile(*Access::ANEXOI, &historyA1);
    for (size_t i = 0; i < companies.size(); ++i)
        AddHistoryField(entryOf(i), A1_F::TARJETA_1 + static_cast<int>(i));
}

// The record of the declaration handed over in AGENTE_PERIODO; without one
// the form starts a new record of eleven zero amounts and will insert it.
// The image the form compares with when it closes is the record as shown
// now, so an untouched form closes without asking anything.
void AnexoIFicha::readStoredRecord() {
    A1.AGENTE_PERIODO = AGENTE_PERIODO;
    if (Access::ANEXOI->TryFetch(AnexoI::ANEXOI) != Benign) {
        A1.clear();
        A1.AGENTE_PERIODO = AGENTE_PERIODO;
        Request = RequestInsert;
    }
    Primary->Save();
    Access::ANEXOI->RestoreBuffer(Saved, BufferImage::Discard);
    Saved = Access::ANEXOI->SaveBuffer();
    window().display();
}

void AnexoIFicha::PrimeFields() {
    A1.NRO_AGENTE().setRaw(AGENTE_PERIODO.NRO_AGENTE().raw());
    A1.PERIODO().setRaw(AGENTE_PERIODO.PERIODO().raw());
    WindowManager::PrimeFields();
}

}  // namespace

const ui::WindowDesc& anexoIFichaDesc() {
    static const ui::WindowDesc desc{
        .caption = "Anexo I",
        .font = "Arial",
        .fontSize = 8,
        .at = {.x = 0, .y = 0, .width = 212, .height = 214},
        .flags = ui::window::MdiChild | ui::window::SystemMenu | ui::window::Resizable,
        .wallpaper = "pared.gif",
        .icon = "tarjeta credito.ico",
        .controls = formControls(),
    };
    return desc;
}

void ANEXO_I_FICHA() {
    RunProcedure<AnexoIFicha>("Anexo_I:Ficha", anexoIFichaDesc());
}

}  // namespace vorda
