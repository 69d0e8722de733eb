#pragma once

// The anti-scatter grid of the grid build: one more depth layer of 3200 lead and aluminium strips behind
// the phantom's exit surface, crossed by the same cell walk.
namespace engine::grid {

inline constexpr float depth_limit = 20.0f;  // cm; flights in the grid ending at or above it are dropped
inline const float grid_plane_bound[2] = {0.0f, 40.0f};

// Switches the tracker to the grid for a photon standing on the exit surface.
void enter_grid();

// Index of the grid layer, one below the phantom's last.
int grid_layer();

}  // namespace engine::grid
