#include "engine/tracking.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/build_switch.h"
#include "engine/grid.h"
#include "engine/materials.h"
#include "engine/phantom.h"
#include "engine/photon.h"
#include "engine/rng.h"
#include "engine/tallies.h"
#include "engine_fixture.h"

namespace {

using namespace engine;
using namespace engine::photon;
using testsupport::EngineWorkDir;

TEST(CellSearch, ACoordinateOnABoundaryBelongsToTheLowerCell) {
    const float bound[] = {0, 3, 37, 40};
    struct Case {
        float t;
        int cell;
    } cases[] = {{-1, 0}, {0, 0}, {1e-6f, 1}, {3, 1}, {std::nextafter(3.0f, 4.0f), 2}, {37, 2}, {40, 3}, {40.001f, 4}};
    for (const Case& c : cases) EXPECT_EQ(tracking::cell_search(c.t, bound, 3), c.cell) << c.t;
}

TEST(CellSearch, SteppingFromAnyGuessFindsTheSameCell) {
    const float bound[] = {0, 3, 9, 15, 15, 25, 31, 37, 40};  // a cell of zero width included
    for (float t : {-1.0f, 0.0f, 0.5f, 3.0f, 3.5f, 15.0f, 15.5f, 24.9f, 40.0f, 41.0f})
        for (int guess = -2; guess <= 11; ++guess)
            EXPECT_EQ(tracking::cell_search_from(t, bound, 8, guess), tracking::cell_search(t, bound, 8))
                << t << " from " << guess;
}

// A phantom loaded from the shipped water map, with every material given the same attenuation so that
// path_left is a length in cm.
class Flight : public testing::Test {
protected:
    void SetUp() override { load(20.0f); }

    void load(float thickness) {
        dir_.write_conditions(1, thickness, 34.0, 0, 100);
        phantom::load_run_conditions();
        phantom::load_phantom();
        tallies::clear_tallies();
        tracking::use_phantom_tables();
        for (float& mu : mu_by_code) mu = 0.2f;
        for (float& ratio : ratio_by_code) ratio = 1.0f;
        mu_w = 0.2f;
        scatter_class = 1;
        in_grid = 0;
    }

    // Places the photon with a direction and returns the code where a flight of `length` cm ends.
    int carry(float x, float y, float z, float cos_t, float sin_t, float cos_p, float sin_p, float length) {
        photon_x = x, photon_y = y, photon_z = z;
        cos_theta = cos_t, sin_theta = sin_t, cos_phi = cos_p, sin_phi = sin_p;
        cur_ix = tracking::cell_search(x, track_col_bound, track_col_count);
        cur_iz = tracking::cell_search(z, track_plane_bound, track_plane_count);
        cur_iy = tracking::cell_search(y, phantom::layer_bound, track_layer_count);
        path_left = length;
        float xe = x + sin_t * cos_p * length, ye = y + cos_t * length, ze = z + sin_t * sin_p * length;
        return tracking::carry_photon(tracking::flight_line(xe, ye, ze));
    }

