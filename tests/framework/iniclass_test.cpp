// INIClass: the settings file.
//
//   IniValues    - Fetch/TryFetch/Update, case, encoding, the rewrite keeping other lines
//   IniMalformed - binary, unreadable, odd lines: defaults and no crash
//   IniLists     - stored lists, counts, fields, the entry limit
//   IniSectors   - the registry: load, sort/unique, filter, names
//   IniWindows   - saving and restoring window placement over a fake window
#include "framework/iniclass.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "framework/assertion.h"
#include "tests/support/tempdir.h"

namespace vorda {
namespace {

constexpr const char* kFile = "vorda.INI";

std::string readFile(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const std::string& name, std::string_view bytes) {
    std::ofstream(name, std::ios::binary).write(bytes.data(), static_cast<long>(bytes.size()));
}

class IniTest : public ::testing::Test {
protected:
    void SetUp() override {
        previousHandler_ =
            setAssertionHandler([](const std::string& t) { throw AssertionFailed(t); });
    }
    void TearDown() override { setAssertionHandler(previousHandler_); }
    void init() { ini.Init(kFile); }

    test::TempDir dir;
    INIClass ini;

private:
    AssertionHandler previousHandler_;
};

// --- IniValues -----------------------------------------------------------------

using IniValues = IniTest;

TEST_F(IniValues, missing_keys_read_empty_or_unknown) {
    init();
    EXPECT_EQ(ini.Fetch("S", "k"), "");
    EXPECT_EQ(ini.TryFetch("S", "k"), "---Unknown---");
    EXPECT_FALSE(std::filesystem::exists(kFile));  // reading creates nothing
}

TEST_F(IniValues, update_writes_windows_1252_with_crlf_and_reads_back) {
    init();
    ini.Update("Datos", "Nombre", "Año €");
    ini.Update("Datos", "Vacío", "");
    EXPECT_EQ(readFile(kFile), "[Datos]\r\nNombre=A\xF1o \x80\r\nVac\xEDo=\r\n");
    EXPECT_EQ(ini.Fetch("Datos", "Nombre"), "Año €");
    EXPECT_EQ(ini.TryFetch("Datos", "Vacío"), "");  // present but empty is not unknown
}

TEST_F(IniValues, sections_and_keys_match_without_regard_to_case) {
    writeFile(kFile, "[_PreviewWindow_]\r\nMaximize=Yes\r\n");
    init();
    EXPECT_EQ(ini.Fetch("_previewwindow_", "MAXIMIZE"), "Yes");
    ini.Update("_PREVIEWWINDOW_", "maximize", "No");
    EXPECT_EQ(readFile(kFile), "[_PreviewWindow_]\r\nMaximize=No\r\n");
}

TEST_F(IniValues, rewrite_keeps_other_sections_keys_and_comments) {
    writeFile(kFile,
              "; settings\n"
              "[A]\n"
              "x = 1\n"
              "; about y\n"
              "y=2\n"
              "\n"
              "[B]\n"
              "z=3\n");
    init();
    ini.Update("A", "y", "20");
    ini.Update("A", "w", "new");
    ini.Update("C", "k", "v");
    EXPECT_EQ(readFile(kFile),
              "; settings\r\n[A]\r\nx=1\r\n; about y\r\ny=20\r\nw=new\r\n\r\n"
              "[B]\r\nz=3\r\n\r\n[C]\r\nk=v\r\n");
    EXPECT_EQ(ini.Fetch("A", "x"), "1");
    EXPECT_EQ(ini.Fetch("B", "z"), "3");
}

TEST_F(IniValues, line_breaks_in_a_value_cannot_split_the_entry) {
    init();
    ini.Update("S", "k", "one\r\n[Evil]\r\nk2=x");
    EXPECT_EQ(ini.Fetch("S", "k"), "one  [Evil]  k2=x");
    EXPECT_EQ(ini.TryFetch("Evil", "k2"), "---Unknown---");
}

TEST_F(IniValues, fetch_field_splits_on_commas) {
    writeFile(kFile, "[S]\r\nk=a,b,,d\r\n");
    init();
    EXPECT_EQ(ini.FetchField("S", "k", 1), "a");
    EXPECT_EQ(ini.FetchField("S", "k", 3), "");
    EXPECT_EQ(ini.FetchField("S", "k", 4), "d");
    EXPECT_THROW(ini.FetchField("S", "k", 5), AssertionFailed);
    EXPECT_THROW(ini.FetchField("S", "k", 0), AssertionFailed);
}

// --- IniMalformed --------------------------------------------------------------

using IniMalformed = IniTest;

TEST_F(IniMalformed, lines_without_equals_and_keys_outside_sections_are_ignored) {
    writeFile(kFile, "orphan=1\r\n[S\r\njunk line\r\n[S]\r\n=nokey\r\nk=v=w\r\n;c=1\r\n");
    init();
    EXPECT_EQ(ini.TryFetch("S", "orphan"), "---Unknown---");
    EXPECT_EQ(ini.Fetch("S", "k"), "v=w");
    EXPECT_EQ(ini.TryFetch("S", ";c"), "---Unknown---");
    ini.Update("S", "n", "1");
    EXPECT_EQ(readFile(kFile),
              "orphan=1\r\n[S\r\njunk line\r\n[S]\r\n=nokey\r\nk=v=w\r\nn=1\r\n;c=1\r\n");
}

TEST_F(IniMalformed, binary_file_gives_defaults_and_stays_usable) {
    std::string junk;
    for (int i = 0; i < 4096; ++i)
        junk += static_cast<char>((i * 7919) & 0xFF);
    writeFile(kFile, junk);
    init();
    EXPECT_EQ(ini.TryFetch("_PreviewWindow_", "Maximize"), "---Unknown---");
    IniQueue list;
    ini.FetchQueue("Sectors", "__Dont_Touch_Me__", list, 3);
    EXPECT_TRUE(list.empty());
    ini.Update("S", "k", "v");
    EXPECT_EQ(ini.Fetch("S", "k"), "v");
    ini.Kill();
}

TEST_F(IniMalformed, unreadable_settings_are_defaults_and_never_overwritten) {
    std::filesystem::create_directory(kFile);  // exists, but cannot be read as a file
    init();
    EXPECT_EQ(ini.TryFetch("S", "k"), "---Unknown---");
    ini.Update("S", "k", "v");
    ini.AddSector("a$b$$c");
    ini.Kill();
    EXPECT_TRUE(std::filesystem::is_directory(kFile));
    EXPECT_FALSE(std::filesystem::exists(std::string(kFile) + ".tmp"));
}

TEST_F(IniMalformed, utf8_file_with_byte_order_mark_is_read) {
    writeFile(kFile, "\xEF\xBB\xBF[S]\r\nk=año\r\n");
    init();
    EXPECT_EQ(ini.Fetch("S", "k"), "año");
}

// --- IniLists ------------------------------------------------------------------

using IniLists = IniTest;

TEST_F(IniLists, three_entries_round_trip_in_order) {
    init();
    const IniQueue saved = {{"a", "1", "x"}, {"b", "2", "y"}, {"c", "3", "z"}};
    ini.Update("Q", "Lista", saved, 3);
    EXPECT_EQ(readFile(kFile),
              "[Q]\r\nLista=3\r\nLista_1=a,1,x\r\nLista_2=b,2,y\r\nLista_3=c,3,z\r\n");
    IniQueue loaded = {{"kept"}};
    ini.FetchQueue("Q", "Lista", loaded, 3);
    ASSERT_EQ(loaded.size(), 4u);  // appended after what the list held
    EXPECT_EQ(IniQueue(loaded.begin() + 1, loaded.end()), saved);
}

TEST_F(IniLists, a_shorter_list_removes_the_old_entries) {
    init();
    ini.Update("Q", "L", IniQueue{{"a"}, {"b"}, {"c"}});
    ini.Update("Q", "L", IniQueue{{"z"}});
    EXPECT_EQ(readFile(kFile), "[Q]\r\nL=1\r\nL_1=z\r\n");
}

TEST_F(IniLists, missing_or_damaged_counts_read_as_few_entries_as_there_can_be) {
    writeFile(kFile, "[Q]\r\nBad=abc\r\nNeg=-4\r\nHuge=2000000000\r\nHuge_1=only\r\n");
    init();
    IniQueue list;
    ini.FetchQueue("Q", "Missing", list);
    ini.FetchQueue("Q", "Bad", list);
    ini.FetchQueue("Q", "Neg", list);
    EXPECT_TRUE(list.empty());
    ini.FetchQueue("Q", "Huge", list);  // bounded by the lines of the file
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[0], std::vector<std::string>{"only"});
    EXPECT_EQ(list[3], std::vector<std::string>{""});
}

TEST_F(IniLists, fields_split_on_commas_and_the_last_keeps_the_rest) {
    writeFile(kFile, "[Q]\r\nL=2\r\nL_1=a,b,c\r\nL_2=solo\r\n");
    init();
    IniQueue two, one;
    ini.FetchQueue("Q", "L", two, 2);
    ini.FetchQueue("Q", "L", one, 1);
    EXPECT_EQ(two, (IniQueue{{"a", "b,c"}, {"solo", ""}}));
    EXPECT_EQ(one, (IniQueue{{"a,b,c"}, {"solo"}}));
}

TEST_F(IniLists, an_entry_holds_at_most_4999_characters) {
    init();
    ini.Update("Q", "L", IniQueue{{std::string(3000, 'a'), std::string(3000, 'b')}}, 2);
    EXPECT_EQ(ini.Fetch("Q", "L_1").size(), 4999u);
}

// --- IniSectors ----------------------------------------------------------------

using IniSectors = IniTest;

TEST_F(IniSectors, added_sectors_are_sorted_unique_and_survive_kill_and_init) {
    init();
    ini.AddSector(ini.GetSector("Query", "Agentes", "Browse"));
    ini.AddSector("Query$Ddjj$$Browse");
    ini.AddSector("Abc$x$$y");
    ini.AddSector("Query$Agentes$$Browse");
    ini.Kill();
    EXPECT_EQ(readFile(kFile),
              "[Sectors]\r\n__Dont_Touch_Me__=3\r\n__Dont_Touch_Me___1=Abc,x,y\r\n"
              "__Dont_Touch_Me___2=Query,Agentes,Browse\r\n"
              "__Dont_Touch_Me___3=Query,Ddjj,Browse\r\n");
    INIClass again;
    again.Init(kFile);
    ASSERT_EQ(again.Sectors.size(), 3u);
    EXPECT_EQ(again.Sectors[1], (SectorEntry{"Query", "Agentes", "Browse"}));
}

TEST_F(IniSectors, get_sectors_matches_every_given_part) {
    init();
    for (const char* s : {"Q$Agentes$$Browse", "Q$Ddjj$$Browse", "Q$Ddjj$$Form", "R$Ddjj$$Form"})
        ini.AddSector(s);
    std::vector<SectorEntry> out = {{"stale", "", ""}};
    ini.GetSectors("Q", "", "", out);
    EXPECT_EQ(out.size(), 3u);
    ini.GetSectors("", "Ddjj", "Form", out);
    EXPECT_EQ(out.size(), 2u);
    ini.GetSectors("", "", "", out);
    EXPECT_EQ(out.size(), 4u);
    ini.GetSectors("Z", "", "", out);
    EXPECT_TRUE(out.empty());
}

TEST_F(IniSectors, sector_names_split_and_malformed_names_are_misuse) {
    init();
    std::string family, item, type;
    ini.GetFamily("Query$$$Browse", family, item, type);
    EXPECT_EQ(family + "|" + item + "|" + type, "Query||Browse");
    ini.GetFamily("Q$a$b$$t$$", family, item, type);
    EXPECT_EQ(family + "|" + item + "|" + type, "Q|a$b|t$$");
    for (std::string_view bad : {"", "$a$$b", "Query$Agentes", "Query$$", "Query"})
        EXPECT_THROW(ini.GetFamily(bad, family, item, type), AssertionFailed) << bad;
    EXPECT_THROW(ini.AddSector("nonsense"), AssertionFailed);
    EXPECT_TRUE(ini.Sectors.empty());
}

// --- IniWindows ----------------------------------------------------------------

struct FakeWindow : WindowPlacement {
    bool maximized = false, iconized = false, resizable = true;
    WindowRect rect{.x = 10, .y = 20, .width = 300, .height = 200};
    std::vector<std::string> calls;

