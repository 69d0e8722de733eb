#pragma once

#include "tubegen/energy_grid.h"

namespace tubegen {

// The largest bin and the sum of a photon spectrum over bins 2 … 2·V.
struct SpectrumSummary {
    double SpectrumMax = 0;
    double Total = 0;
};

SpectrumSummary SummarizeSpectrum(const BinArray& N, double V);

// The photon-number weighted mean energy in keV over bins 2 … 2·V; 0 for an empty spectrum.
double MeanPhotonEnergy(const BinArray& N, double V);

}  // namespace tubegen
