#pragma once

#include <iosfwd>

namespace platform {
class Console;
}

// The engine's main program: set-up, banner, the bin loop over the spectrum, the result file, the end.
namespace engine::driver {

// Runs the whole simulation in the current directory. A problem with an input file is reported on `errors`
// during set-up, before the banner, and no result file is written. Returns the process's exit status.
int run_engine(platform::Console& console, std::ostream& errors);

// Set-up only: generator, materials, spectrum, run conditions and phantom, tallies cleared. Throws
// platform::InputError.
void set_up();

// The bin loop: bins 10 to top_bin (never past 300), one progress line for each bin that runs photons.
void run_bins(platform::Console& console);

// Photons run in a bin: the exact product of weight and total, truncated toward zero.
int bin_photons_for(float weight, float total);

}  // namespace engine::driver
