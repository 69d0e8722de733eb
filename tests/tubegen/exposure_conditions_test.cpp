#include "tubegen/exposure_conditions.h"

#include <gtest/gtest.h>

#include "tubegen/stored_boxes.h"

namespace {

struct ClampCase {
    const char* typed;
    double V;
    const char* shown;
};

class ClampTubeVoltageTest : public ::testing::TestWithParam<ClampCase> {};

TEST_P(ClampTubeVoltageTest, ClampsAndShowsTheVoltageUsed) {
    std::string text = GetParam().typed;
    EXPECT_EQ(tubegen::ClampTubeVoltage(text), GetParam().V);
    EXPECT_EQ(text, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(BoxTexts, ClampTubeVoltageTest,
                         ::testing::Values(ClampCase{"200", 150, "150"}, ClampCase{"10", 20, "20"},
                                           ClampCase{"85.5", 85.5, "85.5"}, ClampCase{"abc", 20, "20"},
                                           ClampCase{"", 20, "20"}, ClampCase{"150", 150, "150"},
                                           ClampCase{"150.0", 150, "150.0"}, ClampCase{"150.5", 150, "150"},
                                           ClampCase{"20", 20, "20"}, ClampCase{"19.99", 20, "20"},
                                           ClampCase{"80 kV", 80, "80 kV"}, ClampCase{"-90", 20, "20"}));

TEST(ReadExposureConditions, ReadsBoxesInMillimetresAsCentimetres) {
    tubegen::StoredBoxes boxes;
    boxes.SetText(tubegen::Box::Text1, "160");
    boxes.SetText(tubegen::Box::Text2, "2.5");
    boxes.SetText(tubegen::Box::Text3, "1.2mm");
    boxes.SetText(tubegen::Box::Text4, "x");
    boxes.SetText(tubegen::Box::Text5, "16.5");
    tubegen::ExposureConditions c = tubegen::ReadExposureConditions(boxes);
    EXPECT_EQ(c.V, 150);
    EXPECT_EQ(boxes.Text(tubegen::Box::Text1), "150");
    EXPECT_EQ(c.theta_deg, 16.5);
    EXPECT_DOUBLE_EQ(c.filtration.inherent_cm, 0.25);
    EXPECT_DOUBLE_EQ(c.filtration.aluminium_cm, 0.12);
    EXPECT_EQ(c.filtration.copper_cm, 0);
}

}  // namespace
