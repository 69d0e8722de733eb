#include "engine/phantom.h"

#include <cmath>
#include <cstring>
#include <string>

#include "engine/materials.h"
#include "engine/photon.h"
#include "engine/spectrum_file.h"
#include "platform/cp932.h"
#include "platform/fixed_format.h"
#include "platform/free_form.h"
#include "platform/line_reader.h"

namespace engine::phantom {
namespace {

struct PhantomChoice {
    const char* name;
    const char* map_file;
    int map_rows;  // rows per plane in the map file
    int map_cols;  // digits per row
    int planes;    // planes the map must hold
    bool rows_from_exit;  // the chest map lists layer 21 first
};

PhantomChoice choose_phantom(int type) {
    switch (type) {
        case 1: return {"Water Phantom", "Phantom_Water.dat", 4, 3, 3, false};
        case 2: return {"Bone-Lung Phantom", "Phantom_Bone-Lung.dat", 4, 7, 3, false};
        default: return {"Chest Phantom", "Phantom_Chest.dat", 21, 36, 25, true};
    }
}

// Air, lung and bone densities from lines 2 to 4 of the map; only the no-grid build uses them.
struct MapDensities {
    float air, lung, bone;
};

MapDensities read_map_header(platform::LineReader& in, const PhantomChoice& choice) {
    map_planes = platform::read_free_int(in, "the number of planes");
    if (map_planes != choice.planes)
        in.fail(std::to_string(choice.planes) + " planes for the " + choice.name, 0, std::to_string(map_planes));
    MapDensities d;
    d.air = platform::read_free_real32(in, "the density of air (code 1)");
    d.lung = platform::read_free_real32(in, "the density of lung (code 3)");
    d.bone = platform::read_free_real32(in, "the density of bone (code 4)");
    if (!grid_build && !(d.air > 0 && d.lung > 0 && d.bone > 0))
        in.fail("positive densities on lines 2 to 4");

    float total = 0;
    for (int iz = 1; iz <= map_planes; ++iz) {
        plane_width[iz] = platform::read_free_real32(in, "the width of plane " + std::to_string(iz));
        if (!(plane_width[iz] > 0)) in.fail("a positive plane width", 0, std::to_string(plane_width[iz]));
        total += plane_width[iz];
    }
    if (std::fabs(total - phantom_width_z) > 1e-3f)
        in.fail("plane widths adding up to 40 cm", 0, std::to_string(total) + " cm");
    return d;
}

void read_map_planes(platform::LineReader& in, const PhantomChoice& choice) {
    const platform::RecordLayout row_layout("(" + std::to_string(choice.map_cols) + "I1)");
    for (int iz = 1; iz <= map_planes; ++iz) {
        platform::read_free_int(in, "the number line of plane " + std::to_string(iz));
        for (int row = 1; row <= choice.map_rows; ++row) {
            std::string line = in.next_line("row " + std::to_string(row) + " of plane " + std::to_string(iz));
            std::vector<std::int32_t> codes = row_layout.read_ints(in, line);
            int iy = choice.rows_from_exit ? choice.map_rows + 1 - row : row;
            for (int ix = 1; ix <= choice.map_cols; ++ix) {
                if (codes[ix - 1] < 1 || codes[ix - 1] > 4)
                    in.fail("a voxel code from 1 to 4 in column " + std::to_string(ix), ix,
                            std::to_string(codes[ix - 1]));
                voxel_code[ix][iz][iy] = static_cast<std::uint8_t>(codes[ix - 1]);
            }
        }
    }
}

void set_geometry(int type) {
    const float t = phantom_thickness;
    for (float& w : col_width) w = 0;
    for (float& w : layer_thickness) w = 0;
    switch (type) {
        case 1: {
            const float cols[] = {3, 34, 3};
            for (int i = 1; i <= 3; ++i) col_width[i] = cols[i - 1];
            col_count = 3;
            const float layers[] = {0.1f, t - 0.2f, 0.05f, 0.05f};
            for (int i = 1; i <= 4; ++i) layer_thickness[i] = layers[i - 1];
            layer_count = 4;
            phantom_depth = t;
            plane_count = 3;
            break;
        }
        case 2: {
            const float cols[] = {3, 6, 6, 10, 6, 6, 3};
            for (int i = 1; i <= 7; ++i) col_width[i] = cols[i - 1];
            col_count = 7;
            const float grid_layers[] = {8, 4, 7.95f, 0.05f};
            const float plain_layers[] = {8, 4, 8, 0};
            for (int i = 1; i <= 4; ++i) layer_thickness[i] = grid_build ? grid_layers[i - 1] : plain_layers[i - 1];
            layer_count = 4;
            phantom_depth = 20.0f;
            plane_count = 3;
            break;
        }
        default: {
            col_width[1] = 3;
            for (int i = 2; i <= 35; ++i) col_width[i] = 1;
            col_width[36] = 3;
            col_count = 36;
            for (int i = 1; i <= 19; ++i) layer_thickness[i] = 1;
            layer_thickness[20] = 0.95f;
            layer_thickness[21] = 0.05f;
            layer_count = 21;
            phantom_depth = 20.0f;
            plane_count = 25;
            break;
        }
    }
}

void set_grid() {
    for (float& w : layer_thickness_grid) w = 0;
    for (int i = 1; i <= layer_count; ++i) layer_thickness_grid[i] = layer_thickness[i];
    layer_thickness_grid[layer_count + 1] = grid_height;
    for (int i = 1; i <= grid_strips; ++i) {
        bool lead = i % 2 == 1;
        grid_code[i] = lead ? 5 : 6;
        grid_strip_width[i] = lead ? 0.005f : 0.02f;
    }
}

void set_code_densities(const MapDensities& map) {
    using materials::code_density;
    if constexpr (grid_build) {
        const float fixed[] = {0, 0.001293f, 1.0f, 0.25f, 1.3f, 11.34f, 2.699f};
        for (int q = 0; q <= 6; ++q) code_density[q] = fixed[q];
    } else {
        code_density[1] = map.air;
        code_density[2] = 1.0f;
        code_density[3] = map.lung;
        code_density[4] = map.bone;
    }
}

void form_boundaries() {
    form_running_sums(col_width, col_count, col_bound);
    form_running_sums(plane_width, plane_count, plane_bound);
    if constexpr (grid_build) {
        form_running_sums(layer_thickness_grid, layer_count + 1, layer_bound);
        form_running_sums(grid_strip_width, grid_strips, strip_bound);
    } else {
        form_running_sums(layer_thickness, layer_count, layer_bound);
    }
}

}  // namespace

void form_running_sums(const float* w, int n, float* bound) {
    float s = 0;
    bound[0] = 0;
    for (int i = 1; i <= n; ++i) {
        s = s + w[i];
        bound[i] = s;
    }
}

void form_walk_codes() {
    std::memset(walk_code, 0, sizeof walk_code);
    for (int ix = 1; ix <= col_count; ++ix)
        for (int iz = 1; iz <= plane_count; ++iz) {
            for (int iy = 1; iy <= layer_count; ++iy) walk_code[walk_cell(ix, iz, iy)] = voxel_code[ix][iz][iy];
            walk_code[walk_cell(ix, iz, layer_count + 1)] = walk_exit_code;
        }
}

namespace {

void form_bin_guesses(const float* bound, int n, std::uint8_t* cell_of_bin) {
    int i = 1;
    for (int k = 0; k < emission_bins; ++k) {
        const float edge = k * (phantom_width_x / emission_bins);
        while (i < n && bound[i] <= edge) ++i;
        cell_of_bin[k] = static_cast<std::uint8_t>(i);
    }
}

}  // namespace

void form_emission_guesses() {
    form_bin_guesses(col_bound, col_count, col_of_bin);
    form_bin_guesses(plane_bound, plane_count, plane_of_bin);
}

void load_run_conditions() {
    platform::LineReader in("Phantom.dat");
    phantom_type = platform::read_free_int(in, "the phantom type (an integer)");
    if (phantom_type < 1 || phantom_type > 3)
        in.fail("a phantom type of 1, 2 or 3", 0, std::to_string(phantom_type));
    phantom_thickness = platform::read_free_real32(in, "the phantom thickness in cm");
    if (phantom_type == 1 && !(phantom_thickness > 0.2f))
        in.fail("a water-phantom thickness above 0.2 cm", 0, std::to_string(phantom_thickness));
    field_size = platform::read_free_real32(in, "the field size in cm");
    grid_flag = platform::read_free_int(in, "the grid flag (an integer)");
    total_histories = platform::read_free_real32(in, "the number of histories");
    if (!(total_histories >= 0)) in.fail("a number of histories of 0 or more", 0, std::to_string(total_histories));
    result_file_name = platform::fit_bytes(in.next_line("the result file name"), 30);
}

void load_phantom() {
    const PhantomChoice choice = choose_phantom(phantom_type);
    spectrum::header_lines[10] = platform::fit_bytes(choice.name, spectrum::header_width);
    voxel_file_name = platform::fit_bytes(choice.map_file, 30);

    platform::LineReader in(choice.map_file);
    std::memset(voxel_code, 0, sizeof voxel_code);
    MapDensities densities = read_map_header(in, choice);
    read_map_planes(in, choice);

    set_geometry(phantom_type);
    if constexpr (grid_build) set_grid();
    set_code_densities(densities);
    form_boundaries();
    form_walk_codes();
    form_emission_guesses();
    photon::forget_flight_attenuation();

    source_distance = 10000.0f;
    field_size_z = field_size_x = field_size;
    field_center_z = field_center_x = 20.0f;
}

}  // namespace engine::phantom