    EngineWorkDir dir_;
};

TEST_F(Flight, EndingInTheStartingCellNeedsNoCrossing) {
    EXPECT_EQ(carry(20, 5, 20, 0.8f, 0.6f, 0.6f, 0.8f, 1.0f), 2);
    EXPECT_EQ(cur_iy, 2);
    EXPECT_FLOAT_EQ(photon_y, 5.8f);
}

TEST_F(Flight, EndOnAnUpperBoundaryStaysEndOnALowerBoundaryCrosses) {
    // Nearly along the beam: cos_theta rounds to 1, yet x and z still change.
    const float b2 = phantom::layer_bound[2];
    ASSERT_EQ(b2 - 2.0f + 2.0f, b2);
    EXPECT_EQ(carry(20, b2 - 2.0f, 20, 1.0f, 1e-4f, 0.6f, 0.8f, 2.0f), 2);
    EXPECT_EQ(photon_y, b2);
    EXPECT_EQ(cur_iy, 2) << "toward higher indices an end on the boundary stays in the cell";

    const float b1 = phantom::layer_bound[1];
    EXPECT_EQ(carry(20, 2 * b1, 20, -1.0f, 1e-4f, 0.6f, 0.8f, b1), 2);
    EXPECT_EQ(photon_y, b1);
    EXPECT_EQ(cur_iy, 1) << "toward lower indices an end on the boundary crosses it";
}

TEST_F(Flight, LeavingThroughASideFaceIsNeverScored) {
    // Heading out through x = 40 on a line that would still meet the image plane inside the image.
    EXPECT_EQ(carry(39.9f, 19.9f, 20, 0.6f, 0.8f, 1.0f, 1e-3f, 5.0f), 0);
    EXPECT_EQ(tallies::spectrum_tally[1][0] + tallies::spectrum_tally[1][240], 0.0f);
    float scored = 0;
    for (int n = 1; n <= 300; ++n) scored += tallies::spectrum_tally[1][n];
    EXPECT_EQ(scored, 0.0f);
}

// Ties of the crossing distances decide the photon's fate where they meet the exit surface: depth wins,
// so the photon is scored instead of being lost through the side face.
TEST_F(Flight, TiesWithTheDepthBoundaryGoToDepth) {
    if (grid_build) GTEST_SKIP() << "at the exit the grid build enters the grid instead of scoring";
    // One 20 cm cube cell: every boundary at 20, so equal direction components meet them all at once.
    phantom::col_count = phantom::plane_count = phantom::layer_count = 1;
    phantom::col_bound[1] = phantom::plane_bound[1] = phantom::layer_bound[1] = 20;
    phantom::voxel_code[1][1][1] = 2;
    phantom::form_walk_codes();
    tracking::use_phantom_tables();
    phantom::phantom_depth = 20;
    const float c = 0.57735026f;  // all three components equal
    struct Case {
        const char* what;
        float cos_t, sin_t, cos_p, sin_p;
    } cases[] = {
        {"x, z and y", c, c / 0.70710677f, 0.70710677f, 0.70710677f},
        {"x and y", 0.70710677f, 0.70710677f, 1.0f, 1e-3f},
        {"z and y", 0.70710677f, 0.70710677f, 1e-3f, 1.0f},
    };
    for (const Case& k : cases) {
        tallies::clear_tallies();
        photon_energy = 60.0f;
        photon_x = photon_y = photon_z = 19.0f;
        cos_theta = k.cos_t, sin_theta = k.sin_t, cos_phi = k.cos_p, sin_phi = k.sin_p;
        cur_ix = cur_iz = cur_iy = 1;
        path_left = 5.0f;
        float xe = 19 + sin_theta * cos_phi * 5, ye = 19 + cos_theta * 5, ze = 19 + sin_theta * sin_phi * 5;
        EXPECT_EQ(tracking::carry_photon(tracking::flight_line(xe, ye, ze)), 0) << k.what;
        EXPECT_EQ(tallies::spectrum_tally[1][120], 1.0f) << k.what << ": scored through the exit surface";
    }
}

TEST_F(Flight, AFlightThatDoesNotChangeACoordinateEndsTheHistory) {
    tracking::set_flight_attenuation();
    photon_x = 20, photon_y = 5, photon_z = 20;
    cur_ix = cur_iz = cur_iy = 2;
    photon_energy = 60;
    rng::initialise_rng();
    const int lag_before = rng::rng_lag_k;
    cos_theta = 0.8f, sin_theta = 0.6f, cos_phi = 1.0f, sin_phi = 0.0f;  // z never changes
    EXPECT_FALSE(tracking::fly());
    EXPECT_EQ((lag_before - rng::rng_lag_k + 55) % 55, 2) << "only the flight's two deviates were drawn";
}

TEST_F(Flight, GridEntryAndTheTwentyCentimetreRule) {
    if (!grid_build) GTEST_SKIP() << "the no-grid build has no grid";
    // Entry exactly on a strip boundary starts in the lower strip.
    photon_x = phantom::strip_bound[2];
    grid::enter_grid();
    EXPECT_EQ(cur_ix, 2);
    EXPECT_EQ(cur_iy, 5);
    EXPECT_FLOAT_EQ(phantom::phantom_depth, 20.16f);
    photon_x = std::nextafter(phantom::strip_bound[2], 1.0f);
    grid::enter_grid();
    EXPECT_EQ(cur_ix, 3);

    struct Case {
        float thickness;
        int code;  // where a flight ending in the grid interacts; 0 when dropped
    } cases[] = {{20.0f, 6}, {15.0f, 0}};
    materials::load_materials();
    for (const Case& c : cases) {
        load(c.thickness);
        // Real attenuation at 60 keV: the flight crosses the last 0.01 cm of water, then ends about
        // 0.05 cm deep in the grid's aluminium.
        photon_energy = 60.0f;
        in_grid = 1;
        tracking::set_flight_attenuation();
        const float aluminium = ratio_by_code[6];
        in_grid = 0;
        tracking::use_phantom_tables();
        const float x = 20.01f;  // inside an aluminium interspace
        const float y = phantom::layer_bound[4];
        EXPECT_EQ(carry(x, y - 0.01f, 20, 0.99999f, 0.0044721f, 0.6f, 0.8f, 0.01f + 0.05f * aluminium), c.code)
            << "phantom of " << c.thickness << " cm";
        EXPECT_EQ(in_grid, 1);
    }
}

TEST(Scoring, PixelAndBinIndices) {
    EngineWorkDir dir;
    dir.write_conditions(1, 20.0, 34.0, 0, 100);
    phantom::load_run_conditions();
    phantom::load_phantom();
    struct Case {
        float x, z, energy, cos_t;
        int i, j, bin;  // i = 0: not scored
    } cases[] = {
        {0.1f, 20, 60, 1, 0, 0, 0},     {0.2f, 20, 60, 1, 1, 100, 120}, {40.1f, 20, 60, 1, 200, 100, 120},
        {-0.01f, 20, 60, 1, 0, 0, 0},   {20, 40.3f, 60, 1, 0, 0, 0},    {20, 20, 5.2f, 1, 100, 100, 10},
        {20, 20, 60, -0.5f, 0, 0, 0},   {20, 20, 60, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        tallies::clear_tallies();
        photon_x = c.x, photon_z = c.z, photon_y = phantom::phantom_depth;
        photon_energy = c.energy, cos_theta = c.cos_t, sin_theta = std::sqrt(1 - c.cos_t * c.cos_t);
        cos_phi = 1, sin_phi = 0, scatter_class = 2;
        tallies::score_at_detector();
        if (c.i == 0) {
            float total = 0;
            for (int n = 1; n <= 300; ++n) total += tallies::spectrum_tally[2][n];
            EXPECT_EQ(total, 0.0f) << c.x << "," << c.z << " cos " << c.cos_t;
        } else {
            EXPECT_EQ(tallies::detector_image[2][c.i][c.j], c.energy) << c.x;
            EXPECT_EQ(tallies::spectrum_tally[2][c.bin], 1.0f) << c.energy;
            EXPECT_EQ(tallies::spectrum_tally[1][c.bin], 0.0f) << "scored in its own component only";
        }
    }
}

}  // namespace
