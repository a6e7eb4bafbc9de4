// Pictures: parsing, formatting and reading back every kind the program
// uses, and the typing model the entries share.
//   PictureParse      - known kinds, widths, refused specs
//   PictureText       - s<n>
//   PictureNumber     - N20.2, n015.2, n06.2, n09, n09b, n_9B, n08
//   PictureTemplate   - #/##.##.###, ##-########-#, P##PB, P##P, P##-########-#PB
//   PictureDate       - d6
//   PictureTyping     - keys, refusals, erase, paste
#include "platform/types/picture.h"

#include <gtest/gtest.h>

namespace vorda {
namespace {

Picture pic(std::string_view spec) {
    std::optional<Picture> p = Picture::parse(spec);
    EXPECT_TRUE(p.has_value()) << spec;
    return p.value_or(*Picture::parse("s1"));
}

Decimal dec(int64_t hundredths) {
    return Decimal::fromHundredths(hundredths);
}

// Types every character of `keys` into an empty entry.
std::string typed(const Picture& p, std::string_view keys) {
    Picture::Edit e;
    for (char c : keys) {
        if (auto next = p.type(e, static_cast<unsigned char>(c)))
            e = *next;
    }
    return e.text;
}

TEST(PictureParse, KnowsEveryKindTheProgramUses) {
    struct Case {
        const char* spec;
        Picture::Kind kind;
        int width;
    };
    const Case cases[] = {
        {"@s11", Picture::Kind::Text, 11},
        {"s4", Picture::Kind::Text, 4},
        {"N20.2", Picture::Kind::Number, 20},
        {"@n20.2", Picture::Kind::Number, 20},
        {"n015.2", Picture::Kind::Number, 15},
        {"n06.2", Picture::Kind::Number, 6},
        {"n09", Picture::Kind::Number, 9},
        {"n09b", Picture::Kind::Number, 9},
        {"n_9B", Picture::Kind::Number, 9},
        {"n08", Picture::Kind::Number, 8},
        {"P##PB", Picture::Kind::Template, 2},
        {"P##P", Picture::Kind::Template, 2},
        {"P##-########-#PB", Picture::Kind::Template, 13},
        {"#/##.##.###", Picture::Kind::Template, 11},
        {"##-########-#", Picture::Kind::Template, 13},
        {"d6", Picture::Kind::Date, 10},
    };
    for (const Case& c : cases) {
        const std::optional<Picture> p = Picture::parse(c.spec);
        ASSERT_TRUE(p.has_value()) << c.spec;
        EXPECT_EQ(p->kind(), c.kind) << c.spec;
        EXPECT_EQ(p->width(), c.width) << c.spec;
    }
}

TEST(PictureParse, RefusesUnknownOrMalformedSpecs) {
    for (const char* spec : {"", "@", "x12", "s", "s0", "n", "n20.3", "P--P", "d3", "PB"}) {
        EXPECT_FALSE(Picture::parse(spec).has_value()) << spec;
    }
}

TEST(PictureText, CutsAtTheWidthInCharactersAndPadsWhenRendered) {
    const Picture p = pic("@s4");
    EXPECT_EQ(p.format(FieldValue(std::string("ñandú"))), "ñand");
    EXPECT_EQ(p.render(FieldValue(std::string("ab"))), "ab  ");
    EXPECT_EQ(std::get<std::string>(*p.deformat("abcdef")), "abcd");
}

TEST(PictureNumber, AmountsGroupThousandsWithTwoDecimals) {
    const Picture p = pic("N20.2");
    EXPECT_EQ(p.format(FieldValue(dec(123450))), "1,234.50");
    EXPECT_EQ(p.format(FieldValue(dec(-12345678901))), "-123,456,789.01");
    EXPECT_EQ(p.format(FieldValue(dec(0))), "0.00");
    EXPECT_EQ(p.format(FieldValue(dec(15050))), "150.50");
    EXPECT_EQ(p.render(FieldValue(dec(15050))), std::string(14, ' ') + "150.50");
    EXPECT_TRUE(p.rightAligned());
}

TEST(PictureNumber, ZeroFilledPicturesKeepTheirWidth) {
    EXPECT_EQ(pic("n015.2").format(FieldValue(dec(123450))), "000000001234.50");
    EXPECT_EQ(pic("n015.2").format(FieldValue(dec(-123450))), "-00000001234.50");
    EXPECT_EQ(pic("n06.2").format(FieldValue(dec(150))), "001.50");
    EXPECT_EQ(pic("n09").format(FieldValue(int64_t{123})), "000000123");
    EXPECT_EQ(pic("n08").format(FieldValue(int64_t{6})), "00000006");
}

TEST(PictureNumber, BlankWhenZeroAndBlankFill) {
    EXPECT_EQ(pic("n09b").format(FieldValue(int64_t{0})), "");
    EXPECT_EQ(pic("n09b").format(FieldValue(int64_t{7})), "000000007");
    EXPECT_EQ(pic("n_9B").format(FieldValue(int64_t{0})), "");
    EXPECT_EQ(pic("n_9B").format(FieldValue(int64_t{1234567})), "1234567");
    EXPECT_EQ(pic("n_9B").render(FieldValue(int64_t{123})), "      123");
    EXPECT_EQ(pic("n_9B").render(FieldValue(int64_t{0})), std::string(9, ' '));
}

TEST(PictureNumber, OverflowShowsHashesAtTheWidth) {
    EXPECT_EQ(pic("n06.2").format(FieldValue(dec(100000))), "######");
    EXPECT_EQ(pic("N6.2").format(FieldValue(dec(1234500))), "######");
}

TEST(PictureNumber, ReadsBackGroupedDecimalCommaAndPlainTexts) {
    const Picture p = pic("N20.2");
    auto read = [&](std::string_view t) { return std::get<Decimal>(*p.deformat(t)); };
    EXPECT_EQ(read("1,234.50"), dec(123450));
    EXPECT_EQ(read("  1234.5 "), dec(123450));
    EXPECT_EQ(read("150,50"), dec(15050));
    EXPECT_EQ(read("12,345,678.9"), dec(1234567890));
    EXPECT_EQ(read("-5"), dec(-500));
    EXPECT_EQ(read(""), dec(0));
    EXPECT_EQ(read("1.230"), dec(123));
}

TEST(PictureNumber, RefusesTextsThatAreNotItsNumbers) {
    const Picture p = pic("N20.2");
    for (const char* t : {"12a", "1.2.3", "1,2,3", "1.234", "--1", "1,23,456.00", "."}) {
        EXPECT_FALSE(p.deformat(t).has_value()) << t;
    }
    EXPECT_FALSE(pic("N6.2").deformat("12345").has_value()) << "does not fit six positions";
    EXPECT_FALSE(pic("n09").deformat("1.5").has_value()) << "no decimals in the picture";
    EXPECT_TRUE(pic("n09").deformat("000000123").has_value());
}

TEST(PictureTemplate, AgentNumberTakesDigitsIntoTheTemplate) {
    const Picture p = pic("#/##.##.###");
    EXPECT_EQ(typed(p, "12345678"), "1/23.45.678");
    EXPECT_EQ(std::get<std::string>(*p.deformat("1/23.45.678")), "1/23.45.678");
    EXPECT_EQ(p.format(FieldValue(std::string("1/23.45.678"))), "1/23.45.678");
    EXPECT_EQ(p.format(FieldValue(std::string("           "))), "") << "blank when empty";
    EXPECT_EQ(typed(p, "1234"), "1/23.4");
}

TEST(PictureTemplate, CuitTemplatesWithAndWithoutDelimiters) {
    for (const char* spec : {"##-########-#", "P##-########-#PB"}) {
        const Picture p = pic(spec);
        EXPECT_EQ(typed(p, "20123456786"), "20-12345678-6") << spec;
        EXPECT_EQ(p.format(FieldValue(std::string("20123456786"))), "20-12345678-6") << spec;
        EXPECT_EQ(p.format(FieldValue(std::string(""))), "") << spec;
        EXPECT_EQ(p.format(FieldValue(std::string("00-00000000-0"))), "") << spec;
        EXPECT_EQ(std::get<std::string>(*p.deformat("")), "") << spec;
    }
}

TEST(PictureTemplate, TwoDigitPatternsLeaveAPartialValueAsTyped) {
    const Picture month = pic("P##PB");
    EXPECT_EQ(typed(month, "5"), "5");
    EXPECT_EQ(std::get<std::string>(*month.deformat("5")), "5");
    EXPECT_EQ(month.format(FieldValue(std::string("05"))), "05");
    EXPECT_EQ(month.format(FieldValue(std::string("00"))), "");
    EXPECT_EQ(month.format(FieldValue(int64_t{5})), "05") << "numbers are zero-padded";
    const Picture presentation = pic("P##P");
    EXPECT_EQ(presentation.format(FieldValue(std::string("00"))), "00");
    EXPECT_EQ(std::get<std::string>(*presentation.deformat("01")), "01");
}

TEST(PictureTemplate, RefusesForeignCharactersAndTooManyDigits) {
    const Picture p = pic("##-########-#");
    EXPECT_FALSE(p.deformat("20-1234567x-6").has_value());
    EXPECT_FALSE(p.deformat("20-12345678-66").has_value());
    EXPECT_FALSE(p.deformat("20/12345678/6").has_value());
}

TEST(PictureDate, FormatsAndReadsDayMonthYear) {
    const Picture p = pic("d6");
    const Date d = *Date::fromYmd(2001, 3, 5);
    EXPECT_EQ(p.format(FieldValue(d)), "05/03/2001");
    EXPECT_EQ(p.format(FieldValue(Date{})), "");
    EXPECT_EQ(p.render(FieldValue(Date{})), std::string(10, ' '));
    for (const char* t : {"05/03/2001", "5/3/2001", "05032001", " 05/03/2001 "}) {
        EXPECT_EQ(std::get<Date>(*p.deformat(t)), d) << t;
    }
    EXPECT_TRUE(std::get<Date>(*p.deformat("")).isEmpty());
    for (const char* t : {"31/04/2001", "29/02/2001", "5/3/01", "x", "1/1/20011"}) {
        EXPECT_FALSE(p.deformat(t).has_value()) << t;
    }
    EXPECT_EQ(std::get<Date>(*p.deformat("29/02/2000")), *Date::fromYmd(2000, 2, 29));
}

TEST(PictureTyping, LettersInDigitPositionsAreRefused) {
    const Picture::Edit empty;
    for (const char* spec : {"#/##.##.###", "P##PB", "n09", "N20.2", "d6"}) {
        EXPECT_FALSE(pic(spec).type(empty, U'a').has_value()) << spec;
    }
    EXPECT_EQ(typed(pic("#/##.##.###"), "12ab34"), "1/23.4");
    EXPECT_TRUE(pic("s5").type(empty, U'a').has_value());
}

TEST(PictureTyping, AFullEntryRefusesTheNextKey) {
    const Picture text = pic("s3");
    EXPECT_EQ(typed(text, "abcdef"), "abc");
    EXPECT_FALSE(text.type({"abc", 3}, U'd').has_value());
    EXPECT_EQ(typed(pic("P##PB"), "123"), "12");
    EXPECT_EQ(typed(pic("n06.2"), "1234567"), "123456");
}

TEST(PictureTyping, InsertsAtTheCaretCountingCharacters) {
    const Picture text = pic("s10");
    EXPECT_EQ(*text.type({"ñu", 1}, U'a'), (Picture::Edit{"ñau", 2}));
    EXPECT_EQ(*text.type({"x", 9}, U'y'), (Picture::Edit{"xy", 2})) << "caret past the end";
    const Picture agent = pic("#/##.##.###");
    EXPECT_EQ(*agent.type({"1/34", 1}, U'2'), (Picture::Edit{"1/23.4", 3}));
}

TEST(PictureTyping, EraseRemovesCharactersAndTemplateDigits) {
    const Picture text = pic("s10");
    EXPECT_EQ(text.erase({"abc", 3}, Picture::Erase::Backward), (Picture::Edit{"ab", 2}));
    EXPECT_EQ(text.erase({"abc", 0}, Picture::Erase::Backward), (Picture::Edit{"abc", 0}));
    EXPECT_EQ(text.erase({"añc", 1}, Picture::Erase::Forward), (Picture::Edit{"ac", 1}));
    const Picture agent = pic("#/##.##.###");
    EXPECT_EQ(agent.erase({"1/23.4", 6}, Picture::Erase::Backward), (Picture::Edit{"1/23", 4}));
    EXPECT_EQ(agent.erase({"1/23.4", 0}, Picture::Erase::Forward), (Picture::Edit{"2/34", 0}));
}

TEST(PictureTyping, PastingTooLongTextIsCut) {
    EXPECT_EQ(pic("s5").paste({}, "abcdefgh").text, "abcde");
    EXPECT_EQ(pic("##-########-#").paste({}, "20-12345678-6999").text, "20-12345678-6");
    EXPECT_EQ(pic("#/##.##.###").paste({"", 0}, "1/23.45.678").text, "1/23.45.678");
    EXPECT_EQ(pic("n06.2").paste({}, "12a3.456").text, "123.45");
}

}  // namespace
}  // namespace vorda
