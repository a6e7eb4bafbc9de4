// The print preview: its window, pages, zoom and output.
#include "framework/printpreviewclass.h"

#include <algorithm>

#include "framework/errorclass.h"
#include "framework/pagerange.h"
#include "framework/previewwindows.h"
#include "framework/requestglobals.h"
#include "framework/windowmanager.h"
#include "platform/types/decimal.h"
#include "platform/ui/messagebox.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"

namespace vorda {

namespace {

constexpr const char* PreviewSection = "_PreviewWindow_";
constexpr int MinUserZoom = 10;
constexpr int MaxUserZoom = 999;

// A whole number shown in a control ("12"); nullopt for anything else.
std::optional<int> shownNumber(const ui::Control& c) {
    const std::optional<Decimal> d = Decimal::parse(c.text());
    if (!d || d->hundredths() % 100 != 0)
        return std::nullopt;
    return static_cast<int>(d->hundredths() / 100);
}

}  // namespace

// The event loop of the "Report Preview" window.
class PreviewWindowManager final : public WindowManager {
public:
    PreviewWindowManager(ui::Window& w, PrintPreviewClass& preview)
        : WindowManager(w), p_(preview) {}

    Level Init() override;
    void Open() override;
    Level TakeAccepted() override;
    Level TakeNewSelection() override;
    Level TakeRejected() override;
    Level TakeWindowEvent() override;
    Level TakeFieldEvent() override;
    Level TakeCloseEvent() override;

    bool printing = false;

private:
    Level takeCommand(ui::ControlId control);
    void takeThumbnails();
    void takeTypedZoom();
    void fitPageView();

