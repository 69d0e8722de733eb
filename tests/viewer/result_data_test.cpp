// Reading the engine's result file: where each value lands, and files that are not result files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frontend/result_data.h"
#include "platform/cp932.h"
#include "platform/input_error.h"
#include "result_file_writer.h"

namespace {

using frontend::ResultTallies;
using viewer_test::ResultFileBytes;
using viewer_test::TempDir;

// The line of the file that holds image value (k, i, j), 1-based.
int ImageLine(int k, int i, int j) {
    return 13 + 2000 * (k - 1) + 10 * (j - 1) + (i + 19) / 20;
}

// Replaces field `field` (1-based, 11 bytes each) of line `line` of a file's bytes.
std::string WithField(std::string bytes, int line, int field, const std::string& text) {
    std::size_t at = 0;
    for (int n = 1; n < line; ++n) at = bytes.find("\r\n", at) + 2;
    bytes.replace(at + 11 * static_cast<std::size_t>(field - 1), 11, text);
    return bytes;
}

// Replaces line `line` of a file's bytes.
std::string WithLine(std::string bytes, int line, const std::string& text) {
    std::size_t at = 0;
    for (int n = 1; n < line; ++n) at = bytes.find("\r\n", at) + 2;
    bytes.replace(at, bytes.find("\r\n", at) - at, text);
    return bytes;
}

// The first `lines` lines of a file's bytes.
std::string FirstLines(const std::string& bytes, int lines) {
    std::size_t at = 0;
    for (int n = 0; n < lines; ++n) at = bytes.find("\r\n", at) + 2;
    return bytes.substr(0, at);
}

TEST(ResultFile, EachValueLandsAtItsPixelAndBin) {
    auto tallies = std::make_unique<ResultTallies>();
    // Values at the ends of the 20-value lines, of the rows and of the blocks, each different.
    tallies->image[1][1][1] = 1.5;
    tallies->image[1][20][1] = 2.5;
    tallies->image[1][21][1] = 3.5;
    tallies->image[1][200][1] = 4.5;
    tallies->image[1][1][2] = 5.5;
    tallies->image[1][200][200] = 6.5;
    tallies->image[2][1][1] = 7.5;
    tallies->image[2][137][58] = 1234;
    tallies->image[2][200][200] = 8.5;
    // The columns are incident, primary, scattered.
    for (int n = 1; n <= frontend::kBins; ++n) {
        tallies->spectrum[0][n] = 3 * n;
        tallies->spectrum[1][n] = 2 * n;
        tallies->spectrum[2][n] = n;
    }
    TempDir dir;
    const auto result = frontend::ReadResultFile(dir.write("a.data", ResultFileBytes(*tallies)));

    for (int k = 1; k <= 2; ++k)
        for (int i = 1; i <= frontend::kPixels; ++i)
            for (int j = 1; j <= frontend::kPixels; ++j)
                ASSERT_EQ(result->image[k][i][j], tallies->image[k][i][j]) << k << ", " << i << ", " << j;
    for (int n = 1; n <= frontend::kBins; ++n) {
        ASSERT_EQ(result->spectrum[0][n], 3 * n) << n;
        ASSERT_EQ(result->spectrum[1][n], 2 * n) << n;
        ASSERT_EQ(result->spectrum[2][n], n) << n;
        ASSERT_EQ(result->spectrum[3][n], 3 * n) << "primary + scattered, bin " << n;
    }
    // Nothing is read into the sum image or the unused index 0.
    EXPECT_EQ(result->image[3][137][58], 0);
    EXPECT_EQ(result->spectrum[0][0], 0);
}

TEST(ResultFile, DescriptionIsTheFirstThirteenLinesAsStored) {
    auto tallies = std::make_unique<ResultTallies>();
    TempDir dir;
    const auto file = dir.write("a.data", ResultFileBytes(*tallies));
    const std::vector<std::string> lines = frontend::ReadDescription(file);
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(platform::from_cp932(lines[1]), " 管電圧 = 100 kV              ");
    EXPECT_EQ(platform::from_cp932(lines[9]), "Water Phantom                 ");
    EXPECT_EQ(platform::from_cp932(lines[12]), " グリッド (無)");
    EXPECT_EQ(lines[12].size(), 14u) << "code page 932 bytes, not UTF-8";
}

struct BadFile {
    const char* name;
    std::string bytes;
    int line;  // where the reader stops, as the report names it
};

std::vector<BadFile> BadFiles() {
    auto tallies = std::make_unique<ResultTallies>();
    const std::string good = ResultFileBytes(*tallies);
    return {
        {"ShortInTheScatteredImage", FirstLines(good, 3000), 3001},
        {"ShortInTheSpectra", FirstLines(good, 4312), 4313},
        {"LetterInAnImageField", WithField(good, ImageLine(1, 45, 3), 5, "  .12x4E+02"), ImageLine(1, 45, 3)},
        {"NegativeTally", WithField(good, ImageLine(2, 200, 200), 20, " -.1000E+01"), ImageLine(2, 200, 200)},
        {"TallyBeyondRange", WithField(good, 1000, 1, "  .1000E+999"), 1000},
        {"StarsInASpectrumCount", WithLine(good, 4200, "  93.5  .0000E+00 **********  .0000E+00"), 4200},
        // The run-conditions file under a result name: six lines, so even its description is short.
        {"RunConditionsFile", "01\r\n20.0\r\n34.0\r\n00\r\n1.00E+06\r\nreal.data\r\n", 7},
        {"EmptyFile", "", 1},
    };
}

class BadResultFile : public testing::TestWithParam<BadFile> {};

TEST_P(BadResultFile, IsReportedWithItsNameAndLine) {
    TempDir dir;
    const auto file = dir.write("bad.data", GetParam().bytes);
    try {
        frontend::ReadResultFile(file);
        FAIL() << "read without a report";
    } catch (const platform::InputError& e) {
        EXPECT_EQ(e.file(), "bad.data");
        EXPECT_EQ(e.line(), GetParam().line) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Viewer, BadResultFile, testing::ValuesIn(BadFiles()),
                         [](const testing::TestParamInfo<BadFile>& info) {
                             return std::string(info.param.name);
                         });

TEST(ResultFile, ShortDescriptionIsReportedAtTheMissingLine) {
    TempDir dir;
    const auto file = dir.write("short.data", "one\r\ntwo\r\n");
    try {
        frontend::ReadDescription(file);
        FAIL() << "read without a report";
    } catch (const platform::InputError& e) {
        EXPECT_EQ(e.line(), 3) << e.what();
    }
}

TEST(ResultFile, MissingFileIsReportedByName) {
    TempDir dir;
    EXPECT_THROW(frontend::ReadDescription(dir.path() / "gone.data"), platform::InputError);
    EXPECT_THROW(frontend::ReadResultFile(dir.path() / "gone.data"), platform::InputError);
}

}  // namespace
