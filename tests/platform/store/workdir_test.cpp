// The store's own files in the working directory: the transaction file that
// every connection opens as its main database, and what a killed station
// leaves beside it.
//
//   TransactionFile  a .vorda-tx that is not a database is made again
//   Leftovers        orphan super-journals and half-made table files are
//                    removed when a connection starts and no station can still
//                    need them; a super-journal a hot journal names is kept
#include <sqlite3.h>

#include <filesystem>
#include <fstream>

#include "helperprocess.h"
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

namespace fs = std::filesystem;

// A super-journal of a commit over the journals `journals` (full paths).
void writeSuperJournal(const std::string& name, const std::vector<std::string>& journals) {
    std::ofstream out(name, std::ios::binary);
    for (const std::string& j : journals)
        out << j << '\0';
}

void touch(const std::string& name) {
    std::ofstream(name) << "x";
}

// A journal as SQLite leaves it after writing a commit over several files:
// header, pages, then the super-journal's path, its length, checksum and the
// magic.
// `hot` false: its header zeroed, as after it was played back.
void writeJournalNaming(const std::string& name, const std::string& superJournal, bool hot) {
    std::ofstream out(name, std::ios::binary);
    out << std::string(16, hot ? '\xd9' : '\0') << std::string(1024, '\x11') << superJournal;
    uint32_t checksum = 0;
    for (char c : superJournal)
        checksum += static_cast<uint32_t>(c);
    for (uint32_t word : {static_cast<uint32_t>(superJournal.size()), checksum}) {
        for (int shift = 24; shift >= 0; shift -= 8)
            out << static_cast<char>((word >> shift) & 0xff);
    }
    out << "\xd9\xd5\x05\xf9\x20\xa1\x63\xd7";
}

class Leftovers : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        ASSERT_EQ(t.file->create(), Ok);  // leaves Prueba.tps.lck, as every create does
        const std::string here = fs::current_path().string() + "/";
        writeSuperJournal(".vorda-tx-mj0A1B2C9D4", {here + "Gone.tps-journal"});
        writeSuperJournal(".vorda-tx-mj5E6F709A1",
                          {here + "Gone.tps-journal", here + "Hot.tps-journal"});
        // A hot journal whose rollback needs its super-journal.
        writeJournalNaming("Hot.tps-journal", here + ".vorda-tx-mj5E6F709A1", true);
        // A journal played back already names it but needs it no more.
        writeSuperJournal(".vorda-tx-mj7A8B9C9D0", {here + "Done.tps-journal"});
        writeJournalNaming("Done.tps-journal", here + ".vorda-tx-mj7A8B9C9D0", false);
        // One left empty by a kill before its first write names none.
        writeSuperJournal(".vorda-tx-mj3C4D5E9F6", {here + "Cut.tps-journal"});
        std::ofstream("Cut.tps-journal").close();
        touch("Prueba.tps.new");
        touch("Prueba.tps.new-journal");
        touch("Prueba.tps.rebuild");
        touch("notas.new");  // not a table's: no lock file beside its name
    }
    Table t;
};

TEST_F(Leftovers, are_removed_when_a_connection_starts_but_a_needed_super_journal_is_kept) {
    ASSERT_EQ(t.file->open(kShared), Ok);
    EXPECT_FALSE(fs::exists(".vorda-tx-mj0A1B2C9D4"));
    EXPECT_TRUE(fs::exists(".vorda-tx-mj5E6F709A1"));
    EXPECT_FALSE(fs::exists(".vorda-tx-mj3C4D5E9F6"));
    EXPECT_FALSE(fs::exists(".vorda-tx-mj7A8B9C9D0"));
    EXPECT_FALSE(fs::exists("Prueba.tps.new"));
    EXPECT_FALSE(fs::exists("Prueba.tps.new-journal"));
    EXPECT_FALSE(fs::exists("Prueba.tps.rebuild"));
    EXPECT_TRUE(fs::exists("notas.new"));
    EXPECT_TRUE(fs::exists("Hot.tps-journal"));
}

TEST_F(Leftovers, are_kept_while_another_station_works_in_the_directory) {
    Child other({"hold", dir_.string(), std::to_string(kShared)});
    ASSERT_EQ(other.readLine(), "ready");
    // The other station's start has cleaned up: leave the same again.
    writeSuperJournal(".vorda-tx-mj0A1B2C9D4", {fs::current_path().string() + "/Gone.tps-journal"});
    touch("Prueba.tps.new");
    ASSERT_EQ(t.file->open(kShared), Ok);
    EXPECT_TRUE(fs::exists(".vorda-tx-mj0A1B2C9D4"));
    EXPECT_TRUE(fs::exists("Prueba.tps.new"));
    ASSERT_EQ(t.file->close(), Ok);
    other.closeInput();
    ASSERT_EQ(other.wait(), 0);
    ASSERT_EQ(t.file->open(kShared), Ok);
    EXPECT_FALSE(fs::exists(".vorda-tx-mj0A1B2C9D4"));
    EXPECT_FALSE(fs::exists("Prueba.tps.new"));
}

}  // namespace
}  // namespace vorda::store::test
