// The annex reports' page header and rows.
#include "reports/annexlayout.h"

#include "reports/reportbands.h"

namespace vorda::reports {

namespace {

constexpr int HeadingHeight = 260;
constexpr int CellPad = 40;

// Rules between the columns of a row `height` tall, from `top`.
void columnRules(print::Band& b, std::span<const Column> columns, int top, int height) {
    for (size_t i = 1; i < columns.size(); ++i) {
        b.line({.x1 = columns[i].x,
                .y1 = top,
                .x2 = columns[i].x,
                .y2 = top + height,
                .thickness = Thin});
    }
}

int cellX(const Column& c) {
    return c.x + CellPad;
}

int cellWidth(const Column& c) {
    return c.width - 2 * CellPad;
}

print::Band headingBand(std::span<const Column> columns) {
    print::Band b{.height = HeadingHeight + 40};
    b.box({.x = Left, .y = 0, .width = Width, .height = HeadingHeight, .thickness = Thin});
    columnRules(b, columns, 0, HeadingHeight);
    for (const Column& c : columns) {
        const print::Align align =
            c.align == print::Align::Right ? print::Align::Right : print::Align::Center;
        put(b, cellX(c), cellWidth(c), c.heading, HeadingFont, align, 0, HeadingHeight);
    }
    return b;
}

}  // namespace

print::Band annexHeader(const AnnexHeader& header, const Ddjj& declaration, const Agentes& agent,
                        std::span<const Column> columns) {
    print::Band b = titleBand(header.title);
    b.append(agentBand(declaration))
        .append(periodBand(header.periodCaption, declaration))
        .append(entityBand(agent, header.entityOnOneLine))
        .append(headingBand(columns));
    return b;
}

print::Band rowBand(std::span<const Column> columns, const std::vector<std::string>& cells) {
    print::Band b{.height = DetailHeight};
    b.line({.x1 = Left, .y1 = 0, .x2 = Left, .y2 = DetailHeight, .thickness = Thin});
    b.line({.x1 = Right, .y1 = 0, .x2 = Right, .y2 = DetailHeight, .thickness = Thin});
    columnRules(b, columns, 0, DetailHeight);
    for (size_t i = 0; i < columns.size() && i < cells.size(); ++i) {
        put(b, cellX(columns[i]), cellWidth(columns[i]), cells[i], DetailFont, columns[i].align);
    }
    return b;
}

print::Band totalBand(std::span<const Column> columns, size_t column, const std::string& caption,
                      const std::string& amount) {
    print::Band b{.height = 320};
    const Column& c = columns[column];
    b.line({.x1 = Left, .y1 = 0, .x2 = Right, .y2 = 0, .thickness = Thin});
    put(b, c.x - 2100, 2000, caption, CaptionFont, print::Align::Right, 60, 240);
    put(b, cellX(c), cellWidth(c), amount, CaptionFont, c.align, 60, 240);
    return b;
}

}  // namespace vorda::reports
