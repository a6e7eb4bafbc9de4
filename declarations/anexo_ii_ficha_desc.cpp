// ANEXO_II:FICHA: the window.
#include "data/anexoii.h"
#include "declarations/anexo_ii_ficha.h"
#include "declarations/formrows.h"

namespace vorda {

namespace {

using Ctl = AnexoIIFichaCtl;
using ui::ControlDesc;
using ui::ControlKind;

// Two columns: the document and its inciso on the left, the document's date,
// the contracting party, its CUIT and the order number on the right; the
// amounts below, with the registration date beside the tax. The tab order is
// the table's: top left, then right, then the amounts.
constexpr int PromptX = 12;
constexpr int ControlX = 84;
constexpr int RightPromptX = 180;
constexpr int RightX = 270;
constexpr int RowStep = 16;
constexpr int FirstY = 24;  // clears the tab above the first row

// The radios of the inciso in tab order; "b" to "f" in the left column, "g"
// to "l" in the right one. Incisos a, h, m and n have no Annex II lines.
struct RadioRow {
    Ctl number;
    const char* letter;
};
constexpr RadioRow radios[] = {
    {Ctl::Radio_b, "b"}, {Ctl::Radio_g, "g"}, {Ctl::Radio_c, "c"}, {Ctl::Radio_i, "i"},
    {Ctl::Radio_d, "d"}, {Ctl::Radio_j, "j"}, {Ctl::Radio_e, "e"}, {Ctl::Radio_k, "k"},
    {Ctl::Radio_f, "f"}, {Ctl::Radio_l, "l"},
};

constexpr int OptionY = FirstY + RowStep;
constexpr int OptionHeight = 66;
constexpr int RadioStep = 10;

void addInciso(std::vector<ControlDesc>& controls) {
    controls.push_back({.number = Ctl::A2_INCISO_Prompt,
                        .kind = ControlKind::Prompt,
                        .text = "Inciso:",
                        .at = {.x = PromptX, .y = OptionY + 4, .width = 60, .height = 10},
                        .parent = Ctl::Tab_AnexoII});
    controls.push_back({.number = Ctl::A2_INCISO,
                        .kind = ControlKind::Option,
                        .name = "?A2:INCISO",
                        .text = "Inciso",
                        .field = "A2:INCISO",
                        .at = {.x = ControlX, .y = OptionY, .width = 80, .height = OptionHeight},
                        .parent = Ctl::Tab_AnexoII,
                        .bind = ui::bindField(A2.INCISO)});
    for (size_t i = 0; i < std::size(radios); ++i) {
        const int column = static_cast<int>(i % 2);
        const int row = static_cast<int>(i / 2);
        controls.push_back({.number = radios[i].number,
                            .kind = ControlKind::Radio,
                            .text = radios[i].letter,
                            .at = {.x = ControlX + 12 + column * 34,
                                   .y = OptionY + 12 + row * RadioStep,
                                   .width = 26,
                                   .height = 10},
                            .parent = Ctl::A2_INCISO,
                            .value = radios[i].letter});
    }
}

struct Placed {
    formrows::PromptedControl row;
    int promptX;
};

constexpr int AmountsY = OptionY + OptionHeight + 8;

std::vector<Placed> entriesAfterInciso() {
    const auto right = [](int line, int width) {
        return ui::Rect{.x = RightX, .y = FirstY + line * RowStep, .width = width, .height = 12};
    };
    const auto below = [](int line, int width) {
        return ui::Rect{
            .x = ControlX, .y = AmountsY + line * RowStep, .width = width, .height = 12};
    };
    return {
        {{.prompt = Ctl::A2_FECHA_DOCUMENTO_Prompt,
          .control = Ctl::A2_FECHA_DOCUMENTO,
          .promptText = "Fecha del Documento:",
          .name = "?A2:FECHA_DOCUMENTO",
          .field = "A2:FECHA_DOCUMENTO",
          .picture = "d6",
          .msg = "Fecha de Instrumentación del Documento",
          .tip = "Fecha de Instrumentación del Documento",
          .at = right(0, 52),
          .bind = ui::bindField(A2.FECHA_DOCUMENTO)},
         RightPromptX},
        {{.prompt = Ctl::A2_CONTRATANTE_Prompt,
          .control = Ctl::A2_CONTRATANTE,
          .promptText = "Parte Contratante:",
          .name = "?A2:CONTRATANTE",
          .field = "A2:CONTRATANTE",
          .picture = "@s30",
          .msg = "Parte Contratante",
          .tip = "Parte Contratante",
          .at = right(1, 130),
          .bind = ui::bindField(A2.CONTRATANTE)},
         RightPromptX},
        {{.prompt = Ctl::A2_CUIT_Prompt,
          .control = Ctl::A2_CUIT,
          .promptText = "Nº de C.U.I.T.:",
          .name = "?A2:CUIT",
          .field = "A2:CUIT",
          .picture = "P##-########-#PB",
          .msg = "Nº de C.U.I.T.",
          .tip = "##-########-#",
          .at = right(2, 62),
          .bind = ui::bindField(A2.CUIT)},
         RightPromptX},
        {{.prompt = Ctl::A2_NRO_ORDEN_Prompt,
          .control = Ctl::A2_NRO_ORDEN,
          .promptText = "Nº de Orden:",
          .name = "?A2:NRO_ORDEN",
          .field = "A2:NRO_ORDEN",
          .picture = "n09b",
          .msg = "Nº de Orden",
          .tip = "Nº de Orden",
          .at = right(3, 46),
          .bind = ui::bindField(A2.NRO_ORDEN)},
         RightPromptX},
        {{.prompt = Ctl::A2_VALOR_Prompt,
          .control = Ctl::A2_VALOR,
          .promptText = "Valor:",
          .name = "?A2:VALOR",
          .field = "A2:VALOR",
          .picture = "N20.2",
          .msg = "Importe de la operación",
          .tip = "Importe de la operación",
          .at = below(0, 90),
          .bind = ui::bindField(A2.VALOR)},
         PromptX},
        {{.prompt = Ctl::A2_ALICUOTA_Prompt,
          .control = Ctl::A2_ALICUOTA,
          .promptText = "Alícuota:",
          .name = "?A2:ALICUOTA",
          .field = "A2:ALICUOTA",
          .picture = "N6.2",
          .msg = "Alícuota a aplicar según Ley Impositiva vigente",
          .tip = "Alícuota a aplicar según Ley Impositiva vigente",
          .at = below(1, 40),
          .bind = ui::bindField(A2.ALICUOTA)},
         PromptX},
        {{.prompt = Ctl::A2_IMPUESTO_Prompt,
          .control = Ctl::A2_IMPUESTO,
          .promptText = "Impuesto:",
          .name = "?A2:IMPUESTO",
          .field = "A2:IMPUESTO",
          .picture = "N20.2",
          .msg = "Impuesto determinado",
          .tip = "Impuesto determinado",
          .at = below(2, 90),
          .bind = ui::bindField(A2.IMPUESTO)},
         PromptX},
        {{.prompt = Ctl::A2_FECHA_REGISTRO_Prompt,
          .control = Ctl::A2_FECHA_REGISTRO,
          .promptText = "Fecha Registro:",
          .name = "?A2:FECHA_REGISTRO",
          .field = "A2:FECHA_REGISTRO",
          .picture = "d6",
          .msg = "Fecha de registro",
          .at = {.x = RightX, .y = AmountsY + 2 * RowStep, .width = 52, .height = 12},
          .bind = ui::bindField(A2.FECHA_REGISTRO)},
         RightPromptX},
    };
}

constexpr int SheetWidth = RightX + 130 + 8;
constexpr int SheetHeight = AmountsY + 3 * RowStep + 4;

void addPercent(std::vector<ControlDesc>& controls, const ui::Rect& rate) {
    controls.push_back(
        {.number = Ctl::Percent,
         .kind = ControlKind::String,
         .name = "?PERCENT",
         .text = "%",
         .at = {.x = rate.x + rate.width + 2, .y = rate.y + 2, .width = 10, .height = 10},
         .parent = Ctl::Tab_AnexoII});
}

std::vector<ControlDesc> formControls() {
    std::vector<ControlDesc> controls{
        {.number = Ctl::CurrentTab,
         .kind = ControlKind::Sheet,
         .name = "?CurrentTab",
         .at = {.x = 4, .y = 4, .width = SheetWidth, .height = SheetHeight}},
        {.number = Ctl::Tab_AnexoII,
         .kind = ControlKind::Tab,
         .text = "Anexo II",
         .parent = Ctl::CurrentTab},
    };
    formrows::addPrompted(controls,
                          {.prompt = Ctl::A2_DOCUMENTO_Prompt,
                           .control = Ctl::A2_DOCUMENTO,
                           .promptText = "Documento:",
                           .name = "?A2:DOCUMENTO",
                           .field = "A2:DOCUMENTO",
                           .picture = "@s15",
                           .msg = "Tipo de instrumento",
                           .tip = "Tipo de instrumento",
                           .at = {.x = ControlX, .y = FirstY, .width = 76, .height = 12},
                           .bind = ui::bindField(A2.DOCUMENTO)},
                          PromptX, Ctl::Tab_AnexoII);
    addInciso(controls);
    for (const Placed& p : entriesAfterInciso()) {
        formrows::addPrompted(controls, p.row, p.promptX, Ctl::Tab_AnexoII);
        if (p.row.control == ui::ControlId(Ctl::A2_ALICUOTA))
            addPercent(controls, p.row.at);
    }
    formrows::addFormButtons(controls, {.ok = Ctl::OK, .cancel = Ctl::Cancel, .help = Ctl::Help},
                             SheetWidth - 164, SheetHeight + 10);
    return controls;
}

}  // namespace

const ui::WindowDesc& anexoIIFichaDesc() {
    static const ui::WindowDesc desc{
        .caption = "Anexo II",
        .font = "Arial",
        .fontSize = 8,
        .at = {.x = 0, .y = 0, .width = SheetWidth + 8, .height = SheetHeight + 32},
        .flags = ui::window::MdiChild | ui::window::SystemMenu | ui::window::Resizable,
        .wallpaper = "pared.gif",
        .icon = "Books.ico",
        .controls = formControls(),
    };
    return desc;
}

}  // namespace vorda
