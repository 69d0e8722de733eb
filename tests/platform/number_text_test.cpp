#include "platform/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

namespace {

struct TextCase {
    double value;
    const char* text;
};

class NumberTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(NumberTextTest, WritesShortestPlainDecimal) {
    EXPECT_EQ(platform::number_text(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, NumberTextTest,
                         ::testing::Values(TextCase{12.0, "12"}, TextCase{16.5, "16.5"}, TextCase{0.3, "0.3"},
                                           // Binary noise below the 15th digit disappears.
                                           TextCase{0.1 + 0.2, "0.3"}, TextCase{10 * (1.5 * 0.1), "1.5"},
                                           TextCase{0.0, "0"}, TextCase{-0.0, "0"}, TextCase{-2.5, "-2.5"},
                                           // Never exponent form, however small or large.
                                           TextCase{1e-5, "0.00001"}, TextCase{2.5e-10, "0.00000000025"},
                                           TextCase{1e20, "100000000000000000000"},
                                           TextCase{123456789012345678.0, "123456789012346000"},
                                           TextCase{1.0 / 3.0, "0.333333333333333"},
                                           TextCase{2.0 / 3.0, "0.666666666666667"}));

TEST(NumberText, RefusesNonFiniteValues) {
    EXPECT_THROW(platform::number_text(NAN), std::domain_error);
    EXPECT_THROW(platform::number_text(-INFINITY), std::domain_error);
}

}  // namespace
