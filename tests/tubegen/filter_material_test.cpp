#include "tubegen/filter_material.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/input_error.h"
#include "tubegen/arbitrary_filters.h"
#include "tubegen/spectrum_error.h"

namespace {

const std::filesystem::path kFixtures = TUBEGEN_FIXTURES;

// Edge.ele: density 2; totals 1001.1 at 1 keV, 2.43 just below and 16.43 just above a 10 keV edge, 0.5 at
// 50 keV and 0.134 at 200 keV.
tubegen::BinArray EdgeMu() {
    return tubegen::ComputeFilterMu(tubegen::LoadFilterMaterial(kFixtures / "Edge.ele"));
}

TEST(FilterMaterial, ReadsNameDensityAndTotals) {
    tubegen::FilterMaterial m = tubegen::LoadFilterMaterial(kFixtures / "Edge.ele");
    EXPECT_EQ(m.name, "Edge test material");
    EXPECT_EQ(m.density, 2.0);
    ASSERT_EQ(m.MaterialTable.size(), 7u);  // rows 1 … 6, row 0 unused
    EXPECT_DOUBLE_EQ(m.MaterialTable[4][1], 0.010);
    EXPECT_DOUBLE_EQ(m.MaterialTable[4][0], 0.3 + 0.13 + 16.0);
}

TEST(FilterMu, AtExactly1keVUsesTheFirstTwoRows) {
    tubegen::BinArray mu = EdgeMu();
    EXPECT_NEAR(mu[2], 2.0 * 1001.1, 1e-9);
    EXPECT_EQ(mu[1], mu[2]);
}

TEST(FilterMu, AtTheEdgeEnergyUsesTheRecordAboveTheEdge) {
    tubegen::BinArray mu = EdgeMu();
    EXPECT_NEAR(mu[20], 2.0 * 16.43, 1e-9);  // 10 keV itself
    EXPECT_GT(mu[18], 2.0 * 2.43);           // 9 keV: below the edge, falling towards 2.43
    EXPECT_LT(mu[18], mu[20]);
    EXPECT_LT(mu[22], mu[20]);  // 11 keV: above the edge, falling from 16.43
    EXPECT_GT(mu[22], 2.0 * 0.5);
}

TEST(FilterMu, InterpolatesLinearlyInLogarithms) {
    tubegen::BinArray mu = EdgeMu();
    // 100 keV lies halfway between 50 and 200 keV on a log scale: the geometric mean of the totals.
    EXPECT_NEAR(mu[200], 2.0 * std::sqrt(0.5 * 0.134), 1e-12);
    // Odd bins are the mean of their neighbours.
    EXPECT_DOUBLE_EQ(mu[19], (mu[18] + mu[20]) / 2);
    EXPECT_DOUBLE_EQ(mu[299], (mu[298] + mu[300]) / 2);
}

TEST(AddArbitraryFilter, FillsSlotsInOrderUpToThree) {
    tubegen::ArbitraryFilters filters;
    for (double mm : {1.5, 0.5, 10.0}) tubegen::AddArbitraryFilter(filters, kFixtures / "Edge.ele", mm);
    EXPECT_EQ(filters.FilterCount, 3);
    EXPECT_EQ(filters.FilterName[2], "Edge test material");
    EXPECT_DOUBLE_EQ(filters.FilterThickness[1], 0.15);
    EXPECT_DOUBLE_EQ(filters.FilterThickness[3], 1.0);
    EXPECT_EQ(filters.FilterMu[3], EdgeMu());
    EXPECT_THROW(tubegen::AddArbitraryFilter(filters, kFixtures / "Edge.ele", 1), tubegen::SpectrumError);
    EXPECT_EQ(filters.FilterCount, 3);
    filters.Reset();
    EXPECT_EQ(filters.FilterCount, 0);
    EXPECT_EQ(filters.FilterMu[1][100], 0);
}

TEST(AddArbitraryFilter, RefusesFilesThatCannotGiveCoefficients) {
    auto add = [](const std::filesystem::path& file) {
        tubegen::ArbitraryFilters filters;
        try {
            tubegen::AddArbitraryFilter(filters, file, 1.0);
        } catch (...) {
            EXPECT_EQ(filters.FilterCount, 0) << "a refused file took a slot";
            throw;
        }
    };
    for (const char* file :
         {"StartsAt2keV.ele", "EndsAt100keV.ele", "TooManyRecords.ele", "ZeroCoefficient.ele"})
        EXPECT_THROW(add(kFixtures / file), tubegen::SpectrumError) << file;
    for (const char* file : {"Short.ele", "Missing.ele"})
        EXPECT_THROW(add(kFixtures / file), platform::InputError) << file;
}

}  // namespace