    PrintPreviewClass& p_;
    bool placementKept_ = false;
};

Level PreviewWindowManager::Init() {
    const Level level = WindowManager::Init();
    if (level != Benign)
        return level;
    window().open();
    Opened = 1;
    Inited.set(InitedFlag::Opened);
    window().alert(ui::key::PgDn);
    window().alert(ui::key::PgUp);
    if (KeepPlacement) {
        KeepPlacement(window(), PreviewSection, PlacementStep::Restore);
        placementKept_ = true;
    }
    return Benign;
}

void PreviewWindowManager::Open() {
    fitPageView();
    p_.ConfigMenuChecks();
    p_.DrawPage();
    window().select(PreviewCtl::Page);
}

Level PreviewWindowManager::TakeCloseEvent() {
    if (placementKept_ && KeepPlacement && window().isOpen())
        KeepPlacement(window(), PreviewSection, PlacementStep::Save);
    placementKept_ = false;
    return WindowManager::TakeCloseEvent();
}

Level PreviewWindowManager::TakeWindowEvent() {
    if (CurrentEvent().kind == ui::EventKind::Sized)
        fitPageView();
    return WindowManager::TakeWindowEvent();
}

// The page view takes the whole window below the row of controls.
void PreviewWindowManager::fitPageView() {
    const ui::Rect size = window().size();
    window()
        .control(PreviewCtl::PageView)
        .setRect({.x = 0,
                  .y = PreviewTopRow,
                  .width = std::max(1, size.width),
                  .height = std::max(1, size.height - PreviewTopRow)});
}

Level PreviewWindowManager::TakeFieldEvent() {
    const ui::Event& e = CurrentEvent();
    if (e.kind != ui::EventKind::AlertKey)
        return Benign;
    if (e.key == ui::key::PgDn)
        p_.showPage(p_.CurrentPage + p_.PagesShown());
    else if (e.key == ui::key::PgUp)
        p_.showPage(p_.CurrentPage - p_.PagesShown());
    return Benign;
}

Level PreviewWindowManager::TakeAccepted() {
    const ui::ControlId control = CurrentEvent().control;
    switch (static_cast<PreviewCtl>(control.value())) {
        case PreviewCtl::Page:
            if (const std::optional<int> n = shownNumber(window().control(control)))
                p_.showPage(*n);
            return Benign;
        case PreviewCtl::Across:
        case PreviewCtl::Down:
            takeThumbnails();
            return Benign;
        case PreviewCtl::ZoomList:
            takeTypedZoom();
            return Benign;
        default:
            return takeCommand(control);
    }
}

Level PreviewWindowManager::TakeNewSelection() {
    const ui::ControlId control = CurrentEvent().control;
    switch (static_cast<PreviewCtl>(control.value())) {
        case PreviewCtl::Page:
            if (const std::optional<int> n = shownNumber(window().control(control)))
                p_.showPage(*n);
            break;
        case PreviewCtl::Across:
        case PreviewCtl::Down:
            takeThumbnails();
            break;
        case PreviewCtl::ZoomList: {
            const int row = window().control(control).selection();
            if (row >= 1 && row <= static_cast<int>(p_.ZoomList.size()))
                p_.NewZoom(p_.ZoomList[size_t(row - 1)].value);
            else if (p_.UserZoom != 0)
                p_.NewZoom(p_.UserZoom);
            break;
        }
        default:
            break;
    }
    return Benign;
}

// A page or tile count out of range: the controls show the view again.
Level PreviewWindowManager::TakeRejected() {
    const Level level = WindowManager::TakeRejected();
    p_.DrawPage();
    return level;
}

Level PreviewWindowManager::takeCommand(ui::ControlId control) {
    const int n = control.value();
    const int first = static_cast<int>(PreviewCtl::FirstZoom);
    if (n >= first && n < first + static_cast<int>(p_.ZoomList.size())) {
        p_.NewZoom(p_.ZoomList[size_t(n - first)].value);
        return Benign;
    }
    switch (static_cast<PreviewCtl>(n)) {
        case PreviewCtl::PrintButton:
            return takeCommand(PreviewCtl::Print);
        case PreviewCtl::SavePdfButton:
            return takeCommand(PreviewCtl::SavePdf);
        case PreviewCtl::ZoomButton:
            return takeCommand(PreviewCtl::ZoomIn);
        case PreviewCtl::ExitButton:
            return takeCommand(PreviewCtl::Exit);
        case PreviewCtl::PagesToPrint:
            p_.AskPrintPages();
            break;
        case PreviewCtl::Print:
            p_.SyncImageQueue();
            printing = true;
            SetResponse(ResponseCompleted);
            break;
        case PreviewCtl::SavePdf:
            p_.savePdf();
            break;
        case PreviewCtl::Exit:
            SetResponse(ResponseCancelled);
            break;
        case PreviewCtl::NextPage:
            p_.showPage(p_.CurrentPage + p_.PagesShown());
            break;
        case PreviewCtl::PreviousPage:
            p_.showPage(p_.CurrentPage - p_.PagesShown());
            break;
        case PreviewCtl::JumpToPage:
            p_.AskPage();
            break;
        case PreviewCtl::ChangeDisplay:
            p_.AskThumbnails();
            break;
        case PreviewCtl::ZoomIn:
            p_.NewZoom(p_.nextZoom());
            break;
        case PreviewCtl::UserZoom:
            if (p_.UserZoom != 0)
                p_.NewZoom(p_.UserZoom);
            break;
        default:
            break;
    }
    return Benign;
}

// "&Across:" and "&Down:" lay the pages out as a tile of that many pages.
void PreviewWindowManager::takeThumbnails() {
    const auto across = shownNumber(window().control(PreviewCtl::Across));
    const auto down = shownNumber(window().control(PreviewCtl::Down));
    p_.PagesAcross = std::clamp(across.value_or(p_.PagesAcross), 1, MaxThumbnails);
    p_.PagesDown = std::clamp(down.value_or(p_.PagesDown), 1, MaxThumbnails);
    if (p_.PagesAcross * p_.PagesDown > 1 && p_.CurrentZoom != ZoomTile)
        p_.NewZoom(ZoomTile);
    else
        p_.DrawPage();
}

// A zoom typed into the list: a preset's text or value (-2, -1, 50 ...), or
// a percentage of the user's own; anything else puts the list back as it was.
void PreviewWindowManager::takeTypedZoom() {
    const std::string typed = window().control(PreviewCtl::ZoomList).text();
    for (const ZoomPreset& z : p_.ZoomList) {
        if (z.menuText == typed) {
            p_.NewZoom(z.value);
            return;
        }
    }
    std::string digits = typed;
    std::erase(digits, '%');
    const std::optional<Decimal> d = Decimal::parse(digits);
    const int64_t zoom = d ? d->hundredths() / 100 : 0;
    if (p_.presetIndex(static_cast<int>(zoom)) >= 0 && zoom != 0) {
        p_.NewZoom(static_cast<int>(zoom));
        return;
    }
    if (p_.AllowUserZoom != 0 && zoom >= MinUserZoom && zoom <= MaxUserZoom) {
        p_.NewZoom(static_cast<int>(zoom));
        return;
    }
    if (ui::Runtime* rt = ui::Runtime::instance())
        rt->backend().beep();
    p_.ConfigMenuChecks();
}

// --- PrintPreviewClass ---------------------------------------------------------------

void PrintPreviewClass::Init(std::shared_ptr<print::Document> queue) {
    ImageQueue = std::move(queue);
    ZoomList = decodeZoomTable(DefaultZoomTable()).value_or(std::vector<ZoomPreset>{});
    CurrentPage = 1;
    UserZoom = 0;
    SetDefaultPages();
}

void PrintPreviewClass::Kill() {
    ImageQueue.reset();
    window_ = nullptr;
}

int PrintPreviewClass::PageCount() const {
    return ImageQueue != nullptr ? ImageQueue->pageCount() : 0;
}

int PrintPreviewClass::PagesShown() const {
    return CurrentZoom == ZoomTile ? PagesAcross * PagesDown : 1;
}

bool PrintPreviewClass::Display(int zoom, int across, int down, int page) {
    if (ImageQueue == nullptr)
        return false;
    PagesAcross = std::clamp(across, 1, MaxThumbnails);
    PagesDown = std::clamp(down, 1, MaxThumbnails);
    if (zoom != 0 && presetIndex(zoom) >= 0) {
        CurrentZoom = zoom;
    } else if (zoom != 0 && AllowUserZoom != 0) {
        UserZoom = zoom;
        CurrentZoom = zoom;
    }
    CurrentPage = std::clamp(page, 1, std::max(1, PageCount()));
    ui::Window w(previewWindowDesc(ZoomList, PageCount(), Maximize != 0));
    w.control(PreviewCtl::PageView).setDocument(ImageQueue);
    window_ = &w;
    PreviewWindowManager manager(w, *this);
    manager.Run();
    window_ = nullptr;
    return manager.printing;
}

// --- pages ---------------------------------------------------------------------------

void PrintPreviewClass::showPage(int page) {
    const int last = std::max(1, PageCount());
    CurrentPage = std::clamp(page, 1, last);
    DrawPage();
}

void PrintPreviewClass::DrawPage() {
    if (window_ == nullptr || !window_->isOpen())
        return;
    ui::Window& w = *window_;
    w.control(PreviewCtl::PageView)
        .setLayout(
            {.page = CurrentPage, .zoom = CurrentZoom, .across = PagesAcross, .down = PagesDown});
    w.control(PreviewCtl::Page).setText(std::to_string(CurrentPage));
    w.control(PreviewCtl::Across).setText(std::to_string(PagesAcross));
    w.control(PreviewCtl::Down).setText(std::to_string(PagesDown));
    w.setStatus(2, pageStatus());
    w.setStatus(3, zoomStatus());
}

std::string PrintPreviewClass::pageStatus() const {
    const int count = PageCount();
    const int last = std::min(count, CurrentPage + PagesShown() - 1);
    if (CurrentZoom == ZoomTile && last > CurrentPage) {
        return "Pág. " + std::to_string(CurrentPage) + "-" + std::to_string(last) + " de " +
               std::to_string(count);
    }
    return "Pág. " + std::to_string(CurrentPage) + " de " + std::to_string(count);
}

// --- zoom ----------------------------------------------------------------------------

int PrintPreviewClass::presetIndex(int zoom) const {
    for (size_t i = 0; i < ZoomList.size(); ++i) {
        if (ZoomList[i].value == zoom)
            return static_cast<int>(i);
    }
    return -1;
}

std::string PrintPreviewClass::zoomStatus() const {
    const int i = presetIndex(CurrentZoom);
    return i >= 0 ? ZoomList[size_t(i)].statusText : userZoomStatusText(CurrentZoom);
}

// The zoom button: the next larger percentage of the table, after the
// largest back to the smallest.
int PrintPreviewClass::nextZoom() const {
    int smallest = 0;
    int next = 0;
    for (const ZoomPreset& z : ZoomList) {
        if (z.value <= 0)
            continue;
        if (smallest == 0 || z.value < smallest)
            smallest = z.value;
        if (z.value > CurrentZoom && (next == 0 || z.value < next))
            next = z.value;
    }
    return next != 0 ? next : (smallest != 0 ? smallest : CurrentZoom);
}

void PrintPreviewClass::NewZoom(int zoom) {
    if (presetIndex(zoom) < 0) {
        if (AllowUserZoom == 0)
            return;
        UserZoom = zoom;
    }
    CurrentZoom = zoom;
    ConfigMenuChecks();
    DrawPage();
}

void PrintPreviewClass::ResetUserZoom() {
    if (presetIndex(CurrentZoom) < 0)
        CurrentZoom = 100;
    UserZoom = 0;
    ConfigMenuChecks();
    DrawPage();
}

void PrintPreviewClass::ConfigMenuChecks() {
    if (window_ == nullptr || !window_->isOpen())
        return;
    ui::Window& w = *window_;
    const int current = presetIndex(CurrentZoom);
    std::vector<ui::Row> rows;
    for (size_t i = 0; i < ZoomList.size(); ++i) {
        w.control(static_cast<int>(PreviewCtl::FirstZoom) + int(i))
            .setChecked(static_cast<int>(i) == current);
        rows.push_back({ZoomList[i].menuText});
    }
    ui::Control& user = w.control(PreviewCtl::UserZoom);
    user.setVisible(UserZoom != 0);
    user.setChecked(UserZoom != 0 && current < 0);
    if (UserZoom != 0) {
        user.setText(userZoomMenuText(UserZoom));
        rows.push_back({userZoomMenuText(UserZoom)});
    }
    ui::Control& list = w.control(PreviewCtl::ZoomList);
    list.setRows(std::move(rows));
    const int row = current >= 0 ? current + 1 : static_cast<int>(ZoomList.size()) + 1;
    list.setSelection(row);
    list.setText(current >= 0 ? ZoomList[size_t(current)].menuText : userZoomMenuText(CurrentZoom));
}

// --- the page list ---------------------------------------------------------------------

void PrintPreviewClass::SetDefaultPages() {
    PagesToPrint = PageRange::all(PageCount());
}

bool PrintPreviewClass::InPageList(int page) const {
    std::string error;
    std::vector<int> pages = PageRange::parse(PagesToPrint, PageCount(), error);
    if (!error.empty())
        return page >= 1 && page <= PageCount();
    return std::binary_search(pages.begin(), pages.end(), page);
}

void PrintPreviewClass::SyncImageQueue() {
    if (ImageQueue == nullptr)
        return;
    std::string error;
    const std::vector<int> pages = PageRange::parse(PagesToPrint, PageCount(), error);
    if (error.empty())
        ImageQueue->keepPages(pages);
}

// --- PDF -------------------------------------------------------------------------------

bool PrintPreviewClass::savePdf() {
    ui::Runtime* rt = ui::Runtime::instance();
    if (rt == nullptr || ImageQueue == nullptr)
        return false;
    const ui::OutputResult chosen = rt->output({.kind = ui::OutputJob::Kind::ChooseFile,
                                                .file = PdfName,
                                                .filter = "Archivos PDF (*.pdf)",
                                                .title = "Guardar como PDF"});
    if (chosen.status != ui::OutputResult::Status::Done || chosen.file.empty())
        return false;
    const ui::OutputResult written =
        rt->output({.kind = ui::OutputJob::Kind::Pdf, .document = ImageQueue, .file = chosen.file});
    if (written.status == ui::OutputResult::Status::Done) {
        // Writing takes no window of its own: the status bar tells where it went.
        if (window_ != nullptr && window_->isOpen())
            window_->setStatus(1, "PDF guardado en " + chosen.file);
        return true;
    }
    ui::message({.text = "No se pudo guardar el PDF. " + written.error,
                 .icon = ui::Icon::Exclamation,
                 .okLabel = "Cerrar"});
    return false;
}

}  // namespace vorda
