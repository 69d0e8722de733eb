#include "tubegen/tucker_spectrum.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "test_tables.h"
#include "tubegen/spectrum_error.h"

namespace {

using tubegen::BinArray;
using tubegen::UnfilteredSpectrum;

constexpr int kLineBins[] = {116, 119, 134, 138};
constexpr double kLineShares[] = {0.2908, 0.5048, 0.162, 0.0424};

const BinArray& TungstenMu() {
    static const BinArray mu = tubegen_test::ConstructedTable().MuW;
    return mu;
}

// Without self-absorption the continuum is smooth from bin to bin, so what a bin holds above the mean of its
// neighbours is its line.
double LineExcess(const BinArray& U, int k) {
    return U[k] - (U[k - 1] + U[k + 1]) / 2;
}

TEST(TuckerSpectrum, ConstantPotential100kVFillsBinsUpTo199) {
    BinArray U = UnfilteredSpectrum(100, 12, tubegen::kConstantPotential, TungstenMu());
    EXPECT_EQ(U[1], 0);
    for (int k = 2; k <= 199; ++k) EXPECT_GT(U[k], 0) << "bin " << k;
    // π = 3.14159 puts sin 90° a hair below 1, so E = V itself is never reached.
    for (int k = 200; k <= tubegen::kBins; ++k) EXPECT_EQ(U[k], 0) << "bin " << k;
    for (int k : kLineBins) {
        EXPECT_GT(U[k], 1.05 * U[k - 1]) << "line bin " << k;
        EXPECT_GT(U[k], 1.05 * U[k + 1]) << "line bin " << k;
    }
}

TEST(TuckerSpectrum, KLinesTakeTheirSharesOfThePercentage) {
    BinArray no_absorption{};
    BinArray U = UnfilteredSpectrum(100, 12, tubegen::kConstantPotential, no_absorption);
    double lines = 0;
    for (int k : kLineBins) lines += LineExcess(U, k);
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(LineExcess(U, kLineBins[i]) / lines, kLineShares[i], 0.002);
    double all = 0;
    for (int k = 2; k <= 199; ++k) all += U[k];
    // pc(100 kV) = (√(879.856 − 595.149) − 4.55528) / 4.39928 = 2.80 %
    EXPECT_NEAR(tubegen::KLinePercentage(100 * std::sin(90 * tubegen::kPi / 180)), 2.8000, 0.0005);
    EXPECT_NEAR(lines / (all - lines), 0.028, 0.0003);
}

TEST(TuckerSpectrum, NoKLinesUpTo70kV) {
    // Below about 67.6 keV the percentage formula would take the root of a negative number.
    EXPECT_EQ(tubegen::KLinePercentage(60.0), 0);
    EXPECT_EQ(tubegen::KLinePercentage(70.0), 0);
    EXPECT_GT(tubegen::KLinePercentage(70.01), 0);
    BinArray no_absorption{};
    for (double V : {40.0, 60.0, 70.0}) {
        BinArray U = UnfilteredSpectrum(V, 12, tubegen::kConstantPotential, no_absorption);
        for (int k = 2; k < 2 * V; ++k) ASSERT_TRUE(std::isfinite(U[k]) && U[k] > 0) << V << " kV, bin " << k;
        // Line bins well below the spectrum's tip, where the continuum is smooth, hold no line.
        for (int k : kLineBins) {
            if (k > 2 * V - 6) continue;
            EXPECT_LT(std::fabs(LineExcess(U, k)), 0.01 * U[k]) << V << " kV, bin " << k;
        }
    }
}

TEST(TuckerSpectrum, ThreePhaseAt72kVAddsLinesFromPhases77To90Only) {
    std::vector<int> with_lines;
    for (const tubegen::Phase& p : tubegen::WaveformPhases(tubegen::kThreePhase))
        if (tubegen::KLinePercentage(72 * std::sin(p.phi_deg * tubegen::kPi / 180)) > 0)
            with_lines.push_back(static_cast<int>(p.phi_deg));
    std::vector<int> expected;
    for (int phi = 77; phi <= 90; ++phi) expected.push_back(phi);
    EXPECT_EQ(with_lines, expected);

    BinArray no_absorption{};
    BinArray U = UnfilteredSpectrum(72, 12, tubegen::kThreePhase, no_absorption);
    EXPECT_GT(LineExcess(U, 119), 0.01 * U[119]);
}

TEST(TuckerSpectrum, WaveformPhasesAndWeights) {
    auto cp = tubegen::WaveformPhases(tubegen::kConstantPotential);
    ASSERT_EQ(cp.size(), 1u);
    EXPECT_EQ(cp[0].phi_deg, 90);
    EXPECT_EQ(cp[0].weight, 1);

    auto three = tubegen::WaveformPhases(tubegen::kThreePhase);
    ASSERT_EQ(three.size(), 16u);
    EXPECT_EQ(three.front().phi_deg, 75);
    EXPECT_EQ(three.back().phi_deg, 90);
    for (const auto& p : three) EXPECT_EQ(p.weight, 1);

    auto single = tubegen::WaveformPhases(tubegen::kSinglePhase);
    ASSERT_EQ(single.size(), 45u);
    EXPECT_EQ(single.front().phi_deg, 2);
    EXPECT_NEAR(single.front().weight, 0.010038, 0.000001);  // (sin 2° / 0.75)^1.5, about 0.0101
    for (const auto& p : single) {
        EXPECT_EQ(static_cast<int>(p.phi_deg) % 2, 0);
        if (p.phi_deg >= 50) {
            EXPECT_EQ(p.weight, 1) << p.phi_deg;  // current saturated
        } else {
            EXPECT_LT(p.weight, 1) << p.phi_deg;
        }
    }
    EXPECT_THROW(tubegen::WaveformPhases(4), std::invalid_argument);
}

TEST(TuckerSpectrum, SinglePhaseDividesByThePhaseCount) {
    // Bin 199 (99.5 keV) is reached only by the phases 86°, 88° and 90°, each with weight 1 and one electron
    // energy: the single-phase value is three such terms over 45, not over the sum of the weights.
    BinArray no_absorption{};
    BinArray single = UnfilteredSpectrum(100, 12, tubegen::kSinglePhase, no_absorption);
    BinArray constant = UnfilteredSpectrum(100, 12, tubegen::kConstantPotential, no_absorption);
    EXPECT_NEAR(single[199] / constant[199], 3.0 / 45.0, 1e-4);
    EXPECT_EQ(single[200], 0);
}

TEST(TuckerSpectrum, FractionalVoltageFillsUpToTwiceIt) {
    BinArray U = UnfilteredSpectrum(85.5, 12, tubegen::kConstantPotential, TungstenMu());
    EXPECT_GT(U[170], 0);
    EXPECT_EQ(U[171], 0);
}

TEST(TuckerSpectrum, SelfAbsorptionGrowsWithShallowerAngle) {
    BinArray steep = UnfilteredSpectrum(100, 20, tubegen::kConstantPotential, TungstenMu());
    BinArray shallow = UnfilteredSpectrum(100, 6, tubegen::kConstantPotential, TungstenMu());
    EXPECT_LT(shallow[40], steep[40]);
    EXPECT_LT(shallow[40] / shallow[160], steep[40] / steep[160]);  // and hardens the beam
}

TEST(TuckerSpectrum, RefusesAnglesWithoutPositiveTangent) {
    for (double theta : {0.0, -5.0, 100.0, 180.0, std::nan("")})
        EXPECT_THROW(UnfilteredSpectrum(100, theta, 1, TungstenMu()), tubegen::SpectrumError) << theta;
    EXPECT_NO_THROW(UnfilteredSpectrum(100, 90, 1, TungstenMu()));
}

TEST(TuckerSpectrum, RefusesUnclampedVoltageAndUnknownType) {
    EXPECT_THROW(UnfilteredSpectrum(19.9, 12, 1, TungstenMu()), std::invalid_argument);
    EXPECT_THROW(UnfilteredSpectrum(150.1, 12, 1, TungstenMu()), std::invalid_argument);
    EXPECT_THROW(UnfilteredSpectrum(100, 12, 0, TungstenMu()), std::invalid_argument);
}

}  // namespace
