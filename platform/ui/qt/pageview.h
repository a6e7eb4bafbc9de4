// PageView: the pages of a print::Document on screen, for a page-view
// control (the print preview).
//
// It shows the layout the runtime keeps for the control (Control::layout()):
// from page `page`, at `zoom` percent of the page's real size (a percentage
// of this screen's inches), or the page's width fitted to the view (-1), or
// `across` x `down` pages tiled to fit the view (-2). Pages are drawn from
// their vector drawings at the scale shown, on white sheets over a grey
// background; larger than the view, they scroll. The document is shared with
// the control, so the view keeps it alive while it is shown.
#pragma once

#include <QAbstractScrollArea>
#include <memory>

#include "platform/print/document.h"
#include "platform/ui/control.h"

namespace vorda::ui::qt {

class PageView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit PageView(QWidget* parent = nullptr);

    void setDocument(std::shared_ptr<const print::Document> document);
    void setPageLayout(const PageLayout& layout);
    const PageLayout& pageLayout() const { return layout_; }
    // Screen pixels per report unit at the present layout and size.
    double scale() const;
    // The pages drawn (first and last, 1-based; 0 when none).
    int firstShown() const;
    int lastShown() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    QSize contentSize() const;
    void updateScrollBars();
    int tiles() const;

    std::shared_ptr<const print::Document> document_;
    PageLayout layout_;
};

}  // namespace vorda::ui::qt
