#include "test_tables.h"

#include <cmath>
#include <cstdio>
#include <fstream>

#include "tubegen/energy_grid.h"

namespace tubegen_test {

tubegen::AttenuationTable ConstructedTable() {
    tubegen::AttenuationTable t;
    for (int k = 1; k <= tubegen::kBins; ++k) {
        double E = tubegen::BinEnergy(k);
        t.MuW[k] = 19.3 * (5.0 * std::pow(50.0 / E, 2.5) + 1.0);
        t.MuAl[k] = 2.699 * (25.0 * std::pow(10.0 / E, 3) + 0.16);
        t.MuCu[k] = 8.96 * (220.0 * std::pow(10.0 / E, 3) + 0.3);
        t.MuenAir[k] = 4.6 * std::pow(10.0 / E, 3) + 0.023;
    }
    return t;
}

void WriteAttenuationFile(const std::filesystem::path& file, const tubegen::AttenuationTable& t) {
    std::ofstream out(file, std::ios::binary);
    char line[160];
    for (int k = 1; k <= tubegen::kBins; ++k) {
        std::snprintf(line, sizeof line, "%.1f, %.17g, %.17g, %.17g, %.17g\r\n", tubegen::BinEnergy(k),
                      t.MuW[k], t.MuAl[k], t.MuCu[k], t.MuenAir[k]);
        out << line;
    }
}

}  // namespace tubegen_test
