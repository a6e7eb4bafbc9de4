// Rebuilding the keys of the six stored tables, and the words that tell the
// user how it went.
//
// rebuildTables() works on the tables as files, not through their managers,
// in the order AGENTES, DDJJ, ALICUOTAS, ANEXOI, ANEXOII, ANEXOIII: each is
// opened for reading and writing, denying all other access, has every key
// rebuilt from its records, and is closed. A table that another window of
// the program or another station has open cannot be opened so, and is left
// as it is; a table whose file does not exist has nothing to rebuild. It
// uses only the store, so it may run on an OS thread of its own.
#pragma once

#include <string>
#include <vector>

namespace vorda {

struct TableOutcome {
    enum class Result { Rebuilt, Missing, InUse, Failed };
    std::string table{};  // "DDJJ"
    std::string file{};   // "Ddjj.tps"
    Result result = Result::Rebuilt;
    std::string error{};  // the driver's words, for Failed
};

std::vector<TableOutcome> rebuildTables();

// The closing message: "Los archivos han sido reorganizados" when no table
// was left out, else the tables that were not reorganised and why.
std::string reorganisationMessage(const std::vector<TableOutcome>& outcomes);
bool allReorganised(const std::vector<TableOutcome>& outcomes);

}  // namespace vorda
