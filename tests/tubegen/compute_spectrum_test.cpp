#include "tubegen/compute_spectrum.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/cp932.h"
#include "platform/input_error.h"
#include "platform/number_text.h"
#include "test_tables.h"
#include "tubegen/spectrum_error.h"
#include "tubegen/stored_boxes.h"
#include "tubegen/tucker_spectrum.h"

namespace {

using tubegen::Box;
using tubegen::StoredBoxes;

const std::filesystem::path kFixtures = TUBEGEN_FIXTURES;

std::vector<std::string> CrLfLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    EXPECT_EQ(start, bytes.size()) << "bytes after the last CR LF";
    return lines;
}

class ComputeSpectrumTest : public ::testing::Test {
  protected:
    tubegen::SpectrumResult Compute(StoredBoxes& boxes) {
        return tubegen::ComputeSpectrum(boxes, table_, filters_, file());
    }
    std::vector<std::string> FileLines() const { return CrLfLines(testsupport::read_bytes(file())); }
    std::filesystem::path file() const { return dir_ / "B_tubegen.dat"; }

    tubegen_test::ScratchDir dir_;
    tubegen::AttenuationTable table_ = tubegen_test::ConstructedTable();
    tubegen::ArbitraryFilters filters_;
};

TEST_F(ComputeSpectrumTest, DefaultsWriteTheHeaderAndRecordsByteForByte) {
    StoredBoxes boxes;
    tubegen::SpectrumResult r = Compute(boxes);
    std::vector<std::string> lines = FileLines();
    ASSERT_EQ(lines.size(), 310u);
    // "定電圧" in code page 932, spelled out once so that the conversion itself is checked too.
    EXPECT_EQ(lines[0], "\x92\xE8\x93\x64\x88\xB3");
    const char* header[] = {
        "定電圧",
        " 管電圧 = 100 kV",
        " ターゲット角度 = 12度",
        " 固有ろ過 = 2.5 mmAl",
        " 付加フィルタ Al = 0 mm",
        " 付加フィルタ Cu = 0 mm",
        " 任意フィルタ(1) =  : 0 mm",
        " 任意フィルタ(2) =  : 0 mm",
        " 任意フィルタ(3) =  : 0 mm",
    };
    for (int i = 0; i < 9; ++i) EXPECT_EQ(lines[i], platform::to_cp932(header[i])) << "line " << i + 1;
    EXPECT_EQ(lines[9], "0000.5  0.00000");    // bin 1
    EXPECT_EQ(lines[208], "0100.0  0.00000");  // bin 200: E = V is never reached
    EXPECT_EQ(lines[308], "0150.0  0.00000");  // bin 300
    EXPECT_EQ(lines[309], platform::number_text(1000 * r.summary.SpectrumMax));
    double sum = 0;
    for (int i = 1; i <= 300; ++i) {
        const std::string& record = lines[8 + i];
        ASSERT_EQ(record.size(), 15u) << "bin " << i;
        sum += std::stod(record.substr(6));
    }
    EXPECT_NEAR(sum, 1.0, 300 * 0.5e-5);
    EXPECT_FALSE(boxes.Text(Box::Text9).empty());
    EXPECT_FALSE(boxes.Text(Box::Text8).empty());
}

