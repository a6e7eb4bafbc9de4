// Picture: how a value is shown in a control, list column or fixed-width text,
// how a shown text is read back, and how an entry reacts to typed keys.
//
// Kinds, written with or without a leading '@':
//   s<n>            text of n characters                         "@s11", "s15"
//   n<fill><w>[.d][b]   number, w positions, d decimals (0..2)   "N20.2", "n015.2", "n09b"
//                   fill '0' = zero-filled, '_' = blank-filled without grouping,
//                   none = blank-filled with ',' grouping of thousands;
//                   'b' = blank when zero. '.' is always the decimal point.
//   P<template>P[b] digit template: '#' (or '<') takes one digit, any other
//                   character is a literal                       "P##PB", "P##-########-#PB"
//   <template>      a template without the P delimiters; always blank when empty
//                                                                "#/##.##.###", "##-########-#"
//   d6              date as dd/mm/yyyy; the empty date shows blank
//
// Contracts:
// - format(value) gives the text an entry shows: numbers without padding
//   blanks (the control aligns them), zero-filled numbers at full width, text
//   cut at the width. render(value) gives exactly width() characters.
// - deformat(text) reads a shown or typed text back; nullopt means the text
//   is refused (a control reports it as Rejected). Numbers come back as
//   Decimal, dates as Date, text and templates as UTF-8 text. A template
//   value keeps its literals: typing 12345678 into "#/##.##.###" gives
//   "1/23.45.678", which is also what the field stores.
// - Template digits are laid into the template from the left; a partial value
//   ends after its last digit ("1/23.4"), so a month typed "5" into "P##PB"
//   stays "5".
// - The typing model (type, erase, paste) is what every entry uses, so the
//   Qt entries and the headless player behave the same: a key the picture
//   cannot take (a letter in a digit position, a full entry, a character
//   without a Windows-1252 byte in a text) is refused and leaves the text as
//   it was; pasted text is cut to what fits.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "platform/types/date.h"
#include "platform/types/decimal.h"

namespace vorda {

// A field's value as controls exchange it: text (UTF-8), amount, date or integer.
using FieldValue = std::variant<std::string, Decimal, Date, int64_t>;

// A value as plain text, without a picture: texts as they are, amounts as
// "1234.50", dates as dd/mm/yyyy, integers in decimal.
std::string fieldValueText(const FieldValue& v);

class Picture {
public:
    enum class Kind { Text, Number, Template, Date };
    enum class Fill { None, Zero, Blank };

    // Text in an entry with the caret before character `caret` (0-based, in
    // characters, not bytes).
    struct Edit {
        std::string text;
        size_t caret = 0;
        friend bool operator==(const Edit&, const Edit&) = default;
    };
    enum class Erase { Backward, Forward };  // Backspace, Delete

    // nullopt for a picture text this program does not know.
    static std::optional<Picture> parse(std::string_view spec);

    Kind kind() const { return kind_; }
    int width() const { return width_; }
    int decimals() const { return decimals_; }
    bool rightAligned() const { return kind_ == Kind::Number; }
    const std::string& spec() const { return spec_; }

    std::string format(const FieldValue& value) const;
    std::string render(const FieldValue& value) const;
    std::optional<FieldValue> deformat(std::string_view text) const;

    // The entry after typing `ch` at the caret; nullopt = key refused.
    std::optional<Edit> type(const Edit& edit, char32_t ch) const;
    Edit erase(const Edit& edit, Erase direction) const;
    // Inserts what fits of `pasted` at the caret; characters the picture
    // cannot take are left out.
    Edit paste(const Edit& edit, std::string_view pasted) const;

private:
    Picture() = default;

    static std::optional<Picture> parseNumber(std::string_view body);
    static std::optional<Picture> parseTemplate(std::string_view tmpl, bool blank);

    std::string formatNumber(Decimal value) const;
    std::string formatTemplate(std::string_view digits) const;
    std::optional<FieldValue> deformatNumber(std::string_view text) const;
    std::optional<FieldValue> deformatTemplate(std::string_view text) const;
    std::optional<FieldValue> deformatDate(std::string_view text) const;
    bool accepts(char32_t ch) const;
    size_t digitSlots() const;
    std::optional<Edit> typeTemplate(const Edit& edit, char32_t ch) const;
    Edit eraseTemplate(const Edit& edit, Erase direction) const;
    Edit withDigits(const std::string& digits, size_t caretDigit) const;

    std::string spec_;
    Kind kind_ = Kind::Text;
    int width_ = 0;
    int decimals_ = 0;
    Fill fill_ = Fill::None;
    bool blank_ = false;
    std::string template_;  // Template kind: '#' = digit position
};

}  // namespace vorda
