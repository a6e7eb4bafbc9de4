// The layout the three annex reports share: the page header repeated on
// every page (title, agent, period, entity box, column headings) and the
// rows of columns separated by vertical rules.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "platform/print/band.h"

namespace vorda {
struct Ddjj;
struct Agentes;
}  // namespace vorda

namespace vorda::reports {

struct Column {
    const char* heading;
    int x;
    int width;
    print::Align align;
};

inline constexpr int DetailHeight = 200;

struct AnnexHeader {
    const char* title;          // "IMPUESTO DE SELLOS  --  ANEXO II"
    const char* periodCaption;  // "PERIODO:" or "DECLARACION JURADA PERIODO:"
    bool entityOnOneLine;
};

print::Band annexHeader(const AnnexHeader& header, const Ddjj& declaration, const Agentes& agent,
                        std::span<const Column> columns);
// One detail line: `cells` in their columns, with a rule between columns.
print::Band rowBand(std::span<const Column> columns, const std::vector<std::string>& cells);
// "Total:" right-aligned before column `column`, the amount in it.
print::Band totalBand(std::span<const Column> columns, size_t column, const std::string& caption,
                      const std::string& amount);

}  // namespace vorda::reports
