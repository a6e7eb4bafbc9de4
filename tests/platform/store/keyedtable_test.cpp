// The keyed-table driver on real files: opening rules, records, key orders.
//
//   KeyedTableOpen      missing file, create/replace, already open, sharing, Recover=
//   KeyedTableRecords   every field kind round-trips; duplicates; bad values; put/erase
//   KeyedTableSequence  key orders with ties, composite key, no-case accents, bounds,
//                       positions and resetTo, quick scan
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "platform/process/errorstate.h"
#include "platform/store/transaction.h"
#include "testtables.h"

namespace vorda::store::test {
namespace {

using Strings = std::vector<std::string>;

class KeyedTableOpen : public StoreTest {};

TEST_F(KeyedTableOpen, missing_file_is_file_not_found_and_leaves_nothing_behind) {
    Table t;
    EXPECT_EQ(t.file->open(kShared), FileNotFound);
    EXPECT_EQ(platform::lastError().code, FileNotFound);
    EXPECT_FALSE(std::filesystem::exists("Prueba.tps"));
    EXPECT_FALSE(std::filesystem::exists("Prueba.tps.lck"));
}

TEST_F(KeyedTableOpen, created_file_opens_empty) {
    Table t;
    ASSERT_EQ(t.createOpen(), Ok);
    EXPECT_EQ(t.file->records(), 0);
    EXPECT_EQ(t.file->setKey(1), Ok);
    EXPECT_EQ(t.file->next(), NoMoreRecords);
    EXPECT_EQ(t.file->previous(), NoMoreRecords);
    EXPECT_GT(t.file->bytes(), 0);
    EXPECT_FALSE(t.file->isReadOnly());
}

TEST_F(KeyedTableOpen, second_open_of_same_file_object_is_already_open) {
    Table t;
    ASSERT_EQ(t.createOpen(), Ok);
    EXPECT_EQ(t.file->open(kShared), AlreadyOpen);
    EXPECT_EQ(t.file->create(), AlreadyOpen);
    EXPECT_TRUE(t.file->isOpen());
}

TEST_F(KeyedTableOpen, create_replaces_an_old_file) {
    Table t;
    ASSERT_EQ(t.createOpen(), Ok);
    ASSERT_EQ(t.add("A", "uno"), Ok);
    ASSERT_EQ(t.file->close(), Ok);
    ASSERT_EQ(t.createOpen(), Ok);
    EXPECT_EQ(t.file->records(), 0);
}

TEST_F(KeyedTableOpen, sharing_rules_hold_between_files_of_one_process) {
    Table a, b;
    ASSERT_EQ(a.createOpen(kShared), Ok);
    EXPECT_EQ(b.file->open(kShared), Ok);  // two shared opens share one attachment
    ASSERT_EQ(b.file->close(), Ok);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(b.file->open(kExclusive), AccessDenied);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
    EXPECT_EQ(b.file->create(), AccessDenied);  // does not replace a file in use
    ASSERT_EQ(a.file->close(), Ok);
    ASSERT_EQ(b.file->open(kExclusive), Ok);
    EXPECT_EQ(a.file->open(kShared), AccessDenied);
    EXPECT_EQ(a.file->open(0x40), AccessDenied);  // read-only opens respect it too
}

// The program opens its six tables for writing in its windows and for
// reading in its reports and lookups, all on one connection, which SQLite
// lets hold only ten files.
TEST_F(KeyedTableOpen, readers_share_the_writers_attachment_and_the_limit_is_told) {
    std::vector<std::unique_ptr<Table>> writers, readers;
    for (int i = 0; i < 8; ++i) {
        auto& w = writers.emplace_back(std::make_unique<Table>());
        w->file->setName("T" + std::to_string(i) + ".tps");
        ASSERT_EQ(w->createOpen(), Ok) << i;
        ASSERT_EQ(w->add("A", "uno"), Ok);
        auto& r = readers.emplace_back(std::make_unique<Table>());
        r->file->setName("T" + std::to_string(i) + ".tps");
        ASSERT_EQ(r->file->open(kReadOnly), Ok) << platform::lastError().fileError;
        EXPECT_TRUE(r->file->isReadOnly());
        EXPECT_EQ(r->add("B", "dos"), AccessDenied);  // the shared attachment stays guarded
    }
    readers[0]->rec.CODIGO.set("A");
    EXPECT_EQ(readers[0]->file->get(1), Ok);
    ASSERT_EQ(writers[0]->file->close(), Ok);  // the reader keeps the file attached
    EXPECT_EQ(readers[0]->file->get(1), Ok);

    std::vector<std::unique_ptr<Table>> more;
    int code = Ok;
    for (int i = 8; i < 12 && code == Ok; ++i) {
        auto& t = more.emplace_back(std::make_unique<Table>());
        t->file->setName("T" + std::to_string(i) + ".tps");
        code = t->createOpen();
    }
    EXPECT_EQ(code, FileSystemError);
    EXPECT_NE(platform::lastError().fileError.find("demasiados archivos abiertos"),
              std::string::npos)
        << platform::lastError().fileError;
}

TEST_F(KeyedTableOpen, closing_one_of_two_files_keeps_the_other_usable) {
    Table a, b;
    ASSERT_EQ(a.createOpen(), Ok);
    ASSERT_EQ(b.file->open(kShared), Ok);
    ASSERT_EQ(a.add("A", "uno"), Ok);
    ASSERT_EQ(a.file->close(), Ok);
    b.rec.CODIGO.set("A");
    EXPECT_EQ(b.file->get(1), Ok);
    EXPECT_EQ(b.rec.NOMBRE.str(), "uno");
}

TEST_F(KeyedTableOpen, recover_waits_for_a_lock_to_go_away) {
    Table t;
    ASSERT_EQ(t.file->create(), Ok);
    const int fd = ::open("Prueba.tps.lck", O_RDWR);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    EXPECT_EQ(t.file->open(kShared), AccessDenied);
    std::thread releaser([fd] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        ::close(fd);
    });
    ASSERT_EQ(t.file->send("Recover=5"), Ok);
    EXPECT_EQ(t.file->open(kShared), Ok);
    releaser.join();
}

TEST_F(KeyedTableOpen, recover_applies_to_the_next_open_only_and_bad_commands_fail) {
    Table t;
    ASSERT_EQ(t.file->create(), Ok);
    const int fd = ::open("Prueba.tps.lck", O_RDWR);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    ASSERT_EQ(t.file->send("Recover=1"), Ok);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(t.file->open(kShared), AccessDenied);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(900));
    const auto again = std::chrono::steady_clock::now();
    EXPECT_EQ(t.file->open(kShared), AccessDenied);
    EXPECT_LT(std::chrono::steady_clock::now() - again, std::chrono::milliseconds(500));
    ::close(fd);
    EXPECT_EQ(t.file->send("Recover=x"), FileSystemError);
    EXPECT_EQ(t.file->send("QUICKSCAN=maybe"), FileSystemError);
    EXPECT_EQ(t.file->send("SOMETHING=else"), Ok);
}

