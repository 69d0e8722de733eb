#include "engine/table_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

// The branch-free searches must answer exactly as the standard bisections, equal entries included.
TEST(TableSearch, AgreesWithTheStandardBisections) {
    std::mt19937 random(7);
    for (int trial = 0; trial < 20000; ++trial) {
        const int n = static_cast<int>(random() % 40);
        float a[40];
        for (int i = 0; i < n; ++i) a[i] = static_cast<float>(random() % 10);
        std::sort(a, a + n);
        const float v = static_cast<float>(random() % 23) / 2.0f - 0.5f;
        ASSERT_EQ(engine::first_not_below(a, n, v), std::lower_bound(a, a + n, v) - a) << n << " " << v;
        ASSERT_EQ(engine::first_above(a, n, v), std::upper_bound(a, a + n, v) - a) << n << " " << v;
    }
}

}  // namespace
