#include "engine/phantom.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/build_switch.h"
#include "engine/materials.h"
#include "engine/spectrum_file.h"
#include "engine_fixture.h"

namespace {

using namespace engine::phantom;
using testsupport::EngineWorkDir;

void load(const EngineWorkDir& dir, int type, double thickness, double field = 34.0) {
    dir.write_conditions(type, thickness, field, 0, 1.0e6);
    load_run_conditions();
    load_phantom();
}

std::vector<float> layers() { return std::vector<float>(layer_thickness + 1, layer_thickness + layer_count + 1); }
std::vector<float> columns() { return std::vector<float>(col_width + 1, col_width + col_count + 1); }

TEST(Geometry, WaterPhantomFollowsTheThickness) {
    EngineWorkDir dir;
    load(dir, 1, 15.0, 20.0);
    EXPECT_EQ(layers(), (std::vector<float>{0.1f, 15.0f - 0.2f, 0.05f, 0.05f}));
    EXPECT_EQ(columns(), (std::vector<float>{3, 34, 3}));
    EXPECT_EQ(plane_count, 3);
    EXPECT_EQ(phantom_depth, 15.0f);
    EXPECT_EQ(field_size_x, 20.0f);
    EXPECT_EQ(source_distance, 10000.0f);
    EXPECT_EQ(engine::spectrum::header_lines[10], "Water Phantom                 ");
}

TEST(Geometry, BoneLungPhantomIsTwentyCentimetresWhateverTheThickness) {
    EngineWorkDir dir;
    load(dir, 2, 30.0);
    std::vector<float> expected = engine::grid_build ? std::vector<float>{8, 4, 7.95f, 0.05f}
                                                     : std::vector<float>{8, 4, 8, 0};
    EXPECT_EQ(layers(), expected);
    EXPECT_EQ(columns(), (std::vector<float>{3, 6, 6, 10, 6, 6, 3}));
    EXPECT_EQ(phantom_depth, 20.0f);
    EXPECT_EQ(phantom_thickness, 30.0f) << "still echoed in the result file";
}

TEST(Geometry, ChestPhantomAndItsGridLayer) {
    EngineWorkDir dir;
    load(dir, 3, 20.0, 36.0);
    std::vector<float> expected(19, 1.0f);
    expected.push_back(0.95f);
    expected.push_back(0.05f);
    EXPECT_EQ(layers(), expected);
    EXPECT_EQ(col_count, 36);
    EXPECT_EQ(col_width[1], 3.0f);
    EXPECT_EQ(col_width[2], 1.0f);
    EXPECT_EQ(col_width[36], 3.0f);
    EXPECT_EQ(plane_count, 25);
    EXPECT_FLOAT_EQ(col_bound[36], 40.0f);
    EXPECT_FLOAT_EQ(plane_bound[25], 40.0f);
    if (engine::grid_build) {
        EXPECT_EQ(layer_thickness_grid[21], 0.05f);
        EXPECT_EQ(layer_thickness_grid[22], 0.16f);
        EXPECT_EQ(layer_thickness_grid[23], 0.0f);
    }
}

TEST(Geometry, GridStripsAlternateLeadAndAluminium) {
    if (!engine::grid_build) GTEST_SKIP() << "the no-grid build has no strips";
    EngineWorkDir dir;
    load(dir, 1, 20.0);
    EXPECT_EQ(layer_thickness_grid[5], 0.16f);
    EXPECT_EQ(grid_code[1], 5);
    EXPECT_EQ(grid_code[2], 6);
    EXPECT_EQ(grid_code[3200], 6);
    EXPECT_EQ(grid_strip_width[1], 0.005f);
    EXPECT_EQ(grid_strip_width[2], 0.02f);
    EXPECT_EQ(strip_bound[1], 0.005f);
    EXPECT_NEAR(strip_bound[3200], 40.0f, 1e-3f);
    // Boundaries are the running sums in strip order, exactly as the tracker would form them.
    float s = 0;
    for (int i = 1; i <= grid_strips; ++i) ASSERT_EQ(strip_bound[i], s = s + grid_strip_width[i]) << i;
}

TEST(Geometry, DensityLinesCountOnlyInTheNoGridBuild) {
    EngineWorkDir dir;
    std::string map = dir.read("Phantom_Water.dat");
    std::size_t second_line = map.find('\n') + 1;
    dir.write("Phantom_Water.dat", map.substr(0, second_line) + "0.5\r\n0.6\r\n1.9\r\n" +
                                       map.substr(map.find('\n', map.find('\n', map.find('\n', second_line) + 1) + 1) + 1));
    load(dir, 1, 20.0);
    using engine::materials::code_density;
    if (engine::grid_build) {
        EXPECT_EQ(code_density[1], 0.001293f);
        EXPECT_EQ(code_density[3], 0.25f);
        EXPECT_EQ(code_density[4], 1.3f);
        EXPECT_EQ(code_density[5], 11.34f);
        EXPECT_EQ(code_density[6], 2.699f);
    } else {
        EXPECT_EQ(code_density[1], 0.5f);
        EXPECT_EQ(code_density[3], 0.6f);
        EXPECT_EQ(code_density[4], 1.9f);
    }
    EXPECT_EQ(code_density[2], 1.0f);
}

TEST(VoxelMap, ChestRowsRunFromTheExitSide) {
    EngineWorkDir dir;
    std::string map = "25\r\n0.001293\r\n0.25\r\n1.3\r\n3.0\r\n";
    for (int i = 0; i < 22; ++i) map += "1.5\r\n";
    map += "1.0\r\n3.0\r\n";
    for (int iz = 1; iz <= 25; ++iz) {
        map += std::to_string(iz) + "\r\n";
        for (int row = 1; row <= 21; ++row) map += std::string(36, static_cast<char>('1' + row % 4)) + "\r\n";
    }
    dir.write("Phantom_Chest.dat", map);
    load(dir, 3, 20.0, 36.0);
    for (int row = 1; row <= 21; ++row)
        EXPECT_EQ(voxel_code[7][12][22 - row], 1 + row % 4) << "row " << row << " is layer " << 22 - row;
    EXPECT_EQ(plane_width[24], 1.0f);
}

TEST(VoxelMap, WaterAndBoneLungRowsRunFromTheEntrance) {
    EngineWorkDir dir;
    load(dir, 2, 20.0);
    // The shipped bone-lung phantom: the bone rod (column 3) and the lung block (column 5) lie in layer 2.
    EXPECT_EQ(voxel_code[3][2][2], 4);
    EXPECT_EQ(voxel_code[5][2][2], 3);
    EXPECT_EQ(voxel_code[3][2][1], 2);
    EXPECT_EQ(voxel_code[1][2][2], 1);
}

}  // namespace
