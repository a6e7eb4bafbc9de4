// The rates table shipped with the program.
//
//   AlicuotasSource - parsing rows, and refusing bad ones with their line
//   AlicuotasTable  - the built table read back through Access:ALICUOTAS
//   AlicuotasTool   - the alicuotas_build executable's exit status and output
#include "data/tools/alicuotasbuild.h"

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/data/datafixture.h"

namespace vorda::test {
namespace {

using alicuotas_build::parseAlicuotas;
using alicuotas_build::RateRow;
using alicuotas_build::writeAlicuotas;

constexpr const char* kGood =
    "# rates\n"
    "01/01/2001   1.00  1.50   3.00\n"
    "\n"
    "01/07/2001\t1.5 2 4   # mid-year change\n"
    "15/03/2003   0     0     999999999.99\n";

std::string parseError(const std::string& text) {
    std::istringstream in(text);
    std::vector<RateRow> rows;
    std::string error;
    EXPECT_FALSE(parseAlicuotas(in, "ali.txt", rows, error)) << text;
    return error;
}

std::vector<RateRow> parseGood(const std::string& text) {
    std::istringstream in(text);
    std::vector<RateRow> rows;
    std::string error;
    EXPECT_TRUE(parseAlicuotas(in, "ali.txt", rows, error)) << error;
    return rows;
}

// --- AlicuotasSource -----------------------------------------------------------

TEST(AlicuotasSource, reads_rows_skipping_comments_and_blank_lines) {
    const auto rows = parseGood(kGood);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].line, 4);
    EXPECT_EQ(rows[1].fecha.toString(), "01/07/2001");
    EXPECT_EQ(rows[1].alicuota1, Decimal::fromHundredths(150));
    EXPECT_EQ(rows[1].alicuota2, Decimal::fromInteger(2));
    EXPECT_EQ(rows[2].importeModulos, Decimal::fromHundredths(99999999999));
}

TEST(AlicuotasSource, refuses_each_bad_row_naming_its_line) {
    const std::string head = "01/01/2001 1.00 1.50 3.00\n";
    const std::pair<std::string, std::string> cases[] = {
        {head + "31/02/2001 1 1 1\n", "ali.txt:2: bad date '31/02/2001'"},
        {head + "2001-07-01 1 1 1\n", "ali.txt:2: bad date '2001-07-01'"},
        {head + "01/07/2001 1,x 1 1\n", "ali.txt:2: bad number '1,x' for rate 1"},
        {head + "01/07/2001 1 -0.5 1\n", "ali.txt:2: negative rate 2 '-0.5'"},
        {head + "01/07/2001 1000 1 1\n", "ali.txt:2: rate 1 '1000' has more than 5 digits"},
        {head + "01/07/2001 1 1\n", "ali.txt:2: expected 4 columns"},
        {head + "# c\n01/01/2001 2 2 2\n", "ali.txt:3: duplicate date 01/01/2001 (also on line 1)"},
        {head + "31/12/2000 2 2 2\n", "ali.txt:2: date 31/12/2000 is not after 01/01/2001"},
        {"# nothing\n", "ali.txt: no rate rows"},
    };
    for (const auto& [text, message] : cases) {
        EXPECT_EQ(parseError(text).rfind(message, 0), 0u) << parseError(text);
    }
}

TEST(AlicuotasSource, the_shipped_file_is_valid) {
    std::ifstream in(VORDA_ALICUOTAS_TXT);
    ASSERT_TRUE(in.good());
    std::vector<RateRow> rows;
    std::string error;
    ASSERT_TRUE(parseAlicuotas(in, "alicuotas.txt", rows, error)) << error;
    EXPECT_LE(rows.front().fecha, *Date::fromYmd(1990, 1, 1));
}

// --- AlicuotasTable ------------------------------------------------------------

using AlicuotasTable = DataTest;

TEST_F(AlicuotasTable, built_table_reads_back_in_date_order_through_its_manager) {
    std::string error;
    ASSERT_TRUE(writeAlicuotas(parseGood(kGood), "Alicuotas.tps", error)) << error;
    ASSERT_EQ(Access::ALICUOTAS->Open(), Benign);
    const auto rows = readAll(*Access::ALICUOTAS, Alicuotas::ALICUOTAS, [] {
        return ALI.FECHA.toString() + " " + ALI.ALICUOTA1.toString() + " " +
               ALI.ALICUOTA2.toString() + " " + ALI.IMPORTE_MODULOS.toString();
    });
    Access::ALICUOTAS->Close();
    EXPECT_EQ(rows,
              (std::vector<std::string>{"01/01/2001 1.00 1.50 3.00", "01/07/2001 1.50 2.00 4.00",
                                        "15/03/2003 0.00 0.00 999999999.99"}));
    EXPECT_TRUE(boxes.shown().empty());
}

// --- AlicuotasTool -------------------------------------------------------------

struct ToolRun {
    int status;
    std::string output;
};

ToolRun runTool(const std::string& arguments) {
    const std::string command = std::string(VORDA_ALICUOTAS_BUILD) + " " + arguments + " 2>&1";
    ToolRun run{.status = -1, .output = {}};
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return run;
    char chunk[256];
    while (size_t n = fread(chunk, 1, sizeof chunk, pipe))
        run.output.append(chunk, n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(AlicuotasTool, builds_the_table_and_refuses_a_bad_file_with_its_line) {
    TempDir dir;
    std::ofstream("good.txt") << kGood;
    std::ofstream("bad.txt") << "01/01/2001 1 1 1\n01/13/2001 1 1 1\n";
    const ToolRun good = runTool("good.txt out.tps");
    EXPECT_EQ(good.status, 0) << good.output;
    EXPECT_TRUE(std::filesystem::exists("out.tps"));

    const auto size = std::filesystem::file_size("out.tps");
    const ToolRun bad = runTool("bad.txt out.tps");
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.output, "bad.txt:2: bad date '01/13/2001' (expected dd/mm/yyyy)\n");
    EXPECT_EQ(std::filesystem::file_size("out.tps"), size);  // the old table is kept

    EXPECT_EQ(runTool("good.txt").status, 2);
    EXPECT_EQ(runTool("missing.txt out.tps").status, 1);
}

}  // namespace
}  // namespace vorda::test
