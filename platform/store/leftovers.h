// Leftovers: files that a station killed at the wrong moment leaves beside
// the tables, and their removal once nothing can still need them.
//
//   <main>-mjXXXXXXXX   the super-journal of a commit over several tables
//                       (<main> is the connection's main database, .vorda-tx).
//                       A kill between its creation and its removal leaves it.
//                       While a journal it lists still names it, that
//                       journal's rollback must find it (without it the
//                       journal reads as committed and its table keeps half a
//                       transaction), so only a super-journal that no journal
//                       names any more is removed.
//   <table>.new, <table>.rebuild (and their -journal)
//                       a table file being created or rebuilt by copy. Removed
//                       when <table>.lck exists (so the file is one of ours)
//                       and the table's lock can be taken alone: nobody is
//                       creating, rebuilding or using that table.
//
// clean() must only run while no other connection to `mainPath` exists, in
// this process or at another station (Connection takes care of that).
#pragma once

#include <filesystem>
#include <string>

namespace vorda::store {

class Leftovers {
public:
    // Removes the super-journals of `mainPath` that no journal needs, and the
    // half-made table files of `tableDir`. Failures are ignored: a leftover
    // that cannot be removed now is tried again at the next start.
    static void clean(const std::filesystem::path& mainPath, const std::filesystem::path& tableDir);

private:
    static void cleanSuperJournals(const std::filesystem::path& mainPath);
    static bool journalsGone(const std::filesystem::path& superJournal);
    static bool namesSuperJournal(const std::string& journal, const std::string& name);
    static void cleanTableFiles(const std::filesystem::path& tableDir);
};

}  // namespace vorda::store
