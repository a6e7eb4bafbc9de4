// Damaged keys and bad input: what open reports and how buildKeys repairs.
//
//   DamagedKeys  an overwritten index root page, a set rebuild mark, buildKeys
//                while open exclusively or shared
//   DamageFoundOnSave  a key text altered inside an index leaf: the save that
//                meets it in a transaction leaves the file marked for rebuilding
//   BadInput     not a database, an empty file, a directory, another layout, a
//                foreign owner password, a read-only file
//   DriverTexts  what the driver says of damaged and foreign files is Spanish
//                and speaks of the file, with SQLite's code kept
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "platform/process/errorstate.h"
#include "platform/store/transaction.h"
#include "testtables.h"

namespace vorda::store::test {
namespace {

using Strings = std::vector<std::string>;

// Runs one statement on a file with a connection of its own; the first
// column of the first row, as text ("" if none).
std::string sqlOn(const char* file, const std::string& sql) {
    sqlite3* db = nullptr;
    std::string out;
    if (sqlite3_open_v2(file, &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) == SQLITE_OK &&
            sqlite3_step(st) == SQLITE_ROW && sqlite3_column_text(st, 0) != nullptr) {
            out = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
        }
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return out;
}

void overwritePage(const char* file, long page, long pageSize) {
    std::fstream f(file, std::ios::in | std::ios::out | std::ios::binary);
    f.seekp((page - 1) * pageSize);
    const std::string garbage(static_cast<size_t>(pageSize), '\xA5');
    f.write(garbage.data(), pageSize);
}

class DamagedKeys : public LayoutTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        ASSERT_EQ(t.createOpen(), Ok);
        Transaction tx;
        ASSERT_EQ(tx.begin({t.file.get()}, 5), Ok);
        for (int i = 0; i < 300; ++i) {
            ASSERT_EQ(t.add("C" + std::to_string(1000 + i), "nombre " + std::to_string(999 - i), i),
                      Ok);
        }
        ASSERT_EQ(tx.commit(), Ok);
        ASSERT_EQ(t.file->close(), Ok);
    }
    // The records in key 2 order must be all 300, names ascending.
    void expectIntact() {
        ASSERT_EQ(t.file->open(kShared), Ok);
        EXPECT_EQ(t.file->records(), 300);
        t.rec.NOMBRE.ref().fillLow();
        ASSERT_EQ(t.file->setKey(2), Ok);
        const Strings codes = t.readAll();
        ASSERT_EQ(codes.size(), 300u);
        EXPECT_EQ(codes.front(), "C1299");
        EXPECT_EQ(codes.back(), "C1000");
        t.rec.CODIGO.set("C1150");
        ASSERT_EQ(t.file->get(1), Ok);
        EXPECT_EQ(t.rec.ORDEN, 150);
    }
    Table t{*GetParam()};
};

TEST_P(DamagedKeys, an_overwritten_index_root_needs_rebuilding_then_rebuilds) {
    const long root = std::stol(
        sqlOn("Prueba.tps", "SELECT rootpage FROM sqlite_schema WHERE name = 'key_NOMBRE'"));
    const long pageSize = std::stol(sqlOn("Prueba.tps", "PRAGMA page_size"));
    overwritePage("Prueba.tps", root, pageSize);
    EXPECT_EQ(t.file->open(kShared), KeysNeedRebuild);
    EXPECT_EQ(platform::lastError().code, KeysNeedRebuild);
    EXPECT_FALSE(t.file->isOpen());
    EXPECT_EQ(t.file->open(kShared), KeysNeedRebuild);  // the mark stays until rebuilt
    ASSERT_EQ(t.file->buildKeys(), Ok);
    expectIntact();
    EXPECT_EQ(sqlOn("Prueba.tps", "PRAGMA integrity_check"), "ok");
}

TEST_P(DamagedKeys, a_marked_file_is_rebuilt_in_place) {
    sqlOn("Prueba.tps", "UPDATE vorda_meta SET value = '1' WHERE name = 'rebuild'");
    EXPECT_EQ(t.file->open(kShared), KeysNeedRebuild);
    ASSERT_EQ(t.file->buildKeys(), Ok);
    expectIntact();
}

TEST_P(DamagedKeys, build_keys_needs_the_file_closed_or_open_exclusively) {
    ASSERT_EQ(t.file->open(kShared), Ok);
    EXPECT_EQ(t.file->buildKeys(), AccessDenied);
    ASSERT_EQ(t.file->close(), Ok);
    ASSERT_EQ(t.file->open(kExclusive), Ok);
    ASSERT_EQ(t.file->buildKeys(), Ok);
    ASSERT_EQ(t.add("NEW", "zz"), Ok);  // still open and usable
    ASSERT_EQ(t.file->close(), Ok);
    Table other(*GetParam());
    ASSERT_EQ(other.file->open(kShared), Ok);
    EXPECT_EQ(other.file->records(), 301);
}

