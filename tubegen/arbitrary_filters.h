#pragma once

#include <array>
#include <filesystem>
#include <string>

#include "tubegen/energy_grid.h"

namespace tubegen {

// The three arbitrary-filter slots, 1-based (index 0 unused). An empty slot has FilterMu 0 in every bin and
// so lets everything through whatever its thickness.
struct ArbitraryFilters {
    static constexpr int kSlots = 3;

    int FilterCount = 0;
    std::array<std::string, kSlots + 1> FilterName;    // line 1 of the composition file, its bytes
    std::array<double, kSlots + 1> FilterThickness{};  // cm
    std::array<BinArray, kSlots + 1> FilterMu{};       // 1/cm per bin

    // Empties every slot ("解除", "グラフ消去").
    void Reset() { *this = ArbitraryFilters{}; }
};

// The picker's "OK": reads the composition file, computes its coefficients and fills the next slot with
// them and the thickness (mm). The slot is taken only when the file has been read and accepted; throws
// SpectrumError when all three slots are in use.
void AddArbitraryFilter(ArbitraryFilters& filters, const std::filesystem::path& file, double thickness_mm);

}  // namespace tubegen
