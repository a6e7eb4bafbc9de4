// The store's own files in the working directory: the transaction file that
// every connection opens as its main database.
//
//   TransactionFile  a .vorda-tx that is not a database is made again
#include <sqlite3.h>

#include <fstream>

#include "platform/store/transaction.h"
#include "testtables.h"

namespace vorda::store::test {
namespace {

// True when `file` opens as a SQLite database whose header reads.
bool isDatabase(const char* file) {
    sqlite3* db = nullptr;
    bool ok = sqlite3_open_v2(file, &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK &&
              sqlite3_exec(db, "PRAGMA schema_version", nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

class TransactionFile : public StoreTest {};

TEST_F(TransactionFile, one_that_is_not_a_database_is_made_again_and_commits_work) {
    std::ofstream(".vorda-tx") << std::string(4096, '\x5a');
    Table decl{declDesc()};
    Table linea{lineaDesc()};
    ASSERT_EQ(decl.createOpen(), Ok);
    ASSERT_EQ(linea.createOpen(), Ok);
    Transaction tx;
    ASSERT_EQ(tx.begin({decl.file.get(), linea.file.get()}, 2), Ok);
    ASSERT_EQ(decl.add("D", "", 0, "1/23.45.67820010300"), Ok);
    ASSERT_EQ(linea.add("L", "", 0, "1/23.45.67820010300"), Ok);
    ASSERT_EQ(tx.commit(), Ok);
    EXPECT_TRUE(isDatabase(".vorda-tx"));
    EXPECT_EQ(linea.file->records(), 1);
}

}  // namespace
}  // namespace vorda::store::test
