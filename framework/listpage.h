// ListPage: the rows a list shows and which of them is selected.
//
// A list shows one page of its view at a time. Rows are added at the bottom
// while the view is read forwards and at the top while it is read backwards;
// adding to a page that already holds `limit` rows drops the row at the other
// end, so the page slides over the view. The selection is a row number
// (1-based): it may be set anywhere while the page is rebuilt and is brought
// back between the first and the last row by clampSelection() (0 when the
// page is empty); dropping rows never moves it.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/types/picture.h"

namespace vorda {

// The direction a page is read in: forwards adds rows at the bottom,
// backwards at the top.
enum class ReadDirection { Forward, Backward };

class ListPage {
public:
    struct Row {
        std::vector<FieldValue> values;
        std::string ViewPosition;  // in the view's order
        std::string filePosition;  // the record's own position in its table
    };

    int size() const { return static_cast<int>(rows_.size()); }
    bool empty() const { return rows_.empty(); }
    const Row& row(int number) const { return rows_.at(static_cast<size_t>(number - 1)); }
    const Row& first() const { return rows_.front(); }
    const Row& last() const { return rows_.back(); }
    // The row number holding `viewPos` (or, when that is empty or not found,
    // `filePos`); 0 when neither is on the page.
    int find(const std::string& viewPos, const std::string& filePos) const;
    std::vector<std::vector<FieldValue>> values() const;

    // Adds `row` at the bottom (Forward) or the top (Backward); when the page
    // then holds more than `limit` rows, the row at the other end is dropped
    // and true returned.
    bool add(ReadDirection direction, Row row, int limit);
    void dropTop() { rows_.pop_front(); }
    void dropBottom() { rows_.pop_back(); }
    void clear();

    int selected() const { return selected_; }
    // The selected row, or nullptr when the selection is not on a row.
    const Row* selectedRow() const;
    void select(int number) { selected_ = number; }
    void moveSelection(int rows) { selected_ += rows; }
    void clampSelection();

private:
    std::deque<Row> rows_;
    int selected_ = 0;
};

}  // namespace vorda
