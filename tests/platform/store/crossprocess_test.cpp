// Two stations: this process and store_helper, started with posix_spawn.
//
//   CrossProcess.*  an open elsewhere refuses an exclusive open at once; a write
//                   lock elsewhere makes a transaction's begin time out; a record
//                   changed elsewhere gives ChangedByOther and reget shows it;
//                   SIGKILL during multi-table commits leaves all or nothing, and
//                   no super-journal once a connection starts again;
//                   a file-size limit (full disk) fails cleanly and keeps old data.
#include <signal.h>
#include <sqlite3.h>

#include <chrono>
#include <map>
#include <random>
#include <thread>

#include "helperprocess.h"
#include "platform/store/transaction.h"
#include "testtables.h"

namespace vorda::store::test {
namespace {

class CrossProcess : public StoreTest {
protected:
    std::string dir() const { return dir_.string(); }
};

TEST_F(CrossProcess, an_open_elsewhere_refuses_an_exclusive_open_at_once) {
    Table t;
    ASSERT_EQ(t.file->create(), Ok);
    Child other({"hold", dir(), std::to_string(kShared)});
    ASSERT_EQ(other.readLine(), "ready");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(t.file->open(kExclusive), AccessDenied);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
    EXPECT_EQ(t.file->buildKeys(), AccessDenied);
    ASSERT_EQ(t.file->open(kShared), Ok);
    ASSERT_EQ(t.file->close(), Ok);
    other.closeInput();
    EXPECT_EQ(other.wait(), 0);
    EXPECT_EQ(t.file->open(kExclusive), Ok);
}

TEST_F(CrossProcess, an_exclusive_open_elsewhere_is_waited_for_with_recover) {
    Table t;
    ASSERT_EQ(t.file->create(), Ok);
    Child other({"hold", dir(), std::to_string(kExclusive)});
    ASSERT_EQ(other.readLine(), "ready");
    EXPECT_EQ(t.file->open(kReadOnly), AccessDenied);
    std::thread release([&other] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        other.closeInput();
    });
    ASSERT_EQ(t.file->send("Recover=10"), Ok);
    EXPECT_EQ(t.file->open(kShared), Ok);
    release.join();
    EXPECT_EQ(other.wait(), 0);
}

TEST_F(CrossProcess, a_write_transaction_elsewhere_makes_begin_time_out) {
    Table t;
    ASSERT_EQ(t.createOpen(), Ok);
    Child other({"txhold", dir()});
    ASSERT_EQ(other.readLine(), "ready");
    Transaction tx;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(tx.begin({t.file.get()}, 1), AccessDenied);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(900));
    other.closeInput();
    EXPECT_EQ(other.wait(), 0);
    ASSERT_EQ(tx.begin({t.file.get()}, 1), Ok);
    ASSERT_EQ(tx.commit(), Ok);
    EXPECT_EQ(t.file->records(), 1);
}

TEST_F(CrossProcess, a_record_changed_elsewhere_gives_changed_by_other_and_reget_shows_it) {
    Table t;
    ASSERT_EQ(t.createOpen(), Ok);
    ASSERT_EQ(t.add("A", "uno"), Ok);
    ASSERT_EQ(t.add("B", "uno"), Ok);
    t.rec.CODIGO.set("A");
    ASSERT_EQ(t.file->get(1), Ok);
    const std::string position = t.file->position(1);
    EXPECT_EQ(Child({"update", dir(), "A", "dos"}).wait(), 0);
    t.rec.NOMBRE.set("tres");
    EXPECT_EQ(t.file->put(), ChangedByOther);
    EXPECT_EQ(t.file->erase(), ChangedByOther);
    ASSERT_EQ(t.file->reget(position), Ok);
    EXPECT_EQ(t.rec.NOMBRE.str(), "dos");
    t.rec.NOMBRE.set("tres");
    EXPECT_EQ(t.file->put(), Ok);

    t.rec.CODIGO.set("B");
    ASSERT_EQ(t.file->get(1), Ok);
    Table other;  // deleted by someone else: also a change
    ASSERT_EQ(other.file->open(kShared), Ok);
    other.rec.CODIGO.set("B");
    ASSERT_EQ(other.file->get(1), Ok);
    ASSERT_EQ(other.file->erase(), Ok);
    EXPECT_EQ(t.file->put(), ChangedByOther);
}

// Records per declaration key in one table.
TEST_F(CrossProcess, two_stations_adding_to_a_table_kept_in_key_order_never_share_an_id) {
    Table t(pruebaClusteredDesc());
    ASSERT_EQ(t.createOpen(), Ok);
    Child other({"adds", dir(), "300"});
    ASSERT_EQ(other.readLine(), "ready");
    // This station adds in transactions of 20 while the other adds one commit each.
    for (int batch = 0; batch < 15; ++batch) {
        Transaction tx;
        ASSERT_EQ(tx.begin({t.file.get()}, 20), Ok);
        for (int i = 0; i < 20; ++i)
            ASSERT_EQ(t.add("T" + std::to_string(batch * 20 + i), "", 0, "1/00.00.00020010100"),
                      Ok);
        ASSERT_EQ(tx.commit(), Ok);
    }
    EXPECT_EQ(other.wait(), 0);
    EXPECT_EQ(t.file->records(), 600);
    ASSERT_EQ(t.file->setKey(0), Ok);  // file order: by id, each record once
    EXPECT_EQ(t.readAll().size(), 600u);
}

