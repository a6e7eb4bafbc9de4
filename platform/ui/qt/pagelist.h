// PageList: a list control that shows exactly the one page of rows the list
// manager put into the control, and never scrolls by itself.
//
// Layout: a table with column headers (widths in dialog units, alignment,
// indent, right borders, resizable columns as the control describes them)
// beside a vertical scroll bar of its own whose range is 0 to 100 (the
// thumb). The table's own scroll bar is off.
//
// Input, all of it handed to the runtime (UserInput):
//   Up, Down, PgUp, PgDn, Home, End, Ctrl+Home, Ctrl+End  -> key()
//     (the runtime turns them into the list's scroll events)
//   wheel, one notch                                      -> ScrollUp/ScrollDown
//   scroll bar arrows / page areas / dragged thumb        -> ScrollUp/Down,
//     PageUp/Down, ScrollTop/Bottom, ScrollDrag(thumb)
//   click on a row                                        -> choose(row)
//   double click, Insert, Delete, Ctrl+Enter, characters  -> key()
// The bar snaps back to the control's thumb after each user move: only the
// list manager moves it (setThumb).
//
// Rows visible: the number of whole rows the table's height holds (less a
// horizontal scroll bar when the columns are wider than the table). The
// table holds at most that many rows; reportRows() calls onPageRows when the
// number differs from the one last reported, and every resize reports a
// change, so the backend can tell the runtime (UserInput::listRows).
#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "platform/ui/control.h"

class QTableWidget;
class QScrollBar;

namespace vorda::ui::qt {

class DialogUnits;

class PageList : public QWidget {
    Q_OBJECT
public:
    PageList(int window, const Control& control, const DialogUnits& du, QWidget* parent);

    void setRows(const std::vector<Row>& rows);
    void setSelection(int row);  // 1-based, 0 = none
    void setThumb(int percent);
    int rowsVisible() const;
    // Calls onPageRows when rowsVisible() differs from the last report.
    void reportRows();
    int rowCount() const;
    QTableWidget* table() const { return table_; }
    QScrollBar* thumbBar() const { return bar_; }

    std::function<void(int)> onPageRows;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void setUpColumns(const std::vector<ListColumn>& columns, const DialogUnits& du);
    void barAction(int action);
    void scroll(EventKind kind, int thumb = 0);
    void key(KeyCode code);
    bool keyPress(QKeyEvent& event);
    bool wheel(QWheelEvent& event);
    void clicked(int row);
    int columnsWidth() const;

    int window_;
    ControlId control_;
    QTableWidget* table_;
    QScrollBar* bar_;
    std::vector<Row> rows_;
    std::vector<ListColumn> columns_;
    int selection_ = 0;
    int thumb_ = 0;
    int shownRows_ = 0;     // rowsVisible() when the rows were last laid out
    int reportedRows_ = 0;  // rowsVisible() as last reported
};

}  // namespace vorda::ui::qt
