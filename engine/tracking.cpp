#include "engine/tracking.h"

#include <algorithm>
#include <cmath>

#include "engine/build_switch.h"
#include "engine/grid.h"
#include "engine/interactions.h"
#include "engine/materials.h"
#include "engine/phantom.h"
#include "engine/photon.h"
#include "engine/rng.h"
#include "engine/tallies.h"

namespace engine::tracking {
namespace {

using namespace photon;
using rng::draw_uniform;

enum class Axis { x, y, z };

struct Point {
    float x, y, z;
};

// No flight walks through more cells than this; a walk that does has lost its way through rounding and
// is dropped rather than left to run forever.
constexpr int max_crossings_per_flight = 1 << 16;

const float* depth_bound() { return phantom::layer_bound; }

bool in_grid_layer() {
    if constexpr (grid_build) return in_grid == 1;
    return false;
}

// The photon stands on the exit surface (or past it at the end of a flight).
void stands_on_exit() {
    if constexpr (grid_build)
        grid::enter_grid();
    else
        tallies::score_at_detector();
}

// Emission at the entrance surface toward a uniform point of the field; returns false when the history
// ends at once (a photon aimed exactly along the axis).
bool emit() {
    using namespace phantom;
    float x0, z0, x, z;
    for (;;) {
        float u1 = draw_uniform();
        float u2 = draw_uniform();
        x0 = (u1 - 0.5f) * field_size_x;
        x = x0 * (source_distance - phantom_depth) / source_distance + field_center_x;
        if (x <= 0 || x >= phantom_width_x) continue;
        z0 = (u2 - 0.5f) * field_size_z;
        z = z0 * (source_distance - phantom_depth) / source_distance + field_center_z;
        if (z <= 0 || z >= phantom_width_z) continue;
        break;
    }
    photon_x = x;
    photon_y = 0;
    photon_z = z;
    float rho2 = x0 * x0 + z0 * z0;
    if (rho2 == 0) return false;
    float d = source_distance;
    float root = std::sqrt(d * d + rho2);
    float rho = std::sqrt(rho2);
    cos_theta = d / root;
    sin_theta = rho / root;
    cos_phi = x0 / rho;
    sin_phi = z0 / rho;
    cur_ix = cell_search(x, track_col_bound, track_col_count);
    cur_iz = cell_search(z, track_plane_bound, track_plane_count);
    cur_iy = 1;
    return true;
}

// Region test of the cell walk: the code of the current cell, or 0 when the history has ended there.
int current_code() {
    for (;;) {
        if (in_grid_layer()) {
            const int g = grid::grid_layer();
            if (cur_ix < 1 || cur_ix > phantom::grid_strips || cur_iz != 1 || cur_iy < g) return 0;
            if (cur_iy > g) {
                tallies::score_at_detector();
                return 0;
            }
            return phantom::grid_code[cur_ix];
        }
        if (cur_ix < 1 || cur_ix > track_col_count || cur_iz < 1 || cur_iz > track_plane_count || cur_iy < 1)
            return 0;
        if (cur_iy > track_layer_count) {
            stands_on_exit();
            if (in_grid_layer()) continue;  // the same step goes on under the grid's rules
            return 0;
        }
        return phantom::voxel_code[cur_ix][cur_iz][cur_iy];
    }
}

float square(float v) { return v * v; }

// Walks the cells of one flight from the current cell. Returns true with `end` set when the flight ends
// inside the geometry, false when the history has ended on the way.
bool walk_cells(const FlightLine& line, Point& end) {
    for (int crossing = 0; crossing < max_crossings_per_flight; ++crossing) {
        int code = current_code();
        if (code == 0) return false;

        float ratio = mu_by_code[code] / mu_w;
        float d = path_left / ratio;
        end = {photon_x + sin_theta * cos_phi * d, photon_y + cos_theta * d, photon_z + sin_theta * sin_phi * d};
        int ex = cell_search(end.x, track_col_bound, track_col_count);
        int ez = cell_search(end.z, track_plane_bound, track_plane_count);
        int ey = cell_search(end.y, depth_bound(), track_layer_count);
        if (ex == cur_ix && ez == cur_iz && ey == cur_iy) return true;

        const float x = photon_x, y = photon_y, z = photon_z;
        bool cross_x = ex != cur_ix, cross_z = ez != cur_iz, cross_y = ey != cur_iy;
        // Candidate boundary on each axis to cross, and where the flight line meets it.
        int step_x = end.x >= x ? 1 : -1, step_z = end.z >= z ? 1 : -1, step_y = end.y >= y ? 1 : -1;
        Point at_x{}, at_z{}, at_y{};
        if (cross_x) {
            float b = track_col_bound[step_x > 0 ? cur_ix : cur_ix - 1];
            at_x = {b, b * line.a_yx + line.c_yx, b * line.a_zx + line.c_zx};
        }
        if (cross_z) {
            float b = track_plane_bound[step_z > 0 ? cur_iz : cur_iz - 1];
            at_z = {(b - line.c_zx) / line.a_zx, b * line.a_yz + line.c_yz, b};
        }
        if (cross_y) {
            float b = depth_bound()[step_y > 0 ? cur_iy : cur_iy - 1];
            at_y = {(b - line.c_yx) / line.a_yx, b, (b - line.c_yz) / line.a_yz};
        }

        // The boundary met first, by squared distances in the plane of the two axes compared; ties go to
        // y before x or z, and to z before x.
        Axis axis;
        if (cross_x && cross_z) {
            float dx = square(at_x.x - x) + square(at_x.z - z);
            float dz = square(at_z.x - x) + square(at_z.z - z);
            axis = dx < dz ? Axis::x : Axis::z;
        } else {
            axis = cross_x ? Axis::x : cross_z ? Axis::z : Axis::y;
        }
        if (cross_y && axis != Axis::y) {
            const Point& at = axis == Axis::x ? at_x : at_z;
            float d_axis = axis == Axis::x ? square(at.x - x) + square(at.y - y) : square(at.z - z) + square(at.y - y);
            float d_y = axis == Axis::x ? square(at_y.x - x) + square(at_y.y - y)
                                        : square(at_y.z - z) + square(at_y.y - y);
            if (!(d_axis < d_y)) axis = Axis::y;
        }

        const Point& at = axis == Axis::x ? at_x : axis == Axis::z ? at_z : at_y;
        float s = std::sqrt(square(at.x - x) + square(at.y - y) + square(at.z - z));
        path_left = path_left - s * ratio;
        if (path_left <= 0) return true;
        photon_x = at.x;
        photon_y = at.y;
        photon_z = at.z;
        if (axis == Axis::x) cur_ix += step_x;
        else if (axis == Axis::z) cur_iz += step_z;
        else cur_iy += step_y;
    }
    return false;
}

// End of a flight inside the grid layer: the strip's code, or 0 when the history ends.
int grid_flight_end_code() {
    using namespace phantom;
    if (photon_x <= 0 || photon_x >= phantom_width_x || photon_z <= 0 || photon_z >= phantom_width_z ||
        photon_y <= grid::depth_limit)
        return 0;
    cur_ix = cell_search(photon_x, strip_bound, grid_strips);
    cur_iz = cell_search(photon_z, grid::grid_plane_bound, 1);
    cur_iy = cell_search(photon_y, depth_bound(), track_layer_count);
    // Past the last strip boundary (a hair short of 40 cm through rounding) there is no strip.
    if (cur_ix > grid_strips) return 0;
    return grid_code[cur_ix];
}

// End of a flight at `end`: the code of the cell where the photon interacts, or 0 when the history ends.
int flight_end_code(const Point& end) {
    using namespace phantom;
    photon_x = end.x;
    photon_y = end.y;
    photon_z = end.z;
    if (in_grid_layer()) return grid_flight_end_code();

    if (photon_x <= 0 || photon_x >= phantom_width_x || photon_z <= 0 || photon_z >= phantom_width_z ||
        photon_y <= 0)
        return 0;
    if (!grid_build && photon_y >= phantom_depth) {
        tallies::score_at_detector();
        return 0;
    }
    cur_ix = cell_search(photon_x, track_col_bound, track_col_count);
    cur_iz = cell_search(photon_z, track_plane_bound, track_plane_count);
    cur_iy = cell_search(photon_y, depth_bound(), track_layer_count);
    // Widths that add up a hair short of 40 cm leave a sliver with no cell: the photon has left.
    if (cur_ix > track_col_count || cur_iz > track_plane_count) return 0;
    if (cur_iy > track_layer_count) {
        // Ended past the last layer (its boundary and the exit depth differ by rounding): it has left.
        stands_on_exit();
        return in_grid_layer() ? grid_flight_end_code() : 0;
    }
    return voxel_code[cur_ix][cur_iz][cur_iy];
}

}  // namespace

bool fly() {
    set_flight_attenuation();
    float u1, u2;
    do {
        u1 = draw_uniform();
        u2 = draw_uniform();
    } while (u1 <= 0);
    path_left = -std::log(u1) / mu_w;

    const float x = photon_x, y = photon_y, z = photon_z;
    float xe = x + sin_theta * cos_phi * path_left;
    float ye = y + cos_theta * path_left;
    float ze = z + sin_theta * sin_phi * path_left;
    // The line coefficients divide by these differences: the flight must change all three coordinates.
    if (x - xe == 0 || z - ze == 0 || y - ye == 0) return false;
    const FlightLine line = flight_line(xe, ye, ze);
    int code = carry_photon(line);
    if (code == 0) return false;
    return interactions::interact(code, u2);
}

int carry_photon(const FlightLine& line) {
    Point end{};
    if (!walk_cells(line, end)) return 0;
    return flight_end_code(end);
}

FlightLine flight_line(float xe, float ye, float ze) {
    const float x = photon_x, y = photon_y, z = photon_z;
    FlightLine line;
    line.a_zx = (z - ze) / (x - xe);
    line.c_zx = z - line.a_zx * x;
    line.a_yx = (y - ye) / (x - xe);
    line.c_yx = y - line.a_yx * x;
    line.a_yz = (y - ye) / (z - ze);
    line.c_yz = y - line.a_yz * z;
    return line;
}

int cell_search(float t, const float* bound, int n) {
    if (t <= 0) return 0;
    // Boundaries never decrease, so the first one at or beyond t is found by bisection.
    const float* found = std::lower_bound(bound + 1, bound + n + 1, t);
    return static_cast<int>(found - bound);
}

void set_flight_attenuation() {
    float total[5];
    float log_e = std::log(photon_energy);
    for (int m = 1; m <= materials::material_count; ++m) {
        materials::ProcessCoefficients c = materials::attenuation_at(m, photon_energy, log_e);
        total[m] = c.photoelectric + c.incoherent + c.coherent;
        photo_fraction[m] = c.photoelectric / total[m];
        photo_coh_fraction[m] = (c.photoelectric + c.coherent) / total[m];
    }
    for (int q = 1; q <= materials::max_code; ++q)
        mu_by_code[q] = total[materials::base_material_of_code(q)] * materials::code_density[q];
    mu_w = mu_by_code[2];
}

void use_phantom_tables() {
    track_col_bound = phantom::col_bound;
    track_col_count = phantom::col_count;
    track_plane_bound = phantom::plane_bound;
    track_plane_count = phantom::plane_count;
    track_layer_count = phantom::layer_count;
}

void run_history() {
    scatter_class = 1;
    if constexpr (grid_build) in_grid = 0;
    use_phantom_tables();
    if (!emit()) return;
    while (photon_energy >= energy_cutoff)
        if (!fly()) return;
}

}  // namespace engine::tracking
