#pragma once

#include <string>
#include <string_view>

namespace platform {

// Writes a value by a number pattern of the windowed programs ("0000.0", "  0.00000", "#0.000", "0.00E+00"):
// a 0 is a digit that is always written (leading zeros included), a # a digit written only when significant,
// E+00 an exponent with its sign and at least as many digits as zeros (E-00: a sign only when negative), and
// any other character before or after the digits is copied. The value is rounded half away from zero to the
// digits shown, from its 15 significant decimal digits, so 2.675 gives "2.68" under "0.00" as a person
// expects; the decimal separator is always a point. A value that rounds to zero is written without a minus
// sign. Throws std::invalid_argument for a pattern without digits or with literals between them, and
// std::domain_error for infinity and NaN.
std::string format_number(double value, std::string_view pattern);

}  // namespace platform