TEST_P(DamagedKeys, ids_are_not_reused_after_a_rebuild_by_copy) {
    ASSERT_EQ(t.file->open(kShared), Ok);
    t.rec.CODIGO.set("C1299");  // the last one added
    ASSERT_EQ(t.file->get(1), Ok);
    const std::string gone = t.file->position(0);
    ASSERT_EQ(t.file->erase(), Ok);
    ASSERT_EQ(t.file->close(), Ok);
    const long root = std::stol(
        sqlOn("Prueba.tps", "SELECT rootpage FROM sqlite_schema WHERE name = 'key_CODIGO'"));
    overwritePage("Prueba.tps", root, std::stol(sqlOn("Prueba.tps", "PRAGMA page_size")));
    ASSERT_EQ(t.file->buildKeys(), Ok);
    ASSERT_EQ(t.file->open(kShared), Ok);
    ASSERT_EQ(t.add("NEW", "x"), Ok);
    EXPECT_EQ(t.file->reget(gone), RecordNotFound);
}

INSTANTIATE_TEST_SUITE_P(Layouts, DamagedKeys, bothLayouts(), layoutName);

// Replaces the first `from` inside page `page` of `file` by `to` (same length).
void replaceInPage(const char* file, long page, const std::string& from, const std::string& to) {
    const long pageSize = std::stol(sqlOn(file, "PRAGMA page_size"));
    std::fstream f(file, std::ios::in | std::ios::out | std::ios::binary);
    std::string bytes(static_cast<size_t>(pageSize), '\0');
    f.seekg((page - 1) * pageSize);
    f.read(bytes.data(), pageSize);
    const size_t at = bytes.find(from);
    ASSERT_NE(at, std::string::npos) << from << " is not in page " << page;
    f.seekp((page - 1) * pageSize + static_cast<long>(at));
    f.write(to.data(), static_cast<std::streamsize>(to.size()));
}

class DamageFoundOnSave : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        ASSERT_EQ(t.createOpen(), Ok);
        for (int i = 1; i <= 12; ++i) {
            ASSERT_EQ(t.add(i < 10 ? "C0" + std::to_string(i) : "C" + std::to_string(i), "uno", i),
                      Ok);
        }
        ASSERT_EQ(t.file->close(), Ok);
        // The twelve entries of the code index fit in its root page, a leaf.
        const long root = std::stol(
            sqlOn("Prueba.tps", "SELECT rootpage FROM sqlite_schema WHERE name = 'key_CODIGO'"));
        replaceInPage("Prueba.tps", root, "C05", "C0Z");
        ASSERT_EQ(t.file->open(kShared), Ok) << "the damage is not on an edge of the index";
    }
    // Reads C05 in file order (its key no longer finds it) and saves a new
    // name in a transaction, as a form's save does.
    int changeC05InTransaction() {
        EXPECT_EQ(t.file->setKey(0), Ok);
        while (t.file->next() == Ok && t.rec.CODIGO.str() != "C05") {
        }
        EXPECT_EQ(t.rec.CODIGO.str(), "C05");
        Transaction tx;
        EXPECT_EQ(tx.begin({t.file.get()}, 5), Ok);
        t.rec.NOMBRE.set("cambiado");
        const int code = t.file->put();
        tx.rollback();
        return code;
    }
    Table t;
};

TEST_F(DamageFoundOnSave, the_mark_outlives_the_rollback_and_the_next_open_needs_the_rebuild) {
    EXPECT_EQ(changeC05InTransaction(), KeysNeedRebuild);
    EXPECT_EQ(changeC05InTransaction(), KeysNeedRebuild);
    ASSERT_EQ(t.file->close(), Ok);
    EXPECT_EQ(sqlOn("Prueba.tps", "SELECT value FROM vorda_meta WHERE name = 'rebuild'"), "1");
    EXPECT_EQ(t.file->open(kShared), KeysNeedRebuild);
    ASSERT_EQ(t.file->buildKeys(), Ok);
    ASSERT_EQ(t.file->open(kShared), Ok);
    EXPECT_EQ(t.file->records(), 12);
    t.rec.CODIGO.set("C05");
    ASSERT_EQ(t.file->get(1), Ok);
    t.rec.NOMBRE.set("cambiado");
    EXPECT_EQ(t.file->put(), Ok);
    EXPECT_EQ(sqlOn("Prueba.tps", "PRAGMA integrity_check"), "ok");
}

class BadInput : public StoreTest {};

TEST_F(BadInput, a_file_that_is_not_a_database_is_a_file_system_error) {
    std::ofstream("Prueba.tps") << std::string(5000, 'x');
    Table t;
    EXPECT_EQ(t.file->open(kShared), FileSystemError);
    EXPECT_EQ(platform::lastError().fileErrorCode, std::to_string(SQLITE_NOTADB));
    EXPECT_EQ(t.file->buildKeys(), FileSystemError);
    ASSERT_EQ(t.file->create(), Ok);  // creating replaces it
    EXPECT_EQ(t.file->open(kShared), Ok);
}

