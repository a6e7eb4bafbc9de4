// Windows-1252 codec, upper-casing and the fixed-width text fields.
//
//   Cp1252Codec    - every byte round trips; the 80-9F row; undefined bytes; bad UTF-8
//   Cp1252Upper    - ASCII and accented letters, and what must stay unchanged
//   FixedTextField - cut by characters, padding, views over part of a field
#include "platform/types/cp1252.h"

#include <gtest/gtest.h>

#include "platform/types/fixedtext.h"

namespace vorda {
namespace {

TEST(Cp1252Codec, every_byte_round_trips_through_utf8) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const std::string utf8 = cp1252::toUtf8(byte);
        EXPECT_EQ(cp1252::utf8Length(utf8), 1u) << b;
        EXPECT_EQ(cp1252::fromUtf8(utf8), byte) << b;
    }
}

TEST(Cp1252Codec, row_80_maps_to_the_typographic_characters) {
    EXPECT_EQ(cp1252::toUtf8("\x80"), "€");
    EXPECT_EQ(cp1252::toUtf8("\x8A\x8C\x8E\x9A\x9C\x9E\x9F"), "ŠŒŽšœžŸ");
    EXPECT_EQ(cp1252::toUtf8("\x91\x92\x93\x94\x96\x97\x85"), "‘’“”–—…");
    EXPECT_EQ(cp1252::toUtf8("\x99\x83\x88\x98"), "™ƒˆ˜");
    EXPECT_EQ(cp1252::fromUtf8("Año ñandú €"),
              "A\xF1o \xF1"
              "and\xFA \x80");
}

TEST(Cp1252Codec, undefined_bytes_are_c1_controls_and_other_c1_is_refused) {
    for (unsigned char b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        const std::string utf8 = cp1252::toUtf8(std::string(1, static_cast<char>(b)));
        EXPECT_EQ(utf8, std::string({'\xC2', static_cast<char>(b)}));
    }
    EXPECT_EQ(cp1252::fromUtf8("\xC2\x80"), "?");  // U+0080 is not the euro sign
    EXPECT_EQ(cp1252::fromUtf8("\xC2\x9A"), "?");
}

TEST(Cp1252Codec, unmappable_and_malformed_utf8_become_question_marks) {
    EXPECT_EQ(cp1252::fromUtf8("日本"), "??");
    EXPECT_EQ(cp1252::fromUtf8("😀x"), "?x");
    EXPECT_EQ(cp1252::fromUtf8("a\xFF"
                               "b"),
              "a?b");
    EXPECT_EQ(cp1252::fromUtf8("\xC3"), "?");            // truncated
    EXPECT_EQ(cp1252::fromUtf8("\xC0\xB1"), "??");       // overlong '1'
    EXPECT_EQ(cp1252::fromUtf8("\xED\xA0\x80"), "???");  // surrogate
    EXPECT_EQ(cp1252::utf8Length("\xC0\xB1"), 2u);
    EXPECT_EQ(cp1252::utf8Length("ñañá"), 4u);
}

TEST(Cp1252Upper, ascii_and_accented_letters) {
    EXPECT_EQ(cp1252::toUpper(cp1252::fromUtf8("abc xyz áéíóú ñ ü ç")),
              cp1252::fromUtf8("ABC XYZ ÁÉÍÓÚ Ñ Ü Ç"));
    EXPECT_EQ(cp1252::toUpper(cp1252::fromUtf8("àþÿšœž")), cp1252::fromUtf8("ÀÞŸŠŒŽ"));
}

TEST(Cp1252Upper, leaves_signs_upper_case_and_letters_without_upper_form) {
    EXPECT_EQ(cp1252::toUpper('\xF7'), '\xF7');  // ÷
    EXPECT_EQ(cp1252::toUpper('\xDF'), '\xDF');  // ß
    EXPECT_EQ(cp1252::toUpper('\xB5'), '\xB5');  // µ
    EXPECT_EQ(cp1252::toUpper("[1/2]-@`{}"), "[1/2]-@`{}");
    for (int b = 0xC0; b <= 0xDE; ++b)
        EXPECT_EQ(cp1252::toUpper(static_cast<char>(b)), static_cast<char>(b)) << b;
}

TEST(FixedTextField, cuts_by_characters_not_bytes) {
    FixedText<3> f("ñañá");
    EXPECT_EQ(f.str(), "ñañ");
    EXPECT_EQ(f.raw(),
              "\xF1"
              "a\xF1");
    f.set("€");
    EXPECT_EQ(f.str(), "€");
    EXPECT_EQ(f.ref().padded(), "€  ");
}

TEST(FixedTextField, pads_with_blanks_and_trims_on_read) {
    FixedText<6> f;
    EXPECT_TRUE(f.isBlank());
    f.set("ab ");
    EXPECT_EQ(f.raw(), "ab    ");
    EXPECT_EQ(f.str(), "ab");
    f.clear();
    EXPECT_EQ(f, FixedText<6>());
}

TEST(FixedTextField, sub_views_write_through_and_key_extremes) {
    FixedText<8> f("2001");
    TextRef month = f.sub(4, 2);
    month.set("123");
    EXPECT_EQ(f.raw(), "200112  ");
    month.fillLow();
    EXPECT_EQ(f.raw(), std::string_view("2001\0\0  ", 8));
    month.fillHigh();
    EXPECT_EQ(f.raw(), "2001\xFF\xFF  ");
    EXPECT_EQ(month.trimmedRaw(), "\xFF\xFF");
    TextRef beyond = f.sub(6, 5);  // clamped to the field's last two characters
    EXPECT_EQ(beyond.width(), 2u);
    EXPECT_EQ(f.sub(20, 1).width(), 0u);
}

}  // namespace
}  // namespace vorda
