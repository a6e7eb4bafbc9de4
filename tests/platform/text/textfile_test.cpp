// The fixed-record text-file driver on real files in a temporary directory.
//
//   TextFileRead   line endings, short/long/empty lines, Windows-1252 bytes,
//                  progress, positions, quick scan
//   TextFileWrite  create, add, sharing, read-only
//   TextFileLines  what a record cannot hold: overlong lines, control
//                  characters; UTF-8 files, byte-order mark, Ctrl+Z
//   EncodingDetector  the UTF-8 verdict over blocks
#include "platform/text/textfile.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/store/codes.h"
#include "platform/types/fixedtext.h"

namespace vorda::store {
namespace {

struct Line {
    FixedText<1> TIPO;
    FixedText<9> DATOS;
};

const TableDesc& lineDesc() {
    static const TableDesc d{
        .name = "LINEAS",
        .prefix = "LIN",
        .fileName = "LINEAS.TXT",
        .recordSize = sizeof(Line),
        .recordLength = 10,
        .fields = {{"LIN:TIPO", FieldKind::Text, offsetof(Line, TIPO), 1, true},
                   {"LIN:DATOS", FieldKind::Text, offsetof(Line, DATOS), 9, true}},
        .keys = {}};
    return d;
}

class TextFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::string pattern =
            (std::filesystem::temp_directory_path() / "vorda-text-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        std::filesystem::current_path(dir_);
    }
    void TearDown() override {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(dir_);
    }
    static void write(const std::string& bytes) {
        std::ofstream("LINEAS.TXT", std::ios::binary) << bytes;
    }
    static std::string contents() {
        std::ifstream in("LINEAS.TXT", std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    // Every record as its 10 raw characters.
    std::vector<std::string> readAll() {
        std::vector<std::string> out;
        int code;
        while ((code = file->next()) == Ok) {
            out.push_back(std::string(rec.TIPO.raw()) + std::string(rec.DATOS.raw()));
        }
        EXPECT_EQ(code, NoMoreRecords);
        return out;
    }
    std::filesystem::path dir_, previous_;
    Line rec;
    std::unique_ptr<File> file = makeTextFile(lineDesc(), &rec);
};

using TextFileRead = TextFileTest;

TEST_F(TextFileRead, missing_file_and_directory) {
    EXPECT_EQ(file->open(0x40), FileNotFound);
    std::filesystem::create_directory("LINEAS.TXT");
    EXPECT_EQ(file->open(0x40), FileSystemError);
}

TEST_F(TextFileRead, lines_of_every_shape_become_records_of_the_record_length) {
    write(
        "1ABCDEFGHI\r\n"  // exact, CRLF
        "2short\n"        // LF only, short: padded
        "3TOO LONG LINE IS CUT\r\n"
        "\r\n"             // empty line: a blank record
        "4ABCDEFGH\r\r\n"  // a CR inside the record length is data
        "5LAST");          // no line end at the end of the file
    ASSERT_EQ(file->open(0x40), Ok);
    EXPECT_EQ(readAll(), (std::vector<std::string>{"1ABCDEFGHI", "2short    ", "3TOO LONG ",
                                                   "          ", "4ABCDEFGH\r", "5LAST     "}));
    EXPECT_EQ(file->bytesRead(), file->bytes());
    EXPECT_EQ(file->records(), -1);
}

TEST_F(TextFileRead, windows_1252_bytes_round_trip_unchanged) {
    ASSERT_EQ(file->create(), Ok);
    ASSERT_EQ(file->open(0x42), Ok);
    rec.TIPO.setRaw("\x80");
    rec.DATOS.setRaw(std::string_view("\xf1\xe1\xff\x81\x00z", 6));
    ASSERT_EQ(file->add(), Ok);
    ASSERT_EQ(file->close(), Ok);
    EXPECT_EQ(contents(), std::string("\x80\xf1\xe1\xff\x81\x00z   \r\n", 12));
    ASSERT_EQ(file->open(0x40), Ok);
    rec = Line{};
    ASSERT_EQ(file->next(), Ok);
    EXPECT_EQ(rec.TIPO.raw(), "\x80");
    EXPECT_EQ(rec.DATOS.raw(), std::string_view("\xf1\xe1\xff\x81\x00z   ", 9));
    EXPECT_EQ(rec.DATOS.str(), std::string("ñáÿ\xc2\x81") + std::string(1, '\0') + "z");
}

TEST_F(TextFileRead, positions_re_read_and_restart_at_a_record) {
    write("1AAA\r\n2BBB\r\n3CCC\r\n");
    ASSERT_EQ(file->open(0x40), Ok);
    ASSERT_EQ(file->next(), Ok);
    ASSERT_EQ(file->next(), Ok);
    const std::string second = file->position(0);
    ASSERT_EQ(file->next(), Ok);
    ASSERT_EQ(file->reget(second), Ok);
    EXPECT_EQ(rec.TIPO.str(), "2");
    EXPECT_EQ(file->next(), NoMoreRecords);  // reget does not move the sequence
    ASSERT_EQ(file->resetTo(0, second), Ok);
    ASSERT_EQ(file->next(), Ok);
    EXPECT_EQ(rec.TIPO.str(), "2");
    ASSERT_EQ(file->setKey(0), Ok);
    ASSERT_EQ(file->next(), Ok);
    EXPECT_EQ(rec.TIPO.str(), "1");
    EXPECT_EQ(file->setKey(1), FileSystemError);
    EXPECT_EQ(file->previous(), FileSystemError);
    EXPECT_EQ(file->get(1), FileSystemError);
    EXPECT_EQ(file->openCursor(), nullptr);
}

TEST_F(TextFileRead, quick_scan_reads_the_same_records) {
    std::string bytes;
    for (int i = 0; i < 5000; ++i)
        bytes += std::to_string(i % 10) + std::to_string(100000 + i) + "\r\n";
    write(bytes);
    ASSERT_EQ(file->open(0x40), Ok);
    const auto plain = readAll();
    ASSERT_EQ(plain.size(), 5000u);
    ASSERT_EQ(file->send("QUICKSCAN=on"), Ok);
    ASSERT_EQ(file->setKey(0), Ok);
    EXPECT_EQ(readAll(), plain);
    EXPECT_EQ(file->bytesRead(), static_cast<int64_t>(bytes.size()));
}

using TextFileWrite = TextFileTest;

TEST_F(TextFileWrite, create_empties_and_add_appends_crlf_lines) {
    write("old contents\r\n");
    ASSERT_EQ(file->create(), Ok);
    EXPECT_EQ(contents(), "");
    ASSERT_EQ(file->open(0x42), Ok);
    rec.TIPO.set("5");
    rec.DATOS.set("abc");
    ASSERT_EQ(file->add(), Ok);
    ASSERT_EQ(file->setKey(0), Ok);
    ASSERT_EQ(file->next(), Ok);  // what was added can be read back at once
    ASSERT_EQ(file->add(), Ok);
    EXPECT_EQ(contents(), "5abc      \r\n5abc      \r\n");
    EXPECT_EQ(file->put(), FileSystemError);
}

TEST_F(TextFileWrite, sharing_and_read_only_access) {
    write("1\r\n");
    auto other = makeTextFile(lineDesc(), &rec);
    ASSERT_EQ(file->open(0x40), Ok);
    EXPECT_EQ(file->open(0x40), AlreadyOpen);
    EXPECT_EQ(other->open(0x12), AccessDenied);
    ASSERT_EQ(other->open(0x40), Ok);
    EXPECT_EQ(file->add(), AccessDenied);
    EXPECT_TRUE(file->isReadOnly());
}

using TextFileLines = TextFileTest;

// Reads every record with the reader's verdict on its line: "ok", or the
// faults found ("long", "ctl", "map").
std::vector<std::string> verdicts(File& file, const Line& rec) {
    std::vector<std::string> out;
    while (file.next() == Ok) {
        const text::TextLine* line = currentLine(file);
        std::string v = std::string(rec.TIPO.raw()) + std::string(rec.DATOS.raw()) + ":";
        if (line == nullptr)
            return {"no line"};
        v += line->sound() ? "ok" : "";
        v += line->overlong ? "long" : "";
        v += line->controlCharacters ? "ctl" : "";
        v += line->unmappable ? "map" : "";
        out.push_back(v);
    }
    return out;
}

TEST_F(TextFileLines, blanks_after_the_record_are_ignored_anything_else_is_overlong) {
    write(
        "1ABCDEFGHI     \r\n"  // trailing blanks
        "2ABCDEFGHIx\r\n"      // one character too many
        "3ABCDEFGHI    x\n"    // something after the blanks
        "4ABCDEFGHI\r\n"       // exact
        "5ABCDEFGHI\r\r\n");   // a second CR is a character
    ASSERT_EQ(file->open(0x40), Ok);
    EXPECT_EQ(currentLine(*file), nullptr);
    EXPECT_EQ(verdicts(*file, rec),
              (std::vector<std::string>{"1ABCDEFGHI:ok", "2ABCDEFGHI:long", "3ABCDEFGHI:long",
                                        "4ABCDEFGHI:ok", "5ABCDEFGHI:long"}));
}

TEST_F(TextFileLines, a_very_long_line_is_one_overlong_record_and_reading_goes_on) {
    write("1" + std::string(100000, 'x') + "\r\n2" + std::string(50000, ' ') + "\r\n3END\r\n");
    ASSERT_EQ(file->open(0x40), Ok);
    EXPECT_EQ(verdicts(*file, rec),
              (std::vector<std::string>{"1xxxxxxxxx:long", "2         :ok", "3END      :ok"}));
}

TEST_F(TextFileLines, control_characters_in_the_columns_are_noted) {
    write(std::string("1AB\0DE\r\n", 8) +
          "2A\tB\r\n3AB\x1a\r\n4A\x81"
          "\r\n5AB\rC\r\n");
    ASSERT_EQ(file->open(0x40), Ok);
    const auto v = verdicts(*file, rec);
    ASSERT_EQ(v.size(), 5u);
    for (const std::string& one : v)
        EXPECT_EQ(one.substr(one.find(':')), ":ctl") << one;
}

TEST_F(TextFileLines, utf8_files_are_read_by_character) {
    // "ñandú" is five characters in seven bytes; the line is not overlong.
    write("1ñandú año\r\n2€ 😀\r\n");
    ASSERT_EQ(file->open(0x40), Ok);
    EXPECT_EQ(encodingOf(*file), text::TextEncoding::Utf8);
    ASSERT_EQ(file->next(), Ok);
    EXPECT_EQ(rec.DATOS.str(), "ñandú año");
    EXPECT_EQ(rec.DATOS.raw(),
              "\xf1"
              "and\xfa"
              " a\xf1"
              "o");
    EXPECT_TRUE(currentLine(*file)->sound());
    ASSERT_EQ(file->next(), Ok);
    EXPECT_EQ(rec.DATOS.raw(),
              "\x80"
              " ?      ");
    EXPECT_TRUE(currentLine(*file)->unmappable);
}

TEST_F(TextFileLines, windows_1252_is_the_default_and_a_byte_order_mark_means_utf8) {
    write(
        "1\xf1"
        "and\xfa\r\n");
    ASSERT_EQ(file->open(0x40), Ok);
    EXPECT_EQ(encodingOf(*file), text::TextEncoding::Windows1252);
    ASSERT_EQ(file->next(), Ok);
    EXPECT_EQ(rec.DATOS.str(), "ñandú");
    ASSERT_EQ(file->close(), Ok);
    EXPECT_EQ(encodingOf(*file), std::nullopt);

    write(
        "\xEF\xBB\xBF"
        "1plain\r\n2more\r\n");
    ASSERT_EQ(file->open(0x40), Ok);
    EXPECT_EQ(encodingOf(*file), text::TextEncoding::Utf8);
    EXPECT_EQ(verdicts(*file, rec), (std::vector<std::string>{"1plain    :ok", "2more     :ok"}));
    ASSERT_EQ(file->setKey(0), Ok);  // reading again starts after the mark
    ASSERT_EQ(file->next(), Ok);
    EXPECT_EQ(rec.TIPO.raw(), "1");
}

TEST_F(TextFileLines, a_final_ctrl_z_is_the_end_of_the_file) {
    write("1AAA\r\n2BBB\r\n\x1a");
    ASSERT_EQ(file->open(0x40), Ok);
    EXPECT_EQ(verdicts(*file, rec), (std::vector<std::string>{"1AAA      :ok", "2BBB      :ok"}));
}

text::TextEncoding detect(std::initializer_list<std::string_view> blocks) {
    text::EncodingDetector d;
    for (std::string_view b : blocks)
        d.feed(b);
    return d.result();
}

TEST(EncodingDetector, utf8_needs_every_sequence_well_formed_and_one_beyond_ascii) {
    using text::TextEncoding;
    EXPECT_EQ(detect({"plain ascii"}), TextEncoding::Windows1252);
    EXPECT_EQ(detect({"a\xc3", "\xb1o"}), TextEncoding::Utf8);  // split across blocks
    EXPECT_EQ(detect({"12345678\xe2\x82\xac"
                      "12345678"}),
              TextEncoding::Utf8);
    EXPECT_EQ(detect({"a\xc3"}), TextEncoding::Windows1252);             // cut at the end
    EXPECT_EQ(detect({"\xc0\x80"}), TextEncoding::Windows1252);          // overlong
    EXPECT_EQ(detect({"\xed\xa0\x80"}), TextEncoding::Windows1252);      // surrogate
    EXPECT_EQ(detect({"\xf4\x90\x80\x80"}), TextEncoding::Windows1252);  // beyond U+10FFFF
    EXPECT_EQ(detect({"\xf1"
                      "and\xfa"}),
              TextEncoding::Windows1252);
    EXPECT_EQ(detect({"\xef\xbb",
                      "\xbf"
                      "abc"}),
              TextEncoding::Utf8);  // mark alone
}

}  // namespace
}  // namespace vorda::store
