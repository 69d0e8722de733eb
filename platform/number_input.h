#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/line_reader.h"

namespace platform {

// The number in a text box: the leading decimal number of its text after any blanks (sign, digits with an
// optional point, an optional exponent), 0 when the text does not begin with one: "85.5" gives 85.5,
// "12 kV" 12, "abc" 0. Read without regard to the locale, so the point is always the decimal separator.
double leading_number(std::string_view text);

// The value of a text that is a decimal number and nothing else (blanks around it allowed); nothing otherwise.
std::optional<double> parse_decimal_number(std::string_view text);

// The windowed programs' reading of a data file: numbers one after another, each ended by a blank, a comma
// or a line end (so "1, 2", "1 2" and one number a line all read alike), and whole text lines where a file
// has them. An item that is not a number, or the end of the file, is reported as an InputError naming what
// was expected.
class NumberSequenceReader {
  public:
    explicit NumberSequenceReader(const std::filesystem::path& path) : reader_(path) {}

    // The rest of the current line when numbers have been read from part of it, otherwise the next line.
    std::string next_line(std::string_view expected);

    double next_number(std::string_view expected);

    // Reports an InputError at the line last read, for a number that was read but cannot be used.
    [[noreturn]] void fail(std::string_view expected, std::string_view found) const {
        reader_.fail(expected, 0, found);
    }

    const std::string& name() const { return reader_.name(); }

  private:
    bool at_line_end() const { return pos_ >= line_.size(); }
    void skip_blanks();

    LineReader reader_;
    std::string line_;
    std::size_t pos_ = 0;
};

}  // namespace platform
