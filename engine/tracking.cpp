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
#include "engine/table_search.h"

namespace engine::tracking {
namespace {

using namespace photon;
using rng::draw_uniform;

// The total coefficient of base material m and its two cumulative fractions, at the photon's energy.
float form_material_attenuation(int m, float log_e) {
    materials::ProcessCoefficients c = materials::attenuation_at(m, photon_energy, log_e);
    float total = c.photoelectric + c.incoherent + c.coherent;
    photo_fraction[m] = c.photoelectric / total;
    photo_coh_fraction[m] = (c.photoelectric + c.coherent) / total;
    return total;
}

// Codes first..last from the totals of their base materials.
void form_code_attenuation(const float* total, int first, int last) {
    for (int q = first; q <= last; ++q)
        mu_by_code[q] = total[materials::base_material_of_code(q)] * materials::code_density[q];
}

// Base materials first_material..last_material and the codes first..last made of them, with their cm of
// water per cm: water's data must be formed for the energy already.
void form_attenuation_beside_water(int first_material, int last_material, int first, int last) {
    float total[5] = {};
    const float log_e = std::log(photon_energy);
    for (int m = first_material; m <= last_material; ++m) total[m] = form_material_attenuation(m, log_e);
    form_code_attenuation(total, first, last);
    for (int q = first; q <= last; ++q) ratio_by_code[q] = mu_by_code[q] / mu_w;
}

constexpr int water = 1, bone = 2;  // base materials
constexpr int bone_code = 4;        // the one phantom code not made of water

// Bone's data at the photon's energy, for a flight that meets a bone cell.
void use_bone_attenuation() {
    if (photon_energy == bone_attenuation_energy) return;
    bone_attenuation_energy = photon_energy;
    form_attenuation_beside_water(bone, bone, bone_code, bone_code);
}

// Axes as indices of the candidate crossing points.
constexpr int axis_x = 0, axis_y = 1, axis_z = 2;

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

// The cell of an emission coordinate (0 to 40 cm, exclusive), searched from the guess for its bin.
int emission_cell(float t, const float* bound, int n, const std::uint8_t* cell_of_bin) {
    constexpr float bins_per_cm = phantom::emission_bins / phantom::phantom_width_x;
    const int bin = std::min(static_cast<int>(t * bins_per_cm), phantom::emission_bins - 1);
    return cell_search_from(t, bound, n, cell_of_bin[bin]);
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
    cur_ix = emission_cell(x, track_col_bound, track_col_count, phantom::col_of_bin);
    cur_iz = emission_cell(z, track_plane_bound, track_plane_count, phantom::plane_of_bin);
    cur_iy = 1;
    return true;
}

float square(float v) { return v * v; }

// Whether the cell search of t would give cell i (1..n): bound(i - 1) < t <= bound(i), with bound(0) = 0.
// A cell of zero width holds nothing, as the search gives the lowest of equal boundaries.
bool in_cell(float t, const float* bound, int i) { return bound[i - 1] < t && t <= bound[i]; }

// The tracker's working copy of the photon during a walk. The walk keeps position, cell and flight in
// locals (the compiler cannot keep globals in registers across the stores into the tables) and hands them
// back whenever code outside the walk reads them.
struct Walker {
    float x, y, z;
    int ix, iz, iy;
    int cell;  // index of (ix, iz, iy) in the walk's voxel map; the phantom's cells only
    float left;
    const float* col_bound;
    const float* plane_bound;

