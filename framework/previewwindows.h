// The windows of the print preview, as data: the preview itself ("Report
// Preview") and its three questions ("Jump to a Report Page", "Change the
// Report Display", "Pages to Print").
//
// The preview: menus "&File", "&View", "&Zoom"; a toolbar (print, save as
// PDF, zoom in, exit); a row of controls ("&Page:", "&Across:", "&Down:",
// "Z&oom:"), the page view below them, and a status bar whose zone 2 shows
// the pages shown and zone 3 the zoom.
#pragma once

#include <vector>

#include "framework/zoomtable.h"
#include "platform/ui/windowdesc.h"

namespace vorda {

enum class PreviewCtl {
    PagePrompt = 1,
    Page,
    AcrossPrompt,
    Across,
    DownPrompt,
    Down,
    ZoomPrompt,
    ZoomList,
    PageView,
    // menu items and toolbar buttons
    PagesToPrint = 100,
    Print,
    SavePdf,
    Exit,
    NextPage,
    PreviousPage,
    JumpToPage,
    ChangeDisplay,
    ZoomIn,
    UserZoom,
    // toolbar buttons
    PrintButton = 120,
    SavePdfButton,
    ZoomButton,
    ExitButton,
    FirstZoom = 200,  // the presets: FirstZoom + index in the zoom table
};

enum class AskPageCtl { PagePrompt = 1, Page, Ok, Cancel };
enum class AskThumbnailsCtl { AcrossPrompt = 1, Across, DownPrompt, Down, Ok, Cancel };
enum class AskPagesCtl { PagesPrompt = 1, Pages, Reset, Ok, Cancel };

inline constexpr int MaxThumbnails = 10;  // pages across or down
inline constexpr int PreviewTopRow = 16;  // dialog units above the page view

ui::WindowDesc previewWindowDesc(const std::vector<ZoomPreset>& presets, int pageCount,
                                 bool maximize);
ui::WindowDesc askPageDesc(int pageCount);
ui::WindowDesc askThumbnailsDesc();
ui::WindowDesc askPagesDesc();

}  // namespace vorda