class KeyedTableRecords : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        ASSERT_EQ(t.createOpen(), Ok);
    }
    Table t;
};

TEST_F(KeyedTableRecords, every_field_kind_round_trips) {
    t.rec.CODIGO.set("C1");
    t.rec.NOMBRE.set("Peña Ñandú «€»");
    t.rec.setDecl("1/23.45.678", "2001", "03", "00");
    t.rec.IMPORTE = Decimal::fromHundredths(-9999999999999'99);
    t.rec.FECHA = *Date::fromYmd(2001, 3, 5);
    t.rec.ORDEN = -2147483647;
    ASSERT_EQ(t.file->add(), Ok);
    const Rec stored = t.rec;
    t.rec = Rec{};
    t.rec.CODIGO.set("C1");
    ASSERT_EQ(t.file->get(1), Ok);
    EXPECT_EQ(t.rec.NOMBRE, stored.NOMBRE);
    EXPECT_EQ(t.rec.DECL, stored.DECL);
    EXPECT_EQ(t.rec.IMPORTE, stored.IMPORTE);
    EXPECT_EQ(t.rec.FECHA, stored.FECHA);
    EXPECT_EQ(t.rec.ORDEN, stored.ORDEN);
    EXPECT_EQ(t.rec.NOMBRE.str(), "Peña Ñandú «€»");
}

TEST_F(KeyedTableRecords, duplicate_unique_key_is_refused_on_add_and_put) {
    ASSERT_EQ(t.add("A", "uno"), Ok);
    ASSERT_EQ(t.add("B", "dos"), Ok);
    EXPECT_EQ(t.add("A", "otro"), DuplicateKey);
    EXPECT_EQ(platform::lastError().code, DuplicateKey);
    EXPECT_EQ(t.file->records(), 2);
    t.rec.CODIGO.set("B");
    ASSERT_EQ(t.file->get(1), Ok);
    t.rec.CODIGO.set("A");
    EXPECT_EQ(t.file->put(), DuplicateKey);
    EXPECT_EQ(t.add("C", "uno"), Ok);  // the name key allows duplicates
}

TEST_F(KeyedTableRecords, blank_values_take_part_in_a_unique_key) {
    ASSERT_EQ(t.add("", "uno"), Ok);
    EXPECT_EQ(t.add("", "dos"), DuplicateKey);
}

TEST_F(KeyedTableRecords, amount_wider_than_its_field_is_refused_and_nothing_stored) {
    t.rec.IMPORTE = Decimal::fromHundredths(1'000'000'000'000'000);  // 16 digits
    EXPECT_EQ(t.add("A", "uno"), FileSystemError);
    EXPECT_NE(platform::lastError().fileError.find("PRU:IMPORTE"), std::string::npos);
    EXPECT_EQ(t.file->records(), 0);
}

TEST_F(KeyedTableRecords, put_and_erase_work_on_the_current_record) {
    EXPECT_EQ(t.file->put(), RecordNotFound);
    EXPECT_EQ(t.file->erase(), RecordNotFound);
    ASSERT_EQ(t.add("A", "uno"), Ok);
    t.rec.NOMBRE.set("cambiado");
    ASSERT_EQ(t.file->put(), Ok);
    ASSERT_EQ(t.file->put(), Ok);  // our own version follows our writes
    t.rec = Rec{};
    t.rec.CODIGO.set("A");
    ASSERT_EQ(t.file->get(1), Ok);
    EXPECT_EQ(t.rec.NOMBRE.str(), "cambiado");
    ASSERT_EQ(t.file->erase(), Ok);
    EXPECT_EQ(t.file->erase(), RecordNotFound);
    EXPECT_EQ(t.file->get(1), RecordNotFound);
    EXPECT_EQ(t.file->records(), 0);
}

TEST_F(KeyedTableRecords, erase_equal_takes_exactly_the_records_of_the_buffers_key_values) {
    ASSERT_EQ(t.add("A", "uno", 1, "1/23.45.6782001030 "), Ok);
    ASSERT_EQ(t.add("B", "dos", 2, "1/23.45.67820010300"), Ok);
    ASSERT_EQ(t.add("C", "tres", 3, "1/23.45.67820010301"), Ok);
    ASSERT_EQ(t.add("D", "cuatro", 4, "1/23.45.67820010300"), Ok);
    ASSERT_EQ(t.add("E", "cinco", 5, "2/23.45.67820010300"), Ok);
    t.rec.setDecl("1/23.45.678", "2001", "03", "00");
    int64_t erased = -1;
    ASSERT_EQ(t.file->eraseEqual(3, erased), Ok);
    EXPECT_EQ(erased, 2);
    t.rec.CODIGO.clear();
    ASSERT_EQ(t.file->setKey(1), Ok);
    EXPECT_EQ(t.readAll(), (std::vector<std::string>{"A", "C", "E"}));
    t.rec.setDecl("1/23.45.678", "2001", "03", "00");
    ASSERT_EQ(t.file->eraseEqual(3, erased), Ok);
    EXPECT_EQ(erased, 0) << "nothing left of that key";
    EXPECT_EQ(t.file->eraseEqual(9, erased), FileSystemError) << "no such key";
}

TEST_F(KeyedTableRecords, erase_equal_inside_a_rolled_back_transaction_erases_nothing) {
    for (int i = 0; i < 300; ++i)
        ASSERT_EQ(t.add("L" + std::to_string(i), "", i, "1/23.45.67820010300"), Ok);
    {
        Transaction tx;
        ASSERT_EQ(tx.begin({t.file.get()}, 2), Ok);
        t.rec.setDecl("1/23.45.678", "2001", "03", "00");
        int64_t erased = 0;
        ASSERT_EQ(t.file->eraseEqual(3, erased), Ok);
        EXPECT_EQ(erased, 300);
        tx.rollback();
    }
    EXPECT_EQ(t.file->records(), 300);
}

TEST_F(KeyedTableRecords, erase_equal_through_a_read_only_open_is_access_denied) {
    ASSERT_EQ(t.add("A", "uno", 1, "1/23.45.67820010300"), Ok);
    ASSERT_EQ(t.file->close(), Ok);
    ASSERT_EQ(t.file->open(kReadOnly), Ok);
    int64_t erased = 0;
    EXPECT_EQ(t.file->eraseEqual(3, erased), AccessDenied);
    EXPECT_EQ(t.file->records(), 1);
}

TEST_F(KeyedTableRecords, writes_through_a_read_only_open_are_access_denied) {
    ASSERT_EQ(t.add("A", "uno"), Ok);
    ASSERT_EQ(t.file->close(), Ok);
    ASSERT_EQ(t.file->open(kReadOnly), Ok);
    EXPECT_TRUE(t.file->isReadOnly());
    EXPECT_EQ(t.add("B", "dos"), AccessDenied);
    t.rec.CODIGO.set("A");
    ASSERT_EQ(t.file->get(1), Ok);
    EXPECT_EQ(t.file->put(), AccessDenied);
    EXPECT_EQ(t.file->erase(), AccessDenied);
}

class KeyedTableSequence : public LayoutTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        ASSERT_EQ(t.createOpen(), Ok);
    }
    Table t{*GetParam()};
};

