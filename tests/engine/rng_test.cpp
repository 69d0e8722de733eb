#include "engine/rng.h"

#include <gtest/gtest.h>

namespace {

using namespace engine::rng;

TEST(Generator, SeedAndWarmUpGiveTheWorkedValues) {
    // The table after the seeding loop, before the warm-up.
    rng_table[1] = 3783;
    for (int i = 2; i <= 55; ++i) rng_table[i] = (2 * rng_table[i - 1] + i) % 16384;
    EXPECT_EQ(rng_table[2], 7568);
    EXPECT_EQ(rng_table[5], 11417);
    EXPECT_EQ(rng_table[53], 16329);
    EXPECT_EQ(rng_table[55], 16327);

    initialise_rng();
    EXPECT_EQ(rng_lag_j, 14);
    EXPECT_EQ(rng_lag_k, 45);
    const int values[] = {11314, 1077, 7144, 4623, 8326, 12357, 12982, 4917};
    const float deviates[] = {0.6905476f, 0.0657345f, 0.4360325f, 0.2821638f,
                              0.5081756f, 0.7542068f, 0.7923536f, 0.3001080f};
    for (int n = 0; n < 8; ++n) {
        float u = draw_uniform();
        EXPECT_EQ(rng_table[rng_lag_k == 55 ? 1 : rng_lag_k + 1], values[n]) << "draw " << n + 1;
        EXPECT_NEAR(u, deviates[n], 1e-7) << "draw " << n + 1;
        EXPECT_EQ(u, static_cast<float>(values[n]) / 16384.1f);
    }
}

TEST(Generator, IndicesWrapFromOneToFiftyFive) {
    initialise_rng();
    for (int n = 0; n < 14; ++n) draw_uniform();
    EXPECT_EQ(rng_lag_j, 55);
    EXPECT_EQ(rng_lag_k, 31);
    for (int n = 0; n < 200; ++n) {
        draw_uniform();
        ASSERT_GE(rng_lag_j, 1);
        ASSERT_LE(rng_lag_j, 55);
        ASSERT_EQ((rng_lag_k - rng_lag_j + 55) % 55, 31);
    }
}

TEST(Generator, DeviateRangeIncludesZeroNeverOne) {
    initialise_rng();
    // Arrange the two entries to add up to the modulus: the new entry, and the deviate, is exactly 0.
    rng_table[rng_lag_k] = 16384 - rng_table[rng_lag_j];
    EXPECT_EQ(draw_uniform(), 0.0f);
    rng_table[rng_lag_j] = 16383;
    rng_table[rng_lag_k] = 0;
    float largest = draw_uniform();
    EXPECT_LT(largest, 1.0f);
    EXPECT_FLOAT_EQ(largest, 0.99993288517f);
}

}  // namespace
