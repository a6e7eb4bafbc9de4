// The page model: what one printed page holds, without any display.
//
// Positions and sizes are in report units, thousandths of an inch, measured
// from the page's top-left corner. A page is a list of text items, lines and
// boxes; it is kept as these vector drawings (never as a bitmap), so that a
// report of thousands of pages stays small and renders at any resolution.
//
// Text items. `y` is the top of the text's line box and `height` its height;
// the text is drawn in its font, vertically centred in that box, and aligned
// within [x, x + width] (a left-aligned item may have width 0: it simply
// starts at x). The text is never clipped: a report cuts a field to the
// characters it prints before it makes the item. Texts are UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorda::print {

// Report units per inch.
inline constexpr int UnitsPerInch = 1000;

enum class Align : uint8_t { Left, Center, Right };

// A font: family (interned, see familyName), size in tenths of a point, weight.
struct Font {
    uint8_t family = 0;  // 0 = "Arial"
    bool bold = false;
    uint16_t tenths = 100;  // 10 pt

    friend bool operator==(const Font&, const Font&) = default;
};

// The family number of `name` (added on first use; at most 255 families).
uint8_t fontFamily(std::string_view name);
// The name of family number `family` ("Arial" for an unknown number).
const std::string& familyName(uint8_t family);

// A font of `points` in the report's own face, Arial.
inline Font arial(int points, bool bold = false) {
    return Font{.family = 0, .bold = bold, .tenths = static_cast<uint16_t>(points * 10)};
}

struct Text {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    std::string text{};
    Font font{};
    Align align = Align::Left;
};

struct Line {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    int thickness = 10;  // units; 10 = 1/100 inch
};

struct Box {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int thickness = 10;
};

struct PageSize {
    int width = 8268;    // A4: 210 mm
    int height = 11693;  // 297 mm
    friend bool operator==(const PageSize&, const PageSize&) = default;
};

inline constexpr PageSize A4{};

struct Page {
    std::vector<Text> texts{};
    std::vector<Line> lines{};
    std::vector<Box> boxes{};

    bool empty() const { return texts.empty() && lines.empty() && boxes.empty(); }
};

}  // namespace vorda::print
