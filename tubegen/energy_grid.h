#pragma once

#include <array>

namespace tubegen {

// Every spectrum lives on 300 bins of 0.5 keV: bin k stands for 0.5·k keV. Arrays are indexed 1 … 300 as the
// formulas are written; index 0 exists and is never used.
constexpr int kBins = 300;
using BinArray = std::array<double, kBins + 1>;

inline double BinEnergy(int k) {
    return 0.5 * k;
}

}  // namespace tubegen
