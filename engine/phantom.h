#pragma once

#include <cstdint>
#include <string>

#include "engine/build_switch.h"

// The run conditions from "Phantom.dat" and the phantom they choose: a box of columns (x), planes (z) and
// depth layers (y) with a material code per voxel, the grid's strips behind it, and the source and field.
namespace engine::phantom {

// --- Run conditions -------------------------------------------------------------------------------
inline std::int32_t phantom_type;     // 1 water, 2 bone-lung, 3 chest
inline float phantom_thickness;       // cm; depth of the water phantom, echoed in the result file
inline float field_size;              // cm, side of the square field
inline std::int32_t grid_flag;        // 0 without grid, 1 with; only echoed in the result file
inline float total_histories;         // photon histories of the whole spectrum
inline std::string result_file_name;  // 30 bytes, blank-padded

// --- Geometry ------------------------------------------------------------------------------------
inline constexpr int max_cols = 36;
inline constexpr int max_planes = 25;
inline constexpr int max_layers = 21;

inline float col_width[max_cols + 1];          // cm along x
inline std::int32_t col_count;                 // 3, 7, 36
inline float plane_width[max_planes + 1];      // cm along z, from the voxel map file
inline std::int32_t plane_count;               // 3, 3, 25
inline std::int32_t map_planes;                // planes in the voxel map file
inline float layer_thickness[max_layers + 1];  // cm along y
inline std::int32_t layer_count;               // 4, 4, 21
inline float phantom_depth;                    // cm; the grid build moves it to the detector plane
inline constexpr float phantom_width_x = 40.0f;
inline constexpr float phantom_width_z = 40.0f;
inline std::uint8_t voxel_code[max_cols + 1][max_planes + 1][max_layers + 1];  // (ix, iz, iy)
inline std::string voxel_file_name;            // 30 bytes, blank-padded

// --- Grid (grid build) ---------------------------------------------------------------------------
inline constexpr int grid_strips = 3200;
inline constexpr float grid_height = 0.16f;
inline float layer_thickness_grid[max_layers + 2];  // phantom layers, then the grid layer, then zeros
inline std::uint8_t grid_code[grid_strips + 1];      // 5 lead (odd strips), 6 aluminium (even)
inline float grid_strip_width[grid_strips + 1];      // 0.005 cm lead, 0.02 cm aluminium

// --- Source and field ----------------------------------------------------------------------------
inline float source_distance;  // cm from the focal spot to the plane where the field is defined
inline float field_size_x, field_size_z;
inline float field_center_x, field_center_z;

// --- Cell boundaries -----------------------------------------------------------------------------
// Running sums of the widths, formed once by adding the 32-bit widths in index order from 0, so that a
// boundary is the same value wherever the tracker compares with it. bound(0) = 0.
inline float col_bound[max_cols + 1];
inline float plane_bound[max_planes + 1];
inline float layer_bound[max_layers + 2];  // over layer_thickness_grid in the grid build
inline float strip_bound[grid_strips + 1];

// --- The voxel map as the cell walk reads it -----------------------------------------------------
// The codes with a border of cells around the box, so that one look-up tells the region as well as the
// code: 0 past the side faces and the entrance surface, walk_exit_code past the exit surface.
inline constexpr std::uint8_t walk_exit_code = 7;
inline constexpr int walk_stride_iz = max_layers + 2;
inline constexpr int walk_stride_ix = (max_planes + 2) * walk_stride_iz;
inline std::uint8_t walk_code[(max_cols + 2) * walk_stride_ix];

// Index of cell (ix, iz, iy) in walk_code, for 0 <= ix <= col_count + 1 and the like.
inline int walk_cell(int ix, int iz, int iy) { return ix * walk_stride_ix + iz * walk_stride_iz + iy; }

// --- Where the search for an emission point's cell starts ----------------------------------------
// The column and the plane holding the lower edge of each of emission_bins equal bins across the 40 cm.
// The search steps from there; with cells no narrower than a bin it is at most one step.
inline constexpr int emission_bins = 640;
inline std::uint8_t col_of_bin[emission_bins];
inline std::uint8_t plane_of_bin[emission_bins];

// Reads "Phantom.dat".
void load_run_conditions();

// Chooses and reads the voxel map of phantom_type, sets up the geometry, the grid strips and the source.
void load_phantom();

// Forms walk_code from voxel_code and the cell counts.
void form_walk_codes();

// Forms col_of_bin and plane_of_bin from the boundaries.
void form_emission_guesses();

// Running sums of w(1..n) into bound(0..n).
void form_running_sums(const float* w, int n, float* bound);

}  // namespace engine::phantom
