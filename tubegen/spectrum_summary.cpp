#include "tubegen/spectrum_summary.h"

namespace tubegen {

SpectrumSummary SummarizeSpectrum(const BinArray& N, double V) {
    SpectrumSummary s;
    for (int k = 2; k <= 2 * V; ++k) {
        if (N[k] > s.SpectrumMax) s.SpectrumMax = N[k];
        s.Total = s.Total + N[k];
    }
    return s;
}

double MeanPhotonEnergy(const BinArray& N, double V) {
    double photons = 0;
    double energy = 0;
    for (int k = 2; k <= 2 * V; ++k) {
        photons += N[k];
        energy += BinEnergy(k) * N[k];
    }
    return photons > 0 ? energy / photons : 0;
}

}  // namespace tubegen
