#include "engine/materials.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/build_switch.h"
#include "engine_fixture.h"

namespace {

using namespace engine::materials;
using testsupport::EngineWorkDir;

class Materials : public testing::Test {
protected:
    void SetUp() override { load_materials(); }
    EngineWorkDir dir_;
};

ProcessCoefficients at(int m, float e) { return attenuation_at(m, e, std::log(e)); }

TEST_F(Materials, DoubledEdgeUsesTheRecordAboveFromTheEdgeEnergyOn) {
    // Bone's calcium K edge lies inside the tables of both builds.
    int k = 2;
    while (k < max_mix_points && mix_energy[2][k] != mix_energy[2][k + 1]) ++k;
    ASSERT_LT(k, max_mix_points) << "bone has a doubled edge record";
    const float edge = mix_energy[2][k];
    ASSERT_GT(mix_coef[2][3][k + 1], mix_coef[2][3][k]) << "photoelectric jumps up across the edge";

    EXPECT_NEAR(at(2, edge).photoelectric, mix_coef[2][3][k + 1], 1e-5 * mix_coef[2][3][k + 1]);
    const float below = std::nextafter(edge, 0.0f);
    EXPECT_NEAR(at(2, below).photoelectric, mix_coef[2][3][k], 1e-4 * mix_coef[2][3][k]);
    for (float e : {below, edge, std::nextafter(edge, 200.0f)}) EXPECT_TRUE(std::isfinite(at(2, e).coherent));
}

TEST_F(Materials, BelowTheFirstRecordExtrapolatesAlongTheFirstInterval) {
    const double e1 = mix_energy[1][1], e2 = mix_energy[1][2];
    const float e = static_cast<float>(e1 * 0.8);
    for (int j = 1; j <= 3; ++j) {
        double slope = std::log(mix_coef[1][j][2] / mix_coef[1][j][1]) / std::log(e2 / e1);
        double expected = mix_coef[1][j][1] * std::pow(e / e1, slope);
        float got = j == 1 ? at(1, e).coherent : j == 2 ? at(1, e).incoherent : at(1, e).photoelectric;
        EXPECT_NEAR(got, expected, 1e-4 * expected) << "process " << j;
    }
}

TEST_F(Materials, CoherentTableStartsWithTwoZerosAndEndsAtOne) {
    for (int m = 1; m <= material_count; ++m) {
        EXPECT_EQ(coh_cdf[m][1], 0.0f);
        EXPECT_EQ(coh_cdf[m][2], 0.0f);
        EXPECT_EQ(coh_cdf_last[m], 1.0f);
        EXPECT_EQ(incoh_max[m], xfs_incoh[m][xfs_points]);
        EXPECT_EQ(sample_coherent_x(m, 0.0f), xfs_x[2]) << "a deviate of 0 gives the second grid point";
        for (int n = 0; n <= 16383; n += 7) ASSERT_GE(sample_coherent_x(m, n / 16384.1f), xfs_x[2]);
    }
}

TEST_F(Materials, TheLastScatteringFactorFileSetsTheGridForAll) {
    const char* last = engine::grid_build ? "Al.xfs" : "Bone-ICRU.xfs";
    std::string text = dir_.read(last);
    // Stretch the last file's x column: the shared grid must follow it.
    std::string stretched;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        std::string line = text.substr(pos, end - pos + 1);
        char x[16];
        std::snprintf(x, sizeof x, "%10.3E", std::atof(line.substr(0, 10).c_str()) * 1.1 + 0.01);
        stretched += x + line.substr(10);
        pos = end + 1;
    }
    dir_.write(last, stretched);
    load_materials();
    EXPECT_FLOAT_EQ(xfs_x[1], 0.01f);
    EXPECT_NEAR(xfs_x[xfs_points], std::atof(stretched.substr(stretched.rfind("\n", stretched.size() - 2) + 1, 10).c_str()),
                1e-6);
}

}  // namespace
