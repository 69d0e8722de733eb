#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace frontend {

// A shipped voxel map file with the box geometry the engine gives its phantom type, for drawing the
// phantoms: columns across x, planes across z (widths from the file), layers along the depth y.
struct PhantomMap {
    int type = 1;                         // 1 water, 2 bone-lung, 3 chest
    std::vector<double> col_width;        // cm, column 1 first
    std::vector<double> plane_width;      // cm, plane 1 first
    std::vector<double> layer_thickness;  // cm, layer 1 (entrance side) first
    std::vector<std::uint8_t> codes;      // 1 air, 2 water, 3 lung, 4 bone; 0 for a blank column

    int columns() const { return static_cast<int>(col_width.size()); }
    int planes() const { return static_cast<int>(plane_width.size()); }
    int layers() const { return static_cast<int>(layer_thickness.size()); }
    // The code of column ix, plane iz, layer iy, each counted from 1.
    int code(int ix, int iz, int iy) const {
        return codes[static_cast<std::size_t>(((iz - 1) * layers() + (iy - 1)) * columns() + (ix - 1))];
    }
};

// "Phantom_Water.dat", "Phantom_Bone-Lung.dat" or "Phantom_Chest.dat".
const char* PhantomMapFile(int type);

// Reads the map of a phantom type from `dir`, the water phantom laid out at the given thickness (cm). A
// missing or malformed file is reported as a platform::InputError.
PhantomMap ReadPhantomMap(int type, const std::filesystem::path& dir, double water_thickness = 20.0);

}  // namespace frontend
