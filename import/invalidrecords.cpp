// Invalid records of a checking pass and their list (contract in
// invalidrecords.h).
#include "import/invalidrecords.h"

#include "platform/types/cp1252.h"
#include "platform/types/trim.h"
#include "platform/ui/messagebox.h"

namespace vorda::import {

void InvalidRecords::add(int32_t number, const std::string& message, std::string_view record) {
    ++count_;
    if (count_ <= BoxesShown) {
        ui::message({.text = message, .icon = ui::Icon::Question, .okLabel = "Cerrar"});
    }
    if (entries_.size() < MaxKept) {
        entries_.push_back(
            {.number = number, .message = message, .text = cp1252::toUtf8(trimRight(record))});
    }
}

std::string InvalidRecords::asText() const {
    std::string text;
    for (const Entry& e : entries_)
        text += std::to_string(e.number) + "\t" + e.message + "\t" + e.text + "\n";
    if (count_ > static_cast<int64_t>(entries_.size())) {
        text += "Y " + std::to_string(count_ - static_cast<int64_t>(entries_.size())) +
                " REGISTROS NO VALIDOS MAS\n";
    }
    return text;
}

}  // namespace vorda::import
