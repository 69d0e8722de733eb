#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "tubegen/energy_grid.h"

namespace tubegen {

// A composition file as the filter picker reads it.
struct FilterMaterial {
    std::string name;    // line 1, as the file's bytes (code page 932)
    double density = 0;  // g/cm³
    // Rows 1 … n (row 0 unused): [0] total of [2] … [4]; [1] energy in MeV; [2] coherent, [3] incoherent,
    // [4] photoelectric mass attenuation coefficient in cm²/g.
    std::vector<std::array<double, 5>> MaterialTable;
};

constexpr int kMaxMaterialRecords = 110;

// Reads the name line, the density, the record count and the records as free-format numbers. Throws
// platform::InputError for a missing or short file (fewer records than declared) and SpectrumError for a
// count that is not a whole number from 1 to 110.
FilterMaterial LoadFilterMaterial(const std::filesystem::path& file);

// The filter's linear attenuation coefficient in 1/cm per bin: at each whole keV from 1 to 150 the total
// interpolated linearly in log energy and log coefficient, times the density; odd bins the mean of their
// neighbours, bin 1 that of bin 2. Throws SpectrumError when the records do not reach from 1 keV to above
// 150 keV, or when a coefficient or energy the interpolation takes the logarithm of is not positive.
BinArray ComputeFilterMu(const FilterMaterial& material);

}  // namespace tubegen