TEST_F(ComputeSpectrumTest, HeaderNamesThreeArbitraryFilters) {
    tubegen::AddArbitraryFilter(filters_, kFixtures / "Edge.ele", 1.5);
    tubegen::AddArbitraryFilter(filters_, kFixtures / "Window-cp932.ele", 0.5);
    tubegen::AddArbitraryFilter(filters_, kFixtures / "Edge.ele", 950);
    StoredBoxes boxes;
    boxes.rect_type = tubegen::kSinglePhase;
    boxes.SetText(Box::Text1, "160");
    boxes.SetText(Box::Text5, "16.50");
    boxes.SetText(Box::Text3, "1.0");
    boxes.SetText(Box::Text4, "0.1");
    Compute(boxes);
    std::vector<std::string> lines = FileLines();
    ASSERT_EQ(lines.size(), 310u);
    EXPECT_EQ(lines[0], platform::to_cp932("単相全波"));
    EXPECT_EQ(lines[1], platform::to_cp932(" 管電圧 = 150 kV"));
    EXPECT_EQ(lines[2], platform::to_cp932(" ターゲット角度 = 16.5度"));
    EXPECT_EQ(lines[4], platform::to_cp932(" 付加フィルタ Al = 1.0 mm"));
    EXPECT_EQ(lines[5], platform::to_cp932(" 付加フィルタ Cu = 0.1 mm"));
    EXPECT_EQ(lines[6], platform::to_cp932(" 任意フィルタ(1) = Edge test material : 1.5 mm"));
    // The name is copied as the composition file holds it, not converted a second time.
    EXPECT_EQ(lines[7], platform::to_cp932(" 任意フィルタ(2) = ") +
                            "\x83\x78\x83\x8A\x83\x8A\x83\x45\x83\x80\x91\x8B" + " : 0.5 mm");
    EXPECT_EQ(lines[8], platform::to_cp932(" 任意フィルタ(3) = Edge test material : 950 mm"));
}

TEST_F(ComputeSpectrumTest, FailuresLeaveThePreviousFileAndTheBoxes) {
    StoredBoxes good;
    Compute(good);
    const std::string before = testsupport::read_bytes(file());

    struct Case {
        const char* what;
        Box box;
        const char* text;
        double mu_al;  // 0: the constructed aluminium
    };
    const Case cases[] = {
        {"target angle 0", Box::Text5, "0", 0},
        {"target angle past 90", Box::Text5, "135", 0},
        {"every photon absorbed", Box::Text4, "1e5", 0},
        {"filtration that overflows", Box::Text2, "-1e4", 0},
        {"aluminium HVL above 30 mm", Box::Text2, "2.5", 0.01},
    };
    for (const Case& c : cases) {
        StoredBoxes boxes;
        boxes.SetText(c.box, c.text);
        if (c.mu_al > 0) table_.MuAl.fill(c.mu_al);
        EXPECT_THROW(Compute(boxes), tubegen::SpectrumError) << c.what;
        table_ = tubegen_test::ConstructedTable();
        EXPECT_EQ(testsupport::read_bytes(file()), before) << c.what;
        EXPECT_TRUE(boxes.Text(Box::Text9).empty()) << c.what;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()), {}), 1)
            << c.what << ": leftovers";
    }
}

TEST_F(ComputeSpectrumTest, MatchingWithoutMeasuredValueIsRefused) {
    StoredBoxes boxes;
    boxes.match_flag = true;
    try {
        tubegen::ComputeOrMatchSpectrum(boxes, table_, filters_, file());
        FAIL() << "matching ran without a measured value";
    } catch (const tubegen::SpectrumError& e) {
        EXPECT_STREQ(e.what(), "実測半価層を入力して下さい");
    }
    EXPECT_FALSE(std::filesystem::exists(file()));
}

TEST(LoadAttenuationTable, ReadsWhatItWasGivenAndRefusesAShortFile) {
    tubegen_test::ScratchDir dir;
    tubegen::AttenuationTable written = tubegen_test::ConstructedTable();
    tubegen_test::WriteAttenuationFile(dir / "Mus-shadowbench.dat", written);
    tubegen::AttenuationTable read = tubegen::LoadAttenuationTable(dir / "Mus-shadowbench.dat");
    EXPECT_EQ(read.MuW, written.MuW);
    EXPECT_EQ(read.MuAl, written.MuAl);
    EXPECT_EQ(read.MuCu, written.MuCu);
    EXPECT_EQ(read.MuenAir, written.MuenAir);

    std::string bytes = testsupport::read_bytes(dir / "Mus-shadowbench.dat");
    std::ofstream(dir / "short.dat", std::ios::binary) << bytes.substr(0, bytes.rfind(','));
    EXPECT_THROW(tubegen::LoadAttenuationTable(dir / "short.dat"), platform::InputError);
}

}  // namespace
