#include "frontend/phantom_map.h"

#include "platform/fixed_format.h"
#include "platform/free_form.h"
#include "platform/line_reader.h"

namespace frontend {

const char* PhantomMapFile(int type) {
    switch (type) {
        case 1:
            return "Phantom_Water.dat";
        case 2:
            return "Phantom_Bone-Lung.dat";
        default:
            return "Phantom_Chest.dat";
    }
}

PhantomMap ReadPhantomMap(int type, const std::filesystem::path& dir, double water_thickness) {
    PhantomMap map;
    map.type = type;
    // The engine's fixed geometry of each type; only the plane widths and the codes come from the file.
    bool exit_side_first = false;
    switch (type) {
        case 1:
            map.col_width = {3, 34, 3};
            map.layer_thickness = {0.1, water_thickness - 0.2, 0.05, 0.05};
            break;
        case 2:
            map.col_width = {3, 6, 6, 10, 6, 6, 3};
            map.layer_thickness = {8, 4, 8, 0};
            break;
        default:
            map.col_width.assign(36, 1.0);
            map.col_width.front() = map.col_width.back() = 3;
            map.layer_thickness.assign(21, 1.0);
            map.layer_thickness[19] = 0.95;
            map.layer_thickness[20] = 0.05;
            exit_side_first = true;
            break;
    }
    const int columns = map.columns();
    const int layers = map.layers();

    platform::LineReader in(dir / PhantomMapFile(type));
    const int planes = platform::read_free_int(in, "the number of planes");
    if (planes < 1 || planes > 25) in.fail("a number of planes from 1 to 25", 0, std::to_string(planes));
    for (const char* what : {"the density of air", "the density of lung", "the density of bone"})
        platform::read_free_real32(in, what);
    for (int iz = 1; iz <= planes; ++iz)
        map.plane_width.push_back(platform::read_free_real32(in, "the width of plane " + std::to_string(iz)));

    const platform::RecordLayout row_layout("(" + std::to_string(columns) + "I1)");
    map.codes.assign(static_cast<std::size_t>(columns * planes * layers), 0);
    for (int iz = 1; iz <= planes; ++iz) {
        platform::read_free_int(in, "the number of plane " + std::to_string(iz));
        for (int row = 1; row <= layers; ++row) {
            const std::string line = in.next_line("row " + std::to_string(row) + " of plane " + std::to_string(iz));
            const std::vector<std::int32_t> digits = row_layout.read_ints(in, line);
            const int iy = exit_side_first ? layers + 1 - row : row;
            for (int ix = 1; ix <= columns; ++ix)
                map.codes[static_cast<std::size_t>(((iz - 1) * layers + (iy - 1)) * columns + (ix - 1))] =
                    static_cast<std::uint8_t>(digits[static_cast<std::size_t>(ix - 1)]);
        }
    }
    return map;
}

}  // namespace frontend
