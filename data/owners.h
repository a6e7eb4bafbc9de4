// Owner passwords of the keyed-table files.
//
// The store keeps a verifier of the owner password in each file and refuses a
// file created under another one (code 5). These values must never change:
// tables already installed at the entities, and presentation files read by
// the revenue agency's software, were created with them.
#pragma once

#include <string_view>

namespace vorda {

// The six stored tables (Agentes.tps ... Alicuotas.tps): 12 characters.
inline constexpr std::string_view TABLE_OWNER = "WYgPgRq0H2EB";

// The presentation file DDJJ_A_PRESENTAR: 40 letters and digits.
inline constexpr std::string_view PRESENTATION_OWNER = "E2MsiTiBjqT1ML0VNRQ1QNvK5laccSM9G4iMb4MH";

static_assert(TABLE_OWNER.size() == 12);
static_assert(PRESENTATION_OWNER.size() == 40);

}  // namespace vorda
