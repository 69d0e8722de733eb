#include "tubegen/arbitrary_filters.h"

#include "tubegen/filter_material.h"
#include "tubegen/spectrum_error.h"

namespace tubegen {

void AddArbitraryFilter(ArbitraryFilters& filters, const std::filesystem::path& file, double thickness_mm) {
    if (filters.FilterCount >= ArbitraryFilters::kSlots)
        throw SpectrumError("任意フィルタは 3 種類までです。");
    FilterMaterial material = LoadFilterMaterial(file);
    BinArray mu = ComputeFilterMu(material);
    const int s = filters.FilterCount + 1;
    filters.FilterName[s] = material.name;
    filters.FilterMu[s] = mu;
    filters.FilterThickness[s] = thickness_mm * 0.1;
    filters.FilterCount = s;
}

}  // namespace tubegen