    bool isMaximized() const override { return maximized; }
    bool isIconized() const override { return iconized; }
    bool isResizable() const override { return resizable; }
    WindowRect get() const override { return rect; }
    void set(const WindowRect& r) override {
        calls.push_back("set " + std::to_string(r.x) + "," + std::to_string(r.y) + " " +
                        std::to_string(r.width) + "x" + std::to_string(r.height));
        rect = r;
    }
    void maximize(bool on) override {
        calls.push_back(on ? "maximize" : "restore");
        maximized = on;
    }
};

using IniWindows = IniTest;

TEST_F(IniWindows, a_normal_window_reopens_at_its_saved_place) {
    init();
    FakeWindow saved;
    saved.rect = {.x = 5, .y = 6, .width = 640, .height = 480};
    ini.Update("_PreviewWindow_", saved);
    EXPECT_EQ(
        readFile(kFile),
        "[_PreviewWindow_]\r\nMaximize=No\r\nXPos=5\r\nYPos=6\r\nHeight=480\r\nWidth=640\r\n");
    FakeWindow reopened;
    ini.Fetch("_PreviewWindow_", reopened);
    EXPECT_EQ(reopened.calls, (std::vector<std::string>{"set 5,6 640x480", "restore"}));
}

TEST_F(IniWindows, a_maximized_window_reopens_maximized_with_its_normal_place_kept) {
    init();
    FakeWindow w;
    ini.Update("W", w);
    w.maximized = true;
    w.rect = {.x = 99, .y = 99, .width = 1, .height = 1};
    ini.Update("W", w);
    EXPECT_EQ(ini.Fetch("W", "XPos"), "10");  // a maximized save writes only Maximize
    FakeWindow reopened;
    ini.Fetch("W", reopened);
    EXPECT_EQ(reopened.calls, (std::vector<std::string>{"set 10,20 300x200", "maximize"}));
}

TEST_F(IniWindows, saved_normal_restores_a_maximized_window_first) {
    writeFile(kFile, "[W]\r\nMaximize=No\r\n");
    init();
    FakeWindow w;
    w.maximized = true;
    ini.Fetch("W", w);
    EXPECT_EQ(w.calls, (std::vector<std::string>{"restore", "restore"}));
}

TEST_F(IniWindows, fixed_size_windows_keep_their_size) {
    init();
    FakeWindow w;
    w.resizable = false;
    ini.Update("_PreviewAskPagesWindow_", w);
    EXPECT_EQ(ini.TryFetch("_PreviewAskPagesWindow_", "Width"), "---Unknown---");
    ini.Update("_PreviewAskPagesWindow_", "Width", "5000");
    FakeWindow reopened;
    reopened.resizable = false;
    reopened.rect = {.x = 0, .y = 0, .width = 120, .height = 80};
    ini.Fetch("_PreviewAskPagesWindow_", reopened);
    EXPECT_EQ(reopened.calls.front(), "set 10,20 120x80");
}

TEST_F(IniWindows, iconized_windows_are_not_saved) {
    init();
    FakeWindow w;
    w.iconized = true;
    ini.Update("W", w);
    EXPECT_FALSE(std::filesystem::exists(kFile));
}

TEST_F(IniWindows, unknown_or_damaged_placement_changes_nothing_it_cannot_read) {
    writeFile(kFile,
              "[A]\r\nMaximize=yes please\r\nXPos=1\r\nYPos=1\r\n"
              "[B]\r\nMaximize=No\r\nXPos=abc\r\nYPos=1\r\n"
              "[C]\r\nMaximize=No\r\nXPos=7\r\nYPos=8\r\nWidth=-5\r\nHeight=x\r\n");
    init();
    FakeWindow a, b, c;
    ini.Fetch("A", a);
    ini.Fetch("B", b);
    ini.Fetch("C", c);
    EXPECT_TRUE(a.calls.empty());
    EXPECT_EQ(b.calls, std::vector<std::string>{"restore"});
    EXPECT_EQ(c.calls, (std::vector<std::string>{"set 7,8 300x200", "restore"}));
}

}  // namespace
}  // namespace vorda
