// FilterExpression: filter and order texts into the store's FilterNode and
// OrderTerms, over the LIN and AGT test tables (tests/framework/relationtables.h).
//
//   FilterParse   - each text against a rendering of the tree it gives
//   FilterReject  - every way a text can be wrong, with the position found
//   OrderParse    - order terms, and what is refused
#include "framework/filterexpression.h"

#include <gtest/gtest.h>

#include "tests/framework/relationtables.h"

namespace vorda::test {
namespace {

// "AND(EQ 6 'A',NOT(GT U7 '5'))": op, U for upper, field number, value.
std::string render(const store::FilterNode& node) {
    static const char* ops[] = {"EQ", "NE", "LT", "LE", "GT", "GE"};
    static const char* kinds[] = {"", "AND", "OR", "NOT"};
    if (node.kind == store::FilterNode::Kind::Compare) {
        return std::string(ops[static_cast<int>(node.op)]) + (node.upper ? " U" : " ") +
               std::to_string(node.field) + " '" + node.value + "'";
    }
    std::string text = std::string(kinds[static_cast<int>(node.kind)]) + "(";
    for (size_t i = 0; i < node.children.size(); ++i) {
        text += (i ? "," : "") + render(node.children[i]);
    }
    return text + ")";
}

TEST(FilterParse, texts_give_their_trees_with_literals_normalised_per_field_kind) {
    const std::string day = std::to_string(Date::fromYmd(2001, 3, 5)->dayNumber());
    const std::string nested = std::string(FilterExpression::MaxDepth - 1, '(') + "LIN:DOC = 'a'" +
                               std::string(FilterExpression::MaxDepth - 1, ')');
    const std::pair<std::string, std::string> cases[] = {
        {"lin:doc<>'x'", "NE 6 'x'"},
        {"LIN:ORDEN <= -3", "LE 7 '-3'"},
        {"5 < LIN:ORDEN", "GT 7 '5'"},  // a literal on the left turns it round
        {"LIN:DOC = 'O''Brien'", "EQ 6 'O'Brien'"},
        {"LIN:DOC >= 'Pérez'", "GE 6 'Pérez'"},
        {"LIN:VALOR < -0.5", "LT 8 '-0.50'"},
        {"LIN:VALOR = '12,5'", "EQ 8 '12.50'"},
        {"LIN:FECHA = '05/03/2001'", "EQ 9 '" + day + "'"},
        {"LIN:CLAVE = '1/23       20010300'", "EQ 1 '1/23       20010300'"},
        {"UPPER(LIN:DOC) = UPPER('abc')", "EQ U6 'abc'"},
        {"LIN:DOC = UPPER('ñandú')", "EQ 6 'ÑANDÚ'"},
        {"LIN:DOC = 'a' AND LIN:ORDEN = 1 OR NOT LIN:ORDEN = 2",
         "OR(AND(EQ 6 'a',EQ 7 '1'),NOT(EQ 7 '2'))"},
        {"NOT (LIN:ORDEN = 1 or LIN:ORDEN = 2) and LIN:ORDEN > 0 AND LIN:DOC = 'x'",
         "AND(NOT(OR(EQ 7 '1',EQ 7 '2')),GT 7 '0',EQ 6 'x')"},
        {nested, "EQ 6 'a'"},
    };
    for (const auto& [text, tree] : cases) {
        FilterError error;
        const auto node = FilterExpression::parseFilter(text, linDesc(), &error);
        ASSERT_TRUE(node) << text << ": " << error.message;
        EXPECT_EQ(render(*node), tree) << text;
    }
}

TEST(FilterReject, every_malformed_text_is_refused_with_its_position) {
    const std::string deep = std::string(100000, '(') + "LIN:DOC = 'a'";
    const std::tuple<std::string, size_t, std::string> cases[] = {
        {"LIN:NOPE = 1", 0, "campo desconocido: LIN:NOPE"},
        {"LIN:DOC = 'abc", 10, "texto sin cerrar"},
        {"LIN:DOC 'a'", 8, "se esperaba un operador de comparación"},
        {"LIN:DOC = LIN:NRO", 0, "la comparación debe tener un campo y un valor"},
        {"'a' = 'b'", 0, "la comparación debe tener un campo y un valor"},
        {"(LIN:DOC = 'a'", 14, "falta ')'"},
        {"LIN:DOC = 'a' LIN:NRO = 'b'", 14, "texto inesperado después de la expresión"},
        {"LIN:DOC = 'a' AND", 17, "se esperaba un nombre de campo o un valor"},
        {"LIN:DOC = 'a'; DELETE", 13, "carácter no válido"},
        {"LIN:ORDEN = 1.5", 12, "valor no válido para el campo LIN:ORDEN"},
        {"LIN:ORDEN = 99999999999", 12, "valor no válido para el campo LIN:ORDEN"},
        {"LIN:VALOR = 'mucho'", 12, "valor no válido para el campo LIN:VALOR"},
        {"LIN:FECHA = 'ayer'", 12, "valor no válido para el campo LIN:FECHA"},
        {"UPPER(LIN:VALOR) = 5", 6, "UPPER solo se aplica a campos de texto: LIN:VALOR"},
        {"LIN:ORDEN = - LIN:DOC", 14, "se esperaba un número"},
        {deep, FilterExpression::MaxDepth, "expresión anidada demasiado profundamente"},
    };
    for (const auto& [text, position, message] : cases) {
        FilterError error;
        EXPECT_FALSE(FilterExpression::parseFilter(text, linDesc(), &error)) << text;
        EXPECT_EQ(error.message, message) << text;
        EXPECT_EQ(error.position, position) << text;
    }
    FilterError blank{.position = 3, .message = "x"};
    EXPECT_FALSE(FilterExpression::parseFilter("   ", linDesc(), &blank));  // no filter
    EXPECT_TRUE(blank.message.empty());
}

TEST(OrderParse, terms_with_direction_and_case_and_what_is_refused) {
    const auto terms = FilterExpression::parseOrder("AGT:NRO, -UPPER(agt:nombre)", agtDesc());
    ASSERT_TRUE(terms && terms->size() == 2u);
    EXPECT_EQ((*terms)[0].field, AGT_F::NRO);
    EXPECT_FALSE((*terms)[0].descending || (*terms)[0].upper);
    EXPECT_EQ((*terms)[1].field, AGT_F::NOMBRE);
    EXPECT_TRUE((*terms)[1].descending && (*terms)[1].upper);
    const auto none = FilterExpression::parseOrder(" ", agtDesc());
    EXPECT_TRUE(none && none->empty());
    for (std::string_view text :
         {"AGT:NRO,", "AGT:NOPE", "UPPER(AGT:NRO", "AGT:NRO AGT:NOMBRE", "-", "'AGT:NRO'"}) {
        FilterError error;
        EXPECT_FALSE(FilterExpression::parseOrder(text, agtDesc(), &error)) << text;
        EXPECT_FALSE(error.message.empty()) << text;
    }
}

}  // namespace
}  // namespace vorda::test
