// The spectrum generator's reader of "Mus-shadowbench.dat".
#include <cstddef>
#include <cstdint>

#include "fuzz_workdir.h"
#include "platform/input_error.h"
#include "tubegen/attenuation_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzsupport::enter_work_dir();
    fuzzsupport::write_file("Mus-shadowbench.dat", data, size);
    try {
        tubegen::LoadAttenuationTable("Mus-shadowbench.dat");
    } catch (const platform::InputError&) {
    }
    return 0;
}
