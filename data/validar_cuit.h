// VALIDAR_CUIT: is a CUIT acceptable?
//
// A CUIT is acceptable when its check digit agrees with its first ten digits
// and its first two digits are a known type prefix. A blank CUIT, or one with
// no digit other than 0, is accepted without any check so that a CUIT may be
// left empty. When the CUIT is not acceptable the user is told "Número de
// C.U.I.T. no válido" in a box with one button, and 0 is returned after it is
// closed; otherwise 1. No table and no global variable is touched.
#pragma once

#include <cstdint>
#include <string_view>

namespace vorda {

// `CUIT` is the text as passed: the 13-character stored form
// "##-########-#" (blank padded) or exactly 11 digits without separators.
uint8_t VALIDAR_CUIT(std::string_view CUIT);

// The same verdict without the message box (used by the checking pass of the
// imports, which count wrong lines instead of showing one box each).
bool cuitIsAcceptable(std::string_view CUIT);

}  // namespace vorda
