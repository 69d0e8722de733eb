#include "platform/fixed_format.h"

#include <cerrno>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "platform/cp932.h"
#include "platform/line_reader.h"

namespace platform {
namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

std::string without_blanks(std::string_view field) {
    std::string out;
    for (char c : field)
        if (!is_blank(c)) out += c;
    return out;
}

std::string right_justify(std::string text, int width) {
    if (static_cast<int>(text.size()) > width) return std::string(width, '*');
    return std::string(width - text.size(), ' ') + text;
}

}  // namespace

std::optional<std::string> real_field_text(std::string_view field, int decimals) {
    std::string s = without_blanks(field);
    if (s.empty()) return "0";
    std::size_t pos = 0;
    std::string sign;
    if (s[pos] == '+' || s[pos] == '-') sign = s[pos++] == '-' ? "-" : "";
    std::string whole, fraction;
    bool has_point = false;
    while (pos < s.size() && is_digit(s[pos])) whole += s[pos++];
    if (pos < s.size() && s[pos] == '.') {
        has_point = true;
        ++pos;
        while (pos < s.size() && is_digit(s[pos])) fraction += s[pos++];
    }
    if (whole.empty() && fraction.empty()) return std::nullopt;

    std::string exponent;
    if (pos < s.size()) {
        char c = s[pos];
        if (c == 'E' || c == 'e' || c == 'D' || c == 'd') ++pos;
        else if (c != '+' && c != '-') return std::nullopt;
        if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) exponent += s[pos++];
        std::size_t digits = 0;
        while (pos < s.size() && is_digit(s[pos])) exponent += s[pos++], ++digits;
        if (digits == 0 || pos != s.size()) return std::nullopt;
    }
    if (!has_point && decimals > 0) {
        // The layout's decimals are implied: the last `decimals` digits are the fraction.
        if (static_cast<int>(whole.size()) < decimals) whole.insert(0, decimals - whole.size(), '0');
        fraction = whole.substr(whole.size() - decimals);
        whole.erase(whole.size() - decimals);
    }
    std::string text = sign + (whole.empty() ? "0" : whole);
    if (!fraction.empty()) text += "." + fraction;
    if (!exponent.empty()) text += "e" + exponent;
    return text;
}

std::optional<double> parse_real_field(std::string_view field, int decimals) {
    std::optional<std::string> text = real_field_text(field, decimals);
    if (!text) return std::nullopt;
    errno = 0;
    double value = std::strtod(text->c_str(), nullptr);
    if (errno == ERANGE && std::isinf(value)) return std::nullopt;
    return value;
}

std::optional<float> parse_real32_field(std::string_view field, int decimals) {
    std::optional<std::string> text = real_field_text(field, decimals);
    if (!text) return std::nullopt;
    errno = 0;
    // Decimal to single precision in one rounding, as a 32-bit read does.
    float value = std::strtof(text->c_str(), nullptr);
    if (errno == ERANGE && std::isinf(value)) return std::nullopt;
    return value;
}

