// The engine's reader of the voxel maps: the first byte chooses the phantom, the rest is its map file.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/phantom.h"
#include "fuzz_workdir.h"
#include "platform/input_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    fuzzsupport::enter_work_dir();
    static const char* const maps[] = {"Phantom_Water.dat", "Phantom_Bone-Lung.dat", "Phantom_Chest.dat"};
    const int type = data[0] % 3 + 1;
    const std::string conditions = "0" + std::to_string(type) + "\r\n20.0\r\n34.0\r\n00\r\n1.00E+06\r\nf.data\r\n";
    fuzzsupport::write_file("Phantom.dat", reinterpret_cast<const std::uint8_t*>(conditions.data()), conditions.size());
    fuzzsupport::write_file(maps[type - 1], data + 1, size - 1);
    try {
        engine::phantom::load_run_conditions();
        engine::phantom::load_phantom();
    } catch (const platform::InputError&) {
    }
    return 0;
}
