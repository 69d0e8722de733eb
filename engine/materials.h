#pragma once

#include <cstdint>

#include "engine/build_switch.h"

// Material data: mass attenuation coefficients per process on an energy grid (composition files) and the
// form factor and incoherent scattering function on a momentum-transfer grid (scattering-factor files).
namespace engine::materials {

// Base materials: 1 water, 2 bone, and in the grid build 3 lead, 4 aluminium.
inline constexpr int material_count = grid_build ? 4 : 2;
inline constexpr int max_mix_points = 110;
inline constexpr int xfs_points = 45;

inline float mix_energy[5][max_mix_points + 1];    // (m, point): record energy, keV
inline float mix_coef[5][4][max_mix_points + 1];   // (m, process, point): cm2/g; 1 coherent, 2 incoherent, 3 photo
inline std::int32_t mix_count;                     // records of the composition file read last
// Natural logarithms of the record energies and coefficients, formed once at load with the same 32-bit
// logarithm the interpolation would take at every step.
inline float mix_log_energy[5][max_mix_points + 1];
inline float mix_log_coef[5][4][max_mix_points + 1];
inline std::int32_t mix_points[5];                 // (m): records of material m
inline float xfs_x[xfs_points + 1];                // momentum transfer sin(theta/2)/lambda, 1/Angstrom
inline float xfs_form[5][xfs_points + 1];          // (m, point): atomic form factor F(x)
inline float xfs_incoh[5][xfs_points + 1];         // (m, point): incoherent scattering function S(x)
inline float coh_cdf[5][xfs_points + 1];           // (m, point): normalised cumulative F(x)^2 x dx, 0 to 1
inline float coh_cdf_last[5];                      // coh_cdf(m, 45)
inline float incoh_max[5];                         // S(m, x) at the last grid point

// Reads the composition and scattering-factor files of every material of the build, in order, and derives
// the coherent cumulative tables. Data the lookups could not use are refused with an InputError.
void load_materials();

// The three process coefficients (coherent, incoherent, photoelectric) in cm2/g, interpolated log-log.
// `log_e` is ln(e), shared by all materials of one step.
struct ProcessCoefficients {
    float coherent;
    float incoherent;
    float photoelectric;
};
ProcessCoefficients attenuation_at(int m, float e, float log_e);

// S(m, x) by linear interpolation, for 0 <= x below the last grid point.
float incoherent_function(int m, float x);

// The momentum transfer at which material m's coherent cumulative table reaches the fraction u.
float sample_coherent_x(int m, float u);

// Voxel and strip codes: 1 air, 2 water, 3 lung, 4 bone, 5 lead, 6 aluminium.
inline constexpr int max_code = grid_build ? 6 : 4;
inline constexpr int base_material_of_code(int code) {
    switch (code) {
        case 4: return 2;
        case 5: return grid_build ? 3 : 1;
        case 6: return grid_build ? 4 : 1;
        default: return 1;
    }
}
inline float code_density[7];  // g/cm3, set up with the phantom

}  // namespace engine::materials