TEST_P(KeyedTableSequence, equal_keys_keep_insertion_order_both_ways) {
    ASSERT_EQ(t.add("1", "perez"), Ok);
    ASSERT_EQ(t.add("2", "GOMEZ"), Ok);
    ASSERT_EQ(t.add("3", "Perez"), Ok);
    ASSERT_EQ(t.add("4", "gomez"), Ok);
    ASSERT_EQ(t.add("5", "PEREZ"), Ok);
    t.rec.NOMBRE.ref().fillLow();
    ASSERT_EQ(t.file->setKey(2), Ok);
    EXPECT_EQ(t.readAll(), (Strings{"2", "4", "1", "3", "5"}));
    t.rec.NOMBRE.ref().fillHigh();
    ASSERT_EQ(t.file->setKey(2), Ok);
    EXPECT_EQ(t.readAll(false), (Strings{"5", "3", "1", "4", "2"}));
}

TEST_P(KeyedTableSequence, set_key_starts_at_the_buffer_values) {
    for (const char* c : {"10", "20", "30", "40"})
        ASSERT_EQ(t.add(c, "x"), Ok);
    t.rec.CODIGO.set("25");
    ASSERT_EQ(t.file->setKey(1), Ok);
    ASSERT_EQ(t.file->next(), Ok);
    EXPECT_EQ(t.rec.CODIGO.str(), "30");
    t.rec.CODIGO.set("30");
    ASSERT_EQ(t.file->setKey(1), Ok);
    ASSERT_EQ(t.file->previous(), Ok);  // not above: 30 itself
    EXPECT_EQ(t.rec.CODIGO.str(), "30");
    ASSERT_EQ(t.file->previous(), Ok);
    EXPECT_EQ(t.rec.CODIGO.str(), "20");
    ASSERT_EQ(t.file->next(), Ok);
    EXPECT_EQ(t.rec.CODIGO.str(), "30");
}

