// The questions of the print preview: jump to a page, pages across and down,
// and the list of pages to print.
#include <functional>

#include "framework/pagerange.h"
#include "framework/previewwindows.h"
#include "framework/printpreviewclass.h"
#include "framework/requestglobals.h"
#include "framework/windowmanager.h"
#include "platform/types/decimal.h"
#include "platform/ui/messagebox.h"
#include "platform/ui/window.h"

namespace vorda {

namespace {

constexpr const char* AskPagesSection = "_PreviewAskPagesWindow_";

int shownNumber(const ui::Window& w, ui::ControlId control, int fallback) {
    const std::optional<Decimal> d = Decimal::parse(w.control(control).text());
    return d && d->hundredths() % 100 == 0 ? static_cast<int>(d->hundredths() / 100) : fallback;
}

// A small modal question: OK runs `accept` (which may refuse and keep the
// window open by returning false), Cancel and closing leave it.
class Question final : public WindowManager {
public:
    Question(ui::Window& w, ui::ControlId ok, ui::ControlId cancel, ui::ControlId first,
             std::function<bool()> accept, const char* placement = nullptr)
        : WindowManager(w),
          ok_(ok),
          cancel_(cancel),
          first_(first),
          accept_(std::move(accept)),
          placement_(placement) {}

    // Extra buttons of the question (the page list's "&Reset").
    std::function<void(ui::ControlId)> onButton;

    Level Init() override {
        const Level level = WindowManager::Init();
        if (level != Benign)
            return level;
        FirstField = first_;
        AddItem(cancel_, ResponseCancelled);
        window().open();
        Opened = 1;
        if (placement_ != nullptr && KeepPlacement)
            KeepPlacement(window(), placement_, PlacementStep::Restore);
        return Benign;
    }

    Level TakeAccepted() override {
        const Level level = WindowManager::TakeAccepted();
        if (level != Benign || !window().isOpen())
            return level;
        const ui::ControlId control = CurrentEvent().control;
        if (control == ok_) {
            window().update();
            if (accept_())
                SetResponse(ResponseCompleted);
            else
                window().select(first_);
        } else if (onButton) {
            onButton(control);
        }
        return Benign;
    }

    Level TakeCloseEvent() override {
        if (placement_ != nullptr && KeepPlacement && window().isOpen())
            KeepPlacement(window(), placement_, PlacementStep::Save);
        return WindowManager::TakeCloseEvent();
    }

private:
    ui::ControlId ok_;
    ui::ControlId cancel_;
    ui::ControlId first_;
    std::function<bool()> accept_;
    const char* placement_;
};

}  // namespace

bool PrintPreviewClass::AskPage() {
    ui::Window w(askPageDesc(PageCount()));
    w.control(AskPageCtl::Page).setText(std::to_string(CurrentPage));
    int page = CurrentPage;
    Question q(w, AskPageCtl::Ok, AskPageCtl::Cancel, AskPageCtl::Page, [&] {
        page = shownNumber(w, AskPageCtl::Page, page);
        return true;
    });
    if (q.Run() != ResponseCompleted)
        return false;
    showPage(page);
    return true;
}

bool PrintPreviewClass::AskThumbnails() {
    ui::Window w(askThumbnailsDesc());
    w.control(AskThumbnailsCtl::Across).setText(std::to_string(PagesAcross));
    w.control(AskThumbnailsCtl::Down).setText(std::to_string(PagesDown));
    int across = PagesAcross;
    int down = PagesDown;
    Question q(w, AskThumbnailsCtl::Ok, AskThumbnailsCtl::Cancel, AskThumbnailsCtl::Across, [&] {
        across = std::clamp(shownNumber(w, AskThumbnailsCtl::Across, across), 1, MaxThumbnails);
        down = std::clamp(shownNumber(w, AskThumbnailsCtl::Down, down), 1, MaxThumbnails);
        return true;
    });
    if (q.Run() != ResponseCompleted)
        return false;
    PagesAcross = across;
    PagesDown = down;
    if (PagesAcross * PagesDown > 1 && CurrentZoom != ZoomTile)
        NewZoom(ZoomTile);
    else
        DrawPage();
    return true;
}

// The list is read when the user presses "&Ok": a list the preview cannot
// read is refused with the reason and the question stays open.
bool PrintPreviewClass::AskPrintPages() {
    ui::Window w(askPagesDesc());
    w.control(AskPagesCtl::Pages).setText(PagesToPrint);
    std::string accepted = PagesToPrint;
    Question q(
        w, AskPagesCtl::Ok, AskPagesCtl::Cancel, AskPagesCtl::Pages,
        [&] {
            const std::string text = w.control(AskPagesCtl::Pages).text();
            std::string error;
            PageRange::parse(text, PageCount(), error);
            if (!error.empty()) {
                ui::message({.text = error,
                             .caption = "Pages to Print",
                             .icon = ui::Icon::Exclamation,
                             .okLabel = "Cerrar"});
                return false;
            }
            accepted = text;
            return true;
        },
        AskPagesSection);
    q.onButton = [&](ui::ControlId control) {
        if (control == AskPagesCtl::Reset)
            w.control(AskPagesCtl::Pages).setText(PageRange::all(PageCount()));
    };
    if (q.Run() != ResponseCompleted)
        return false;
    PagesToPrint = accepted;
    return true;
}

}  // namespace vorda
