// ProcessClass: how a batch run counts its progress.
//
//   ProcessProgress  by the table's record count, by an expected count (shown
//                    as at most 100), by bytes for a file that cannot count
//                    its records; the progress text
#include "framework/processclass.h"

#include <gtest/gtest.h>

#include <fstream>

#include "framework/relationmanager.h"
#include "platform/text/textfile.h"
#include "tests/framework/reportfixture.h"

namespace vorda::test {
namespace {

using ProcessProgress = ReportFixture;

TEST_F(ProcessProgress, without_an_expected_count_progress_is_by_the_tables_record_count) {
    addLines(4);
    addLines(4, declKey("9/99.99.999", "2005", "05"));  // counted, though out of range
    run({});
    tick();
    // The record is counted when read, before it is handed over.
    EXPECT_EQ(percents, (std::vector<int>{12, 25, 37, 50}));
    EXPECT_EQ(progressTexts.front(), "12% Completo");
    EXPECT_EQ(progressTexts.back(), "50% Completo");
}

TEST_F(ProcessProgress, a_percentage_above_100_is_shown_as_100) {
    addLines(4);
    run({.expected = 2});
    tick();
    EXPECT_EQ(percents, (std::vector<int>{50, 100, 100, 100}));
    EXPECT_EQ(progressTexts.back(), "100% Completo");
}

// A fixed-record text file: it cannot tell how many records it holds.
struct TextLine {
    FixedText<1> TIPO;
    FixedText<9> DATOS;
};

const store::TableDesc& textDesc() {
    static const store::TableDesc d{
        .name = "LINEAS",
        .prefix = "TXT",
        .fileName = "LINEAS.TXT",
        .recordSize = sizeof(TextLine),
        .recordLength = 10,
        .fields = {{"TXT:TIPO", store::FieldKind::Text, offsetof(TextLine, TIPO), 1, true},
                   {"TXT:DATOS", store::FieldKind::Text, offsetof(TextLine, DATOS), 9, true}},
        .keys = {}};
    return d;
}

TEST_F(ProcessProgress, a_file_without_a_record_count_shows_progress_by_bytes_read) {
    {
        std::ofstream out("LINEAS.TXT", std::ios::binary);
        for (int i = 0; i < 4; ++i)
            out << "5ABCDEFGHI\r\n";
    }
    TextLine rec{};
    const std::unique_ptr<store::File> file = store::makeTextFile(textDesc(), &rec);
    FileManager access;
    access.Init(file.get(), &errors);
    RelationManager relate;
    relate.Init(&access, Framing::None);
    ASSERT_EQ(relate.Open(), Benign);
    uint8_t percent = 0;
    ProcessClass p;
    p.Init(&relate, nullptr, {}, &percent);
    p.AddSortOrder();
    p.Reset();
    EXPECT_TRUE(p.BySize);
    EXPECT_EQ(p.FileSize, 48);
    std::vector<int> seen;
    while (p.Next() == Benign)
        seen.push_back(percent);
    EXPECT_EQ(seen, (std::vector<int>{25, 50, 75, 100}));
    EXPECT_EQ(p.RecordsProcessed, 4);
    p.Kill();
    relate.Close();
    relate.Kill();
    access.Kill();
}

}  // namespace
}  // namespace vorda::test