TEST_P(KeyedTableSequence, end_of_file_then_previous_reads_the_last_record) {
    for (const char* c : {"1", "2", "3"})
        ASSERT_EQ(t.add(c, "x"), Ok);
    ASSERT_EQ(t.file->setKey(0), Ok);
    EXPECT_EQ(t.readAll(), (Strings{"1", "2", "3"}));
    ASSERT_EQ(t.file->previous(), Ok);
    EXPECT_EQ(t.rec.CODIGO.str(), "3");
}

TEST_P(KeyedTableSequence, declaration_key_sorts_month_03_before_10_and_by_parts) {
    ASSERT_EQ(t.add("a", "", 0, "1/23.45.67820011000"), Ok);
    ASSERT_EQ(t.add("b", "", 0, "1/23.45.67820010301"), Ok);
    ASSERT_EQ(t.add("c", "", 0, "1/23.45.67820010300"), Ok);
    ASSERT_EQ(t.add("d", "", 0, "0/99.99.99920021200"), Ok);
    ASSERT_EQ(t.add("e", "", 0, "1/23.45.67820001200"), Ok);
    t.rec.setDecl("1/23.45.678", "2001", "03", "00");
    // The composite key is the 4 columns: get() matches all of them.
    ASSERT_EQ(t.file->get(3), Ok);
    EXPECT_EQ(t.rec.CODIGO.str(), "c");
    t.rec.DECL.ref().fillLow();
    ASSERT_EQ(t.file->setKey(3), Ok);
    EXPECT_EQ(t.readAll(), (Strings{"d", "e", "c", "b", "a"}));
}

