#pragma once

#include <string>

#include "tubegen/attenuation_table.h"
#include "tubegen/energy_grid.h"

namespace tubegen {

// The first half-value layer of a photon spectrum N: the absorber thickness that halves its exposure
// (photon energy × air energy absorption × photons, over the bins above 5 keV up to 2·V), found in fixed
// absorber steps and interpolated logarithmically between the two steps around 50 %.
// Throws SpectrumError when there is nothing above 5 keV, when 50 % is not reached within the steps
// (aluminium above 30 mm, copper above 10 mm), or when the transmission falls to 0 or stops falling there.

// In aluminium: steps of 0.1 mm up to 300; the result in cm.
double HvlAl(const BinArray& N, double V, const AttenuationTable& table);

// In copper: steps of 0.01 mm up to 1000; the result in mm.
double HvlCu(const BinArray& N, double V, const AttenuationTable& table);

// The texts the window shows, in mm with three decimals ("#0.000").
std::string HvlAlText(double hvl_al_cm);
std::string HvlCuText(double hvl_cu_mm);

}  // namespace tubegen
