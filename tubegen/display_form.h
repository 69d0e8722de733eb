#pragma once

#include "tubegen/energy_grid.h"

namespace tubegen {

struct DisplayedSpectrum {
    BinArray values{};
    double max = 0;
};

// The curve of a photon spectrum N in a display mode: 1 the photon numbers as they are, 2 the exposure
// E·MuenAir·N, 3 the energy E·N, over bins 2 … 2·V; with its largest value over those bins.
DisplayedSpectrum DisplayForm(const BinArray& N, double V, int display_mode, const BinArray& MuenAir);

}  // namespace tubegen
