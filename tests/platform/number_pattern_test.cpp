#include "platform/number_pattern.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

namespace {

struct PatternCase {
    const char* pattern;
    double value;
    const char* text;
};

class NumberPatternTest : public ::testing::TestWithParam<PatternCase> {};

TEST_P(NumberPatternTest, WritesValue) {
    const PatternCase& c = GetParam();
    EXPECT_EQ(platform::format_number(c.value, c.pattern), c.text) << c.pattern << " with " << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, NumberPatternTest,
    ::testing::Values(
        // Spectrum file energy column: leading zeros, and more digits than places when needed.
        PatternCase{"0000.0", 0.5, "0000.5"}, PatternCase{"0000.0", 150.0, "0150.0"},
        PatternCase{"0000.0", 12345.67, "12345.7"},
        // Spectrum file weight column: literal blanks copied in front.
        PatternCase{"  0.00000", 0.0, "  0.00000"}, PatternCase{"  0.00000", 0.0123456, "  0.01235"},
        PatternCase{"  0.00000", 1.0, "  1.00000"}, PatternCase{"  0.00000", 0.000004999, "  0.00000"},
        // Half-value layers: # places vanish, the 0 before the point stays.
        PatternCase{"#0.000", 2.537, "2.537"}, PatternCase{"#0.000", 0.2, "0.200"},
        PatternCase{"#0.000", 12.3456, "12.346"}, PatternCase{"#0.000", 0.0, "0.000"},
        PatternCase{"0.000", -0.1234, "-0.123"}, PatternCase{"0.000", -0.0004, "0.000"},
        PatternCase{"0.000", 1.0005, "1.001"}, PatternCase{"0.00", 2.675, "2.68"},
        PatternCase{"##0.0", 50.0, "50.0"}, PatternCase{"##0.0", 0.5, "0.5"},
        PatternCase{"##0.0", 150.0, "150.0"}, PatternCase{"##0.000", 100.0, "100.000"},
        PatternCase{"##0.000", 99.9996, "100.000"}, PatternCase{"00", 5.0, "05"},
        PatternCase{"00", 123.0, "123"}, PatternCase{"00", 9.5, "10"}, PatternCase{"00.0", 3.25, "03.3"},
        PatternCase{"00.0", 9.96, "10.0"}, PatternCase{"00.0", -3.25, "-03.3"},
        PatternCase{"0000", 42.0, "0042"}, PatternCase{"0000", 41.5, "0042"},
        PatternCase{"0000", 0.4, "0000"},
        // Exponent form: mantissa rounded to the places shown, the carry moves the exponent.
        PatternCase{"0.00E+00", 1234.0, "1.23E+03"}, PatternCase{"0.00E+00", 0.000999, "9.99E-04"},
        PatternCase{"0.00E+00", 9.996, "1.00E+01"}, PatternCase{"0.00E+00", 0.0, "0.00E+00"},
        PatternCase{"0.00E+00", -0.5, "-5.00E-01"}, PatternCase{"0.00E+00", 1e123, "1.00E+123"},
        PatternCase{"0.00E-00", 1234.0, "1.23E03"}, PatternCase{"0.00E-00", 0.01234, "1.23E-02"},
        // # after the point: only significant digits; literals after the digits are copied.
        PatternCase{"0.0#", 1.5, "1.5"}, PatternCase{"0.0#", 1.55, "1.55"}, PatternCase{"#.00", 0.5, ".50"},
        PatternCase{"0.0 mm", 2.54, "2.5 mm"}));

TEST(NumberPattern, RefusesPatternsItCannotWrite) {
    EXPECT_THROW(platform::format_number(1.0, "abc"), std::invalid_argument);
    EXPECT_THROW(platform::format_number(1.0, "0-00"), std::invalid_argument);
    EXPECT_THROW(platform::format_number(NAN, "0.0"), std::domain_error);
    EXPECT_THROW(platform::format_number(INFINITY, "0.0"), std::domain_error);
}

}  // namespace
