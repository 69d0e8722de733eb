#pragma once

#include <filesystem>

namespace platform {
class Console;
}

// The result file: header, run description, the two 200 x 200 images and the three spectra, 4313 lines.
namespace engine::result_file {

// Writes the result file named in the run conditions into `dir`. A blank name is asked for on the console.
// The file is written beside its target and renamed over it only when complete.
void write_result_file(platform::Console& console, const std::filesystem::path& dir = ".");

}  // namespace engine::result_file
