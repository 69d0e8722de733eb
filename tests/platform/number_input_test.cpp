#include "platform/number_input.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "platform/input_error.h"

namespace {

struct LeadingCase {
    const char* text;
    double value;
};

class LeadingNumberTest : public ::testing::TestWithParam<LeadingCase> {};

TEST_P(LeadingNumberTest, ReadsLeadingDecimalNumber) {
    EXPECT_DOUBLE_EQ(platform::leading_number(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(BoxTexts, LeadingNumberTest,
                         ::testing::Values(LeadingCase{"85.5", 85.5}, LeadingCase{"  12 kV", 12},
                                           LeadingCase{"12abc", 12}, LeadingCase{"abc", 0},
                                           LeadingCase{"", 0}, LeadingCase{"-3.5", -3.5},
                                           LeadingCase{"+2", 2}, LeadingCase{".5", 0.5}, LeadingCase{"5.", 5},
                                           LeadingCase{"1e3", 1000}, LeadingCase{"2.5E-1mm", 0.25},
                                           LeadingCase{"1e", 1}, LeadingCase{"1e+", 1},
                                           LeadingCase{"1.2.3", 1.2}, LeadingCase{"- 5", 0},
                                           LeadingCase{".", 0}, LeadingCase{"-.", 0}, LeadingCase{"1,5", 1},
                                           LeadingCase{"\t7", 7}));

TEST(LeadingNumber, OutOfRangeReadsAsInfinityOrZero) {
    EXPECT_TRUE(std::isinf(platform::leading_number("1e999")));
    EXPECT_EQ(platform::leading_number("1e-999"), 0.0);
}

TEST(ParseDecimalNumber, AcceptsOnlyAWholeNumber) {
    EXPECT_EQ(platform::parse_decimal_number(" 2.5 "), 2.5);
    EXPECT_EQ(platform::parse_decimal_number("-1.5E+02"), -150.0);
    EXPECT_FALSE(platform::parse_decimal_number("2.5mm"));
    EXPECT_FALSE(platform::parse_decimal_number("1OO"));
    EXPECT_FALSE(platform::parse_decimal_number(""));
    EXPECT_FALSE(platform::parse_decimal_number("nan"));
    EXPECT_FALSE(platform::parse_decimal_number("inf"));
}

class NumberSequenceReaderTest : public ::testing::Test {
  protected:
    std::filesystem::path write(const std::string& bytes) {
        std::ofstream(path_, std::ios::binary) << bytes;
        return path_;
    }
    void TearDown() override { std::filesystem::remove(path_); }

    std::filesystem::path path_ = std::filesystem::temp_directory_path() /
                                  ("number_sequence_" + std::to_string(getpid()) + "_" +
                                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
};

TEST_F(NumberSequenceReaderTest, CommasBlanksAndLineEndsSeparateAlike) {
    platform::NumberSequenceReader reader(write("1, 2,3\r\n  4 5\n6 , 7,\n\n8\t9"));
    for (int expected = 1; expected <= 9; ++expected) EXPECT_EQ(reader.next_number("a number"), expected);
}

TEST_F(NumberSequenceReaderTest, TextLinesAndNumbersMix) {
    platform::NumberSequenceReader reader(write("Aluminium, pure\r\n2.699\r\n  3\r\n1.000E-03 1.5E+02\r\n"));
    EXPECT_EQ(reader.next_line("the name"), "Aluminium, pure");
    EXPECT_DOUBLE_EQ(reader.next_number("the density"), 2.699);
    EXPECT_DOUBLE_EQ(reader.next_number("the count"), 3);
    EXPECT_DOUBLE_EQ(reader.next_number("an energy"), 0.001);
    EXPECT_DOUBLE_EQ(reader.next_number("a coefficient"), 150);
}

TEST_F(NumberSequenceReaderTest, ReportsWhatItFoundAndWhere) {
    platform::NumberSequenceReader reader(write("1 2\n3 x4 5\n"));
    for (int i = 0; i < 3; ++i) reader.next_number("a number");
    try {
        reader.next_number("the fourth number");
        FAIL() << "a non-number was read as a number";
    } catch (const platform::InputError& e) {
        EXPECT_EQ(e.line(), 2);
        EXPECT_NE(std::string(e.what()).find("the fourth number"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("\"x4\""), std::string::npos) << e.what();
    }
}

TEST_F(NumberSequenceReaderTest, EmptyItemAndEndOfFileAreErrors) {
    platform::NumberSequenceReader between(write("1,,2\n"));
    between.next_number("a number");
    EXPECT_THROW(between.next_number("a number"), platform::InputError);

    platform::NumberSequenceReader short_file(write("1 2\n"));
    short_file.next_number("a number");
    short_file.next_number("a number");
    EXPECT_THROW(short_file.next_number("the third number"), platform::InputError);

    // Found by fuzzing the filter picker: a record count of 9.682E7000 read as infinity, and the message
    // that named it could not format it and ended the program.
    platform::NumberSequenceReader huge(write("1.190E-03 9.682E7000\n"));
    huge.next_number("the density");
    EXPECT_THROW(huge.next_number("the number of records"), platform::InputError);
}

}  // namespace
