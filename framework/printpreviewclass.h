// PrintPreviewClass: shows the pages of a report before they are printed.
//
// ReportManager hands it the page queue (Init) and calls Display, which runs
// the "Report Preview" window on the calling thread until the user prints
// (true) or leaves (false). Before Display returns true, every page not in
// the "Pages to Print" list has been removed from the queue.
//
// What the user can do (menu, toolbar, keys):
//   pages     next / previous page(s) (by one page, or by a tile of pages),
//             "Jump to a page", the "&Page:" spin (1 to the page count),
//             PgDn / PgUp;
//   layout    "&Across:" / "&Down:" pages of the tiled layout, "Change
//             Display";
//   zoom      the presets of the zoom table (menu and "Z&oom:" list, the
//             current one checked), a percentage typed into the list (a user
//             zoom, shown as "z% Zoom"), the zoom button (next larger preset);
//   output    "Pages to Print..." (the list, "1-" and the page count by
//             default), "&Print", "Guardar como PDF..." (the desktop's file
//             chooser, starting at PdfName; a PDF that cannot be written is
//             reported and the preview stays open), "E&xit".
// Status bar: zone 2 "Pág. n de m" (tiled, with more than one page shown:
// "Pág. a-b de m"), zone 3 the zoom's status text. The window keeps its
// placement in the settings file's section "_PreviewWindow_", the page list
// question in "_PreviewAskPagesWindow_".
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/zoomtable.h"
#include "platform/print/document.h"

namespace vorda {

namespace ui {
class Window;
}

class PrintPreviewClass {
public:
    // The preview shows (and prints from) `queue`, which it shares.
    void Init(std::shared_ptr<print::Document> queue);
    // Runs the preview window; true when the user chose to print. `zoom` 0
    // keeps the current zoom; `page` is the page shown first.
    bool Display(int zoom = 0, int across = 1, int down = 1, int page = 1);
    void Kill();

    // The questions of the preview (each a small window on the caller's
    // thread); true when answered with OK.
    bool AskPage();
    bool AskThumbnails();
    bool AskPrintPages();
    // The page list back to every page: "1-" and the page count.
    void SetDefaultPages();
    // `page` is in the page list (the default list when the list is refused).
    bool InPageList(int page) const;
    // Removes every page not in the page list from the queue.
    void SyncImageQueue();
    // Shows `zoom` (a preset's value, or a percentage of the user's own).
    void NewZoom(int zoom);
    void ResetUserZoom();
    // Checks the current zoom's menu item and selects it in the zoom list.
    void ConfigMenuChecks();
    // Shows the current page(s) and the status texts.
    void DrawPage();

    int PageCount() const;
    // The pages shown together: 1, or across x down in the tiled layout.
    int PagesShown() const;

    std::shared_ptr<print::Document> ImageQueue;
    std::vector<ZoomPreset> ZoomList;
    int CurrentPage = 1;
    int PagesAcross = 1;
    int PagesDown = 1;
    int CurrentZoom = 100;
    int UserZoom = 0;  // 0: none
    std::string PagesToPrint;
    uint8_t AllowUserZoom = 1;
    uint8_t Maximize = 0;
    std::string PdfName;  // offered by "Guardar como PDF..."

private:
    friend class PreviewWindowManager;

    int presetIndex(int zoom) const;
    std::string zoomStatus() const;
    std::string pageStatus() const;
    void showPage(int page);
    int nextZoom() const;
    bool savePdf();

    ui::Window* window_ = nullptr;  // while Display runs
};

}  // namespace vorda