TEST_P(KeyedTableSequence, no_case_key_orders_accented_letters_after_plain_ones) {
    for (auto [c, n] : {std::pair{"1", "ñandú"},
                        {"2", "Ángel"},
                        {"3", "ZORRO"},
                        {"4", "ana"},
                        {"5", "álvaro"},
                        {"6", "Ñoqui"},
                        {"7", "Beto"}}) {
        ASSERT_EQ(t.add(c, n), Ok);
    }
    t.rec.NOMBRE.ref().fillLow();
    ASSERT_EQ(t.file->setKey(2), Ok);
    EXPECT_EQ(t.readAll(), (Strings{"4", "7", "3", "5", "2", "1", "6"}));
    t.rec.NOMBRE.set("ÑANDÚ");  // exact match ignores case, accents included
    ASSERT_EQ(t.file->get(2), Ok);
    EXPECT_EQ(t.rec.CODIGO.str(), "1");
}

TEST_P(KeyedTableSequence, highest_and_lowest_fill_bound_every_stored_text) {
    ASSERT_EQ(t.add("b", ""), Ok);  // blank sorts first
    ASSERT_EQ(t.add("y", "ÿÿÿ"), Ok);
    ASSERT_EQ(t.add("e", "€uro"), Ok);  // Windows-1252 0x80: above ÿ in stored order
    ASSERT_EQ(t.add("m", "medio"), Ok);
    t.rec.NOMBRE.ref().fillHigh();
    ASSERT_EQ(t.file->setKey(2), Ok);
    ASSERT_EQ(t.file->previous(), Ok);
    EXPECT_EQ(t.rec.CODIGO.str(), "e");
    t.rec.NOMBRE.ref().fillLow();
    ASSERT_EQ(t.file->setKey(2), Ok);
    ASSERT_EQ(t.file->next(), Ok);
    EXPECT_EQ(t.rec.CODIGO.str(), "b");
}

TEST_P(KeyedTableSequence, positions_restart_inclusively_even_after_a_delete) {
    for (const char* c : {"1", "2", "3", "4"})
        ASSERT_EQ(t.add(c, "mismo"), Ok);
    t.rec.CODIGO.set("3");
    ASSERT_EQ(t.file->get(1), Ok);
    const std::string byName = t.file->position(2);
    const std::string byFile = t.file->position(0);
    ASSERT_FALSE(byName.empty());
    ASSERT_EQ(t.file->resetTo(2, byName), Ok);
    ASSERT_EQ(t.file->next(), Ok);
    EXPECT_EQ(t.rec.CODIGO.str(), "3");
    ASSERT_EQ(t.file->resetTo(2, byName), Ok);
    ASSERT_EQ(t.file->previous(), Ok);
    EXPECT_EQ(t.rec.CODIGO.str(), "3");
    ASSERT_EQ(t.file->erase(), Ok);
    ASSERT_EQ(t.file->resetTo(2, byName), Ok);
    ASSERT_EQ(t.file->next(), Ok);
    EXPECT_EQ(t.rec.CODIGO.str(), "4");
    ASSERT_EQ(t.file->resetTo(0, byFile), Ok);
    ASSERT_EQ(t.file->previous(), Ok);
    EXPECT_EQ(t.rec.CODIGO.str(), "2");
    EXPECT_EQ(t.file->reget(byName), RecordNotFound);
    EXPECT_EQ(t.file->resetTo(2, "garbage"), FileSystemError);
}

