// Laying bands out on pages.
#include "platform/print/report.h"

namespace vorda::print {

Band& Band::append(const Band& below) {
    for (Text t : below.texts) {
        t.y += height;
        texts.push_back(std::move(t));
    }
    for (Line l : below.lines) {
        l.y1 += height;
        l.y2 += height;
        lines.push_back(l);
    }
    for (Box b : below.boxes) {
        b.y += height;
        boxes.push_back(b);
    }
    height += below.height;
    return *this;
}

void Report::open(Document& document) {
    open(document, Layout{});
}

void Report::open(Document& document, const Layout& layout) {
    document_ = &document;
    layout_ = layout;
    document.size = layout.size;
    pageOpen_ = false;
}

void Report::startPage() {
    document_->pages.emplace_back();
    pageOpen_ = true;
    y_ = layout_.topMargin;
    footerHeight_ = footer ? footer().height : 0;
    bodyEnd_ = layout_.size.height - layout_.bottomMargin - footerHeight_;
    if (header) {
        const Band band = header();
        place(band, y_);
        y_ += band.height;
    }
}

void Report::print(const Band& band) {
    if (!isOpen())
        return;
    if (pageOpen_ && y_ + band.height > bodyEnd_)
        endPage();
    if (!pageOpen_)
        startPage();
    place(band, y_);
    y_ += band.height;
}

void Report::printAtFoot(const Band& band) {
    if (!isOpen())
        return;
    if (pageOpen_ && y_ + band.height > bodyEnd_)
        endPage();
    if (!pageOpen_)
        startPage();
    const int top = bodyEnd_ - band.height > y_ ? bodyEnd_ - band.height : y_;
    place(band, top);
    y_ = top + band.height;
}

void Report::endPage() {
    if (!pageOpen_)
        return;
    if (footer) {
        const Band band = footer();
        place(band, layout_.size.height - layout_.bottomMargin - band.height);
    }
    pageOpen_ = false;
}

void Report::close() {
    if (!isOpen())
        return;
    if (closing)
        closing(*this);
    endPage();
    document_ = nullptr;
}

int Report::pageCount() const {
    return document_ != nullptr ? document_->pageCount() : 0;
}

void Report::place(const Band& band, int top) {
    Page& page = document_->pages.back();
    for (Text t : band.texts) {
        t.y += top;
        page.texts.push_back(std::move(t));
    }
    for (Line l : band.lines) {
        l.y1 += top;
        l.y2 += top;
        page.lines.push_back(l);
    }
    for (Box b : band.boxes) {
        b.y += top;
        page.boxes.push_back(b);
    }
}

}  // namespace vorda::print
