#include "tubegen/half_value_layer.h"

#include <gtest/gtest.h>

#include <cmath>

#include "test_tables.h"
#include "tubegen/spectrum_error.h"

namespace {

using tubegen::BinArray;

constexpr int kLineBin = 100;  // 50 keV
constexpr double kV = 100;

// A monoenergetic spectrum is attenuated exactly exponentially, so the logarithmic interpolation between
// absorber steps is exact: HVL = ln 2 / mu.
BinArray Monoenergetic(int k = kLineBin) {
    BinArray N{};
    N[k] = 1;
    return N;
}

tubegen::AttenuationTable TableWith(double mu_al, double mu_cu, int k = kLineBin) {
    tubegen::AttenuationTable t = tubegen_test::ConstructedTable();
    t.MuAl[k] = mu_al;
    t.MuCu[k] = mu_cu;
    return t;
}

struct HvlCase {
    double mu;          // 1/cm at the line
    const char* shown;  // the window's text, mm
};

class HvlAlTest : public ::testing::TestWithParam<HvlCase> {};
class HvlCuTest : public ::testing::TestWithParam<HvlCase> {};

TEST_P(HvlAlTest, MonoenergeticHvlIsLn2OverMu) {
    double cm = tubegen::HvlAl(Monoenergetic(), kV, TableWith(GetParam().mu, 1));
    EXPECT_NEAR(cm, std::log(2.0) / GetParam().mu, 1e-12);
    EXPECT_EQ(tubegen::HvlAlText(cm), GetParam().shown);
}

TEST_P(HvlCuTest, MonoenergeticHvlIsLn2OverMuInMm) {
    double mm = tubegen::HvlCu(Monoenergetic(), kV, TableWith(1, GetParam().mu));
    EXPECT_NEAR(mm, 10 * std::log(2.0) / GetParam().mu, 1e-11);
    EXPECT_EQ(tubegen::HvlCuText(mm), GetParam().shown);
}

// 25.37 steps of 0.1 mm show as 2.537; a layer thinner than one step is found by extrapolating steps 1 and
// 2; the last layers the step counts can reach (just under 30 mm aluminium, 10 mm copper).
INSTANTIATE_TEST_SUITE_P(Layers, HvlAlTest,
                         ::testing::Values(HvlCase{std::log(2.0) / 0.2537, "2.537"}, HvlCase{0.5, "13.863"},
                                           HvlCase{100, "0.069"}, HvlCase{std::log(2.0) / 2.995, "29.950"}));
INSTANTIATE_TEST_SUITE_P(Layers, HvlCuTest,
                         ::testing::Values(HvlCase{10 * std::log(2.0) / 0.2, "0.200"}, HvlCase{5, "1.386"},
                                           HvlCase{1000, "0.007"},
                                           HvlCase{10 * std::log(2.0) / 9.995, "9.995"}));

TEST(HalfValueLayer, OnlyBinsAbove5keVUpTo2VCount) {
    tubegen::AttenuationTable t = TableWith(1.0, 10.0);
    BinArray N = Monoenergetic();
    N[10] = 1e6;   // 5 keV: below the exposure bins
    N[201] = 1e6;  // above 2·V
    EXPECT_NEAR(tubegen::HvlAl(N, kV, t), std::log(2.0), 1e-12);
    EXPECT_NEAR(tubegen::HvlCu(N, kV, t), std::log(2.0), 1e-12);
}

TEST(HalfValueLayer, ReportsWhatCannotBeFound) {
    struct Case {
        const char* what;
        BinArray N;
        double mu_al, mu_cu;
    };
    BinArray below_exposure_bins{};
    below_exposure_bins[10] = 1;
    const Case cases[] = {
        {"no photons at all", BinArray{}, 1, 1},
        {"photons only up to 5 keV", below_exposure_bins, 1, 1},
        {"layers beyond the step counts", Monoenergetic(), std::log(2.0) / 3.01, 10 * std::log(2.0) / 10.01},
        {"nothing transmitted", Monoenergetic(), 1e6, 1e7},
        {"nothing attenuated", Monoenergetic(), 0, 0},
    };
    for (const Case& c : cases) {
        tubegen::AttenuationTable t = TableWith(c.mu_al, c.mu_cu);
        EXPECT_THROW(tubegen::HvlAl(c.N, kV, t), tubegen::SpectrumError) << c.what;
        EXPECT_THROW(tubegen::HvlCu(c.N, kV, t), tubegen::SpectrumError) << c.what;
    }
}

}  // namespace
