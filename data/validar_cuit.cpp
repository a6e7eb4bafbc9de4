#include "data/validar_cuit.h"

#include <algorithm>
#include <array>
#include <string>

#include "platform/types/trim.h"
#include "platform/ui/messagebox.h"

namespace vorda {
namespace {

constexpr std::string_view kInvalidCuit = "Número de C.U.I.T. no válido";

// Weights of the ten digit positions (1-based in the 13-character form);
// positions 3 and 12 are the dashes, 13 is the check digit.
struct Weight {
    size_t position;
    int weight;
};
constexpr std::array<Weight, 10> kWeights{
    {{1, 5}, {2, 4}, {4, 3}, {5, 2}, {6, 7}, {7, 6}, {8, 5}, {9, 4}, {10, 3}, {11, 2}}};

constexpr std::array<std::string_view, 8> kPrefixes{"20", "23", "24", "27", "30", "33", "34", "  "};

// A character read as a number: a digit is its value, anything else 0.
int digitValue(char c) {
    return c >= '0' && c <= '9' ? c - '0' : 0;
}

// Zero when the text has no digit other than 0 (blank, or all zeros).
bool readsAsZero(std::string_view cuit) {
    return std::none_of(cuit.begin(), cuit.end(), [](char c) { return c >= '1' && c <= '9'; });
}

// The 13-character form: 11 characters are given their dashes, anything else
// is cut or padded with blanks to 13.
std::string longForm(std::string_view cuit) {
    if (cuit.size() == 11) {
        return std::string(cuit.substr(0, 2)) + "-" + std::string(cuit.substr(2, 8)) + "-" +
               std::string(cuit.substr(10, 1));
    }
    std::string text(cuit.substr(0, 13));
    text.resize(13, ' ');
    return text;
}

int expectedCheckDigit(const std::string& cuitLargo) {
    int sum = 0;
    for (const Weight& w : kWeights)
        sum += digitValue(cuitLargo[w.position - 1]) * w.weight;
    const int resto = sum % 11;
    if (resto == 0)
        return 0;
    return resto == 1 ? 9 : 11 - resto;
}

bool prefixIsKnown(const std::string& cuitLargo) {
    std::string prefix(trimLeft(cuitLargo).substr(0, 2));
    prefix.resize(2, ' ');
    return std::find(kPrefixes.begin(), kPrefixes.end(), prefix) != kPrefixes.end();
}

}  // namespace

bool cuitIsAcceptable(std::string_view CUIT) {
    if (readsAsZero(CUIT))
        return true;
    const std::string cuitLargo = longForm(CUIT);
    if (digitValue(cuitLargo[12]) != expectedCheckDigit(cuitLargo))
        return false;
    return prefixIsKnown(cuitLargo);
}

uint8_t VALIDAR_CUIT(std::string_view CUIT) {
    if (cuitIsAcceptable(CUIT))
        return 1;
    ui::message({.text = std::string(kInvalidCuit),
                 .caption = "",
                 .icon = ui::Icon::Question,
                 .buttons = ui::ButtonOk,
                 .defaultButton = ui::ButtonOk,
                 .okLabel = "Cerrar"});
    return 0;
}

}  // namespace vorda
