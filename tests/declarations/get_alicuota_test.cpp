// GET_ALICUOTA over rate tables written for each case, and over the table
// the program ships.
//
//   RateLookup      the row in force, the column by TIPO, the message when
//                   nothing usable applies
//   ShippedRates    the installed table answers the dates the forms use
#include "declarations/get_alicuota.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "data/alicuotas.h"
#include "data/tools/alicuotasbuild.h"
#include "tests/support/recordingpresenter.h"
#include "tests/support/tempdir.h"

namespace vorda::test {
namespace {

using alicuotas_build::RateRow;

Date day(int d, int m, int y) {
    return *Date::fromYmd(y, m, d);
}

Decimal amount(const char* text) {
    return *Decimal::parse(text);
}

RateRow row(Date date, const char* rate1, const char* rate2, const char* module) {
    return {.line = 0,
            .fecha = date,
            .alicuota1 = amount(rate1),
            .alicuota2 = amount(rate2),
            .importeModulos = amount(module)};
}

class RateLookup : public ::testing::Test {
protected:
    void write(const std::vector<RateRow>& rows) {
        std::string error;
        ASSERT_TRUE(alicuotas_build::writeAlicuotas(rows, "Alicuotas.tps", error)) << error;
    }
    // The value found and whether the lookup said so, with the boxes shown.
    struct Answer {
        uint8_t result;
        Decimal value;
    };
    Answer lookUp(Date date, uint8_t tipo) {
        Decimal value = amount("99.99");  // always overwritten
        const uint8_t result = GET_ALICUOTA(date, value, tipo);
        return {result, value};
    }
    void expectNoRateMessage() {
        ASSERT_EQ(boxes.shown().size(), 1u);
        EXPECT_EQ(boxes.last().text, "Error en Alícuotas");
        EXPECT_EQ(boxes.last().caption, "");
        EXPECT_EQ(boxes.last().icon, ui::Icon::Information);
        EXPECT_EQ(boxes.last().buttons, unsigned{ui::ButtonOk});
        boxes.clear();
    }

    TempDir dir;
    RecordingPresenter boxes;
};

TEST_F(RateLookup, TheLatestRowOnOrBeforeTheDateApplies) {
    write({row(day(1, 1, 2001), "1.00", "1.00", "10.00"),
           row(day(1, 7, 2001), "1.50", "1.50", "12.00")});
    const Answer june = lookUp(day(30, 6, 2001), 1);
    EXPECT_EQ(june.result, 1);
    EXPECT_EQ(june.value, amount("1.00"));
    const Answer july = lookUp(day(1, 7, 2001), 1);
    EXPECT_EQ(july.result, 1);
    EXPECT_EQ(july.value, amount("1.50")) << "a row dated exactly on the date applies";
    EXPECT_EQ(lookUp(day(31, 12, 2030), 2).value, amount("1.50"));
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(RateLookup, ADateBeforeEveryRowGivesZeroAndTheMessage) {
    write({row(day(1, 1, 2001), "1.00", "1.00", "10.00"),
           row(day(1, 7, 2001), "1.50", "1.50", "12.00")});
    const Answer before = lookUp(day(31, 12, 2000), 1);
    EXPECT_EQ(before.result, 0);
    EXPECT_EQ(before.value, Decimal{});
    expectNoRateMessage();
    const Answer none = lookUp(Date{}, 2);
    EXPECT_EQ(none.result, 0);
    expectNoRateMessage();
}

TEST_F(RateLookup, TipoChoosesTheColumnAndAnyOtherTipoTheModuleAmount) {
    write({row(day(1, 1, 2001), "0.75", "1.25", "2500.50")});
    EXPECT_EQ(lookUp(day(2, 1, 2001), 1).value, amount("0.75"));
    EXPECT_EQ(lookUp(day(2, 1, 2001), 2).value, amount("1.25"));
    EXPECT_EQ(lookUp(day(2, 1, 2001), 3).value, amount("2500.50"));
    EXPECT_EQ(lookUp(day(2, 1, 2001), 0).value, amount("2500.50"));
    EXPECT_EQ(lookUp(day(2, 1, 2001), 9).value, amount("2500.50"));
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(RateLookup, AZeroInTheApplicableRowIsNotReplacedByAnotherRow) {
    write({row(day(1, 1, 2001), "1.00", "2.00", "10.00"),
           row(day(1, 7, 2001), "0.00", "0.00", "12.00"),
           row(day(1, 1, 2002), "3.00", "4.00", "14.00")});
    const Answer zero = lookUp(day(15, 8, 2001), 2);
    EXPECT_EQ(zero.result, 0);
    EXPECT_EQ(zero.value, Decimal{});
    expectNoRateMessage();
    // The module amount of that row is found although its rates are 0.
    const Answer module = lookUp(day(15, 8, 2001), 3);
    EXPECT_EQ(module.result, 1);
    EXPECT_EQ(module.value, amount("12.00"));
}

TEST_F(RateLookup, AMissingTableFindsNothingAndIsNotCreated) {
    EXPECT_EQ(lookUp(day(1, 1, 2001), 2).result, 0);
    expectNoRateMessage();
    EXPECT_FALSE(std::filesystem::exists("Alicuotas.tps"));
}

TEST_F(RateLookup, AnEmptyTableFindsNothing) {
    write({});
    EXPECT_EQ(lookUp(day(1, 1, 2001), 1).result, 0);
    expectNoRateMessage();
}

TEST_F(RateLookup, TheRateBufferOfTheProgramIsLeftAsItWas) {
    write({row(day(1, 1, 2001), "1.00", "1.00", "10.00")});
    ALI.clear();
    ALI.FECHA = day(5, 5, 1995);
    ALI.ALICUOTA2 = amount("7.77");
    EXPECT_EQ(lookUp(day(1, 1, 2001), 2).value, amount("1.00"));
    EXPECT_EQ(ALI.FECHA, day(5, 5, 1995));
    EXPECT_EQ(ALI.ALICUOTA2, amount("7.77"));
}

// The table the program installs, built from data/alicuotas.txt.
class ShippedRates : public RateLookup {
protected:
    void SetUp() override {
        std::ifstream in(VORDA_ALICUOTAS_TXT);
        std::vector<RateRow> rows;
        std::string error;
        ASSERT_TRUE(alicuotas_build::parseAlicuotas(in, "alicuotas.txt", rows, error)) << error;
        write(rows);
        first_ = rows.front().fecha;
        for (const RateRow& r : rows) {
            if (r.fecha <= day(15, 3, 2001))
                inForce_ = r;
        }
    }
    Date first_;
    RateRow inForce_;
};

TEST_F(ShippedRates, EachColumnOfTheRowInForceIsFound) {
    EXPECT_EQ(lookUp(day(15, 3, 2001), 1).value, inForce_.alicuota1);
    EXPECT_EQ(lookUp(day(15, 3, 2001), 2).value, inForce_.alicuota2);
    EXPECT_EQ(lookUp(day(15, 3, 2001), 3).value, inForce_.importeModulos);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(ShippedRates, TheDayBeforeTheFirstRowHasNoRate) {
    EXPECT_EQ(lookUp(Date::fromDayNumber(first_.dayNumber() - 1), 2).result, 0);
    expectNoRateMessage();
    EXPECT_EQ(lookUp(first_, 2).result, 1);
}

}  // namespace
}  // namespace vorda::test
