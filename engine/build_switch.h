#pragma once

// One code base, two programs: voxtrace_grid models the anti-scatter grid, voxtrace_nogrid does not.
// Both builds compile every function; `if constexpr` on this switch picks the build's behaviour.
#ifndef VOXTRACE_GRID
#error "VOXTRACE_GRID must be defined to 0 or 1 by the build"
#endif

namespace engine {

inline constexpr bool grid_build = VOXTRACE_GRID != 0;

}  // namespace engine
