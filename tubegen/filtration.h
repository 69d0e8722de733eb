#pragma once

#include "tubegen/arbitrary_filters.h"
#include "tubegen/attenuation_table.h"
#include "tubegen/energy_grid.h"
#include "tubegen/exposure_conditions.h"

namespace tubegen {

// The photon spectrum N behind the filters: U attenuated by the aluminium (inherent plus added), the copper
// and the three arbitrary filters, and divided by the photon energy to turn the energy-weighted model output
// into photon numbers. Bins 2 … 2·V only; all others are 0.
BinArray FilterSpectrum(const BinArray& U, double V, const Filtration& filtration,
                        const ArbitraryFilters& filters, const AttenuationTable& table);

}  // namespace tubegen
