#include "tubegen/filtration.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "test_tables.h"

namespace {

using tubegen::ArbitraryFilters;
using tubegen::BinArray;
using tubegen::Filtration;

constexpr double kV = 80;

BinArray FlatSpectrum() {
    BinArray U{};
    U.fill(3.0);
    return U;
}

// Distinct coefficients for every absorber, so a thickness wired to the wrong array shows.
struct Absorbers {
    tubegen::AttenuationTable table = tubegen_test::ConstructedTable();
    ArbitraryFilters filters;
    Absorbers() {
        for (int j = 1; j <= 3; ++j)
            for (int k = 1; k <= tubegen::kBins; ++k) filters.FilterMu[j][k] = j * 0.7 + 0.001 * k;
    }
};

TEST(FilterSpectrum, WithoutFiltrationDividesByPhotonEnergy) {
    Absorbers a;
    BinArray N = tubegen::FilterSpectrum(FlatSpectrum(), kV, Filtration{}, a.filters, a.table);
    EXPECT_EQ(N[1], 0);
    for (int k = 2; k <= 160; ++k) EXPECT_DOUBLE_EQ(N[k], 3.0 / (0.5 * k)) << "bin " << k;
    for (int k = 161; k <= tubegen::kBins; ++k) EXPECT_EQ(N[k], 0) << "bin " << k;
}

struct AbsorberCase {
    const char* name;
    std::function<void(Filtration&, ArbitraryFilters&)> set;  // puts 1 mm of it in the beam
    std::function<double(const Absorbers&, int)> mu;          // its coefficient in bin k
};

TEST(FilterSpectrum, EachAbsorberAttenuatesByItsOwnCoefficient) {
    const AbsorberCase cases[] = {
        {"inherent", [](Filtration& f, ArbitraryFilters&) { f.inherent_cm = 0.1; },
         [](const Absorbers& a, int k) { return a.table.MuAl[k]; }},
        {"added aluminium", [](Filtration& f, ArbitraryFilters&) { f.aluminium_cm = 0.1; },
         [](const Absorbers& a, int k) { return a.table.MuAl[k]; }},
        {"copper", [](Filtration& f, ArbitraryFilters&) { f.copper_cm = 0.1; },
         [](const Absorbers& a, int k) { return a.table.MuCu[k]; }},
        {"slot 1", [](Filtration&, ArbitraryFilters& s) { s.FilterThickness[1] = 0.1; },
         [](const Absorbers& a, int k) { return a.filters.FilterMu[1][k]; }},
        {"slot 2", [](Filtration&, ArbitraryFilters& s) { s.FilterThickness[2] = 0.1; },
         [](const Absorbers& a, int k) { return a.filters.FilterMu[2][k]; }},
        {"slot 3", [](Filtration&, ArbitraryFilters& s) { s.FilterThickness[3] = 0.1; },
         [](const Absorbers& a, int k) { return a.filters.FilterMu[3][k]; }},
    };
    for (const AbsorberCase& c : cases) {
        Absorbers a;
        BinArray open = tubegen::FilterSpectrum(FlatSpectrum(), kV, Filtration{}, a.filters, a.table);
        Filtration f;
        c.set(f, a.filters);
        BinArray filtered = tubegen::FilterSpectrum(FlatSpectrum(), kV, f, a.filters, a.table);
        for (int k : {20, 60, 100, 160})
            EXPECT_NEAR(filtered[k] / open[k], std::exp(-c.mu(a, k) * 0.1), 1e-12) << c.name << ", bin " << k;
    }
}

TEST(FilterSpectrum, EmptySlotLetsEverythingThroughWhateverItsThickness) {
    tubegen::AttenuationTable table = tubegen_test::ConstructedTable();
    ArbitraryFilters none;
    ArbitraryFilters thick_but_empty;
    thick_but_empty.FilterThickness = {0, 1000, 1000, 1000};
    Filtration f{0.25, 0.1, 0.02};
    EXPECT_EQ(tubegen::FilterSpectrum(FlatSpectrum(), kV, f, thick_but_empty, table),
              tubegen::FilterSpectrum(FlatSpectrum(), kV, f, none, table));
}

}  // namespace