    void load() {
        x = photon_x, y = photon_y, z = photon_z;
        ix = cur_ix, iz = cur_iz, iy = cur_iy;
        cell = phantom::walk_cell(ix, iz, iy);
        left = path_left;
        col_bound = track_col_bound, plane_bound = track_plane_bound;
    }
    void store() const {
        photon_x = x, photon_y = y, photon_z = z;
        cur_ix = ix, cur_iz = iz, cur_iy = iy;
        path_left = left;
    }
};

// Region test of the cell walk on the walker: the code of its cell, or 0 when the history has ended there.
int current_code(Walker& w) {
    if (in_grid_layer()) {
        const int g = grid::grid_layer();
        if (w.ix < 1 || w.ix > phantom::grid_strips || w.iz != 1 || w.iy < g) return 0;
        if (w.iy > g) {
            w.store();
            tallies::score_at_detector();
            return 0;
        }
        return phantom::grid_code[w.ix];
    }
    const int code = phantom::walk_code[w.cell];
    if (code != phantom::walk_exit_code) return code;
    w.store();
    stands_on_exit();
    if (!in_grid_layer()) return 0;
    w.load();  // the same step goes on under the grid's rules
    return current_code(w);
}

// Where the flight line meets the next boundary of the walker's cell on each axis, going by `step`.
Point crossing_on_x(const Walker& w, const FlightLine& line, int step) {
    const float bx = w.col_bound[step > 0 ? w.ix : w.ix - 1];
    return {bx, bx * line.a_yx + line.c_yx, bx * line.a_zx + line.c_zx};
}
Point crossing_on_y(const Walker& w, const FlightLine& line, int step) {
    const float by = depth_bound()[step > 0 ? w.iy : w.iy - 1];
    return {(by - line.c_yx) / line.a_yx, by, (by - line.c_yz) / line.a_yz};
}
Point crossing_on_z(const Walker& w, const FlightLine& line, int step) {
    const float bz = w.plane_bound[step > 0 ? w.iz : w.iz - 1];
    return {(bz - line.c_zx) / line.a_zx, bz * line.a_yz + line.c_yz, bz};
}

// The boundary met first among the axes crossed (x or z among them), by squared distances in the plane of
// the two axes compared; ties go to y before x or z, and to z before x.
int first_crossed_axis(const Point (&crossing_at)[3], const Walker& w, bool cross_x, bool cross_z, bool cross_y) {
    const float x = w.x, y = w.y, z = w.z;
    const Point& at_x = crossing_at[axis_x];
    const Point& at_y = crossing_at[axis_y];
    const Point& at_z = crossing_at[axis_z];
    const float dx_xz = square(at_x.x - x) + square(at_x.z - z);
    const float dz_xz = square(at_z.x - x) + square(at_z.z - z);
    const int axis = cross_x && cross_z ? (dx_xz < dz_xz ? axis_x : axis_z) : (cross_x ? axis_x : axis_z);
    const Point& first = crossing_at[axis];
    const float d_axis = axis == axis_x ? square(first.x - x) + square(first.y - y)
                                        : square(first.z - z) + square(first.y - y);
    const float d_y = axis == axis_x ? square(at_y.x - x) + square(at_y.y - y)
                                     : square(at_y.z - z) + square(at_y.y - y);
    return cross_y && !(d_axis < d_y) ? axis_y : axis;
}

// Walks the cells of one flight from the current cell. Returns true with `end` set when the flight ends
// inside the geometry, false when the history has ended on the way.
bool walk_cells(const FlightLine& line, Point& end) {
    const float dir_x = sin_theta * cos_phi, dir_y = cos_theta, dir_z = sin_theta * sin_phi;
    Walker w;
    w.load();
    for (int crossing = 0; crossing < max_crossings_per_flight; ++crossing) {
        int code = current_code(w);
        if (code == 0) return false;
        if (code == bone_code) use_bone_attenuation();

        const float ratio = ratio_by_code[code];
        const float d = w.left / ratio;
        end = {w.x + dir_x * d, w.y + dir_y * d, w.z + dir_z * d};
        // The axes whose end cell differs from the current one.
        const bool cross_x = !in_cell(end.x, w.col_bound, w.ix);
        const bool cross_z = !in_cell(end.z, w.plane_bound, w.iz);
        const bool cross_y = !in_cell(end.y, depth_bound(), w.iy);
        if (!cross_x && !cross_z && !cross_y) {
            w.store();
            return true;
        }

        const float x = w.x, y = w.y, z = w.z;
        const int step_x = end.x >= x ? 1 : -1, step_z = end.z >= z ? 1 : -1, step_y = end.y >= y ? 1 : -1;
        int axis = axis_y;
        Point crossing_at[3];
        crossing_at[axis_y] = crossing_on_y(w, line, step_y);
        // With neither x nor z crossed the step is across the depth boundary; so is every step of a photon
        // that has not scattered, as it runs nearly along y.
        if (cross_x || cross_z) {
            // Candidate boundary on the other two axes too. Both are formed whether or not the axis is
            // crossed: choosing among them without branches beats predicting which axes a flight crosses,
            // and an axis not crossed never wins below.
            crossing_at[axis_x] = crossing_on_x(w, line, step_x);
            crossing_at[axis_z] = crossing_on_z(w, line, step_z);
            axis = first_crossed_axis(crossing_at, w, cross_x, cross_z, cross_y);
        }

        const Point& at = crossing_at[axis];
        const float s = std::sqrt(square(at.x - x) + square(at.y - y) + square(at.z - z));
        w.left = w.left - s * ratio;
        if (w.left <= 0) {
            w.store();
            return true;
        }
        w.x = at.x, w.y = at.y, w.z = at.z;
        w.ix += axis == axis_x ? step_x : 0;
        w.iz += axis == axis_z ? step_z : 0;
        w.iy += axis == axis_y ? step_y : 0;
        w.cell += axis == axis_x   ? step_x * phantom::walk_stride_ix
                  : axis == axis_z ? step_z * phantom::walk_stride_iz
                                   : step_y;
    }
    return false;
}

// End of a flight inside the grid layer: the strip's code, or 0 when the history ends.
int grid_flight_end_code() {
    using namespace phantom;
    if (photon_x <= 0 || photon_x >= phantom_width_x || photon_z <= 0 || photon_z >= phantom_width_z ||
        photon_y <= grid::depth_limit)
        return 0;
    // The interaction point lies in a strip of the grid layer, whatever rounding did to its depth.
    cur_ix = cell_search_from(photon_x, strip_bound, grid_strips, cur_ix);
    cur_iz = 1;
    cur_iy = grid::grid_layer();
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
    // The walk stopped in or next to the cell that holds the end point.
    cur_ix = cell_search_from(photon_x, track_col_bound, track_col_count, cur_ix);
    cur_iz = cell_search_from(photon_z, track_plane_bound, track_plane_count, cur_iz);
    cur_iy = cell_search_from(photon_y, depth_bound(), track_layer_count, cur_iy);
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
    ++flight_count;
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
    if (code == bone_code) use_bone_attenuation();
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
    return 1 + first_not_below(bound + 1, n, t);
}

int cell_search_from(float t, const float* bound, int n, int guess) {
    if (t <= 0) return 0;
    int i = guess < 1 ? 1 : guess > n + 1 ? n + 1 : guess;
    while (i > 1 && bound[i - 1] >= t) --i;
    while (i <= n && bound[i] < t) ++i;
    return i;
}

void set_flight_attenuation() {
    // The data depend on the energy alone: most flights start at the energy of the flight before (every
    // photon of a bin starts at the bin's energy, coherent scattering keeps it), so they are reused.
    if (photon_energy != attenuation_energy) {
        attenuation_energy = photon_energy;
        float total[5] = {};
        total[water] = form_material_attenuation(water, std::log(photon_energy));
        form_code_attenuation(total, 1, bone_code - 1);
        mu_w = mu_by_code[2];
        for (int q = 1; q < bone_code; ++q) ratio_by_code[q] = mu_by_code[q] / mu_w;
    }
    if (in_grid_layer()) set_grid_attenuation();
}

void set_grid_attenuation() {
    if constexpr (grid_build) {
        if (photon_energy == grid_attenuation_energy) return;
        grid_attenuation_energy = photon_energy;
        form_attenuation_beside_water(3, 4, 5, 6);
    }
}

namespace {

void save_flight_attenuation(FlightAttenuation& saved) {
    saved.energy = attenuation_energy;
    saved.bone_energy = bone_attenuation_energy;
    saved.grid_energy = grid_attenuation_energy;
    std::copy(photo_fraction, photo_fraction + 5, saved.photo_fraction);
    std::copy(photo_coh_fraction, photo_coh_fraction + 5, saved.photo_coh_fraction);
    std::copy(mu_by_code, mu_by_code + 7, saved.mu_by_code);
    std::copy(ratio_by_code, ratio_by_code + 7, saved.ratio_by_code);
}

void restore_flight_attenuation(const FlightAttenuation& saved) {
    attenuation_energy = saved.energy;
    bone_attenuation_energy = saved.bone_energy;
    grid_attenuation_energy = saved.grid_energy;
    std::copy(saved.photo_fraction, saved.photo_fraction + 5, photo_fraction);
    std::copy(saved.photo_coh_fraction, saved.photo_coh_fraction + 5, photo_coh_fraction);
    std::copy(saved.mu_by_code, saved.mu_by_code + 7, mu_by_code);
    std::copy(saved.ratio_by_code, saved.ratio_by_code + 7, ratio_by_code);
    mu_w = mu_by_code[2];
}

// The attenuation data of the emission energy: formed once per bin and restored for each history. Bone's
// and the grid's are formed with them, as most photons of a bin cross the phantom unscattered.
void use_emission_attenuation() {
    bool formed = photon_energy == attenuation_energy && photon_energy == bone_attenuation_energy;
    if constexpr (grid_build) formed = formed && photon_energy == grid_attenuation_energy;
    if (formed) return;
    if (photon_energy == emission_attenuation.energy) {
        restore_flight_attenuation(emission_attenuation);
        return;
    }
    set_flight_attenuation();
    use_bone_attenuation();
    set_grid_attenuation();
    save_flight_attenuation(emission_attenuation);
}

}  // namespace

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
    use_emission_attenuation();
    while (photon_energy >= energy_cutoff)
        if (!fly()) return;
}

}  // namespace engine::tracking
