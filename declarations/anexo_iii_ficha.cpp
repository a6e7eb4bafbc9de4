// ANEXO_III:FICHA: window, set-up and the CUIT check.
#include "declarations/anexo_iii_ficha.h"

#include "data/anexoiii.h"
#include "data/dictionary.h"
#include "data/validar_cuit.h"
#include "declarations/formrows.h"
#include "declarations/recordform.h"
#include "framework/filemanager.h"
#include "framework/runprocedure.h"
#include "platform/ui/window.h"

namespace vorda {

namespace {

using Ctl = AnexoIIIFichaCtl;

constexpr int PromptX = 12;
constexpr int ControlX = 108;
constexpr int FirstY = 24;  // clears the tab above the first row
constexpr int RowStep = 16;

std::vector<formrows::PromptedControl> entryRows() {
    const auto at = [](int row, int width) {
        return ui::Rect{.x = ControlX, .y = FirstY + row * RowStep, .width = width, .height = 12};
    };
    return {
        {.prompt = Ctl::A3_DOCUMENTO_Prompt,
         .control = Ctl::A3_DOCUMENTO,
         .promptText = "Documento:",
         .name = "?A3:DOCUMENTO",
         .field = "A3:DOCUMENTO",
         .picture = "@s15",
         .msg = "Tipo de instrumento",
         .tip = "Tipo de instrumento",
         .at = at(0, 76),
         .bind = ui::bindField(A3.DOCUMENTO)},
        {.prompt = Ctl::A3_FECHA_DOCUMENTO_Prompt,
         .control = Ctl::A3_FECHA_DOCUMENTO,
         .promptText = "Fecha del Documento:",
         .name = "?A3:FECHA_DOCUMENTO",
         .field = "A3:FECHA_DOCUMENTO",
         .picture = "d6",
         .msg = "Fecha del Documento",
         .tip = "Fecha del Documento",
         .at = at(1, 52),
         .bind = ui::bindField(A3.FECHA_DOCUMENTO)},
        {.prompt = Ctl::A3_CONTRATANTE_Prompt,
         .control = Ctl::A3_CONTRATANTE,
         .promptText = "Parte contratante:",
         .name = "?A3:CONTRATANTE",
         .field = "A3:CONTRATANTE",
         .picture = "@s30",
         .msg = "Parte contratante",
         .tip = "Parte contratante",
         .at = at(2, 150),
         .bind = ui::bindField(A3.CONTRATANTE)},
        {.prompt = Ctl::A3_NRO_CUIT_Prompt,
         .control = Ctl::A3_NRO_CUIT,
         .promptText = "Nº de C.U.I.T.:",
         .name = "?A3:NRO_CUIT",
         .field = "A3:NRO_CUIT",
         .picture = "P##-########-#PB",
         .msg = "Nº de C.U.I.T.",
         .tip = "##-########-#",
         .at = at(3, 62),
         .bind = ui::bindField(A3.NRO_CUIT)},
        {.prompt = Ctl::A3_NRO_ORDEN_Prompt,
         .control = Ctl::A3_NRO_ORDEN,
         .promptText = "Nº de Orden:",
         .name = "?A3:NRO_ORDEN",
         .field = "A3:NRO_ORDEN",
         .picture = "n_9B",
         .msg = "Nº de Orden",
         .tip = "Nº de Orden",
         .at = at(4, 46),
         .bind = ui::bindField(A3.NRO_ORDEN)},
        {.prompt = Ctl::A3_VALOR_Prompt,
         .control = Ctl::A3_VALOR,
         .promptText = "Valor:",
         .name = "?A3:VALOR",
         .field = "A3:VALOR",
         .picture = "N20.2",
         .msg = "Importe de la operación",
         .tip = "Importe de la operación",
         .at = at(5, 90),
         .bind = ui::bindField(A3.VALOR)},
        {.prompt = Ctl::A3_FECHA_REGISTRO_Prompt,
         .control = Ctl::A3_FECHA_REGISTRO,
         .promptText = "Fecha de registro:",
         .name = "?A3:FECHA_REGISTRO",
         .field = "A3:FECHA_REGISTRO",
         .picture = "d6",
         .msg = "Fecha de registro",
         .tip = "Fecha de registro",
         .at = at(6, 52),
         .bind = ui::bindField(A3.FECHA_REGISTRO)},
        {.prompt = Ctl::A3_LEY_DECRETO_Prompt,
         .control = Ctl::A3_LEY_DECRETO,
         .promptText = "Ley / Decreto de exención:",
         .name = "?A3:LEY_DECRETO",
         .field = "A3:LEY_DECRETO",
         .picture = "@s30",
         .msg = "Ley / Decreto de excención",
         .tip = "Ley / Decreto de excención",
         .at = at(7, 150),
         .bind = ui::bindField(A3.LEY_DECRETO)},
    };
}

constexpr int SheetHeight = FirstY + 8 * RowStep + 4;

std::vector<ui::ControlDesc> formControls() {
    std::vector<ui::ControlDesc> controls{
        {.number = Ctl::CurrentTab,
         .kind = ui::ControlKind::Sheet,
         .name = "?CurrentTab",
         .at = {.x = 4, .y = 4, .width = 272, .height = SheetHeight}},
        {.number = Ctl::Tab_AnexoIII,
         .kind = ui::ControlKind::Tab,
         .text = "Anexo III",
         .parent = Ctl::CurrentTab},
    };
    for (const formrows::PromptedControl& row : entryRows())
        formrows::addPrompted(controls, row, PromptX, Ctl::Tab_AnexoIII);
    formrows::addFormButtons(controls, {.ok = Ctl::OK, .cancel = Ctl::Cancel, .help = Ctl::Help},
                             110, SheetHeight + 10);
    return controls;
}

// The ditto memory: the Annex III line last stored through this form.
AnexoIII historyA3{};

class AnexoIIIFicha final : public RecordForm {
public:
    explicit AnexoIIIFicha(ui::Window& window)
        : RecordForm(window,
                     {.insert = "Agregando un Comprobante al Anexo III",
                      .change = "Modificando Comprobante del Anexo III",
                      .remove = "Borrando Comprobante del Anexo III"},
                     Ctl::Help) {}

