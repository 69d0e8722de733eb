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

// Per-flight attenuation data at photon_energy. Water's (codes 1 to 3) are formed for every flight; bone's
// only once the photon meets a bone cell, and the grid's lead and aluminium only once it is in the grid.
inline float attenuation_energy = -1.0f;       // the energy water's data were formed for
inline float bone_attenuation_energy = -1.0f;  // the energy bone's data were formed for
inline float grid_attenuation_energy = -1.0f;  // the energy the grid's data were formed for
inline float photo_fraction[5];      // (m): photoelectric share of the total
inline float photo_coh_fraction[5];  // (m): photoelectric plus coherent share
inline float mu_by_code[7];          // (code): linear attenuation coefficient, 1/cm
inline float mu_w;                   // mu_by_code(2), water
inline float ratio_by_code[7];       // (code): mu_by_code(code) / mu_w, the cm of water per cm

// The same data kept for the emission energy of the bin being run, where every history starts again.
struct FlightAttenuation {
    float energy = -1.0f;
    float bone_energy = -1.0f;
    float grid_energy = -1.0f;
    float photo_fraction[5];
    float photo_coh_fraction[5];
    float mu_by_code[7];
    float ratio_by_code[7];
};
inline FlightAttenuation emission_attenuation;

// Loading new data makes every kept attenuation stale.
inline void forget_flight_attenuation() {
    attenuation_energy = bone_attenuation_energy = grid_attenuation_energy = -1.0f;
    emission_attenuation.energy = emission_attenuation.bone_energy = emission_attenuation.grid_energy = -1.0f;
}

}  // namespace engine::photon