TEST_F(BadInput, an_empty_file_is_not_one_of_our_tables) {
    std::ofstream("Prueba.tps").close();
    Table t;
    EXPECT_EQ(t.file->open(kShared), FileSystemError);
    EXPECT_NE(platform::lastError().fileError.find("no es una tabla"), std::string::npos);
}

TEST_F(BadInput, a_directory_where_the_file_should_be) {
    std::filesystem::create_directory("Prueba.tps");
    Table t;
    EXPECT_EQ(t.file->open(kShared), FileSystemError);
    EXPECT_EQ(t.file->create(), FileSystemError);
    EXPECT_TRUE(std::filesystem::is_directory("Prueba.tps"));
}

TEST_F(BadInput, a_file_of_another_layout) {
    {
        Table linea{lineaDesc()};
        ASSERT_EQ(linea.file->create(), Ok);
    }
    std::filesystem::rename("Linea.tps", "Prueba.tps");
    Table t;
    EXPECT_EQ(t.file->open(kShared), FileSystemError);
    EXPECT_NE(platform::lastError().fileError.find("otro diseño"), std::string::npos);
}

TEST_F(BadInput, a_file_made_under_another_owner_password_is_access_denied) {
    Table t;
    t.file->setOwner("OTRO PROPIET");
    ASSERT_EQ(t.file->create(), Ok);
    t.file->setOwner(kOwner);
    EXPECT_EQ(t.file->open(kShared), AccessDenied);
    EXPECT_EQ(t.file->open(kReadOnly), AccessDenied);
    EXPECT_EQ(t.file->buildKeys(), AccessDenied);
    t.file->setOwner("OTRO PROPIET");
    EXPECT_EQ(t.file->open(kShared), Ok);
}

TEST_F(BadInput, a_read_only_file_opens_read_only_but_not_for_writing) {
    Table t;
    ASSERT_EQ(t.createOpen(), Ok);
    ASSERT_EQ(t.add("A", "uno"), Ok);
    ASSERT_EQ(t.file->close(), Ok);
    ::chmod("Prueba.tps", 0444);
    if (::geteuid() == 0) {
        GTEST_SKIP()
            << "running as root: permission bits do not stop writes (read-only mode "
               "is covered by KeyedTableRecords.writes_through_a_read_only_open_are_access_denied)";
    }
    EXPECT_EQ(t.file->open(kShared), AccessDenied);
    ASSERT_EQ(t.file->open(kReadOnly), Ok);
    t.rec.CODIGO.set("A");
    EXPECT_EQ(t.file->get(1), Ok);
}

// The driver's text and code of the last failure, checked to be ours: no
// English of SQLite's, no SQL, no URI.
void expectSpanishText(const std::string& code) {
    const platform::ErrorState& e = platform::lastError();
    EXPECT_EQ(e.fileErrorCode, code);
    for (const char* english : {"database", "no such", "file:", "malformed",
                                "table:", "index:", "unable", "disk image"}) {
        EXPECT_EQ(e.fileError.find(english), std::string::npos) << e.fileError;
    }
    EXPECT_NE(e.fileError.find("archivo"), std::string::npos) << e.fileError;
}

class DriverTexts : public StoreTest {};

TEST_F(DriverTexts, damaged_and_foreign_files_are_described_in_spanish) {
    Table t;
    std::ofstream("Prueba.tps") << std::string(5000, 'x');
    EXPECT_EQ(t.file->open(kShared), FileSystemError);
    expectSpanishText(std::to_string(SQLITE_NOTADB));

    std::ofstream("Prueba.tps", std::ios::trunc).close();  // a database without our tables
    EXPECT_EQ(t.file->open(kShared), FileSystemError);
    expectSpanishText(std::to_string(SQLITE_ERROR));

    ASSERT_EQ(t.createOpen(), Ok);
    ASSERT_EQ(t.add("A", "uno"), Ok);
    ASSERT_EQ(t.file->close(), Ok);
    sqlOn("Prueba.tps", "DROP INDEX key_NOMBRE");
    EXPECT_EQ(t.file->open(kShared), FileSystemError);
    expectSpanishText(std::to_string(SQLITE_ERROR));
}

TEST_F(DriverTexts, a_table_too_damaged_to_rebuild_is_described_in_spanish) {
    Table t;
    ASSERT_EQ(t.createOpen(), Ok);
    Transaction tx;
    ASSERT_EQ(tx.begin({t.file.get()}, 5), Ok);
    for (int i = 0; i < 300; ++i)
        ASSERT_EQ(t.add("C" + std::to_string(i), "nombre"), Ok);
    ASSERT_EQ(tx.commit(), Ok);
    ASSERT_EQ(t.file->close(), Ok);
    const long root =
        std::stol(sqlOn("Prueba.tps", "SELECT rootpage FROM sqlite_schema WHERE name = 'PRUEBA'"));
    overwritePage("Prueba.tps", root, std::stol(sqlOn("Prueba.tps", "PRAGMA page_size")));
    EXPECT_EQ(t.file->buildKeys(), FileSystemError);
    expectSpanishText(std::to_string(SQLITE_CORRUPT));
}

}  // namespace
}  // namespace vorda::store::test
