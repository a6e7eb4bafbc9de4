// The packed zoom table of the print preview.
#include "framework/zoomtable.h"

#include "platform/types/cp1252.h"

namespace vorda {

namespace {

void putText(ZoomBlock& out, const std::string& utf8) {
    std::string bytes = cp1252::fromUtf8(utf8);
    if (bytes.size() > 255)
        bytes.resize(255);
    out.push_back(static_cast<uint8_t>(bytes.size()));
    out.insert(out.end(), bytes.begin(), bytes.end());
}

struct Reader {
    const ZoomBlock& block;
    size_t pos = 0;
    bool ok = true;

    uint8_t byte() {
        if (pos >= block.size())
            ok = false;
        return ok ? block[pos++] : 0;
    }
    std::string text() {
        const size_t n = byte();
        if (!ok || block.size() - pos < n) {
            ok = false;
            return {};
        }
        std::string bytes(reinterpret_cast<const char*>(block.data() + pos), n);
        pos += n;
        return cp1252::toUtf8(bytes);
    }
    int16_t i16() {
        const uint8_t lo = byte();
        const uint8_t hi = byte();
        return static_cast<int16_t>(static_cast<uint16_t>(lo | (hi << 8)));
    }
};

}  // namespace

ZoomBlock packZoomTable(const std::vector<ZoomPreset>& presets) {
    ZoomBlock out;
    out.push_back(static_cast<uint8_t>(std::min<size_t>(presets.size(), 255)));
    for (size_t i = 0; i < presets.size() && i < 255; ++i) {
        putText(out, presets[i].menuText);
        putText(out, presets[i].statusText);
        const auto v = static_cast<uint16_t>(presets[i].value);
        out.push_back(static_cast<uint8_t>(v & 0xFF));
        out.push_back(static_cast<uint8_t>(v >> 8));
    }
    return out;
}

std::optional<std::vector<ZoomPreset>> decodeZoomTable(const ZoomBlock& block) {
    Reader in{.block = block};
    const uint8_t count = in.byte();
    std::vector<ZoomPreset> presets;
    for (uint8_t i = 0; i < count && in.ok; ++i) {
        ZoomPreset p;
        p.menuText = in.text();
        p.statusText = in.text();
        p.value = in.i16();
        presets.push_back(std::move(p));
    }
    if (!in.ok)
        return std::nullopt;
    return presets;
}

const ZoomBlock& DefaultZoomTable() {
    static const ZoomBlock block = packZoomTable({
        {"Organizar Páginas (Tile)", "Zoom: Organizar Páginas (Tile)", ZoomTile},
        {"Ancho de Página", "Zoom: Ancho de Página", ZoomPageWidth},
        {"50% Zoom", "Zoom: 50%", 50},
        {"75% Zoom", "Zoom: 75%", 75},
        {"100% Zoom", "Zoom: 100%", 100},
        {"200% Zoom", "Zoom: 200%", 200},
        {"300% Zoom", "Zoom: 300%", 300},
    });
    return block;
}

std::string userZoomMenuText(int zoom) {
    return std::to_string(zoom) + "% Zoom";
}

std::string userZoomStatusText(int zoom) {
    return "Zoom: " + std::to_string(zoom) + "%";
}

}  // namespace vorda
