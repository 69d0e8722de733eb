#include "platform/fixed_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "platform/input_error.h"
#include "platform/line_reader.h"

namespace {

struct RealFieldCase {
    const char* field;
    int decimals;
    double expected;
};

class RealField : public testing::TestWithParam<RealFieldCase> {};

TEST_P(RealField, ReadsAsFortranFormattedInput) {
    const RealFieldCase& c = GetParam();
    std::optional<double> value = platform::parse_real_field(c.field, c.decimals);
    ASSERT_TRUE(value.has_value()) << c.field;
    EXPECT_DOUBLE_EQ(*value, c.expected) << c.field;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RealField,
    testing::Values(RealFieldCase{"  0.00912", 5, 0.00912},   // written value, point present
                    RealFieldCase{"     912", 5, 0.00912},    // no point: five decimals implied
                    RealFieldCase{"0000.5", 1, 0.5},          // leading zeros
                    RealFieldCase{"  15", 1, 1.5},            // one implied decimal
                    RealFieldCase{" 1 2. 5", 1, 12.5},        // blanks inside count for nothing
                    RealFieldCase{"      ", 3, 0.0},          // empty field
                    RealFieldCase{"1.000E-03", 3, 0.001},     // exponent forms
                    RealFieldCase{" .1234E+03", 4, 123.4},
                    RealFieldCase{"1.0e2", 3, 100.0},
                    RealFieldCase{"1.0D2", 3, 100.0},
                    RealFieldCase{"1.0+2", 3, 100.0},
                    RealFieldCase{"1234E2", 3, 123.4},        // implied decimals apply to the mantissa
                    RealFieldCase{"-2.5", 1, -2.5},
                    RealFieldCase{"+.5", 1, 0.5}));

TEST(RealField, RefusesWhatIsNotANumber) {
    for (const char* field : {"abc", "1.2.3", "1E", "NaN", "inf", "1,5", "--1", "E5"})
        EXPECT_FALSE(platform::parse_real_field(field, 2).has_value()) << field;
    EXPECT_FALSE(platform::parse_real32_field("1E99", 0).has_value()) << "beyond single precision";
}

TEST(IntField, BlanksAndSigns) {
    EXPECT_EQ(platform::parse_int_field("  1 2"), 12);
    EXPECT_EQ(platform::parse_int_field(""), 0);
    EXPECT_EQ(platform::parse_int_field(" -7"), -7);
    EXPECT_FALSE(platform::parse_int_field("1.5").has_value());
    EXPECT_FALSE(platform::parse_int_field("99999999999").has_value());
}

class TempFile {
public:
    explicit TempFile(const std::string& bytes)
        : path_(std::filesystem::temp_directory_path() / ("sb_fixed_" + std::to_string(::getpid()) + ".txt")) {
        std::ofstream(path_, std::ios::binary) << bytes;
    }
    ~TempFile() { std::filesystem::remove(path_); }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

TEST(RecordLayout, ShortLinesReadMissingFieldsAsZero) {
    TempFile file("0000.5\r\n0001.0  0.12345\r\n");
    platform::LineReader in(file.path());
    platform::RecordLayout layout("(F6.1,F9.5)");
    std::vector<double> first = layout.read_reals(in, in.next_line("a record"));
    EXPECT_EQ(first, (std::vector<double>{0.5, 0.0}));
    std::vector<double> second = layout.read_reals(in, in.next_line("a record"));
    EXPECT_DOUBLE_EQ(second[1], 0.12345);
}

TEST(RecordLayout, RepeatCountsAndDigitRows) {
    platform::RecordLayout layout("(E9.3,5E10.3)");
    ASSERT_EQ(layout.fields().size(), 6u);
    EXPECT_EQ(layout.first_column(5), 49u);
    TempFile file("12 4 \r\n");
    platform::LineReader in(file.path());
    platform::RecordLayout row("(7I1)");
    EXPECT_EQ(row.read_ints(in, in.next_line("a row")), (std::vector<int>{1, 2, 0, 4, 0, 0, 0}));
}

TEST(RecordLayout, ReportsFileLineAndField) {
    TempFile file("header\r\n0001.0  x.12345\r\n");
    platform::LineReader in(file.path());
    in.next_line("a header");
    platform::RecordLayout layout("(F6.1,F9.5)");
    try {
        layout.read_reals(in, in.next_line("a record"));
        FAIL() << "a letter in a number field must be reported";
    } catch (const platform::InputError& e) {
        EXPECT_EQ(e.line(), 2);
        EXPECT_EQ(e.field(), 2);
        EXPECT_NE(std::string(e.what()).find("columns 7-15"), std::string::npos) << e.what();
    }
}

TEST(LineReader, LfOnlyAndCrLfLinesReadAlike) {
    TempFile file("one\ntwo\r\nthree");
    platform::LineReader in(file.path());
    EXPECT_EQ(in.next_line("1"), "one");
    EXPECT_EQ(in.next_line("2"), "two");
    EXPECT_EQ(in.next_line("3"), "three");
    EXPECT_THROW(in.next_line("a fourth line"), platform::InputError);
}

TEST(LineReader, MissingFileIsReported) {
    EXPECT_THROW(platform::LineReader("/nonexistent/B_tubegen.dat"), platform::InputError);
}

struct WriteCase {
    std::string written;
    std::string expected;
};

TEST(Writing, FieldsAsTheEngineWritesThem) {
    const WriteCase cases[] = {
        {platform::format_fixed(0.5, 6, 1), "    .5"},
        {platform::format_fixed(1.0, 6, 1), "   1.0"},
        {platform::format_fixed(150.0, 6, 1), " 150.0"},
        {platform::format_fixed(20.0, 5, 1), " 20.0"},
        {platform::format_fixed(0.04, 5, 1), "   .0"},
        {platform::format_fixed(-0.5, 5, 1), "  -.5"},
        {platform::format_fixed(1000.0, 5, 1), "*****"},
        {platform::format_exponent(123.4, 11, 4), "  .1234E+03"},
        {platform::format_exponent(0.5, 11, 4), "  .5000E+00"},
        {platform::format_exponent(0.0, 11, 4), "  .0000E+00"},
        {platform::format_exponent(1000000.0f, 11, 4), "  .1000E+07"},
        {platform::format_exponent(0.99996, 11, 4), "  .1000E+01"},  // rounding carries into the exponent
        {platform::format_exponent(1.5e-5, 11, 4), "  .1500E-04"},
        {platform::format_exponent(-2.0, 11, 4), " -.2000E+01"},
        {platform::format_int(9, 2), " 9"},
        {platform::format_int(301, 3), "301"},
        {platform::format_int(1000, 3), "***"},
        {platform::format_text("ab", 4), "ab  "},
    };
    for (const WriteCase& c : cases) EXPECT_EQ(c.written, c.expected);
}

}  // namespace
