// The engine's reader of the run conditions "Phantom.dat", and the phantom set-up they choose.
#include <cstddef>
#include <cstdint>

#include "engine/phantom.h"
#include "fuzz_workdir.h"
#include "platform/input_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzsupport::enter_work_dir();
    fuzzsupport::write_file("Phantom.dat", data, size);
    try {
        engine::phantom::load_run_conditions();
        engine::phantom::load_phantom();
    } catch (const platform::InputError&) {
    }
    return 0;
}
