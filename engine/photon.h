#pragma once

#include <cstdint>

// The photon being followed, the tracker's view of the cells it walks, and the attenuation data of the
// current flight.
namespace engine::photon {

inline float photon_energy;                 // keV
inline float photon_x, photon_y, photon_z;  // cm; y is the depth along the beam
// Direction: polar angle to +y and azimuth in the x-z plane from +x toward +z; the unit vector is
// (sin_theta cos_phi, cos_theta, sin_theta sin_phi). sin_theta may be negative after fluorescence.
inline float cos_theta, sin_theta, cos_phi, sin_phi;
inline std::int32_t cur_ix, cur_iz, cur_iy;  // cell being crossed (column, plane, layer)
inline float path_left;                      // remaining flight, cm of water
inline std::int32_t scatter_class;           // 1 never scattered, 2 scattered or fluorescence
inline std::int32_t in_grid;                 // grid build: 1 once in the grid layer

// Tracker tables: the phantom's cells, or the grid's strips once the photon is in the grid.
inline const float* track_col_bound;    // running sums of the column (or strip) widths, index 0 = 0
inline std::int32_t track_col_count;
inline const float* track_plane_bound;  // running sums of the plane widths
inline std::int32_t track_plane_count;
inline std::int32_t track_layer_count;  // how far the depth boundaries are used

// Per-flight attenuation data at photon_energy.
inline float photo_fraction[5];      // (m): photoelectric share of the total
inline float photo_coh_fraction[5];  // (m): photoelectric plus coherent share
inline float mu_by_code[7];          // (code): linear attenuation coefficient, 1/cm
inline float mu_w;                   // mu_by_code(2), water

}  // namespace engine::photon
