// Result files pinned by their SHA-256: any change to the stream of deviates or to the 32-bit arithmetic
// shows here, and so does a change to the shipped data files they read. When a change of results is intended, run
//   ctest --test-dir build -R Golden --output-on-failure
// copy the printed hashes into the table below and say in the commit message why the results changed.
#include <gtest/gtest.h>

#include "engine/build_switch.h"
#include "engine_fixture.h"
#include "sha256.h"

namespace {

using testsupport::EngineWorkDir;

// A fixed smooth spectrum up to 100 kV, independent of the spectrum generator.
void write_fixed_spectrum(const EngineWorkDir& dir) {
    std::array<float, 301> w{};
    double sum = 0;
    for (int k = 10; k < 200; ++k) sum += k * (200.0 - k);
    for (int k = 10; k < 200; ++k) w[k] = static_cast<float>(k * (200.0 - k) / sum);
    dir.write_spectrum(w);
}

struct GoldenCase {
    const char* name;
    int type;
    double thickness, field;
    const char* nogrid_hash;
    const char* grid_hash;
};

class Golden : public testing::TestWithParam<GoldenCase> {};

TEST_P(Golden, ResultFileIsByteForByteThePinnedOne) {
    const GoldenCase& c = GetParam();
    EngineWorkDir dir;
    write_fixed_spectrum(dir);
    dir.write_conditions(c.type, c.thickness, c.field, engine::grid_build, 1.0e4);
    testsupport::EngineRun first = testsupport::run_engine();
    ASSERT_EQ(first.status, 0) << first.errors;
    const std::string hash = testsupport::sha256_of_file("out.data");
    EXPECT_EQ(hash, engine::grid_build ? c.grid_hash : c.nogrid_hash) << c.name;

    // Determinism: the same inputs give the same bytes again.
    std::filesystem::rename("out.data", "first.data");
    testsupport::EngineRun second = testsupport::run_engine();
    ASSERT_EQ(second.status, 0);
    EXPECT_EQ(dir.read("out.data"), dir.read("first.data"));
}

INSTANTIATE_TEST_SUITE_P(
    Runs, Golden,
    testing::Values(GoldenCase{"water 20 cm, field 34", 1, 20.0, 34.0,
                               "ebf990ad57ccff7d794a1a99193bc6a07bc095d343a312f24bc88387243c4082",
                               "4efd7a5d1f146aea37c48d2b8f85c9dd251a5b5987459a306baa27592fc03a9c"},
                    GoldenCase{"bone-lung", 2, 20.0, 34.0,
                               "471ccfd04b68d9d71657287d9fcec68ca2c7efd27179723bb00dd53c7b5a0438",
                               "a2f4f817c44389a80bfa31ba3537e7bad2b2446e7f662d8222be61683c3ec426"},
                    GoldenCase{"chest, field 36", 3, 20.0, 36.0,
                               "5fffd467545ab9d5fdd828f6dacd8dfc4df3343c1d0672313e50c4c451f6d497",
                               "ab442942b3c92c9ce47544c53c7f4534d6110d8f2873059bad1a482eca708132"}),
    [](const testing::TestParamInfo<GoldenCase>& info) { return "phantom" + std::to_string(info.param.type); });

}  // namespace
