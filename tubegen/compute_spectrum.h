#pragma once

#include <filesystem>

#include "tubegen/arbitrary_filters.h"
#include "tubegen/attenuation_table.h"
#include "tubegen/energy_grid.h"
#include "tubegen/spectrum_boxes.h"
#include "tubegen/spectrum_summary.h"

namespace tubegen {

struct SpectrumResult {
    double V = 0;  // the clamped tube voltage, kV
    BinArray N{};  // filtered photon spectrum
    SpectrumSummary summary;
    double HvlAlCm = 0;  // half-value layer in aluminium, cm
    double HvlCuMm = 0;  // half-value layer in copper, mm
};

// The whole computation behind "スペクトル計算・表示": reads the boxes (clamping Text1), computes the
// unfiltered and the filtered spectrum and both half-value layers, writes the spectrum file, lets pending
// events run and shows the half-value layers in Text9 and Text8. Everything that can fail is computed before
// the file is opened, so a SpectrumError (the message to show) leaves the previous file as it was.
SpectrumResult ComputeSpectrum(SpectrumBoxes& boxes, const AttenuationTable& table,
                               const ArbitraryFilters& filters, const std::filesystem::path& spectrum_file);

// "スペクトル計算・表示" as the window runs it: the plain computation, or, with matching ticked, MatchHvlAl
// or MatchHvlCu by the measured material; matching with Text13 empty is refused with
// "実測半価層を入力して下さい".
SpectrumResult ComputeOrMatchSpectrum(SpectrumBoxes& boxes, const AttenuationTable& table,
                                      const ArbitraryFilters& filters,
                                      const std::filesystem::path& spectrum_file);

}  // namespace tubegen
