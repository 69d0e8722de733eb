#include "platform/number_digits.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace platform {
namespace {

void drop_trailing_zeros(DecimalDigits& value) {
    std::size_t end = value.digits.find_last_not_of('0');
    value.digits.erase(end == std::string::npos ? 0 : end + 1);
    if (value.digits.empty()) value = DecimalDigits{};
}

// Adds one unit in the last digit; "999" becomes "1000" with the point one place further right.
void increment_last_digit(DecimalDigits& value) {
    std::string& d = value.digits;
    std::size_t i = d.size();
    while (i > 0 && d[i - 1] == '9') d[--i] = '0';
    if (i > 0) {
        ++d[i - 1];
    } else {
        d.insert(d.begin(), '1');
        ++value.point;
    }
}

// Keeps the first `keep` digits, rounding half away from zero on the first digit dropped.
DecimalDigits keep_digits(DecimalDigits value, int keep) {
    if (keep >= static_cast<int>(value.digits.size())) return value;
    if (keep < 0) return DecimalDigits{};
    bool round_up = value.digits[static_cast<std::size_t>(keep)] >= '5';
    value.digits.resize(static_cast<std::size_t>(keep));
    if (round_up) increment_last_digit(value);
    drop_trailing_zeros(value);
    return value;
}

}  // namespace

DecimalDigits decimal_digits(double value) {
    if (!std::isfinite(value)) throw std::domain_error("a number text needs a finite value");
    // "d.dddddddddddddde±X…": the 15 significant digits and the decimal exponent.
    char text[32];
    std::snprintf(text, sizeof text, "%.14e", std::fabs(value));
    DecimalDigits out;
    out.negative = std::signbit(value);
    out.digits = std::string(1, text[0]) + std::string(text + 2, 14);
    out.point = std::atoi(text + 17) + 1;
    drop_trailing_zeros(out);
    return out;
}

DecimalDigits round_to_decimals(DecimalDigits value, int decimals) {
    int keep = value.point + decimals;
    return keep_digits(std::move(value), keep);
}

DecimalDigits round_to_significant(DecimalDigits value, int count) {
    return keep_digits(std::move(value), count);
}

}  // namespace platform
