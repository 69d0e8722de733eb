// Grey levels, the reference value M, the spectra over their maxima and the choice of the profiled row.
#include <gtest/gtest.h>

#include <memory>

#include "frontend/image_scale.h"

namespace {

using frontend::ImageArray;

std::unique_ptr<ImageArray> EmptyImage() {
    return std::make_unique<ImageArray>();
}

TEST(ImageScale, MComesFromTheCentralPartOfTheSumImage) {
    auto image = EmptyImage();
    (*image)[1][100][90] = 600;
    (*image)[2][100][90] = 400;   // sum 1000 here: M
    (*image)[1][19][100] = 5000;  // column 19 and row 181 lie outside the central part
    (*image)[2][100][181] = 5000;
    (*image)[1][20][180] = 999;  // a corner of the central part, just below M
    EXPECT_EQ(frontend::ScaleImages(*image), 1000);

    const ImageArray& g = *image;
    EXPECT_EQ(g[3][100][90], 0) << "M is black";
    EXPECT_EQ(g[1][19][100], 0) << "above M is black, in the edges too";
    EXPECT_EQ(g[3][19][100], 0);
    EXPECT_EQ(g[2][100][181], 0);
    EXPECT_EQ(g[1][100][90], 255 * (1 - 0.6));
    EXPECT_EQ(g[2][100][90], 255 * (1 - 0.4));
    EXPECT_EQ(g[1][150][150], 255) << "no fluence is white";
    EXPECT_EQ(g[2][150][150], 255);
    EXPECT_EQ(g[3][150][150], 255);
    EXPECT_EQ(g[1][0][0], 0) << "index 0 is never filled";
}

TEST(ImageScale, EqualTalliesGiveEqualGreysInAllThreeImages) {
    auto image = EmptyImage();
    (*image)[1][100][100] = 800;  // M
    (*image)[1][30][40] = 250;
    (*image)[2][31][40] = 250;
    frontend::ScaleImages(*image);
    const ImageArray& g = *image;
    EXPECT_EQ(g[1][30][40], g[2][31][40]);
    EXPECT_EQ(g[1][30][40], g[3][30][40]);
    EXPECT_EQ(g[3][31][40], g[3][30][40]);
    EXPECT_DOUBLE_EQ(g[1][30][40], 255 * (1 - 250.0 / 800));
}

TEST(ImageScale, NoFluenceInTheCentralPartGivesWhiteImages) {
    auto image = EmptyImage();
    (*image)[1][5][5] = 300;  // only the edges were reached
    (*image)[2][195][10] = 20;
    EXPECT_EQ(frontend::ScaleImages(*image), 0);
    for (int k = 1; k <= 3; ++k)
        for (int i = 1; i <= frontend::kPixels; ++i)
            for (int j = 1; j <= frontend::kPixels; ++j) ASSERT_EQ((*image)[k][i][j], 255) << k << i << j;
}

TEST(SpectrumPlots, EachCurveIsOverItsMaximum) {
    frontend::SpectrumArray s{};
    s[0][100] = 2000;  // the incident maximum
    s[0][50] = 500;
    s[1][120] = 600;
    s[2][120] = 200;  // the leaving maximum: 800
    s[1][50] = 100;
    s[2][50] = 300;
    for (int n = 1; n <= frontend::kBins; ++n) s[3][n] = s[1][n] + s[2][n];
    frontend::IncidentPlotArray incident{};
    frontend::ExitPlotArray exit{};
    frontend::ComputeSpectrumPlots(s, incident, exit);
    EXPECT_EQ(incident[0][100], 1);
    EXPECT_EQ(incident[0][50], 0.25);
    EXPECT_EQ(incident[1][120], 0.4);
    EXPECT_EQ(exit[0][120], 1);
    EXPECT_EQ(exit[1][120], 0.75);
    EXPECT_EQ(exit[2][120], 0.25);
    EXPECT_EQ(exit[0][50], 0.5);
}

TEST(SpectrumPlots, AMaximumOfZeroGivesFlatCurves) {
    frontend::SpectrumArray s{};
    s[0][100] = 2000;  // photons went in, none came out
    frontend::IncidentPlotArray incident{};
    frontend::ExitPlotArray exit{};
    frontend::ComputeSpectrumPlots(s, incident, exit);
    EXPECT_EQ(incident[0][100], 1);
    for (int n = 1; n <= frontend::kBins; ++n)
        for (int c = 0; c < 3; ++c) ASSERT_EQ(exit[c][n], 0) << c << ", " << n;

    frontend::SpectrumArray none{};
    frontend::ComputeSpectrumPlots(none, incident, exit);
    for (int n = 1; n <= frontend::kBins; ++n) ASSERT_EQ(incident[0][n], 0) << n;
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    const struct {
        double x;
        int rounded;
    } cases[] = {{0, 0},       {0.5, 0},  {1.5, 2},  {2.5, 2},  {3.5, 4},   {127.5, 128},
                 {128.5, 128}, {2.49, 2}, {2.51, 3}, {-0.5, 0}, {-1.5, -2}, {254.9999, 255}};
    for (const auto& c : cases) EXPECT_EQ(frontend::RoundHalfEven(c.x), c.rounded) << c.x;
}

TEST(ProfileRow, HeightNamesTheRowAtHalfItsValue) {
    const struct {
        double y;
        int row;
    } cases[] = {{0, 0},     {1, 0},     {2, 1},     {3, 2},     {5, 2},
                 {200, 100}, {201, 100}, {203, 102}, {399, 200}, {400, 200}};
    for (const auto& c : cases) EXPECT_EQ(frontend::ProfileRow(c.y), c.row) << c.y;
}

TEST(ProfileRow, ClicksAndTypedHeightsActWithinTheImages) {
    const struct {
        double y;
        bool click, typed;
    } cases[] = {{-5, false, false}, {0, true, false},      {0.5, true, true},
                 {400, true, true},  {400.5, false, false}, {401, false, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(frontend::ClickSelectsRow(c.y), c.click) << c.y;
        EXPECT_EQ(frontend::TypedSelectsRow(c.y), c.typed) << c.y;
    }
}

}  // namespace
