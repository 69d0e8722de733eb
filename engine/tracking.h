#pragma once

// The photon history: emission at the entrance surface, then flights through the voxel grid (and the
// grid layer) boundary by boundary until the photon is absorbed, lost, below the cut-off or scored.
namespace engine::tracking {

inline constexpr float energy_cutoff = 5.0f;  // keV; no flight below it

// Flights started since the program began; a measure of work for the benchmarks.
inline long long flight_count = 0;

// One history; photon::photon_energy holds the emission energy on entry.
void run_history();

// Index of the cell holding coordinate t for boundaries bound(0..n): 0 when t <= 0, else the smallest i
// with bound(i) >= t (a coordinate on a boundary belongs to the lower cell), n + 1 when there is none.
int cell_search(float t, const float* bound, int n);

// One flight from the photon's position: a free path in water-equivalent optical depth, the cell walk and
// the interaction. Returns false when the history has ended.
bool fly();

// The line of one flight, kept for the whole flight: z and y as functions of x, and y of z.
struct FlightLine {
    float a_zx, c_zx, a_yx, c_yx, a_yz, c_yz;
};

// The line from the photon's position to the provisional end point of its flight.
FlightLine flight_line(float xe, float ye, float ze);

// Carries the photon from its cell along the flight line for photon::path_left through the cells: returns
// the code of the cell where the flight ends, with the photon placed there, or 0 when the history has
// ended on the way (lost, or scored at the detector).
int carry_photon(const FlightLine& line);

// The same answer found by stepping from a guessed cell: cheap when the guess is at or near the cell.
int cell_search_from(float t, const float* bound, int n, int guess);

// The per-flight attenuation data for the current photon energy (the grid's too while in the grid).
void set_flight_attenuation();
// The grid's lead and aluminium at the current energy; the phantom's data must be formed for it already.
void set_grid_attenuation();

// Sets the tracker tables from the phantom, as at the start of every history.
void use_phantom_tables();

}  // namespace engine::tracking
