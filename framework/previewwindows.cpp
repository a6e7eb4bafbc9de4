// The windows of the print preview.
#include "framework/previewwindows.h"

#include <string>

namespace vorda {

namespace {

using ui::ControlDesc;
using ui::ControlKind;
using ui::MenuDesc;

std::string pageTip(int pageCount) {
    return "Ingrese una página de 1 a " + std::to_string(pageCount);
}

std::vector<MenuDesc> previewMenus(const std::vector<ZoomPreset>& presets) {
    MenuDesc file{.text = "&File",
                  .items = {{.number = PreviewCtl::PagesToPrint, .text = "Pa&ges to Print..."},
                            {.number = PreviewCtl::Print, .text = "&Print"},
                            {.number = PreviewCtl::SavePdf, .text = "Guardar como PDF..."},
                            {.separator = true},
                            {.number = PreviewCtl::Exit, .text = "E&xit"}}};
    MenuDesc view{.text = "&View",
                  .items = {{.number = PreviewCtl::NextPage, .text = "&Next Page(s)"},
                            {.number = PreviewCtl::PreviousPage, .text = "&Previous Page(s)"},
                            {.number = PreviewCtl::JumpToPage, .text = "&Jump to a page"},
                            {.number = PreviewCtl::ChangeDisplay, .text = "&Change Display"}}};
    MenuDesc zoom{.text = "&Zoom"};
    for (size_t i = 0; i < presets.size(); ++i) {
        zoom.items.push_back({.number = static_cast<int>(PreviewCtl::FirstZoom) + int(i),
                              .text = presets[i].menuText});
    }
    zoom.items.push_back({.number = PreviewCtl::UserZoom, .text = "% Zoom"});
    return {file, view, zoom};
}

std::vector<ControlDesc> previewToolbar() {
    struct Tool {
        PreviewCtl number;
        const char* name;
        const char* tip;
        const char* icon;
    };
    const Tool tools[] = {
        {PreviewCtl::PrintButton, "?Print", "Imprimir", "PRINT.ICO"},
        {PreviewCtl::SavePdfButton, "?SavePdf", "Guardar como PDF...", "PDF.ICO"},
        {PreviewCtl::ZoomButton, "?Zoom", "Zoom", "ZOOM.ICO"},
        {PreviewCtl::ExitButton, "?Exit", "Salir", "EXIT.ICO"},
    };
    std::vector<ControlDesc> out;
    int x = 0;
    for (const Tool& t : tools) {
        out.push_back({.number = t.number,
                       .kind = ControlKind::ToolButton,
                       .name = t.name,
                       .text = t.tip,
                       .at = {.x = x, .width = 16},
                       .tip = t.tip,
                       .icon = t.icon});
        x += 18;
    }
    return out;
}

ControlDesc prompt(PreviewCtl n, const char* text, int x, int width) {
    return {.number = n,
            .kind = ControlKind::Prompt,
            .text = text,
            .at = {.x = x, .y = 4, .width = width, .height = 10}};
}

ControlDesc spin(PreviewCtl n, const char* name, int x, int high, std::string tip) {
    return {.number = n,
            .kind = ControlKind::Spin,
            .name = name,
            .picture = "n_4",
            .at = {.x = x, .y = 2, .width = 34, .height = 12},
            .tip = std::move(tip),
            .low = 1,
            .high = high};
}

std::vector<ControlDesc> previewControls(int pageCount) {
    std::vector<ControlDesc> c{
        prompt(PreviewCtl::PagePrompt, "&Page:", 4, 24),
        spin(PreviewCtl::Page, "?Page", 30, std::max(1, pageCount), pageTip(pageCount)),
        prompt(PreviewCtl::AcrossPrompt, "&Across:", 72, 28),
        spin(PreviewCtl::Across, "?Across", 102, MaxThumbnails, "Páginas a lo ancho"),
        prompt(PreviewCtl::DownPrompt, "&Down:", 144, 24),
        spin(PreviewCtl::Down, "?Down", 170, MaxThumbnails, "Páginas a lo alto"),
        prompt(PreviewCtl::ZoomPrompt, "Z&oom:", 212, 24),
        {.number = PreviewCtl::ZoomList,
         .kind = ControlKind::DropList,
         .name = "?ZoomList",
         .at = {.x = 238, .y = 2, .width = 110, .height = 12},
         .tip = "Zoom"},
        {.number = PreviewCtl::PageView,
         .kind = ControlKind::PageView,
         .name = "?PageView",
         .at = {.x = 0, .y = PreviewTopRow, .width = 420, .height = 244}},
    };
    return c;
}

ControlDesc button(int n, const char* name, const char* text, int x, int y, bool isDefault) {
    return {.number = n,
            .kind = ControlKind::Button,
            .name = name,
            .text = text,
            .at = {.x = x, .y = y, .width = 45, .height = 14},
            .flags = isDefault ? unsigned(ui::control::Default) : 0u};
}

}  // namespace

ui::WindowDesc previewWindowDesc(const std::vector<ZoomPreset>& presets, int pageCount,
                                 bool maximize) {
    unsigned flags = ui::window::MdiChild | ui::window::SystemMenu | ui::window::Resizable;
    if (maximize)
        flags |= ui::window::Maximize;
    return {.caption = "Report Preview",
            .font = "Arial",
            .fontSize = 8,
            .at = {.x = 0, .y = 0, .width = 420, .height = 260},
            .flags = flags,
            .controls = previewControls(pageCount),
            .menus = previewMenus(presets),
            .toolbar = previewToolbar(),
            .statusZones = {0, 90, 130}};
}

ui::WindowDesc askPageDesc(int pageCount) {
    return {.caption = "Jump to a Report Page",
            .font = "Arial",
            .fontSize = 8,
            // As wide as the caption needs in the title bar.
            .at = {.x = 0, .y = 0, .width = 180, .height = 48},
            .flags = ui::window::Modal | ui::window::Center,
            .controls = {
                {.number = AskPageCtl::PagePrompt,
                 .kind = ControlKind::Prompt,
                 .text = "&Page:",
                 .at = {.x = 42, .y = 10, .width = 30, .height = 10}},
                {.number = AskPageCtl::Page,
                 .kind = ControlKind::Spin,
                 .name = "?AskPage",
                 .picture = "n_4",
                 .at = {.x = 76, .y = 8, .width = 40, .height = 12},
                 .tip = pageTip(pageCount),
                 .low = 1,
                 .high = std::max(1, pageCount)},
                button(int(AskPageCtl::Ok), "?AskPage:OK", "OK", 42, 28, true),
                button(int(AskPageCtl::Cancel), "?AskPage:Cancel", "Cancel", 93, 28, false),
            }};
}

ui::WindowDesc askThumbnailsDesc() {
    return {.caption = "Change the Report Display",
            .font = "Arial",
            .fontSize = 8,
            .at = {.x = 0, .y = 0, .width = 204, .height = 62},
            .flags = ui::window::Modal | ui::window::Center,
            .controls = {
                {.number = AskThumbnailsCtl::AcrossPrompt,
                 .kind = ControlKind::Prompt,
                 .text = "&Across:",
                 .at = {.x = 54, .y = 10, .width = 40, .height = 10}},
                {.number = AskThumbnailsCtl::Across,
                 .kind = ControlKind::Spin,
                 .name = "?AskAcross",
                 .picture = "n_4",
                 .at = {.x = 98, .y = 8, .width = 40, .height = 12},
                 .low = 1,
                 .high = MaxThumbnails},
                {.number = AskThumbnailsCtl::DownPrompt,
                 .kind = ControlKind::Prompt,
                 .text = "&Down:",
                 .at = {.x = 54, .y = 26, .width = 40, .height = 10}},
                {.number = AskThumbnailsCtl::Down,
                 .kind = ControlKind::Spin,
                 .name = "?AskDown",
                 .picture = "n_4",
                 .at = {.x = 98, .y = 24, .width = 40, .height = 12},
                 .low = 1,
                 .high = MaxThumbnails},
                button(int(AskThumbnailsCtl::Ok), "?AskThumbnails:OK", "OK", 54, 42, true),
                button(int(AskThumbnailsCtl::Cancel), "?AskThumbnails:Cancel", "Cancel", 105, 42,
                       false),
            }};
}

ui::WindowDesc askPagesDesc() {
    return {.caption = "Pages to Print",
            .font = "Arial",
            .fontSize = 8,
            .at = {.x = 0, .y = 0, .width = 200, .height = 50},
            .flags = ui::window::Modal | ui::window::Center,
            .controls = {
                {.number = AskPagesCtl::PagesPrompt,
                 .kind = ControlKind::Prompt,
                 .text = "&Pages to Print:",
                 .at = {.x = 6, .y = 10, .width = 56, .height = 10}},
                {.number = AskPagesCtl::Pages,
                 .kind = ControlKind::Entry,
                 .name = "?PagesToPrint",
                 .picture = "@s255",
                 .at = {.x = 64, .y = 8, .width = 130, .height = 12}},
                button(int(AskPagesCtl::Reset), "?AskPages:Reset", "&Reset", 6, 30, false),
                button(int(AskPagesCtl::Ok), "?AskPages:Ok", "&Ok", 98, 30, true),
                button(int(AskPagesCtl::Cancel), "?AskPages:Cancel", "&Cancel", 148, 30, false),
            }};
}

}  // namespace vorda
