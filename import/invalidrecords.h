// InvalidRecords: what a checking pass found wrong, told so that the clerk
// never clicks through more than ten boxes for one file.
//
// add() shows the record's message in a box (button "Cerrar", question-mark
// icon) for the first ten invalid records and only counts the others. Every
// invalid record is kept (its number, message and text, up to MaxKept) for
// the list offered at the end (showInvalidRecords), which the clerk can save
// as a text file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorda::import {

class InvalidRecords {
public:
    static constexpr int64_t BoxesShown = 10;
    static constexpr size_t MaxKept = 50000;

    struct Entry {
        int32_t number;
        std::string message;
        std::string text;  // the record as read, UTF-8, trailing blanks removed
    };

    // `record` is the record's characters (Windows-1252).
    void add(int32_t number, const std::string& message, std::string_view record);

    int64_t count() const { return count_; }
    // More were found than boxes shown.
    bool someUntold() const { return count_ > BoxesShown; }
    const std::vector<Entry>& entries() const { return entries_; }
    // The list as the saved file holds it: one line per record, number,
    // message and text separated by tabs, and a last line for records not kept.
    std::string asText() const;

private:
    int64_t count_ = 0;
    std::vector<Entry> entries_;
};

// The window "Registros no válidos": every invalid record kept, in a list the
// clerk scrolls through, "Guardar..." to write it to a text file of his
// choice, "Cerrar". Returns when the window is closed.
void showInvalidRecords(const InvalidRecords& records);

}  // namespace vorda::import
