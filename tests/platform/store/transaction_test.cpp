// Transactions over several tables of one connection, and a separate
// connection whose transaction other work must wait for.
#include "platform/store/transaction.h"

#include <chrono>

#include "platform/process/errorstate.h"
#include "platform/store/connection.h"
#include "platform/store/makekeyedtable.h"
#include "platform/text/textfile.h"
#include "testtables.h"

namespace vorda::store::test {
namespace {

class TransactionTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        for (Table* t : {&decl, &linea})
            ASSERT_EQ(t->createOpen(), Ok);
    }
    std::vector<File*> both() { return {linea.file.get(), decl.file.get()}; }
    Table decl{declDesc()};
    Table linea{lineaDesc()};
};

TEST_F(TransactionTest, commit_stores_the_writes_of_every_table) {
    Transaction tx;
    ASSERT_EQ(tx.begin(both(), 2), Ok);
    EXPECT_TRUE(tx.active());
    ASSERT_EQ(decl.add("D", "", 0, "1/23.45.67820010300"), Ok);
    ASSERT_EQ(linea.add("L", "", 0, "1/23.45.67820010300"), Ok);
    ASSERT_EQ(tx.commit(), Ok);
    EXPECT_FALSE(tx.active());
    EXPECT_EQ(decl.file->records(), 1);
    EXPECT_EQ(linea.file->records(), 1);
}

TEST_F(TransactionTest, rollback_and_destruction_discard_every_write) {
    {
        Transaction tx;
        ASSERT_EQ(tx.begin(both(), 2), Ok);
        ASSERT_EQ(decl.add("D", "", 0, "1/23.45.67820010300"), Ok);
        tx.rollback();
        EXPECT_FALSE(tx.active());
    }
    {
        Transaction tx;
        ASSERT_EQ(tx.begin(both(), 2), Ok);
        ASSERT_EQ(linea.add("L"), Ok);
    }
    EXPECT_EQ(decl.file->records(), 0);
    EXPECT_EQ(linea.file->records(), 0);
}

TEST_F(TransactionTest, a_failed_write_inside_keeps_the_others) {
    Transaction tx;
    ASSERT_EQ(tx.begin(both(), 2), Ok);
    ASSERT_EQ(decl.add("D", "", 0, "1/23.45.67820010300"), Ok);
    EXPECT_EQ(decl.add("E", "", 0, "1/23.45.67820010300"), DuplicateKey);
    ASSERT_EQ(tx.commit(), Ok);
    EXPECT_EQ(decl.file->records(), 1);
}

TEST_F(TransactionTest, begin_refuses_closed_tables_nesting_and_text_files) {
    Transaction tx;
    ASSERT_EQ(linea.file->close(), Ok);
    EXPECT_EQ(tx.begin(both(), 1), FileSystemError);
    ASSERT_EQ(linea.file->open(kShared), Ok);
    ASSERT_EQ(tx.begin(both(), 1), Ok);
    EXPECT_EQ(tx.begin(both(), 1), FileSystemError);
    Transaction second;
    EXPECT_EQ(second.begin({decl.file.get()}, 1), FileSystemError);
    EXPECT_EQ(tx.commit(), Ok);
    EXPECT_EQ(tx.commit(), FileSystemError);
    Rec rec;
    auto text = makeTextFile(pruebaDesc(), &rec);
    text->setName("lineas.txt");
    ASSERT_EQ(text->create(), Ok);
    ASSERT_EQ(text->open(kReadOnly), Ok);
    EXPECT_FALSE(text->supportsTransactions());
    EXPECT_EQ(tx.begin({decl.file.get(), text.get()}, 1), FileSystemError);
}

TEST_F(TransactionTest, a_table_closed_inside_is_detached_and_unlocked_after_it) {
    Transaction tx;
    ASSERT_EQ(tx.begin(both(), 2), Ok);
    ASSERT_EQ(linea.add("L"), Ok);
    ASSERT_EQ(linea.file->close(), Ok);
    Table other{lineaDesc()};
    EXPECT_EQ(other.file->open(kExclusive), AccessDenied);  // still in the transaction
    ASSERT_EQ(tx.commit(), Ok);
    ASSERT_EQ(other.file->open(kExclusive), Ok);
    EXPECT_EQ(other.file->records(), 1);
}

TEST_F(TransactionTest, begin_waits_for_a_separate_connection_then_gives_access_denied) {
    std::shared_ptr<Connection> separate = Connection::createSeparate();
    ASSERT_NE(separate, nullptr);
    Rec rec;
    std::unique_ptr<File> loader = makeKeyedTable(lineaDesc(), &rec, separate);
    loader->setOwner(kOwner);
    ASSERT_EQ(loader->open(kShared), Ok);
    Transaction loading;
    ASSERT_EQ(loading.begin({loader.get()}, 2), Ok);
    rec.CODIGO.set("X");
    ASSERT_EQ(loader->add(), Ok);

    // Reading is still possible while the other transaction is not committed.
    linea.rec.CODIGO.set("X");
    EXPECT_EQ(linea.file->setKey(0), Ok);
    EXPECT_EQ(linea.file->next(), NoMoreRecords);

    Transaction tx;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(tx.begin(both(), 1), AccessDenied);
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, std::chrono::milliseconds(900));
    EXPECT_LT(waited, std::chrono::seconds(5));
    ASSERT_EQ(loading.commit(), Ok);
    ASSERT_EQ(tx.begin(both(), 1), Ok);
    ASSERT_EQ(tx.commit(), Ok);
    EXPECT_EQ(linea.file->records(), 1);
}

}  // namespace
}  // namespace vorda::store::test
