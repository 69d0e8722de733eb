#pragma once

#include <string>

namespace platform {

// A finite value as decimal digits: value = ±0.d1d2d3… × 10^point. Both the number patterns and the plain
// number texts start from the same 15 significant digits, so a box and a file never disagree on a value.
struct DecimalDigits {
    bool negative = false;
    std::string digits;  // significant digits, no leading or trailing zeros; empty for zero
    int point = 0;       // where the decimal point stands relative to the first digit
};

// The value rounded to 15 significant digits; throws std::domain_error for infinity and NaN.
DecimalDigits decimal_digits(double value);

// Rounded half away from zero so that `decimals` digits remain after the point (negative: before it).
DecimalDigits round_to_decimals(DecimalDigits value, int decimals);

// Rounded half away from zero to `count` significant digits.
DecimalDigits round_to_significant(DecimalDigits value, int count);

}  // namespace platform
