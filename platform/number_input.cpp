#include "platform/number_input.h"

#include <cmath>

#include <locale.h>
#include <stdlib.h>

#include <string>

#include "platform/cp932.h"

namespace platform {
namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t digits_from(std::string_view text, std::size_t i) {
    while (i < text.size() && is_digit(text[i])) ++i;
    return i;
}

// Length of the longest prefix of `text` that is a decimal number; 0 when there is none.
std::size_t decimal_number_length(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t whole_end = digits_from(text, i);
    bool whole = whole_end > i;
    std::size_t end = whole_end;
    if (end < text.size() && text[end] == '.') {
        std::size_t fraction_end = digits_from(text, end + 1);
        if (!whole && fraction_end == end + 1) return 0;
        end = fraction_end;
    } else if (!whole) {
        return 0;
    }
    if (end < text.size() && (text[end] == 'E' || text[end] == 'e')) {
        std::size_t e = end + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) ++e;
        std::size_t exponent_end = digits_from(text, e);
        if (exponent_end > e) end = exponent_end;
    }
    return end;
}

// The value of a text that decimal_number_length accepted whole, read in the C locale whatever the process's
// locale is; a value beyond the range of a double reads as infinity, one below it as 0.
double decimal_value(std::string_view number) {
    static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", locale_t{});
    std::string text(number);
    return text.empty() ? 0.0 : strtod_l(text.c_str(), nullptr, c_locale);
}

}  // namespace

double leading_number(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size() && is_blank(text[begin])) ++begin;
    text.remove_prefix(begin);
    return decimal_value(text.substr(0, decimal_number_length(text)));
}

std::optional<double> parse_decimal_number(std::string_view text) {
    std::size_t begin = text.find_first_not_of(" \t");
    std::size_t end = text.find_last_not_of(" \t");
    if (begin == std::string_view::npos) return std::nullopt;
    std::string_view number = text.substr(begin, end + 1 - begin);
    if (decimal_number_length(number) != number.size()) return std::nullopt;
    return decimal_value(number);
}

void NumberSequenceReader::skip_blanks() {
    while (!at_line_end() && is_blank(line_[pos_])) ++pos_;
}

std::string NumberSequenceReader::next_line(std::string_view expected) {
    if (!at_line_end()) {
        std::string rest = line_.substr(pos_);
        pos_ = line_.size();
        return rest;
    }
    line_ = reader_.next_line(expected);
    pos_ = line_.size();
    return line_;
}

double NumberSequenceReader::next_number(std::string_view expected) {
    skip_blanks();
    while (at_line_end()) {
        line_ = reader_.next_line(expected);
        pos_ = 0;
        skip_blanks();
    }
    std::size_t end = line_.find_first_of(" \t,", pos_);
    if (end == std::string::npos) end = line_.size();
    std::string_view item = std::string_view(line_).substr(pos_, end - pos_);
    pos_ = end;
    skip_blanks();
    if (!at_line_end() && line_[pos_] == ',') ++pos_;
    std::optional<double> value = parse_decimal_number(item);
    if (!value) reader_.fail(expected, 0, item.empty() ? "," : from_cp932(item));
    // A number beyond the range of a double would go on as infinity into every sum and message made of it.
    if (!std::isfinite(*value)) reader_.fail(std::string(expected) + " within the range of numbers", 0, from_cp932(item));
    return *value;
}

}  // namespace platform
