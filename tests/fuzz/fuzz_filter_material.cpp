// The filter picker's reading of a composition file and the coefficients it interpolates from it.
#include <cstddef>
#include <cstdint>

#include "fuzz_workdir.h"
#include "platform/input_error.h"
#include "tubegen/filter_material.h"
#include "tubegen/spectrum_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzsupport::enter_work_dir();
    fuzzsupport::write_file("Fuzz.ele", data, size);
    try {
        tubegen::ComputeFilterMu(tubegen::LoadFilterMaterial("Fuzz.ele"));
    } catch (const platform::InputError&) {
    } catch (const tubegen::SpectrumError&) {
    }
    return 0;
}
