#include "framework/listpage.h"

#include <algorithm>

namespace vorda {

int ListPage::find(const std::string& viewPos, const std::string& filePos) const {
    for (size_t i = 0; i < rows_.size(); ++i) {
        const Row& r = rows_[i];
        if ((!viewPos.empty() && r.ViewPosition == viewPos) ||
            (!filePos.empty() && r.filePosition == filePos))
            return static_cast<int>(i) + 1;
    }
    return 0;
}

std::vector<std::vector<FieldValue>> ListPage::values() const {
    std::vector<std::vector<FieldValue>> values;
    values.reserve(rows_.size());
    for (const Row& r : rows_)
        values.push_back(r.values);
    return values;
}

bool ListPage::add(ReadDirection direction, Row row, int limit) {
    const bool forward = direction == ReadDirection::Forward;
    if (forward)
        rows_.push_back(std::move(row));
    else
        rows_.push_front(std::move(row));
    if (size() <= limit)
        return false;
    if (forward)
        rows_.pop_front();
    else
        rows_.pop_back();
    return true;
}

void ListPage::clear() {
    rows_.clear();
    selected_ = 0;
}

const ListPage::Row* ListPage::selectedRow() const {
    if (selected_ < 1 || selected_ > size())
        return nullptr;
    return &rows_[static_cast<size_t>(selected_ - 1)];
}

void ListPage::clampSelection() {
    selected_ = empty() ? 0 : std::clamp(selected_, 1, size());
}

}  // namespace vorda
