#pragma once

// What happens where a flight ends: photoelectric absorption (with lead fluorescence in the grid build),
// coherent or incoherent scattering.
namespace engine::interactions {

inline constexpr float pi = 3.141592f;
inline constexpr float electron_rest_energy = 511.0f;  // keV
inline constexpr float hc = 12.4f;                      // keV Angstrom

// Interaction in the cell of material `code`, chosen by u, the flight's second deviate. Returns false when
// the history has ended, true when the photon flies on with a new energy and direction.
bool interact(int code, float u);

// The scattering steps, exposed for the samplers' statistical tests. Each sets the photon's new energy
// (incoherent) and direction from the polar scattering angle.
void scatter_incoherent(int m);
void scatter_coherent(int m);
// The polar scattering angle sampled, before the new direction is formed.
struct ScatteringAngle {
    float cos_angle;
    float sin_angle;
};
ScatteringAngle sample_incoherent_angle(int m, float e);
ScatteringAngle sample_coherent_angle(int m, float e);

}  // namespace engine::interactions
