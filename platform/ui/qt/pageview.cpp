// Showing pages in the print preview.
#include "platform/ui/qt/pageview.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "platform/ui/qt/pagerender.h"

namespace vorda::ui::qt {

namespace {

constexpr int Gap = 16;  // pixels around and between pages

}  // namespace

PageView::PageView(QWidget* parent) : QAbstractScrollArea(parent) {
    setFrameShape(QFrame::StyledPanel);
    viewport()->setAutoFillBackground(true);
    QPalette p = viewport()->palette();
    p.setColor(QPalette::Window, QColor(128, 128, 128));
    p.setColor(QPalette::Base, QColor(128, 128, 128));
    viewport()->setPalette(p);
    setFocusPolicy(Qt::NoFocus);
}

void PageView::setDocument(std::shared_ptr<const print::Document> document) {
    document_ = std::move(document);
    updateScrollBars();
    viewport()->update();
}

void PageView::setPageLayout(const PageLayout& layout) {
    const bool sameZoom = layout.zoom == layout_.zoom;
    layout_ = layout;
    if (!sameZoom) {
        horizontalScrollBar()->setValue(0);
    }
    verticalScrollBar()->setValue(0);
    updateScrollBars();
    viewport()->update();
}

int PageView::tiles() const {
    return layout_.zoom == -2 ? std::max(1, layout_.across) * std::max(1, layout_.down) : 1;
}

double PageView::scale() const {
    if (document_ == nullptr)
        return 1.0;
    const double pw = document_->size.width;
    const double ph = document_->size.height;
    // A pixel less than the view, so rounding never calls for a scroll bar.
    const QSize v = viewport()->size() - QSize(1, 1);
    if (layout_.zoom == -1)
        return std::max(0.01, (v.width() - 2 * Gap) / pw);
    if (layout_.zoom == -2) {
        const int across = std::max(1, layout_.across);
        const int down = std::max(1, layout_.down);
        const double sx = (v.width() - (across + 1) * Gap) / (across * pw);
        const double sy = (v.height() - (down + 1) * Gap) / (down * ph);
        return std::max(0.005, std::min(sx, sy));
    }
    const double dpi = logicalDpiX() > 0 ? logicalDpiX() : 96;
    return layout_.zoom / 100.0 * dpi / print::UnitsPerInch;
}

int PageView::firstShown() const {
    if (document_ == nullptr || document_->pageCount() == 0)
        return 0;
    return std::clamp(layout_.page, 1, document_->pageCount());
}

int PageView::lastShown() const {
    const int first = firstShown();
    return first == 0 ? 0 : std::min(document_->pageCount(), first + tiles() - 1);
}

QSize PageView::contentSize() const {
    if (document_ == nullptr)
        return {};
    const double s = scale();
    const int pw = int(document_->size.width * s);
    const int ph = int(document_->size.height * s);
    if (layout_.zoom == -2) {
        return {std::max(1, layout_.across) * (pw + Gap) + Gap,
                std::max(1, layout_.down) * (ph + Gap) + Gap};
    }
    return {pw + 2 * Gap, ph + 2 * Gap};
}

void PageView::updateScrollBars() {
    const QSize content = contentSize();
    const QSize v = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, content.width() - v.width()));
    horizontalScrollBar()->setPageStep(v.width());
    verticalScrollBar()->setRange(0, std::max(0, content.height() - v.height()));
    verticalScrollBar()->setPageStep(v.height());
    verticalScrollBar()->setSingleStep(40);
    horizontalScrollBar()->setSingleStep(40);
}

void PageView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void PageView::scrollContentsBy(int, int) {
    viewport()->update();
}

void PageView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const int first = firstShown();
    if (first == 0)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double s = scale();
    const int pw = int(document_->size.width * s);
    const int ph = int(document_->size.height * s);
    const QSize content = contentSize();
    // Centred when narrower than the view.
    const int offsetX =
        std::max(0, (viewport()->width() - content.width()) / 2) - horizontalScrollBar()->value();
    const int offsetY =
        std::max(0, (viewport()->height() - content.height()) / 2) - verticalScrollBar()->value();
    const int across = layout_.zoom == -2 ? std::max(1, layout_.across) : 1;
    for (int n = first; n <= lastShown(); ++n) {
        const int i = n - first;
        const QPoint at(offsetX + Gap + (i % across) * (pw + Gap),
                        offsetY + Gap + (i / across) * (ph + Gap));
        const QRect sheet(at, QSize(pw, ph));
        if (!sheet.intersects(viewport()->rect()))
            continue;
        painter.fillRect(sheet.translated(3, 3), QColor(60, 60, 60));
        painter.fillRect(sheet, Qt::white);
        painter.save();
        painter.setClipRect(sheet);
        painter.translate(at);
        painter.scale(s, s);
        drawPage(painter, document_->page(n));
        painter.restore();
    }
}

}  // namespace vorda::ui::qt
