#include "platform/number_pattern.h"

#include <algorithm>
#include <stdexcept>

#include "platform/number_digits.h"

namespace platform {
namespace {

bool is_placeholder(char c) {
    return c == '0' || c == '#';
}

struct Pattern {
    std::string prefix;
    std::string whole;  // placeholders before the point
    bool point = false;
    std::string fraction;  // placeholders after the point
    bool exponent = false;
    bool exponent_always_signed = false;
    std::size_t exponent_digits = 0;
    std::string suffix;
};

std::size_t take_placeholders(std::string_view text, std::size_t i, std::string& into) {
    while (i < text.size() && is_placeholder(text[i])) into += text[i++];
    return i;
}

// "E+00", "e-0", ...: the exponent part starting at i, or i itself when there is none.
std::size_t take_exponent(std::string_view text, std::size_t i, Pattern& p) {
    if (i + 2 >= text.size() || (text[i] != 'E' && text[i] != 'e')) return i;
    if ((text[i + 1] != '+' && text[i + 1] != '-') || text[i + 2] != '0') return i;
    p.exponent = true;
    p.exponent_always_signed = text[i + 1] == '+';
    std::size_t j = i + 2;
    while (j < text.size() && text[j] == '0') ++j;
    p.exponent_digits = j - (i + 2);
    return j;
}

Pattern parse(std::string_view text) {
    Pattern p;
    std::size_t i = text.find_first_of("0#.");
    if (i == std::string_view::npos) throw std::invalid_argument("number pattern without digits");
    p.prefix = text.substr(0, i);
    i = take_placeholders(text, i, p.whole);
    if (i < text.size() && text[i] == '.') {
        p.point = true;
        i = take_placeholders(text, i + 1, p.fraction);
    }
    i = take_exponent(text, i, p);
    p.suffix = text.substr(i);
    if (p.whole.empty() && p.fraction.empty()) throw std::invalid_argument("number pattern without digits");
    if (p.suffix.find_first_of("0#.") != std::string::npos)
        throw std::invalid_argument("number pattern with literals between its digits: " + std::string(text));
    return p;
}

char digit_at(const DecimalDigits& d, int position) {
    bool inside = position >= 0 && position < static_cast<int>(d.digits.size());
    return inside ? d.digits[static_cast<std::size_t>(position)] : '0';
}

// The digits for the fraction placeholders, starting at digit position `first`; trailing zeros that stand at
// # places are not significant and are left out.
std::string fraction_text(const DecimalDigits& d, int first, const std::string& placeholders) {
    std::string out;
    for (std::size_t i = 0; i < placeholders.size(); ++i) out += digit_at(d, first + static_cast<int>(i));
    while (!out.empty() && out.back() == '0' && placeholders[out.size() - 1] == '#') out.pop_back();
    return out;
}

// The whole-number digits: at least as many as there are placeholders from the leftmost 0 on, and every
// significant digit even when the pattern has fewer places.
std::string whole_text(const DecimalDigits& d, int count, const std::string& placeholders) {
    std::string out;
    for (int i = 0; i < count; ++i) out += digit_at(d, i);
    std::size_t first_zero = placeholders.find('0');
    std::size_t least = first_zero == std::string::npos ? 0 : placeholders.size() - first_zero;
    if (out.size() < least) out.insert(0, least - out.size(), '0');
    return out;
}

std::string exponent_text(int exponent, const Pattern& p) {
    std::string digits = std::to_string(exponent < 0 ? -exponent : exponent);
    if (digits.size() < p.exponent_digits) digits.insert(0, p.exponent_digits - digits.size(), '0');
    std::string sign = exponent < 0 ? "-" : (p.exponent_always_signed ? "+" : "");
    return "E" + sign + digits;
}

std::string assemble(const DecimalDigits& d, const Pattern& p, const std::string& whole, int fraction_first,
                     const std::string& exponent) {
    std::string out = d.digits.empty() || !d.negative ? "" : "-";
    out += p.prefix;
    out += whole;
    if (p.point) {
        out += '.';
        out += fraction_text(d, fraction_first, p.fraction);
    }
    out += exponent;
    out += p.suffix;
    return out;
}

std::string format_fixed(double value, const Pattern& p) {
    DecimalDigits d = round_to_decimals(decimal_digits(value), static_cast<int>(p.fraction.size()));
    int whole_count = d.digits.empty() ? 0 : std::max(d.point, 0);
    return assemble(d, p, whole_text(d, whole_count, p.whole), d.point, "");
}

std::string format_scientific(double value, const Pattern& p) {
    int shown = static_cast<int>(p.whole.size() + p.fraction.size());
    DecimalDigits d = round_to_significant(decimal_digits(value), shown);
    int places = static_cast<int>(p.whole.size());
    int exponent = d.digits.empty() ? 0 : d.point - places;
    std::string whole;
    for (int i = 0; i < places; ++i) whole += digit_at(d, i);
    return assemble(d, p, whole, places, exponent_text(exponent, p));
}

}  // namespace

std::string format_number(double value, std::string_view pattern) {
    Pattern p = parse(pattern);
    return p.exponent ? format_scientific(value, p) : format_fixed(value, p);
}

}  // namespace platform
