// The engine's readers of the composition and scattering-factor files, and the lookups over what they
// accept: the first byte chooses the file, the rest is its content.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "engine/materials.h"
#include "fuzz_workdir.h"
#include "platform/input_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    fuzzsupport::enter_work_dir();
    static const char* const files[] = {"Water.mix", "Water.xfs", "Bone-ICRU.mix", "Bone-ICRU.xfs",
                                        "82_Pb.ele", "Pb.xfs",    "13_Al.ele",     "Al.xfs"};
    const char* name = files[data[0] % 8];
    const std::filesystem::path shipped = std::filesystem::path(SHADOWBENCH_DATA_DIR) / name;
    fuzzsupport::write_file(name, data + 1, size - 1);
    try {
        engine::materials::load_materials();
        using namespace engine::materials;
        for (int m = 1; m <= material_count; ++m) {
            for (float e : {5.0f, 33.17f, 88.0f, 150.0f}) {
                attenuation_at(m, e, std::log(e));
            }
            for (float u : {0.0f, 0.5f, 0.99993289f}) sample_coherent_x(m, u);
            for (float x : {0.0f, 1.0f, 9.99f}) incoherent_function(m, x);
        }
    } catch (const platform::InputError&) {
    }
    std::filesystem::copy_file(shipped, name, std::filesystem::copy_options::overwrite_existing);
    return 0;
}