TEST_P(KeyedTableSequence, quick_scan_reads_the_same_and_sees_own_writes) {
    Transaction tx;
    ASSERT_EQ(tx.begin({t.file.get()}, 5), Ok);
    for (int i = 0; i < 1200; ++i)
        ASSERT_EQ(t.add(std::to_string(100000 + i), "n", i), Ok);
    ASSERT_EQ(tx.commit(), Ok);
    ASSERT_EQ(t.file->setKey(0), Ok);
    const Strings plain = t.readAll();
    ASSERT_EQ(t.file->send("QUICKSCAN=on"), Ok);
    ASSERT_EQ(t.file->setKey(0), Ok);
    EXPECT_EQ(t.readAll(), plain);
    EXPECT_EQ(t.readAll(false).size(), plain.size());
    // Rows read ahead are dropped after a write through the same connection.
    t.rec.CODIGO.ref().fillLow();
    ASSERT_EQ(t.file->setKey(1), Ok);
    ASSERT_EQ(t.file->next(), Ok);
    ASSERT_EQ(t.rec.CODIGO.str(), "100000");
    Table other(*GetParam());
    ASSERT_EQ(other.file->open(kShared), Ok);
    other.rec.CODIGO.set("100001");
    ASSERT_EQ(other.file->get(1), Ok);
    ASSERT_EQ(other.file->erase(), Ok);
    ASSERT_EQ(t.file->next(), Ok);
    EXPECT_EQ(t.rec.CODIGO.str(), "100002");
}

TEST_P(KeyedTableSequence, ids_are_never_reused_and_a_changed_key_moves_the_record) {
    ASSERT_EQ(t.add("1", "", 0, "2/00.00.00020010100"), Ok);
    ASSERT_EQ(t.add("2", "", 0, "1/00.00.00020010100"), Ok);
    ASSERT_EQ(t.add("3", "", 0, "3/00.00.00020010100"), Ok);
    t.rec.CODIGO.set("3");  // the last one added: the highest id
    ASSERT_EQ(t.file->get(1), Ok);
    const std::string gone = t.file->position(0);
    ASSERT_EQ(t.file->erase(), Ok);
    ASSERT_EQ(t.add("4", "", 0, "0/00.00.00020010100"), Ok);
    EXPECT_EQ(t.file->reget(gone), RecordNotFound);
    // Record 1 moves to the end of the declaration order, keeps its place in file order.
    t.rec.CODIGO.set("1");
    ASSERT_EQ(t.file->get(1), Ok);
    const std::string place = t.file->position(0);
    t.rec.setDecl("9/00.00.000", "2001", "01", "00");
    ASSERT_EQ(t.file->put(), Ok);
    t.rec.DECL.ref().fillLow();
    ASSERT_EQ(t.file->setKey(3), Ok);
    EXPECT_EQ(t.readAll(), (Strings{"4", "2", "1"}));
    ASSERT_EQ(t.file->setKey(0), Ok);
    EXPECT_EQ(t.readAll(), (Strings{"1", "2", "4"}));
    ASSERT_EQ(t.file->reget(place), Ok);
    EXPECT_EQ(t.rec.CODIGO.str(), "1");
}

TEST_P(KeyedTableSequence, two_files_adding_in_one_transaction_get_distinct_ids) {
    Table other(*GetParam());
    ASSERT_EQ(other.file->open(kShared), Ok);
    ASSERT_EQ(t.add("0"), Ok);
    {
        Transaction tx;
        ASSERT_EQ(tx.begin({t.file.get(), other.file.get()}, 5), Ok);
        ASSERT_EQ(t.add("1"), Ok);
        ASSERT_EQ(other.add("2"), Ok);
        ASSERT_EQ(t.add("3"), Ok);
        ASSERT_EQ(other.add("4"), Ok);
        tx.rollback();
    }
    Transaction tx;
    ASSERT_EQ(tx.begin({t.file.get(), other.file.get()}, 5), Ok);
    ASSERT_EQ(t.add("5"), Ok);
    ASSERT_EQ(other.add("6"), Ok);
    t.rec.CODIGO.set("6");
    ASSERT_EQ(t.file->get(1), Ok);
    ASSERT_EQ(t.file->erase(), Ok);  // the highest id, inside the transaction
    ASSERT_EQ(other.add("7"), Ok);
    ASSERT_EQ(t.add("8"), Ok);
    ASSERT_EQ(tx.commit(), Ok);
    ASSERT_EQ(t.add("9"), Ok);
    ASSERT_EQ(t.file->setKey(0), Ok);
    EXPECT_EQ(t.readAll(), (Strings{"0", "5", "7", "8", "9"}));
    EXPECT_EQ(t.file->records(), 5);
}

