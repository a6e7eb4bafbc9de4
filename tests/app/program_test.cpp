// Program::run: the start and end order around the frame, in a fresh
// working directory.
//
//   frame_runs_between_start_and_end    globals cleared, help file named,
//                                       settings and tables ready; released after
//   settings_file_*                     unreadable or malformed vorda.INI reads as
//                                       defaults and the run still ends normally
#include "app/program.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/appglobals.h"
#include "data/agentes.h"
#include "data/dictionary.h"
#include "data/globals.h"
#include "framework/requestglobals.h"
#include "tests/support/tempdir.h"

namespace vorda {
namespace {

class ProgramRun : public ::testing::Test {
protected:
    test::TempDir dir;
};

TEST_F(ProgramRun, frame_runs_between_start_and_end) {
    GlobalRequest = RequestDelete;
    GlobalResponse = ResponseCompleted;
    VCRRequest = 2004;
    AGE.NRO_AGENTE.set("1/23.45.678");
    bool ran = false;
    const int status = Program::run([&ran] {
        ran = true;
        EXPECT_EQ(GlobalRequest, 0);
        EXPECT_EQ(GlobalResponse, 0);
        EXPECT_EQ(VCRRequest, 0);
        EXPECT_EQ(AGE.NRO_AGENTE.str(), "");
        EXPECT_EQ(HelpFile, "Vorda.hlp");
        EXPECT_TRUE(INIMgr.FileName.ends_with("vorda.INI"));
        EXPECT_NE(Access::AGENTES, nullptr);
        EXPECT_NE(Relate::AGENTES, nullptr);
        return 7;
    });
    EXPECT_TRUE(ran);
    EXPECT_EQ(status, 7);  // the frame's status is the run's
    EXPECT_EQ(Access::AGENTES, nullptr);
    EXPECT_EQ(Relate::AGENTES, nullptr);
    EXPECT_TRUE(std::filesystem::exists(dir.file("vorda.INI")));
}

TEST_F(ProgramRun, settings_file_malformed_reads_as_defaults) {
    {
        std::ofstream ini(dir.file("vorda.INI"), std::ios::binary);
        // Written whole, the NUL and what follows it included.
        constexpr char junk[] = "\x01\xff[[[Main\nXPos\n=\n[\0garbage]]]\r\n==\n";
        ini.write(junk, sizeof junk - 1);
    }
    const int status = Program::run([] {
        EXPECT_EQ(INIMgr.Fetch("Main", "XPos"), "");
        EXPECT_EQ(INIMgr.TryFetch("Main", "XPos"), "---Unknown---");
        return 0;
    });
    EXPECT_EQ(status, 0);
}

TEST_F(ProgramRun, settings_file_unreadable_reads_as_defaults) {
    std::filesystem::create_directory(dir.file("vorda.INI"));
    const int status = Program::run([] {
        EXPECT_EQ(INIMgr.Fetch("Main", "XPos"), "");
        return 0;
    });
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("vorda.INI")));
}

}  // namespace
}  // namespace vorda
