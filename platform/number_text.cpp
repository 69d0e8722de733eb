#include "platform/number_text.h"

#include "platform/number_digits.h"

namespace platform {

std::string number_text(double value) {
    DecimalDigits d = decimal_digits(value);
    if (d.digits.empty()) return "0";
    int count = static_cast<int>(d.digits.size());
    std::string out = d.negative ? "-" : "";
    if (d.point <= 0) return out + "0." + std::string(static_cast<std::size_t>(-d.point), '0') + d.digits;
    if (d.point >= count) return out + d.digits + std::string(static_cast<std::size_t>(d.point - count), '0');
    std::size_t point = static_cast<std::size_t>(d.point);
    return out + d.digits.substr(0, point) + "." + d.digits.substr(point);
}

}  // namespace platform
