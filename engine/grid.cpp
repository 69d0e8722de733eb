#include "engine/grid.h"

#include <algorithm>

#include "engine/phantom.h"
#include "engine/photon.h"
#include "engine/tracking.h"

namespace engine::grid {

int grid_layer() { return phantom::layer_count + 1; }

void enter_grid() {
    using namespace photon;
    in_grid = 1;
    track_col_bound = phantom::strip_bound;
    track_col_count = phantom::grid_strips;
    track_plane_bound = grid_plane_bound;
    track_plane_count = 1;
    // The detector plane lies under the grid; every later emission of the run uses this depth too.
    phantom::phantom_depth = phantom::phantom_thickness + phantom::grid_height;
    track_layer_count = grid_layer();
    // Strips repeat every 0.025 cm, two to a period: the strip index is near 80 x.
    const int guess = static_cast<int>(std::clamp(photon_x, 0.0f, phantom::phantom_width_x) * 80.0f) + 1;
    cur_ix = tracking::cell_search_from(photon_x, phantom::strip_bound, phantom::grid_strips, guess);
    cur_iz = 1;
    cur_iy = grid_layer();
    tracking::set_grid_attenuation();
}

}  // namespace engine::grid
