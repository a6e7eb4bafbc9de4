// The print preview's zoom presets, kept as the packed table the preview
// loads: a count byte, then per entry the menu text (length byte and
// Windows-1252 bytes), the status-bar text (likewise) and the zoom value
// (signed 16-bit, little-endian). A value above 0 is a percentage; -1 fits
// the page's width to the window, -2 tiles as many pages as fit.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vorda {

struct ZoomPreset {
    std::string menuText;    // UTF-8
    std::string statusText;  // UTF-8
    int16_t value = 0;
};

inline constexpr int16_t ZoomPageWidth = -1;
inline constexpr int16_t ZoomTile = -2;

using ZoomBlock = std::vector<uint8_t>;

ZoomBlock packZoomTable(const std::vector<ZoomPreset>& presets);
// nullopt for a truncated block.
std::optional<std::vector<ZoomPreset>> decodeZoomTable(const ZoomBlock& block);
// The seven presets of the preview, in menu order.
const ZoomBlock& DefaultZoomTable();

// The texts of a zoom the user typed: "150% Zoom" and "Zoom: 150%".
std::string userZoomMenuText(int zoom);
std::string userZoomStatusText(int zoom);

}  // namespace vorda
