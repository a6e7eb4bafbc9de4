// The bands the declaration reports share.
#include "reports/reportbands.h"

#include "data/agentes.h"
#include "data/ddjj.h"
#include "reports/reportformat.h"

namespace vorda::reports {

namespace {

constexpr int LineHeight = 230;
constexpr int ValueX = 3000;

// A part of the declaration key (agent 0-11, year 11-15, month 15-17,
// presentation 17-19), as printed.
std::string keyPart(const Ddjj& declaration, size_t offset, size_t width) {
    return fieldText(declaration.AGENTE_PERIODO.raw().substr(offset), width);
}

}  // namespace

void put(print::Band& band, int x, int width, std::string text, const print::Font& font,
         print::Align align, int y, int height) {
    band.text({.x = x,
               .y = y,
               .width = width,
               .height = height > 0 ? height : band.height - y,
               .text = std::move(text),
               .font = font,
               .align = align});
}

print::Band gap(int height) {
    return print::Band{.height = height};
}

print::Band titleBand(const std::string& title) {
    print::Band b{.height = 400};
    put(b, Left, Width, title, TitleFont, print::Align::Center, 0, 320);
    return b;
}

print::Band agentBand(const Ddjj& declaration) {
    print::Band b{.height = LineHeight};
    put(b, Left, 0, "AGENTE DE RETENCION Nº:", CaptionFont);
    put(b, ValueX, 0, keyPart(declaration, 0, 11), ValueFont);
    return b;
}

print::Band periodBand(const std::string& caption, const Ddjj& declaration) {
    print::Band b{.height = LineHeight + 70};
    put(b, Left, 0, caption, CaptionFont, print::Align::Left, 0, LineHeight);
    const std::string presentation = keyPart(declaration, 17, 2);
    const struct {
        int x;
        std::string text;
    } parts[] = {
        {ValueX, keyPart(declaration, 15, 2)},
        {ValueX + 350, keyPart(declaration, 11, 4)},
        {ValueX + 900, presentation},
        {ValueX + 1250, presentationText(presentation)},
    };
    for (const auto& p : parts)
        put(b, p.x, 0, p.text, ValueFont, print::Align::Left, 0, LineHeight);
    return b;
}

print::Band entityBand(const Agentes& a, bool oneLine) {
    const std::string name = fieldText(a.DENOMINACION.raw(), 50);
    const std::string cuit = fieldText(a.NRO_CUIT.raw(), 13);
    constexpr int pad = 60;
    print::Band b{.height = (oneLine ? LineHeight : 2 * LineHeight) + 2 * pad + 80};
    b.box({.x = Left, .y = 0, .width = Width, .height = b.height - 80, .thickness = Thick});
    put(b, Left + 100, 0, "ENTIDAD:", CaptionFont, print::Align::Left, pad, LineHeight);
    if (oneLine) {
        put(b, Left + 1000, 0, name, ValueFont, print::Align::Left, pad, LineHeight);
        put(b, 5600, 0, "Nº DE C.U.I.T.:", CaptionFont, print::Align::Left, pad, LineHeight);
        put(b, 6600, 0, cuit, ValueFont, print::Align::Left, pad, LineHeight);
        return b;
    }
    put(b, ValueX, 0, name, ValueFont, print::Align::Left, pad, LineHeight);
    put(b, Left + 100, 0, "Nº DE C.U.I.T.:", CaptionFont, print::Align::Left, pad + LineHeight,
        LineHeight);
    put(b, ValueX, 0, cuit, ValueFont, print::Align::Left, pad + LineHeight, LineHeight);
    return b;
}

print::Band signatureBand() {
    constexpr int width = 2600;
    constexpr int lineY = 450;
    print::Band b{.height = lineY + 260};
    b.line({.x1 = Left, .y1 = lineY, .x2 = Left + width, .y2 = lineY, .thickness = Thin});
    b.line({.x1 = Right - width, .y1 = lineY, .x2 = Right, .y2 = lineY, .thickness = Thin});
    put(b, Left, width, "LUGAR Y FECHA", CaptionFont, print::Align::Center, lineY + 20, 220);
    put(b, Right - width, width, "FIRMA", CaptionFont, print::Align::Center, lineY + 20, 220);
    return b;
}

}  // namespace vorda::reports
