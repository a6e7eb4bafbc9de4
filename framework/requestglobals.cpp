// The process-wide request/response variables.
#include "framework/requestglobals.h"

namespace vorda {

uint8_t GlobalRequest = 0;
uint8_t GlobalResponse = 0;
int32_t VCRRequest = 0;

}  // namespace vorda
