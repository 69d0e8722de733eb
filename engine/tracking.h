#pragma once

// The photon history: emission at the entrance surface, then flights through the voxel grid (and the
// grid layer) boundary by boundary until the photon is absorbed, lost, below the cut-off or scored.
namespace engine::tracking {

inline constexpr float energy_cutoff = 5.0f;  // keV; no flight below it

// One history; photon::photon_energy holds the emission energy on entry.
void run_history();

// Index of the cell holding coordinate t for boundaries bound(0..n): 0 when t <= 0, else the smallest i
// with bound(i) >= t (a coordinate on a boundary belongs to the lower cell), n + 1 when there is none.
int cell_search(float t, const float* bound, int n);

// The per-flight attenuation data for the current photon energy.
void set_flight_attenuation();

// Sets the tracker tables from the phantom, as at the start of every history.
void use_phantom_tables();

}  // namespace engine::tracking