TEST_P(KeyedTableSequence, a_run_of_equal_keys_reads_alike_in_pages_both_ways_and_from_a_position) {
    Transaction tx;
    ASSERT_EQ(tx.begin({t.file.get()}, 5), Ok);
    ASSERT_EQ(t.add("A", "", 0, "1/00.00.00020010100"), Ok);
    for (int i = 0; i < 5000; ++i)
        ASSERT_EQ(t.add(std::to_string(10000 + i), "", i, "5/00.00.00020010100"), Ok);
    ASSERT_EQ(t.add("Z", "", 0, "9/00.00.00020010100"), Ok);
    ASSERT_EQ(tx.commit(), Ok);
    t.rec.DECL.ref().fillLow();
    ASSERT_EQ(t.file->setKey(3), Ok);
    const Strings plain = t.readAll();
    ASSERT_EQ(plain.size(), 5002u);
    EXPECT_EQ(plain[1], "10000");
    EXPECT_EQ(plain[5000], "14999");
    ASSERT_EQ(t.file->send("QUICKSCAN=on"), Ok);
    t.rec.DECL.ref().fillLow();
    ASSERT_EQ(t.file->setKey(3), Ok);
    EXPECT_EQ(t.readAll(), plain);
    t.rec.DECL.ref().fillHigh();
    ASSERT_EQ(t.file->setKey(3), Ok);
    Strings back = t.readAll(false);
    std::reverse(back.begin(), back.end());
    EXPECT_EQ(back, plain);
    // From a position in the middle of the run, both ways, inclusively.
    t.rec.CODIGO.set("12500");
    ASSERT_EQ(t.file->get(1), Ok);
    const std::string middle = t.file->position(3);
    ASSERT_EQ(t.file->resetTo(3, middle), Ok);
    EXPECT_EQ(t.readAll().size(), 2501u);  // 12500..14999 and Z
    ASSERT_EQ(t.file->resetTo(3, middle), Ok);
    const Strings before = t.readAll(false);
    ASSERT_EQ(before.size(), 2502u);  // 12500..10000 and A
    EXPECT_EQ(before.front(), "12500");
    EXPECT_EQ(before.back(), "A");
}

TEST_P(KeyedTableSequence, reading_a_long_run_of_equal_keys_costs_the_same_at_its_end) {
    constexpr int kRows = 24000;
    constexpr int kSample = 2000;
    t.rec.setDecl("1/23.45.678", "2001", "03", "00");
    Transaction tx;
    ASSERT_EQ(tx.begin({t.file.get()}, 5), Ok);
    for (int i = 0; i < kRows; ++i) {
        t.rec.CODIGO.set(std::to_string(i));
        ASSERT_EQ(t.file->add(), Ok);
    }
    ASSERT_EQ(tx.commit(), Ok);
    t.rec.DECL.ref().fillLow();
    ASSERT_EQ(t.file->setKey(3), Ok);
    const int64_t first = vmStepsFor(*t.file, kSample);
    ASSERT_GT(first, 0);
    ASSERT_GE(vmStepsFor(*t.file, kRows - 2 * kSample), 0);
    const int64_t last = vmStepsFor(*t.file, kSample);
    ASSERT_GE(last, 0);
    EXPECT_EQ(t.file->next(), NoMoreRecords);
    // Seeking from the start of the run on every read would make the last
    // reads about ten times dearer than the first ones.
    EXPECT_LT(last, 3 * first) << last << " steps against " << first;
}

INSTANTIATE_TEST_SUITE_P(Layouts, KeyedTableSequence, bothLayouts(), layoutName);

}  // namespace
}  // namespace vorda::store::test
