#include "tubegen/hvl_matching.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "platform/cp932.h"
#include "platform/number_input.h"
#include "test_tables.h"
#include "tubegen/spectrum_error.h"
#include "tubegen/stored_boxes.h"

namespace {

using tubegen::Box;
using tubegen::HvlMaterial;
using tubegen::StoredBoxes;

class HvlMatchingTest : public ::testing::Test {
  protected:
    // The half-value layer (mm) that the whole computation gives with `inherent_mm` in Text2.
    double HvlMmWith(const std::string& inherent_mm, HvlMaterial material) {
        StoredBoxes boxes;
        boxes.SetText(Box::Text2, inherent_mm);
        tubegen::SpectrumResult r = tubegen::ComputeSpectrum(boxes, table_, filters_, file());
        return material == HvlMaterial::Aluminium ? 10 * r.HvlAlCm : r.HvlCuMm;
    }

    tubegen::SpectrumResult Match(StoredBoxes& boxes, HvlMaterial material) {
        return material == HvlMaterial::Aluminium ? tubegen::MatchHvlAl(boxes, table_, filters_, file())
                                                  : tubegen::MatchHvlCu(boxes, table_, filters_, file());
    }

    std::filesystem::path file() const { return dir_ / "B_tubegen.dat"; }

    tubegen_test::ScratchDir dir_;
    tubegen::AttenuationTable table_ = tubegen_test::ConstructedTable();
    tubegen::ArbitraryFilters filters_;
};

struct MatchCase {
    HvlMaterial material;
    const char* start_mm;   // Text2 before matching
    const char* target_mm;  // the inherent filtration whose HVL is entered as measured
};

class MatchDirectionTest : public HvlMatchingTest, public ::testing::WithParamInterface<MatchCase> {};

TEST_P(MatchDirectionTest, FindsTheInherentFiltrationOfTheMeasuredHvl) {
    const MatchCase& c = GetParam();
    char measured[32];
    std::snprintf(measured, sizeof measured, "%.6f", HvlMmWith(c.target_mm, c.material));
    StoredBoxes boxes;
    boxes.SetText(Box::Text2, c.start_mm);
    boxes.SetText(Box::Text13, measured);
    tubegen::SpectrumResult r = Match(boxes, c.material);

    const std::string inherent = boxes.Text(Box::Text2);
    EXPECT_EQ(inherent.find('.'), inherent.size() - 4) << inherent << ": three decimals";
    EXPECT_NEAR(platform::leading_number(inherent), platform::leading_number(c.target_mm), 0.002) << inherent;
    double shown = c.material == HvlMaterial::Aluminium ? 10 * r.HvlAlCm : r.HvlCuMm;
    EXPECT_NEAR(shown, platform::leading_number(measured), 0.001);
    // The final computation wrote the file with the matched filtration.
    std::string bytes = testsupport::read_bytes(file());
    EXPECT_NE(bytes.find(platform::to_cp932(" 固有ろ過 = " + inherent + " mmAl\r\n")), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    BothWays, MatchDirectionTest,
    ::testing::Values(MatchCase{HvlMaterial::Aluminium, "2.5", "3.04"},  // too soft: more filtration
                      MatchCase{HvlMaterial::Aluminium, "5", "3.04"},    // too hard: less filtration
                      MatchCase{HvlMaterial::Copper, "2.5", "4.37"},
                      MatchCase{HvlMaterial::Copper, "6", "4.37"}));

TEST_F(HvlMatchingTest, HvlBelowTheUnfilteredOneGivesNegativeInherentFiltration) {
    char measured[32];
    std::snprintf(measured, sizeof measured, "%.6f", HvlMmWith("-0.05", HvlMaterial::Aluminium));
    StoredBoxes boxes;
    boxes.SetText(Box::Text2, "0.5");
    boxes.SetText(Box::Text13, measured);
    tubegen::MatchHvlAl(boxes, table_, filters_, file());
    EXPECT_EQ(boxes.Text(Box::Text2).front(), '-') << boxes.Text(Box::Text2);
    EXPECT_NEAR(platform::leading_number(boxes.Text(Box::Text2)), -0.05, 0.005);
}

TEST_F(HvlMatchingTest, EqualHvlLeavesText2AsTyped) {
    char measured[40];
    std::snprintf(measured, sizeof measured, "%.17g", HvlMmWith("2.50", HvlMaterial::Copper));
    StoredBoxes boxes;
    boxes.SetText(Box::Text2, "2.50");
    boxes.SetText(Box::Text13, measured);
    tubegen::MatchHvlCu(boxes, table_, filters_, file());
    EXPECT_EQ(boxes.Text(Box::Text2), "2.50");
}

TEST_F(HvlMatchingTest, UnreachableHvlIsReportedAndNothingWritten) {
    table_.MuAl.fill(1.0);  // no beam hardening in aluminium: its HVL never moves
    StoredBoxes boxes;
    boxes.SetText(Box::Text13, "8");
    EXPECT_THROW(tubegen::MatchHvlAl(boxes, table_, filters_, file()), tubegen::SpectrumError);
    EXPECT_EQ(boxes.Text(Box::Text2), "2.5");
    EXPECT_FALSE(std::filesystem::exists(file()));
}

}  // namespace
