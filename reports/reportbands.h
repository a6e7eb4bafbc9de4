// The pieces the declaration reports are drawn with: the page's columns,
// the fonts (all Arial) and the bands every report shares.
//
// Units are thousandths of an inch; the forms are laid out for the width of
// an A4 page with half-inch margins (a wider paper leaves more margin).
#pragma once

#include <string>

#include "platform/print/band.h"

namespace vorda {
struct Ddjj;
struct Agentes;
}  // namespace vorda

namespace vorda::reports {

inline constexpr int Left = 500;
inline constexpr int Right = 7768;
inline constexpr int Width = Right - Left;
inline constexpr int Thin = 8;    // rules
inline constexpr int Thick = 14;  // boxes

inline const print::Font TitleFont = print::arial(14, true);
inline const print::Font CaptionFont = print::arial(9, true);
inline const print::Font ValueFont = print::arial(9);
inline const print::Font HeadingFont = print::arial(8, true);
inline const print::Font LegalFont = print::arial(8);
inline const print::Font DetailFont{.family = 0, .bold = false, .tenths = 75};

// Adds a text item to `band`, `height` tall from `y` (0 = the band's top).
void put(print::Band& band, int x, int width, std::string text, const print::Font& font,
         print::Align align = print::Align::Left, int y = 0, int height = 0);

// The report's title, centred and bold.
print::Band titleBand(const std::string& title);
// "AGENTE DE RETENCION Nº:" and the agent number as stored.
print::Band agentBand(const Ddjj& declaration);
// `caption` followed by month, year, presentation and "Original" or
// "Rectificativa".
print::Band periodBand(const std::string& caption, const Ddjj& declaration);
// "ENTIDAD:" and "Nº DE C.U.I.T.:" in a box, on one line or two.
print::Band entityBand(const Agentes& agent, bool oneLine);
// Space to sign, then "LUGAR Y FECHA" at the left and "FIRMA" at the right,
// each under a line.
print::Band signatureBand();
// An empty band `height` tall.
print::Band gap(int height);

}  // namespace vorda::reports