std::map<std::string, int> countByDecl(const TableDesc& desc) {
    Table t{desc};
    std::map<std::string, int> out;
    if (t.file->open(kShared) != Ok || t.file->setKey(0) != Ok)
        return {{"open failed", -1}};
    int code;
    while ((code = t.file->next()) == Ok)
        ++out[t.rec.DECL.str()];
    if (code != NoMoreRecords)
        out["read failed"] = -1;
    return out;
}

TEST_F(CrossProcess, sigkill_during_multi_table_commits_leaves_all_or_nothing) {
    for (const TableDesc* d : {&declDesc(), &lineaDesc(), &extraDesc()}) {
        Table t{*d};
        ASSERT_EQ(t.file->create(), Ok);
    }
    // No table stays open here between the checks: each check starts a
    // connection, which cleans up what the kill left while hot journals still
    // need their super-journal, and then rolls them back.
    constexpr int kKills = 200;
    constexpr int kLines = 3;
    std::mt19937 random(12345);
    int checked = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0;
         i < kKills && std::chrono::steady_clock::now() - start < std::chrono::seconds(40); ++i) {
        {
            Child writer({"txloop", dir(), std::to_string(i)});
            ASSERT_EQ(writer.readLine(), "ready");
            std::this_thread::sleep_for(std::chrono::microseconds(random() % 60000));
            writer.kill();
            ASSERT_EQ(writer.wait(), -SIGKILL);
        }
        const auto decls = countByDecl(declDesc());
        const auto lines = countByDecl(lineaDesc());
        const auto extras = countByDecl(extraDesc());
        for (const auto& [key, n] : decls)
            ASSERT_EQ(n, 1) << key << " after kill " << i;
        for (const auto* m : {&lines, &extras}) {
            for (const auto& [key, n] : *m) {
                ASSERT_EQ(n, kLines) << key << " after kill " << i;
                ASSERT_TRUE(decls.count(key)) << key << " after kill " << i;
            }
        }
        for (const auto& [key, n] : decls) {
            ASSERT_EQ(lines.count(key) + extras.count(key), 2u) << key << " after kill " << i;
        }
        ++checked;
    }
    EXPECT_GE(checked, 100);
    std::printf("%d SIGKILLs checked\n", checked);
    // Every journal has been rolled back: the next connection to start removes
    // the super-journals the kills left.
    Table last{declDesc()};
    ASSERT_EQ(last.file->open(kShared), Ok);
    int superJournals = 0;
    for (const auto& entry : std::filesystem::directory_iterator("."))
        superJournals += entry.path().filename().string().starts_with(".vorda-tx-mj") ? 1 : 0;
    EXPECT_EQ(superJournals, 0);
}

TEST_F(CrossProcess, a_full_disk_fails_cleanly_and_keeps_the_old_data) {
    Table t;
    ASSERT_EQ(t.createOpen(), Ok);
    for (int i = 0; i < 10; ++i)
        ASSERT_EQ(t.add("K" + std::to_string(i), "viejo", i), Ok);
    ASSERT_EQ(t.file->close(), Ok);
    const long size = static_cast<long>(std::filesystem::file_size("Prueba.tps"));
    for (const char* mode : {"tx", "auto"}) {
        // A few pages of room: one transaction overflows it, or a few hundred commits.
        const long limit = size + (std::string(mode) == "tx" ? 40960 : 8192);
        Child filler({"fill", dir(), std::to_string(limit), mode});
        const std::string report = filler.readLine(std::chrono::seconds(60));
        EXPECT_EQ(filler.wait(), 0);
        EXPECT_EQ(report.substr(0, 3), "90 ") << mode << ": " << report;
        ASSERT_EQ(t.file->open(kShared), Ok) << mode;
        if (std::string(mode) == "tx") {
            EXPECT_EQ(t.file->records(), 10);  // nothing of the transaction is stored
        }
        for (int i = 0; i < 10; ++i) {
            t.rec.CODIGO.set("K" + std::to_string(i));
            ASSERT_EQ(t.file->get(1), Ok) << mode << " K" << i;
            EXPECT_EQ(t.rec.NOMBRE.str(), "viejo");
        }
        ASSERT_EQ(t.file->close(), Ok);
    }
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2("Prueba.tps", &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    sqlite3_stmt* st = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &st, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_step(st), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)), "ok");
    sqlite3_finalize(st);
    sqlite3_close(db);
}

}  // namespace
}  // namespace vorda::store::test
