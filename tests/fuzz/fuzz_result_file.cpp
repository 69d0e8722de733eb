// The viewer's reading of a result file, and the scaling of what it accepts into grey levels and curves.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "frontend/image_scale.h"
#include "frontend/result_data.h"
#include "fuzz_workdir.h"
#include "platform/input_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzsupport::enter_work_dir();
    fuzzsupport::write_file("fuzz.data", data, size);
    try {
        frontend::ReadDescription("fuzz.data");
        std::unique_ptr<frontend::ResultTallies> tallies = frontend::ReadResultFile("fuzz.data");
        frontend::ScaleImages(tallies->image);
        static frontend::IncidentPlotArray incident;
        static frontend::ExitPlotArray exit;
        frontend::ComputeSpectrumPlots(tallies->spectrum, incident, exit);
    } catch (const platform::InputError&) {
    }
    return 0;
}
