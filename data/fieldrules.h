// Helpers of the per-field rules of DDJJ, ANEXOI, ANEXOII and ANEXOIII.
//
// A rule names the field for the error reporter (%Field), tests, and on
// failure shows a catalogue message with its %Message text and returns that
// message's level; on success it returns the FileManager's own field
// validation. A rule that looks a record up in another table leaves that
// table's record buffer, current key and position exactly as they were,
// whatever the outcome: the lookup runs between SaveFile and RestoreFile, and
// the message, if any, is shown only after the restore.
#pragma once

#include <string_view>

#include "data/declarationkey.h"
#include "framework/errorids.h"
#include "framework/filemanager.h"
#include "framework/filestateguard.h"
#include "framework/level.h"

namespace vorda::fieldrules {

// Catalogue ids used by the rules.
constexpr uint16_t MSG_FIELD_NOT_IN_FILE =
    msg::FieldNotInFile;  // "... debe existir en tabla %Message."
constexpr uint16_t MSG_FIELD_OUT_OF_RANGE_LOW =
    msg::FieldBelowRange;  // "... debe ser mayor que %Message."

// Saves a table's buffer and position for the lifetime of the object.
using SavedFile = FileStateGuard;

// Rule "the agent exists": the agent number is looked up by AGE:AGE_NRO.
// On failure: message 14 for `fieldName` with "Agentes".
Level requireAgent(FileManager& self, std::string_view fieldName, TextRef agentNumber);

// Rule "the declaration exists": the key is looked up by DDJ:DDJJ.
// On failure: message 14 for `fieldName` with "Ddjj".
Level requireDeclaration(FileManager& self, std::string_view fieldName, const DeclarationKey& key);

}  // namespace vorda::fieldrules
