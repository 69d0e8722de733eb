#include "tubegen/display_form.h"

namespace tubegen {

DisplayedSpectrum DisplayForm(const BinArray& N, double V, int display_mode, const BinArray& MuenAir) {
    DisplayedSpectrum d;
    d.values = N;
    for (int k = 2; k <= kBins && k <= 2 * V; ++k) {
        if (display_mode == 2) d.values[k] = BinEnergy(k) * MuenAir[k] * N[k];
        if (display_mode == 3) d.values[k] = BinEnergy(k) * N[k];
        if (d.values[k] > d.max) d.max = d.values[k];
    }
    return d;
}

}  // namespace tubegen
