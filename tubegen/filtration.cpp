#include "tubegen/filtration.h"

#include <cmath>

namespace tubegen {

BinArray FilterSpectrum(const BinArray& U, double V, const Filtration& filtration,
                        const ArbitraryFilters& filters, const AttenuationTable& table) {
    const double aluminium_cm = filtration.inherent_cm + filtration.aluminium_cm;
    const auto& mu = filters.FilterMu;
    const auto& t = filters.FilterThickness;
    BinArray N{};
    for (int k = 2; k <= 2 * V; ++k) {
        N[k] = U[k] * std::exp(-table.MuAl[k] * aluminium_cm) *
               std::exp(-table.MuCu[k] * filtration.copper_cm) * std::exp(-mu[1][k] * t[1]) *
               std::exp(-mu[2][k] * t[2]) * std::exp(-mu[3][k] * t[3]) / BinEnergy(k);
    }
    return N;
}

}  // namespace tubegen
