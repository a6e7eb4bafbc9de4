// FilesManager: the file-to-manager mapping and the caller's state across procedures.
//
//   FilesManagerMapping - one manager per file
//   FilesManagerUsage   - a called procedure gives the caller's record and position
//                         back; level 3 keeps the callee's buffer; threads are apart
#include "framework/filesmanager.h"

#include <gtest/gtest.h>

#include "framework/assertion.h"
#include "framework/errorclass.h"
#include "framework/filemanager.h"
#include "platform/process/threadnumber.h"
#include "platform/store/file.h"
#include "platform/store/makekeyedtable.h"
#include "platform/types/fixedtext.h"
#include "tests/support/recordingpresenter.h"
#include "tests/support/tempdir.h"

namespace vorda {
namespace {

struct Row {
    FixedText<4> CODE;
    FixedText<20> NAME;
};

const store::TableDesc& rowDesc() {
    static const store::TableDesc desc{
        .name = "ROWS",
        .prefix = "ROW",
        .fileName = "Rows.tps",
        .recordSize = sizeof(Row),
        .recordLength = 24,
        .fields = {{"ROW:CODE", store::FieldKind::Text, offsetof(Row, CODE), 4, true},
                   {"ROW:NAME", store::FieldKind::Text, offsetof(Row, NAME), 20, true}},
        .keys = {{.name = "ROW:BY_CODE", .description = "Por Código", .components = {{1}}},
                 {.name = "ROW:BY_NAME",
                  .description = "Por Nombre",
                  .components = {{2}},
                  .unique = false}}};
    return desc;
}

class FilesManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        previousHandler_ =
            setAssertionHandler([](const std::string& t) { throw AssertionFailed(t); });
        errors.Init();
        file = store::makeKeyedTable(rowDesc(), &row);
        file->setOwner("TestOwner-12");
        rows.Init(file.get(), &errors);
        rows.AddKey(1, "Por Código");
        rows.AddKey(2, "Por Nombre");
        errors.SetProcedureName("Lista");
        rows.Open();
        for (int i = 1; i <= 9; ++i) {  // codes 0001..0009, names in reverse order
            row.CODE.set("000" + std::to_string(i));
            row.NAME.set("Nombre " + std::to_string(10 - i));
            EXPECT_EQ(rows.Insert(), Benign);
        }
    }
    void TearDown() override {
        rows.Kill();
        errors.Kill();
        platform::setThreadNumberProvider(nullptr);
        setAssertionHandler(previousHandler_);
    }
    // The caller stands on record 0005 of the code sequence.
    void readToFive() {
        row.CODE.clear();
        rows.SetKey(1);
        for (int i = 0; i < 5; ++i)
            ASSERT_EQ(rows.Next(), Benign);
        ASSERT_EQ(row.CODE.str(), "0005");
    }
    // A called procedure that opens the table, reads elsewhere and closes it.
    void callee(UsageLevel usage) {
        errors.SetProcedureName("Ficha");
        rows.Open();
        rows.UseFile(usage);
        row.NAME.clear();
        rows.SetKey(2);
        ASSERT_EQ(rows.Next(), Benign);
        ASSERT_EQ(row.CODE.str(), "0009");
        row.NAME.set("cambiado en la ficha");
        rows.Close();
        errors.SetProcedureName();
    }

    test::TempDir dir;
    test::RecordingPresenter boxes;
    ErrorClass errors;
    Row row;
    std::unique_ptr<store::File> file;
    FileManager rows;

private:
    AssertionHandler previousHandler_;
};

using FilesManagerMapping = FilesManagerTest;

TEST_F(FilesManagerMapping, one_manager_per_file) {
    EXPECT_EQ(GlobalFilesManager().GetMapping(file.get()), &rows);
    FileManager second;
    try {
        second.Init(file.get(), &errors);
        ADD_FAILURE() << "no assertion";
    } catch (const AssertionFailed& e) {
        EXPECT_STREQ(e.what(), "Mapping for file already exists");
    }
    rows.Kill();
    EXPECT_EQ(GlobalFilesManager().GetMapping(file.get()), nullptr);
    EXPECT_EQ(GlobalFilesManager().UsageCount(), 0u) << "Kill forgets the usage entries";
}

using FilesManagerUsage = FilesManagerTest;

TEST_F(FilesManagerUsage, called_procedure_gives_back_the_callers_record_and_position) {
    readToFive();
    callee(UsageLevel::Ordinary);
    EXPECT_EQ(row.CODE.str(), "0005");
    EXPECT_EQ(row.NAME.str(), "Nombre 5");
    ASSERT_EQ(rows.Next(), Benign);
    EXPECT_EQ(row.CODE.str(), "0006") << "the caller's sequence goes on from record 5";
    ASSERT_EQ(rows.Previous(), Benign);
    EXPECT_EQ(row.CODE.str(), "0005");
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(FilesManagerUsage, the_state_comes_back_when_the_callees_last_open_closes) {
    readToFive();
    errors.SetProcedureName("Ficha");
    rows.Open();
    rows.Open();
    rows.UseFile();
    const FilesManager::Usage* inner = GlobalFilesManager().Newest(1, file.get());
    EXPECT_EQ(inner->nesting, 2);
    EXPECT_NE(inner->savedState, 0);
    row.NAME.clear();
    rows.SetKey(2);
    rows.Next();
    rows.Close();
    EXPECT_EQ(row.CODE.str(), "0009");
    rows.Close();
    EXPECT_EQ(row.CODE.str(), "0005");
    EXPECT_EQ(GlobalFilesManager().Newest(1, file.get())->procedure, "Lista");
}

TEST_F(FilesManagerUsage, record_updated_by_a_form_is_not_given_back) {
    readToFive();
    callee(UsageLevel::UpdatedRecord);
    EXPECT_EQ(row.NAME.str(), "cambiado en la ficha");
    ASSERT_EQ(rows.Next(), Benign) << "nothing was saved: the callee's sequence goes on";
    EXPECT_EQ(row.CODE.str(), "0008");
}

TEST_F(FilesManagerUsage, level_raised_to_3_restores_the_position_but_not_the_buffer) {
    readToFive();
    errors.SetProcedureName("Ficha");
    rows.Open();
    rows.UseFile(UsageLevel::Ordinary);
    rows.UseFile(UsageLevel::UpdatedRecord);
    row.NAME.clear();
    rows.SetKey(2);
    rows.Next();
    rows.Close();
    errors.SetProcedureName();
    EXPECT_EQ(row.CODE.str(), "0005") << "the saved record is re-read";
    ASSERT_EQ(rows.Next(), Benign);
    EXPECT_EQ(row.CODE.str(), "0006");
}

TEST_F(FilesManagerUsage, another_thread_does_not_save_this_threads_state) {
    readToFive();
    int thread = 2;
    platform::setThreadNumberProvider([&thread] { return thread; });
    errors.SetProcedureName("Otra lista");
    callee(UsageLevel::Ordinary);
    EXPECT_EQ(GlobalFilesManager().Newest(2, file.get()), nullptr);
    EXPECT_EQ(row.CODE.str(), "0009") << "no state of thread 1 was given back";
    thread = 1;
    EXPECT_EQ(GlobalFilesManager().Newest(1, file.get())->procedure, "Lista");
}

}  // namespace
}  // namespace vorda
