// Drive letters as folders, and the copy to media that is whole or absent.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <fstream>

#include "diskette/mediacopy.h"
#include "diskette/unidades.h"
#include "tests/support/tempdir.h"

namespace vorda {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> names(const fs::path& folder) {
    std::vector<std::string> out;
    for (const fs::directory_entry& e : fs::directory_iterator(folder))
        out.push_back(e.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
}

DriveLetters::Configured keys(const std::string& a, const std::string& b) {
    return [a, b](std::string_view letter) { return letter == "A" ? a : letter == "B" ? b : ""; };
}

TEST(DriveLetters, configured_folders_are_used_and_shown_as_written) {
    test::TempDir dir;
    const DriveLetters drives(keys("unidad_a", "/mnt/b"), {}, true);
    EXPECT_EQ(drives.resolve('A').folder, dir.path() / "unidad_a");
    EXPECT_EQ(drives.resolve('B').folder, fs::path("/mnt/b"));
    EXPECT_EQ(drives.shown('A'), "unidad_a");
}

TEST(DriveLetters, without_a_key_a_is_the_first_medium_and_b_is_none) {
    test::TempDir dir;
    fs::create_directories(dir.file("media/zeta"));
    fs::create_directories(dir.file("media/ALFA"));
    fs::create_directories(dir.file("run"));
    std::ofstream(dir.file("media/0-not-a-folder")).close();  // an empty file
    const DriveLetters drives(keys("", ""), {dir.file("run"), dir.file("media")}, false);
    EXPECT_EQ(drives.resolve('A').folder, dir.file("media/ALFA"));
    EXPECT_EQ(drives.resolve('B').folder, std::nullopt);
    EXPECT_EQ(drives.resolve('B').problem, "la unidad B: no está configurada en vorda.INI");
    EXPECT_EQ(drives.shown('B'), "(la unidad B: no está configurada en vorda.INI)");
    // Folders that are not mount points are not media.
    const DriveLetters mounted(keys("", ""), {dir.file("media")}, true);
    EXPECT_EQ(mounted.resolve('A').folder, std::nullopt);
    EXPECT_EQ(mounted.resolve('A').problem, "no hay ningún medio extraíble montado");
}

TEST(MediaCopy, a_copy_replaces_the_earlier_file_whole_and_leaves_nothing_else) {
    test::TempDir dir;
    fs::create_directory("media");
    std::ofstream("source.dat", std::ios::binary) << std::string(100000, 'n');
    std::ofstream("media/DJ200103.DAT") << "earlier";
    EXPECT_EQ(copyToMedia("source.dat", "media", "DJ200103.DAT"), "");
    EXPECT_EQ(contents("media/DJ200103.DAT"), std::string(100000, 'n'));
    EXPECT_EQ(names("media"), std::vector<std::string>{"DJ200103.DAT"});
    EXPECT_EQ(copyToMedia("missing.dat", "media", "DJ200103.DAT"),
              "no existe la carpeta o el archivo (2)");
}

TEST(MediaCopy, a_failed_copy_leaves_the_earlier_file_and_no_part) {
    test::TempDir dir;
    fs::create_directory("media");
    std::ofstream("source.dat", std::ios::binary) << std::string(100000, 'n');
    std::ofstream("media/DJ200103.DAT") << "earlier";
    rlimit previous{};
    ::getrlimit(RLIMIT_FSIZE, &previous);
    const sighandler_t signal = ::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = 50000;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const std::string error = copyToMedia("source.dat", "media", "DJ200103.DAT");
    ::setrlimit(RLIMIT_FSIZE, &previous);
    ::signal(SIGXFSZ, signal);
    EXPECT_EQ(error, "el archivo excede el tamaño permitido (27)");
    EXPECT_EQ(contents("media/DJ200103.DAT"), "earlier");
    EXPECT_EQ(names("media"), std::vector<std::string>{"DJ200103.DAT"});
}

TEST(MediaCopy, reserved_names_are_new_files_that_fit_the_name_variable) {
    test::TempDir dir;
    const std::string a = reserveUniqueName(".", "Tmp", ".$$$");
    const std::string b = reserveUniqueName(".", "Tmp", ".$$$");
    EXPECT_NE(a, b);
    EXPECT_LE(a.size(), 20u);
    EXPECT_TRUE(fs::exists(a));
    EXPECT_TRUE(fs::exists(b));
    EXPECT_EQ(reserveUniqueName("no_such_folder", "Tmp", ".$$$"), "");
}

// What a killed run leaves goes once it is a day old; a younger file may
// belong to a run at another station, and other names are never touched.
TEST(MediaCopy, leftovers_of_killed_runs_go_when_a_day_old) {
    test::TempDir dir;
    const auto ago = [](int hours) {
        return fs::file_time_type::clock::now() - std::chrono::hours{hours};
    };
    for (const char* name : {"Tmp0123abcd.$$$", "Tmp0123abcd.$$$.lck", "Tmp0123abcd.$$$-journal",
                             "Tmp9999ffff.$$$", "TmpZZ23abcd.$$$", "Tmp0123abc.$$$", "Otro.$$$"}) {
        std::ofstream(name) << "x";
        fs::last_write_time(name, ago(25));
    }
    std::ofstream("Tmpaaaaaaaa.$$$") << "running";
    fs::last_write_time("Tmpaaaaaaaa.$$$", ago(23));
    EXPECT_EQ(removeStale(".", "Tmp", ".$$$", std::chrono::hours{24}), 4);
    EXPECT_EQ(names("."), (std::vector<std::string>{"Otro.$$$", "Tmp0123abc.$$$", "TmpZZ23abcd.$$$",
                                                    "Tmpaaaaaaaa.$$$"}));

    // A copy to the media clears the media's own leftovers of the same name.
    fs::create_directory("media");
    std::ofstream("media/.DJ200103.DAT.0badcafe.tmp") << "part";
    fs::last_write_time("media/.DJ200103.DAT.0badcafe.tmp", ago(48));
    std::ofstream("source.dat") << "whole";
    EXPECT_EQ(copyToMedia("source.dat", "media", "DJ200103.DAT"), "");
    EXPECT_EQ(names("media"), std::vector<std::string>{"DJ200103.DAT"});
}

}  // namespace
}  // namespace vorda
