#pragma once

#include <filesystem>

#include "tubegen/energy_grid.h"

namespace tubegen {

// The spectrum generator's attenuation data, one value per bin, loaded once and never changed.
struct AttenuationTable {
    BinArray MuW{};      // tungsten, linear attenuation coefficient, 1/cm (self-absorption in the anode)
    BinArray MuAl{};     // aluminium, 1/cm (inherent and added filtration, HVL in aluminium)
    BinArray MuCu{};     // copper, 1/cm (added filtration, HVL in copper)
    BinArray MuenAir{};  // air energy absorption, relative (only its variation with energy is used)
};

constexpr const char* kAttenuationFileName = "Mus-shadowbench.dat";

// Reads 300 records of five numbers (the first of each is ignored; the record's position gives its bin).
// A missing file or fewer than 1500 numbers is reported as a platform::InputError.
AttenuationTable LoadAttenuationTable(const std::filesystem::path& file);

}  // namespace tubegen
