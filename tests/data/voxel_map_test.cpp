// The three voxel map files, read through the engine's text layer with the engine's row order.

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <set>
#include <string>
#include <vector>

#include "data_files.h"
#include "platform/fixed_format.h"
#include "platform/free_form.h"
#include "platform/line_reader.h"

namespace {

constexpr int kAir = 1, kWater = 2, kLung = 3, kBone = 4;

struct VoxelMap {
    int planes = 0;
    float air = 0, lung = 0, bone = 0;
    std::vector<float> widths;
    std::vector<int> plane_numbers;
    int columns = 0, layers = 0;
    std::vector<std::int32_t> codes;  // [plane][layer][column], 0-based, layer 0 at the entrance
    int lines = 0;
    int row_length_mismatches = 0;

    int at(int ix, int iz, int iy) const { return codes[(static_cast<std::size_t>(iz) * layers + iy) * columns + ix]; }
};

VoxelMap read_map(const std::string& name, int columns, int layers, bool exit_side_first) {
    platform::LineReader in(datatest::data_file(name));
    VoxelMap m;
    m.columns = columns;
    m.layers = layers;
    m.planes = platform::read_free_int(in, "the number of planes");
    m.air = platform::read_free_real32(in, "the density of air");
    m.lung = platform::read_free_real32(in, "the density of lung");
    m.bone = platform::read_free_real32(in, "the density of bone");
    for (int i = 0; i < m.planes; ++i) m.widths.push_back(platform::read_free_real32(in, "a plane width"));
    const platform::RecordLayout row("(" + std::to_string(columns) + "I1)");
    m.codes.assign(static_cast<std::size_t>(m.planes) * layers * columns, 0);
    for (int iz = 0; iz < m.planes; ++iz) {
        m.plane_numbers.push_back(platform::read_free_int(in, "the plane's number"));
        for (int r = 0; r < layers; ++r) {
            std::string line = in.next_line("a row of codes");
            if (static_cast<int>(line.size()) != columns) ++m.row_length_mismatches;
            std::vector<std::int32_t> v = row.read_ints(in, line);
            int iy = exit_side_first ? layers - 1 - r : r;
            for (int ix = 0; ix < columns; ++ix) m.codes[(static_cast<std::size_t>(iz) * layers + iy) * columns + ix] = v[ix];
        }
    }
    std::string rest;
    while (in.try_next_line(rest)) {}
    m.lines = in.line_number();
    return m;
}

struct MapFile {
    const char* name;
    int planes, columns, layers;
    bool exit_side_first;
};

const MapFile kMaps[] = {
    {"Phantom_Water.dat", 3, 3, 4, false},
    {"Phantom_Bone-Lung.dat", 3, 7, 4, false},
    {"Phantom_Chest.dat", 25, 36, 21, true},
};

TEST(VoxelMaps, LayoutDensitiesAndCodes) {
    for (const MapFile& f : kMaps) {
        SCOPED_TRACE(f.name);
        VoxelMap m = read_map(f.name, f.columns, f.layers, f.exit_side_first);
        EXPECT_EQ(m.planes, f.planes);
        // The grid build's fixed densities, so that both builds simulate the same phantom.
        EXPECT_EQ(m.air, 0.001293f);
        EXPECT_EQ(m.lung, 0.25f);
        EXPECT_EQ(m.bone, 1.3f);
        EXPECT_NEAR(std::accumulate(m.widths.begin(), m.widths.end(), 0.0), 40.0, 1e-4);
        for (float w : m.widths) EXPECT_GT(w, 0.0f);
        std::vector<int> numbers(f.planes);
        std::iota(numbers.begin(), numbers.end(), 1);
        EXPECT_EQ(m.plane_numbers, numbers);
        EXPECT_EQ(m.row_length_mismatches, 0) << "each row holds exactly one digit per column";
        EXPECT_EQ(m.lines, 4 + f.planes * (2 + f.layers)) << "nothing after the last plane";
        std::set<int> codes(m.codes.begin(), m.codes.end());
        for (int c : codes) EXPECT_TRUE(c >= kAir && c <= kBone) << "code " << c;
    }
}

TEST(VoxelMaps, WaterPhantomIsASlabInAir) {
    VoxelMap m = read_map("Phantom_Water.dat", 3, 4, false);
    EXPECT_EQ(m.widths, (std::vector<float>{3, 34, 3}));
    for (int iz = 0; iz < 3; ++iz)
        for (int iy = 0; iy < 4; ++iy)
            for (int ix = 0; ix < 3; ++ix)
                EXPECT_EQ(m.at(ix, iz, iy), ix == 1 && iz == 1 ? kWater : kAir) << ix << "," << iz << "," << iy;
}

TEST(VoxelMaps, BoneLungPhantomHoldsRodAndBlockInTheSecondLayer) {
    VoxelMap m = read_map("Phantom_Bone-Lung.dat", 7, 4, false);
    EXPECT_EQ(m.widths, (std::vector<float>{3, 34, 3}));
    for (int iz = 0; iz < 3; ++iz)
        for (int iy = 0; iy < 4; ++iy)
            for (int ix = 0; ix < 7; ++ix) {
                int expected = kAir;
                if (iz == 1 && ix >= 1 && ix <= 5) expected = kWater;
                if (iz == 1 && iy == 1 && ix == 2) expected = kBone;  // x 9 to 15 cm, 8 to 12 cm deep
                if (iz == 1 && iy == 1 && ix == 4) expected = kLung;  // x 25 to 31 cm
                EXPECT_EQ(m.at(ix, iz, iy), expected) << ix << "," << iz << "," << iy;
            }
}

class ChestPhantom : public ::testing::Test {
protected:
    static void SetUpTestSuite() { map_ = new VoxelMap(read_map("Phantom_Chest.dat", 36, 21, true)); }
    static void TearDownTestSuite() { delete map_; }
    static const VoxelMap& m() { return *map_; }
    // Column ix (0-based) spans x from ix + 2 to ix + 3 cm for ix = 1..34.
    static int column_at(double x) { return static_cast<int>(x) - 2; }
    static int count(int code, int iz0, int iz1, int iy0, int iy1, int ix0, int ix1) {
        int n = 0;
        for (int iz = iz0; iz <= iz1; ++iz)
            for (int iy = iy0; iy <= iy1; ++iy)
                for (int ix = ix0; ix <= ix1; ++ix) n += m().at(ix, iz, iy) == code;
        return n;
    }
    static VoxelMap* map_;
};
VoxelMap* ChestPhantom::map_ = nullptr;

TEST_F(ChestPhantom, AirAroundTheTorso) {
    EXPECT_EQ(m().widths.front(), 3.0f);
    EXPECT_EQ(m().widths.back(), 3.0f);
    EXPECT_EQ(count(kAir, 0, 0, 0, 20, 0, 35), 21 * 36) << "first plane";
    EXPECT_EQ(count(kAir, 24, 24, 0, 20, 0, 35), 21 * 36) << "last plane";
    EXPECT_EQ(count(kAir, 0, 24, 0, 20, 0, 0), 25 * 21) << "first column";
    EXPECT_EQ(count(kAir, 0, 24, 0, 20, 35, 35), 25 * 21) << "last column";
    // Elliptical: the corners of every inner plane are air, its centre is not.
    for (int iz = 1; iz <= 23; ++iz) {
        EXPECT_EQ(m().at(1, iz, 0), kAir) << "plane " << iz + 1;
        EXPECT_EQ(m().at(34, iz, 20), kAir) << "plane " << iz + 1;
        EXPECT_NE(m().at(column_at(19.5), iz, 0), kAir) << "plane " << iz + 1;
        EXPECT_NE(m().at(column_at(19.5), iz, 20), kAir) << "plane " << iz + 1;
    }
}

TEST_F(ChestPhantom, SpineAtTheBackSternumAtTheFront) {
    // Read with the chest's reversed row order, the spine must lie near the entrance (the back).
    const int mid = column_at(19.5);
    for (int iz = 1; iz <= 23; ++iz) EXPECT_EQ(m().at(mid, iz, 5), kBone) << "spine, plane " << iz + 1;
    EXPECT_EQ(count(kBone, 1, 23, 14, 20, mid, mid + 1) > 0, true) << "sternum";
    EXPECT_EQ(count(kBone, 1, 23, 10, 16, mid, mid + 1), 0) << "nothing but soft tissue between them";
}

TEST_F(ChestPhantom, TwoLungsAboveTheDiaphragm) {
    const int right = count(kLung, 0, 24, 0, 20, 0, column_at(19.5));
    const int left = count(kLung, 0, 24, 0, 20, column_at(20.5), 35);
    EXPECT_GT(right, 500);
    EXPECT_GT(left, 400) << "the heart takes room from the left lung";
    EXPECT_LT(left, right);
    EXPECT_EQ(count(kLung, 0, 24, 0, 20, column_at(18.5), column_at(21.5)), 0) << "mediastinum";
    EXPECT_EQ(count(kLung, 21, 24, 0, 20, 0, 35), 0) << "abdomen below the diaphragm (z > 28.5 cm)";
}

TEST_F(ChestPhantom, RibsAlternateWithIntercostalSpaces) {
    // Along z at the flank, bone appears in some planes and not in the planes between them.
    int changes = 0;
    bool before = false;
    for (int iz = 1; iz <= 23; ++iz) {
        bool bone = count(kBone, iz, iz, 0, 20, column_at(5.5), column_at(6.5)) > 0;
        if (iz > 1 && bone != before) ++changes;
        before = bone;
    }
    EXPECT_GE(changes, 12) << "at least six ribs with gaps between them";
}

}  // namespace
