// FilterExpression: the text form of a view's filter and order, and their
// translation into the store's FilterNode and OrderTerms.
//
// The view manager builds its filter as text ("A2:AGENTE_PERIODO = '1/23.45.678200103' AND
// (A2:VALOR > 100)") and its order as text ("AGE:NRO_AGENTE,-UPPER(AGE:DENOMINACION)"); this
// class turns either text into what the store's cursor takes, or says where the text is wrong.
//
// Filter grammar (keywords and field names in any letter case, blanks between tokens free):
//
//     filter     := or
//     or         := and { OR and }
//     and        := unary { AND unary }
//     unary      := NOT unary | '(' filter ')' | comparison
//     comparison := operand op operand          (exactly one side names a field)
//     op         := '=' | '<>' | '<' | '<=' | '>' | '>='
//     operand    := name | UPPER '(' name ')' | literal | UPPER '(' literal ')'
//     literal    := 'text with '' for a quote' | [-]digits[.digits]
//     name       := a field's full name ("A2:AGENTE_PERIODO", "A2:AÑO")
//
// Order grammar: terms separated by ',', each [+|-] name or [+|-] UPPER(name); '-' orders
// that term descending. An empty (or blank) order text is file order.
//
// Literal values are handed to the store as its FilterNode contract asks: text as UTF-8;
// a Decimal field's value normalised to "1234.50"; Date and Int32 values as whole numbers.
// A literal that the field's kind cannot hold (a text for a Date, "1.5" for an Int32) is an
// error. Nesting deeper than MaxDepth is an error too, so that a hostile text cannot exhaust
// the small stack of a procedure thread.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/store/file.h"

namespace vorda {

struct FilterError {
    size_t position = 0;  // byte offset in the text where the problem was found
    std::string message;  // Spanish, for the user's error text
};

class FilterExpression {
public:
    static constexpr int MaxDepth = 64;

    // The filter tree of `text` over the fields of `desc`; nullopt (and `error` set, when
    // given) when the text does not follow the grammar or names an unknown field. A blank
    // text gives nullopt with an empty error message: there is no filter.
    static std::optional<store::FilterNode> parseFilter(std::string_view text,
                                                        const store::TableDesc& desc,
                                                        FilterError* error = nullptr);

    // The order terms of `text`; an empty vector for a blank text (file order).
    static std::optional<std::vector<store::OrderTerm>> parseOrder(std::string_view text,
                                                                   const store::TableDesc& desc,
                                                                   FilterError* error = nullptr);

    // A text literal: single quotes around `utf8`, each embedded quote doubled.
    static std::string quote(std::string_view utf8);
};

}  // namespace vorda
