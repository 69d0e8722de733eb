// The voxel maps the schematic is drawn from, read from the shipped files.
#include <gtest/gtest.h>

#include "frontend/phantom_map.h"
#include "platform/input_error.h"
#include "scratch.h"

namespace {

const std::filesystem::path kData = SHADOWBENCH_DATA_DIR;

TEST(PhantomMap, TheShippedMapsHaveTheirTypesCounts) {
    const struct {
        int type, columns, planes, layers;
        double depth;
    } cases[] = {{1, 3, 3, 4, 20}, {2, 7, 3, 4, 20}, {3, 36, 25, 21, 20}};
    for (const auto& c : cases) {
        const frontend::PhantomMap map = frontend::ReadPhantomMap(c.type, kData);
        EXPECT_EQ(map.columns(), c.columns) << c.type;
        EXPECT_EQ(map.planes(), c.planes) << c.type;
        EXPECT_EQ(map.layers(), c.layers) << c.type;
        double depth = 0, width_x = 0, width_z = 0;
        for (double t : map.layer_thickness) depth += t;
        for (double w : map.col_width) width_x += w;
        for (double w : map.plane_width) width_z += w;
        EXPECT_NEAR(depth, c.depth, 1e-9) << c.type;
        EXPECT_NEAR(width_x, 40, 1e-9) << c.type;
        EXPECT_NEAR(width_z, 40, 1e-5) << c.type;
    }
}

TEST(PhantomMap, RowsLandInTheirLayers) {
    // Water and bone-lung maps list the entrance layer first; the chest map lists the exit layer first.
    frontend_test::ScratchDir dir;
    std::string chest = "25\r\n0.001293\r\n0.25\r\n1.3\r\n3.0\r\n";
    for (int i = 0; i < 23; ++i) chest += "1.6\r\n";
    chest += "0.2\r\n";
    for (int iz = 1; iz <= 25; ++iz) {
        chest += std::to_string(iz) + "\r\n";
        chest += std::string(36, '3') + "\r\n";  // the first row: layer 21, the exit side
        for (int row = 2; row <= 21; ++row) chest += "4" + std::string(35, '2') + "\r\n";
    }
    dir.write("Phantom_Chest.dat", chest);
    const frontend::PhantomMap map = frontend::ReadPhantomMap(3, dir.path());
    EXPECT_EQ(map.code(1, 1, 21), 3);
    EXPECT_EQ(map.code(1, 1, 1), 4);
    EXPECT_EQ(map.code(36, 25, 20), 2);

    const frontend::PhantomMap bone_lung = frontend::ReadPhantomMap(2, kData);
    // Plane 2, row 2 (layer 2) of the shipped file is "1242321".
    const int expected[] = {1, 2, 4, 2, 3, 2, 1};
    for (int ix = 1; ix <= 7; ++ix) EXPECT_EQ(bone_lung.code(ix, 2, 2), expected[ix - 1]) << ix;
}

TEST(PhantomMap, AMissingOrShortFileIsAnInputError) {
    frontend_test::ScratchDir dir;
    EXPECT_THROW(frontend::ReadPhantomMap(1, dir.path()), platform::InputError);
    dir.write("Phantom_Water.dat", "3\r\n0.001293\r\n0.25\r\n1.3\r\n3.0\r\n34.0\r\n3.0\r\n1\r\n111\r\n");
    EXPECT_THROW(frontend::ReadPhantomMap(1, dir.path()), platform::InputError);
    dir.write("Phantom_Water.dat", "0\r\n");
    EXPECT_THROW(frontend::ReadPhantomMap(1, dir.path()), platform::InputError);
}

}  // namespace