std::optional<std::int32_t> parse_int_field(std::string_view field) {
    std::string s = without_blanks(field);
    if (s.empty()) return 0;
    std::size_t pos = (s[0] == '+' || s[0] == '-') ? 1 : 0;
    if (pos == s.size()) return std::nullopt;
    for (std::size_t i = pos; i < s.size(); ++i)
        if (!is_digit(s[i])) return std::nullopt;
    errno = 0;
    long long value = std::strtoll(s.c_str(), nullptr, 10);
    if (errno == ERANGE || value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::string_view field_columns(std::string_view line, std::size_t first, std::size_t width) {
    if (first >= line.size()) return {};
    return line.substr(first, width);
}

RecordLayout::RecordLayout(std::string_view layout) {
    auto bad = [&] { return std::invalid_argument("malformed record layout " + std::string(layout)); };
    if (layout.size() < 2 || layout.front() != '(' || layout.back() != ')') throw bad();
    std::string_view body = layout.substr(1, layout.size() - 2);
    std::size_t column = 0;
    std::size_t pos = 0;
    auto number = [&] {
        int n = 0;
        bool any = false;
        while (pos < body.size() && is_digit(body[pos])) n = n * 10 + (body[pos++] - '0'), any = true;
        return any ? n : -1;
    };
    while (pos < body.size()) {
        int repeat = number();
        if (repeat < 0) repeat = 1;
        if (pos >= body.size()) throw bad();
        char kind = static_cast<char>(std::toupper(static_cast<unsigned char>(body[pos++])));
        if (kind != 'A' && kind != 'I' && kind != 'F' && kind != 'E') throw bad();
        int width = number();
        int decimals = 0;
        if (width <= 0) throw bad();
        if (pos < body.size() && body[pos] == '.') {
            ++pos;
            decimals = number();
            if (decimals < 0) throw bad();
        }
        for (int r = 0; r < repeat; ++r) {
            fields_.push_back({kind, width, decimals});
            first_column_.push_back(column);
            column += width;
        }
        if (pos < body.size() && body[pos++] != ',') throw bad();
    }
}

std::string_view RecordLayout::field_text(std::string_view line, std::size_t field) const {
    return field_columns(line, first_column_[field], fields_[field].width);
}

void RecordLayout::fail(const LineReader& reader, std::string_view line, std::size_t field) const {
    const FieldSpec& layout = fields_[field];
    std::size_t first = first_column_[field] + 1;
    std::string what = layout.kind == 'I' ? "an integer" : "a number";
    what += " in columns " + std::to_string(first) + "-" + std::to_string(first + layout.width - 1);
    reader.fail(what, static_cast<int>(field) + 1, from_cp932(field_text(line, field)));
}

template <class Value, class Parse>
std::vector<Value> RecordLayout::read_fields(const LineReader& reader, std::string_view line, Parse parse) const {
    std::vector<Value> values;
    for (std::size_t f = 0; f < fields_.size(); ++f) {
        if (fields_[f].kind == 'A') continue;
        std::optional<Value> v = parse(field_text(line, f), fields_[f].decimals);
        if (!v) fail(reader, line, f);
        values.push_back(*v);
    }
    return values;
}

std::vector<double> RecordLayout::read_reals(const LineReader& reader, std::string_view line) const {
    return read_fields<double>(reader, line, parse_real_field);
}

std::vector<float> RecordLayout::read_reals32(const LineReader& reader, std::string_view line) const {
    return read_fields<float>(reader, line, parse_real32_field);
}

std::vector<std::int32_t> RecordLayout::read_ints(const LineReader& reader, std::string_view line) const {
    return read_fields<std::int32_t>(reader, line, [](std::string_view field, int) { return parse_int_field(field); });
}

std::string format_int(std::int64_t value, int width) { return right_justify(std::to_string(value), width); }

std::string format_fixed(double value, int width, int decimals) {
    if (std::isnan(value)) return right_justify("NaN", width);
    if (std::isinf(value)) return std::string(width, '*');
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text = buffer;
    // No digit before the point for a value below 1: "0.5" becomes ".5", "-0.5" becomes "-.5".
    std::size_t zero = text[0] == '-' ? 1 : 0;
    if (decimals > 0 && text.compare(zero, 2, "0.") == 0) text.erase(zero, 1);
    return right_justify(text, width);
}

std::string format_exponent(double value, int width, int decimals) {
    if (std::isnan(value)) return right_justify("NaN", width);
    if (std::isinf(value)) return std::string(width, '*');
    std::string sign = std::signbit(value) && value != 0 ? "-" : "";
    std::string digits(decimals, '0');
    int exponent = 0;
    if (value != 0) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.*e", decimals - 1, std::fabs(value));
        // buffer is d.ddd...e+XX: the mantissa's digits, then the exponent for a mantissa in [1, 10).
        std::string text = buffer;
        std::size_t e = text.find('e');
        digits.clear();
        for (std::size_t i = 0; i < e; ++i)
            if (is_digit(text[i])) digits += text[i];
        exponent = std::atoi(text.c_str() + e + 1) + 1;
    }
    char exp_text[16];
    if (std::abs(exponent) <= 99)
        std::snprintf(exp_text, sizeof exp_text, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    else  // three exponent digits take the letter's place
        std::snprintf(exp_text, sizeof exp_text, "%c%03d", exponent < 0 ? '-' : '+', std::abs(exponent));
    return right_justify(sign + "." + digits + exp_text, width);
}

std::string format_text(std::string_view bytes, int width) { return fit_bytes(bytes, width); }

}  // namespace platform
