// VALIDAR_CUIT: the check digit, the prefix, the two input forms and the message.
#include "data/validar_cuit.h"

#include <gtest/gtest.h>

#include "tests/support/recordingpresenter.h"

namespace vorda {
namespace {

class ValidarCuit : public ::testing::Test {
protected:
    test::RecordingPresenter presenter;
};

TEST_F(ValidarCuit, blank_or_all_zero_is_accepted_without_message) {
    EXPECT_EQ(VALIDAR_CUIT("             "), 1);
    EXPECT_EQ(VALIDAR_CUIT(""), 1);
    EXPECT_EQ(VALIDAR_CUIT("00-00000000-0"), 1);
    EXPECT_EQ(VALIDAR_CUIT("00000000000"), 1);
    EXPECT_TRUE(presenter.shown().empty());
}

TEST_F(ValidarCuit, worked_examples_give_their_check_digits) {
    // sum 148, remainder 5 -> 6; sum 23, remainder 1 -> 9; sum 22, remainder 0 -> 0
    EXPECT_EQ(VALIDAR_CUIT("20-12345678-6"), 1);
    EXPECT_EQ(VALIDAR_CUIT("20-10000005-9"), 1);
    EXPECT_EQ(VALIDAR_CUIT("20-10000013-0"), 1);
    EXPECT_EQ(VALIDAR_CUIT("20-10000013-3"), 0);  // remainder 0 wants 0, not 3
    EXPECT_EQ(presenter.shown().size(), 1u);
}

TEST_F(ValidarCuit, wrong_check_digit_shows_the_message_and_returns_zero) {
    EXPECT_EQ(VALIDAR_CUIT("20-12345678-7"), 0);
    ASSERT_EQ(presenter.shown().size(), 1u);
    const auto& box = presenter.shown().front();
    EXPECT_EQ(box.text, "Número de C.U.I.T. no válido");
    EXPECT_EQ(box.caption, "");
    EXPECT_EQ(box.buttons, ui::ButtonOk);
    EXPECT_EQ(box.okLabel, "Cerrar");
}

TEST_F(ValidarCuit, remainder_one_accepts_only_nine) {
    for (char check = '0'; check <= '9'; ++check) {
        std::string cuit = "20-10000005-";
        cuit += check;
        EXPECT_EQ(cuitIsAcceptable(cuit), check == '9') << cuit;
    }
}

TEST_F(ValidarCuit, unknown_prefix_is_refused_even_with_right_check_digit) {
    EXPECT_EQ(VALIDAR_CUIT("21-12345678-2"), 0);
    EXPECT_EQ(presenter.shown().size(), 1u);
    for (const char* ok : {"20", "23", "24", "27", "30", "33", "34"}) {
        std::string digits = std::string(ok) + "12345678";
        int sum = 0;
        const int weights[] = {5, 4, 3, 2, 7, 6, 5, 4, 3, 2};
        for (int i = 0; i < 10; ++i)
            sum += (digits[i] - '0') * weights[i];
        const int resto = sum % 11;
        const int check = resto == 0 ? 0 : (resto == 1 ? 9 : 11 - resto);
        EXPECT_TRUE(cuitIsAcceptable(digits + char('0' + check))) << digits;
    }
}

TEST_F(ValidarCuit, eleven_digits_without_separators_equal_the_long_form) {
    EXPECT_EQ(cuitIsAcceptable("20123456786"), cuitIsAcceptable("20-12345678-6"));
    EXPECT_TRUE(cuitIsAcceptable("20123456786"));
    EXPECT_FALSE(cuitIsAcceptable("20123456787"));
}

TEST_F(ValidarCuit, twelve_characters_are_padded_not_reformatted) {
    // Position 13 becomes a blank that reads 0: accepted only when 0 is expected.
    EXPECT_TRUE(cuitIsAcceptable("20-10000013-"));
    EXPECT_FALSE(cuitIsAcceptable("20-12345678-"));
}

TEST_F(ValidarCuit, leading_zeros_with_other_digits_are_checked) {
    // Not all zero, so it is checked, and "00" is no known prefix.
    EXPECT_FALSE(cuitIsAcceptable("00-00000001-9"));
}

}  // namespace
}  // namespace vorda
