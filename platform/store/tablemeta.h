// TableMeta: what a table file says about itself.
//
// Each table file holds, beside its records, a table `vorda_meta(name, value)`:
//   layout   the TableLayout signature the file was made for;
//   owner    "salt:hash", SHA-256 of salt and owner password: a file made under
//            another owner password is refused (not encryption: a password
//            compiled into the program protects nothing);
//   rebuild  "1" while the keys need rebuilding (set when SQLite reports
//            damage, cleared by a successful rebuild).
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

namespace vorda::store {

class TableMeta {
public:
    // Statements that create and fill the meta table of a new file.
    static std::vector<std::string> createStatements(const std::string& schema);
    // Writes layout and owner verifier and clears the mark; SQLite rc.
    static int write(sqlite3* db, const std::string& schema, const std::string& signature,
                     std::string_view owner);
    // Ok; FileSystemError for a file that is not one of our tables or was made
    // for another layout; AccessDenied for a foreign owner; KeysNeedRebuild
    // when marked. lastError is set on failure.
    static int check(sqlite3* db, const std::string& schema, const std::string& signature,
                     std::string_view owner);
    // Sets or clears the "keys need rebuilding" mark; SQLite rc.
    static int setRebuildMark(sqlite3* db, const std::string& schema, bool on);

private:
    static std::string verifier(std::string_view owner, const std::string& salt);
    static std::string newSalt();
    static int put(sqlite3* db, const std::string& schema, const char* name,
                   const std::string& value);
};

}  // namespace vorda::store
