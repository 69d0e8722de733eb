#pragma once

#include <string>

namespace platform {

// A value written as a number: the shortest plain decimal text of the value with up to 15 significant digits,
// never in exponent form, with a zero before the point (12, 16.5, 0.3, 0.00025, -2.5). Fifteen digits absorb
// the binary noise of a computed value, so 10 × 0.15 still reads 1.5. Throws std::domain_error for infinity
// and NaN.
std::string number_text(double value);

}  // namespace platform