    Level Init() override;
    Level TakeAccepted() override;

private:
    void registerHistory();
};

Level AnexoIIIFicha::Init() {
    Level level = beginInit();
    if (level != Benign)
        return level;
    FirstField = Ctl::A3_DOCUMENTO_Prompt;
    AddUpdateFile(*Access::ANEXOIII);
    registerHistory();
    AddItem(Ctl::Cancel, ResponseCancelled);
    openTable(*Relate::ANEXOIII);
    // The calling form's declaration record is given back when this form
    // closes the table, whatever the line's rule reads into it meanwhile.
    Access::DDJJ->UseFile(UsageLevel::Ordinary);
    Primary = Relate::ANEXOIII;
    DeleteAction = DeleteMode::ShowForm;
    OKControl = Ctl::OK;
    level = PrimeUpdate();
    if (level != Benign)
        return level;
    finishInit();
    return Benign;
}

void AnexoIIIFicha::registerHistory() {
    HistoryKey = ui::key::CtrlQuote;
    AddHistoryFile(*Access::ANEXOIII, &historyA3);
    int field = A3_F::DOCUMENTO;
    for (const formrows::PromptedControl& row : entryRows())
        AddHistoryField(row.control, field++);
}

Level AnexoIIIFicha::TakeAccepted() {
    const Level level = RecordForm::TakeAccepted();
    if (level != Benign || CurrentEvent().control != Ctl::A3_NRO_CUIT)
        return level;
    return VALIDAR_CUIT(A3.NRO_CUIT.raw()) != 0 ? Benign : refuse(Ctl::A3_NRO_CUIT);
}

}  // namespace

const ui::WindowDesc& anexoIIIFichaDesc() {
    static const ui::WindowDesc desc{
        .caption = "Anexo III",
        .font = "Arial",
        .fontSize = 8,
        .at = {.x = 0, .y = 0, .width = 280, .height = SheetHeight + 32},
        .flags = ui::window::MdiChild | ui::window::SystemMenu | ui::window::Resizable,
        .wallpaper = "pared.gif",
        .icon = "clip.ico",
        .controls = formControls(),
    };
    return desc;
}

void ANEXO_III_FICHA() {
    RunProcedure<AnexoIIIFicha>("Anexo_III:Ficha", anexoIIIFichaDesc());
}

}  // namespace vorda
