// The one-page list control.
#include "platform/ui/qt/pagelist.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QWheelEvent>
#include <algorithm>
#include <string>

#include "platform/ui/qt/dialogunits.h"
#include "platform/ui/qt/keymap.h"
#include "platform/ui/runtime.h"

namespace vorda::ui::qt {

namespace {

// Draws a column's indent and its right border.
class ColumnDelegate final : public QStyledItemDelegate {
public:
    ColumnDelegate(std::vector<int> indents, std::vector<bool> borders, QObject* parent)
        : QStyledItemDelegate(parent), indents_(std::move(indents)), borders_(std::move(borders)) {}

    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem o(option);
        const auto col = size_t(index.column());
        if (col < indents_.size())
            o.rect.adjust(indents_[col], 0, 0, 0);
        QStyledItemDelegate::paint(p, o, index);
        if (col < borders_.size() && borders_[col]) {
            p->save();
            p->setPen(option.palette.color(QPalette::Mid));
            p->drawLine(option.rect.topRight(), option.rect.bottomRight());
            p->restore();
        }
    }

private:
    std::vector<int> indents_;
    std::vector<bool> borders_;
};

Qt::Alignment alignment(Align a) {
    switch (a) {
        case Align::Center:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        case Align::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case Align::Left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

UserInput* input() {
    Runtime* rt = Runtime::instance();
    return rt != nullptr ? &rt->input() : nullptr;
}

}  // namespace

PageList::PageList(int window, const Control& control, const DialogUnits& du, QWidget* parent)
    : QWidget(parent),
      window_(window),
      control_(control.number()),
      table_(new QTableWidget(this)),
      bar_(new QScrollBar(Qt::Vertical, this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(table_);
    layout->addWidget(bar_);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->verticalHeader()->hide();
    table_->setShowGrid(false);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setFocusPolicy(Qt::TabFocus);
    table_->setWordWrap(false);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    const int rowHeight = table_->fontMetrics().height() + 4;
    table_->verticalHeader()->setMinimumSectionSize(rowHeight);
    table_->verticalHeader()->setDefaultSectionSize(rowHeight);
    table_->viewport()->installEventFilter(this);
    table_->installEventFilter(this);
    bar_->setRange(0, 100);
    bar_->setPageStep(10);
    bar_->setFocusPolicy(Qt::NoFocus);
    connect(bar_, &QScrollBar::actionTriggered, this, &PageList::barAction);
    connect(bar_, &QScrollBar::sliderReleased, this,
            [this] { scroll(EventKind::ScrollDrag, bar_->value()); });
    setUpColumns(control.desc().columns, du);
}

void PageList::setUpColumns(const std::vector<ListColumn>& columns, const DialogUnits& du) {
    columns_ = columns;
    table_->setColumnCount(std::max<int>(1, int(columns.size())));
    QStringList headers;
    std::vector<int> indents;
    std::vector<bool> borders;
    for (const ListColumn& c : columns) {
        headers << QString::fromStdString(c.header);
        indents.push_back(du.x(c.indent));
        borders.push_back(c.rightBorder);
    }
    table_->setHorizontalHeaderLabels(headers);
    table_->setItemDelegate(new ColumnDelegate(indents, borders, table_));
    QHeaderView* h = table_->horizontalHeader();
    h->setStretchLastSection(false);
    h->setHighlightSections(false);
    for (int i = 0; i < int(columns.size()); ++i) {
        const ListColumn& c = columns[size_t(i)];
        h->setSectionResizeMode(i, c.resizable ? QHeaderView::Interactive : QHeaderView::Fixed);
        table_->setColumnWidth(i, du.x(c.width));
        if (auto* item = table_->horizontalHeaderItem(i))
            item->setTextAlignment(alignment(c.align));
    }
}

// Measured on the list's own size, so it holds before the table is laid out.
int PageList::rowsVisible() const {
    const int rowHeight = std::max(1, table_->verticalHeader()->defaultSectionSize());
    const int header = table_->horizontalHeader()->sizeHint().height();
    const int frame = 2 * table_->frameWidth();
    int body = height() - header - frame;
    if (columnsWidth() > width() - bar_->sizeHint().width() - frame)
        body -= table_->horizontalScrollBar()->sizeHint().height();
    return std::max(1, body / rowHeight);
}

int PageList::columnsWidth() const {
    int total = 0;
    for (int i = 0; i < table_->columnCount(); ++i)
        total += table_->columnWidth(i);
    return total;
}

void PageList::reportRows() {
    const int rows = rowsVisible();
    if (rows == reportedRows_)
        return;
    reportedRows_ = rows;
    if (onPageRows)
        onPageRows(rows);
}

int PageList::rowCount() const {
    return table_->rowCount();
}

// Shows the page; rows beyond what the table can show are left out, so the
// table never scrolls.
void PageList::setRows(const std::vector<Row>& rows) {
    rows_ = rows;
    const int shown = std::min<int>(int(rows.size()), rowsVisible());
    table_->clearContents();
    table_->setRowCount(shown);
    for (int r = 0; r < shown; ++r) {
        const Row& row = rows[size_t(r)];
        for (int c = 0; c < int(row.size()) && c < table_->columnCount(); ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(row[size_t(c)]));
            const Align a = size_t(c) < columns_.size() ? columns_[size_t(c)].align : Align::Left;
            item->setTextAlignment(alignment(a));
            table_->setItem(r, c, item);
        }
    }
    setSelection(selection_);
}

void PageList::setSelection(int row) {
    selection_ = row;
    const QSignalBlocker block(table_);
    if (row >= 1 && row <= table_->rowCount()) {
        table_->setCurrentCell(row - 1, 0);
        table_->selectRow(row - 1);
    } else {
        table_->clearSelection();
    }
    table_->verticalScrollBar()->setValue(0);
}

void PageList::setThumb(int percent) {
    thumb_ = percent;
    const QSignalBlocker block(bar_);
    bar_->setValue(percent);
}

void PageList::scroll(EventKind kind, int thumb) {
    if (UserInput* in = input())
        in->scroll(window_, control_, kind, thumb);
    setThumb(thumb_);
}

void PageList::key(KeyCode code) {
    if (UserInput* in = input())
        in->key(window_, control_, code);
}

void PageList::barAction(int action) {
    switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
            scroll(EventKind::ScrollUp);
            break;
        case QAbstractSlider::SliderSingleStepAdd:
            scroll(EventKind::ScrollDown);
            break;
        case QAbstractSlider::SliderPageStepSub:
            scroll(EventKind::PageUp);
            break;
        case QAbstractSlider::SliderPageStepAdd:
            scroll(EventKind::PageDown);
            break;
        case QAbstractSlider::SliderToMinimum:
            scroll(EventKind::ScrollTop);
            break;
        case QAbstractSlider::SliderToMaximum:
            scroll(EventKind::ScrollBottom);
            break;
        default:
            return;  // a drag is reported when the thumb is released
    }
    // The bar would now move by itself; it stays where the list manager put it.
    bar_->setSliderPosition(thumb_);
}

bool PageList::keyPress(QKeyEvent& event) {
    const std::optional<KeyCode> code = KeyMap::fromEvent(event);
    if (!code)
        return false;
    key(*code);
    return true;
}

bool PageList::wheel(QWheelEvent& event) {
    const int notches = event.angleDelta().y() / 120;
    for (int i = 0; i < std::abs(notches); ++i)
        scroll(notches > 0 ? EventKind::ScrollUp : EventKind::ScrollDown);
    return true;
}

void PageList::clicked(int row) {
    if (row >= 0 && input() != nullptr)
        input()->choose(window_, control_, std::to_string(row + 1));
}

bool PageList::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
            return watched == table_ && keyPress(static_cast<QKeyEvent&>(*event));
        case QEvent::Wheel:
            return wheel(static_cast<QWheelEvent&>(*event));
        case QEvent::MouseButtonPress:
            if (watched == table_->viewport()) {
                const auto& m = static_cast<QMouseEvent&>(*event);
                if (m.button() == Qt::RightButton)
                    key(key::MouseRight);
                else
                    clicked(table_->rowAt(m.position().toPoint().y()));
                return true;
            }
            return false;
        case QEvent::MouseButtonDblClick:
            if (watched == table_->viewport()) {
                key(key::MouseLeft2);
                return true;
            }
            return false;
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove:
            return watched == table_->viewport();
        default:
            return false;
    }
}

void PageList::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int rows = rowsVisible();
    if (rows != shownRows_) {
        shownRows_ = rows;
        setRows(rows_);
    }
    reportRows();
}

}  // namespace vorda::ui::qt
