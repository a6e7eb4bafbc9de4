// Step objects: the fixed tables, percentages both ways, run-time tables.
#include "framework/stepclass.h"

#include <gtest/gtest.h>

namespace vorda {
namespace {

TEST(StepClassTest, base_step_sits_at_fifty_and_names_no_value) {
    StepClass step;
    EXPECT_EQ(step.GetPercentile("anything"), 50);
    EXPECT_EQ(step.GetValue(30), "");
    EXPECT_FALSE(step.NeedsLimits());
}

TEST(StepClassTest, alphabetic_table_has_the_listed_prefixes_in_order) {
    EXPECT_EQ(alphabeticStep(0), "  ");
    EXPECT_EQ(alphabeticStep(99), "ZN");
    for (int i = 1; i < 100; ++i)
        EXPECT_LT(alphabeticStep(i - 1), alphabeticStep(i)) << i;
    // Q has only "Q " and "QN": R follows at once.
    int q = 0;
    while (alphabeticStep(q) != "Q ")
        ++q;
    EXPECT_EQ(alphabeticStep(q + 1), "QN");
    EXPECT_EQ(alphabeticStep(q + 2), "R ");
}

TEST(StepClassTest, surname_table_runs_from_blanks_to_yor_in_order) {
    EXPECT_EQ(surnameStep(0), "   ");
    EXPECT_EQ(surnameStep(99), "YOR");
    for (int i = 1; i < 100; ++i)
        EXPECT_LT(surnameStep(i - 1), surnameStep(i)) << i;
}

TEST(StepClassTest, string_step_maps_values_and_percentages_both_ways) {
    StepStringClass step;
    step.Init(0, StepStringClass::LookupMode::Alphabetic);
    EXPECT_EQ(step.GetValue(0), "  ");  // 0 is taken as 1
    EXPECT_EQ(step.GetValue(1), "  ");
    EXPECT_EQ(step.GetValue(100), "ZN");
    EXPECT_EQ(step.GetPercentile("aguirre"), 2);  // upper-cased: after "AF"
    EXPECT_EQ(step.GetPercentile("ZURITA"), 100);
    step.Root = "X";
    EXPECT_EQ(step.GetValue(2), "XAF");

    StepStringClass down;
    down.Init(0, StepStringClass::LookupMode::Surname, /*descending=*/true);
    EXPECT_EQ(down.GetValue(1), "YOR");
    EXPECT_EQ(down.GetPercentile("YORK"), 1);
}

TEST(StepClassTest, runtime_table_spans_the_first_and_last_values) {
    StepStringClass step;
    step.Init(stepflag::Alpha, StepStringClass::LookupMode::Runtime);
    EXPECT_TRUE(step.NeedsLimits());
    step.SetLimits("BANCO NACION", "ZETA");
    EXPECT_FALSE(step.NeedsLimits());
    EXPECT_EQ(step.GetValue(1), "BANC");
    EXPECT_EQ(step.GetValue(100), "ZETA");
    for (int p = 2; p <= 100; ++p)
        EXPECT_LE(step.Entry(p - 1), step.Entry(p)) << p;
    EXPECT_EQ(step.GetPercentile("BANCO"), 1);
    EXPECT_EQ(step.GetPercentile("ZETA"), 100);
    const int middle = step.GetPercentile("MONTE");
    EXPECT_GT(middle, 30);
    EXPECT_LT(middle, 70);
    EXPECT_LE(step.GetValue(middle), "MONT");
}

TEST(StepClassTest, step_flags_choose_the_sort_characters) {
    StepStringClass alpha;
    alpha.Init(stepflag::Alpha, StepStringClass::LookupMode::Runtime);
    EXPECT_EQ(alpha.SortChars.find('a'), std::string::npos);  // folded: no lower case
    EXPECT_NE(alpha.SortChars.find('7'), std::string::npos);
    EXPECT_EQ(alpha.SortChars.find('-'), std::string::npos);

    StepStringClass some;
    some.Init(
        stepflag::NoPunctuation | stepflag::NoAt | stepflag::NoBlank | stepflag::CaseSensitive,
        StepStringClass::LookupMode::Runtime);
    EXPECT_NE(some.SortChars.find('a'), std::string::npos);
    for (char c : std::string("@ -/.,|"))
        EXPECT_EQ(some.SortChars.find(c), std::string::npos) << c;

    StepStringClass ranged;
    ranged.Init(stepflag::InRange, StepStringClass::LookupMode::Runtime);
    ranged.SetLimits("C", "F");
    EXPECT_EQ(ranged.SortChars, "CDEF");
    EXPECT_EQ(ranged.Hash("D"), 1u * 64u);  // D weighs 1 in base 4: 1*4^3
}

}  // namespace
}  // namespace vorda
