// Trimming: the padding of fixed-width fields and the blanks around values.
#include "platform/types/trim.h"

#include <gtest/gtest.h>

#include <string>

namespace vorda {
namespace {

TEST(Trim, only_the_given_characters_go_and_only_at_the_given_ends) {
    EXPECT_EQ(trimRight("  Año  "), "  Año");
    EXPECT_EQ(trimLeft("  Año  "), "Año  ");
    EXPECT_EQ(trim(" \tA B\t ", " \t"), "A B");
    EXPECT_EQ(trim("\tA "), "\tA") << "tabs stay unless named";
}

TEST(Trim, an_all_padding_text_becomes_empty) {
    EXPECT_EQ(trimRight("     "), "");
    EXPECT_EQ(trim(""), "");
    const std::string padded("AB \0\0 ", 6);
    EXPECT_EQ(trimRight(padded, std::string_view(" \0", 2)), "AB");
    EXPECT_EQ(trimRight(padded), std::string("AB \0\0", 5)) << "NULs are not blanks";
}

}  // namespace
}  // namespace vorda
