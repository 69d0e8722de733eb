#pragma once

#include <filesystem>

#include "tubegen/compute_spectrum.h"

namespace tubegen {

// "実測HVLに合致させる": moves the inherent filtration (Text2) in steps of 0.1 mm aluminium until the
// computed half-value layer crosses the measured one in Text13 (mm), interpolates linearly between the last
// two steps, writes the result into Text2 ("0.000"), lets pending events run and then runs ComputeSpectrum. A
// computed value equal to the measured one leaves Text2 as it is. The unfiltered spectrum is computed once
// for all steps. Throws SpectrumError when 1000 steps (100 mm) do not reach the measured value.
SpectrumResult MatchHvlAl(SpectrumBoxes& boxes, const AttenuationTable& table,
                          const ArbitraryFilters& filters, const std::filesystem::path& spectrum_file);
SpectrumResult MatchHvlCu(SpectrumBoxes& boxes, const AttenuationTable& table,
                          const ArbitraryFilters& filters, const std::filesystem::path& spectrum_file);

}  // namespace tubegen
