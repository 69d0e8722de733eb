// The engine's reader of the spectrum file "B_tubegen.dat".
#include <cstddef>
#include <cstdint>

#include "engine/spectrum_file.h"
#include "fuzz_workdir.h"
#include "platform/input_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzsupport::enter_work_dir();
    fuzzsupport::write_file("B_tubegen.dat", data, size);
    try {
        engine::spectrum::load_spectrum();
        if (engine::spectrum::top_bin < 1 || engine::spectrum::top_bin > 301) __builtin_trap();
    } catch (const platform::InputError&) {
    }
    return 0;
}
