#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Fixed-column records: Aw, Iw, Fw.d and Ew.d fields, read and written the way the engine's files and
// console lines lay them out.
namespace platform {

class LineReader;

struct FieldSpec {
    char kind;     // 'A', 'I', 'F' or 'E'
    int width;     // columns
    int decimals;  // d of Fw.d and Ew.d; implied when a field has no decimal point
};

// --- Reading a single field -------------------------------------------------------------------------
// A value may stand anywhere in its field, blanks count for nothing and an empty field reads 0. A number
// without a decimal point has `decimals` implied decimals. Exponent forms: 1.000E-03, .1234E+03, 1.0e2,
// 1.0D2 and 1.0+2. Returns nothing when the field is not a number.

// The field's number as decimal text that strtod/strtof read exactly as written.
std::optional<std::string> real_field_text(std::string_view field, int decimals);
std::optional<double> parse_real_field(std::string_view field, int decimals);
std::optional<float> parse_real32_field(std::string_view field, int decimals);
std::optional<std::int32_t> parse_int_field(std::string_view field);

// The columns [first, first + width) of a line, 0-based first; columns past the line's end read as blanks.
std::string_view field_columns(std::string_view line, std::size_t first, std::size_t width);

// --- Reading whole records ------------------------------------------------------------------------
// A layout such as "(E9.3,5E10.3)" or "(36I1)", with repeat counts; a line shorter than the layout reads its
// missing fields as 0, and a field that is not a number is reported with its line and field number.
class RecordLayout {
public:
    explicit RecordLayout(std::string_view layout);  // throws std::invalid_argument for a malformed layout

    const std::vector<FieldSpec>& fields() const { return fields_; }
    std::size_t first_column(std::size_t field) const { return first_column_[field]; }

    std::vector<double> read_reals(const LineReader& reader, std::string_view line) const;
    std::vector<float> read_reals32(const LineReader& reader, std::string_view line) const;
    std::vector<std::int32_t> read_ints(const LineReader& reader, std::string_view line) const;

private:
    std::string_view field_text(std::string_view line, std::size_t field) const;
    template <class Value, class Parse>
    std::vector<Value> read_fields(const LineReader& reader, std::string_view line, Parse parse) const;
    [[noreturn]] void fail(const LineReader& reader, std::string_view line, std::size_t field) const;

    std::vector<FieldSpec> fields_;
    std::vector<std::size_t> first_column_;
};

// --- Writing ---------------------------------------------------------------------------------------
// Each returns exactly `width` characters; a value that does not fit fills its field with asterisks.

std::string format_int(std::int64_t value, int width);  // Iw
// Fw.d: a value below 1 is written without a digit before the point ("   .5" for F5.1).
std::string format_fixed(double value, int width, int decimals);
// Ew.d: the point, d mantissa digits in [0.1, 1), E, the exponent's sign and two digits (".1234E+03").
std::string format_exponent(double value, int width, int decimals);
std::string format_text(std::string_view bytes, int width);  // Aw: cut or blank-padded

}  // namespace platform
