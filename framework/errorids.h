// Ids of the default error catalogue's entries (DefaultErrors), named by what
// they report. The numbers are the catalogue's own: an AddErrors block that
// redefines an entry keeps its id, and stored catalogue blocks rely on them.
#pragma once

#include <cstdint>

namespace vorda::msg {

inline constexpr uint16_t RetrieveError = 1;       // reading a record failed
inline constexpr uint16_t AccessDenied = 2;        // no write access: opened read-only
inline constexpr uint16_t AddAnother = 3;          // question: add another record?
inline constexpr uint16_t AddError = 4;            // adding a record failed
inline constexpr uint16_t NotFoundAddNew = 5;      // record not found, add a new one?
inline constexpr uint16_t RecordChanged = 6;       // changed by another station
inline constexpr uint16_t RecordChangedShown = 7;  // the same; that station's values shown
inline constexpr uint16_t ConfirmCancel = 8;       // question: changes will be lost
inline constexpr uint16_t ConfirmDelete = 9;       // question: delete the selected record?
inline constexpr uint16_t CreateError = 10;        // creating a table failed (fatal)
inline constexpr uint16_t DeleteError = 11;        // deleting a record failed
inline constexpr uint16_t DeleteNotAllowed = 12;   // the form cannot delete
inline constexpr uint16_t DuplicateKey = 13;       // %Message: the key's description
inline constexpr uint16_t FieldNotInFile = 14;     // %Message: the table looked up
inline constexpr uint16_t FieldNotInList = 15;     // %Message: the allowed values
inline constexpr uint16_t FieldOutOfRange = 16;    // %Message: the range
inline constexpr uint16_t FieldAboveRange = 17;    // %Message: the upper bound
inline constexpr uint16_t FieldBelowRange = 18;    // %Message: the lower bound
inline constexpr uint16_t FileLoadError = 19;      // a file could not be loaded
inline constexpr uint16_t InsertNotAllowed = 20;   // the form cannot insert
inline constexpr uint16_t TransactionError = 21;   // a transaction could not begin
inline constexpr uint16_t NoRecords = 22;          // nothing to process
inline constexpr uint16_t OpenError = 23;          // opening a table failed (fatal)
inline constexpr uint16_t ProcedureNotDefined = 24;
inline constexpr uint16_t UpdateError = 25;     // writing a changed record failed
inline constexpr uint16_t RebuildError = 26;    // rebuilding keys failed (fatal)
inline constexpr uint16_t KeysInvalid = 27;     // the keys must be rebuilt
inline constexpr uint16_t RecordHeld = 28;      // a record held by another station
inline constexpr uint16_t RestrictDelete = 30;  // referenced from %File: not deleted
inline constexpr uint16_t RestrictUpdate = 31;  // referenced from %File: links put back
inline constexpr uint16_t AutoNumberRetry = 32;
inline constexpr uint16_t RetryDelete = 33;       // question: try the delete again?
inline constexpr uint16_t RetryUpdate = 34;       // question: try the write again?
inline constexpr uint16_t SaveChanges = 35;       // question: save the changes?
inline constexpr uint16_t RestartFromEnd = 36;    // question at the beginning of the file
inline constexpr uint16_t RestartFromStart = 37;  // question at the end of the file
inline constexpr uint16_t UpdateNotAllowed = 38;  // the form cannot change
inline constexpr uint16_t FileNotOpen = 39;       // used before being opened (program error)
inline constexpr uint16_t ViewOpenError = 40;     // filters and ranges ignored

}  // namespace vorda::msg
