// The composition files: their layout, read both ways, and their values against NIST references.

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "data_files.h"

namespace {

using datatest::CompositionFile;
using datatest::EnergyRecord;

struct Material {
    const char* file;
    const char* name_line;  // the short name the spectrum header quotes
    double density;         // g/cm3
    int edges;              // absorption edges between 1 and 200 keV
};

// Edges: K, L1-L3 and M1-M5 shells whose binding energy lies above 1 keV. Densities: NIST.
const Material kMaterials[] = {
    {"Water.mix", "Water", 1.0, 0},       {"Bone-ICRU.mix", "Bone-ICRU", 1.85, 4},  // Mg P S Ca K
    {"82_Pb.ele", "Pb", 11.35, 9},        {"13_Al.ele", "Al", 2.699, 1},
    {"4_Be.ele", "Be", 1.848, 0},         {"22_Ti.ele", "Ti", 4.54, 1},
    {"29_Cu.ele", "Cu", 8.96, 2},         {"42_Mo.ele", "Mo", 10.22, 4},
    {"45_Rh.ele", "Rh", 12.41, 4},        {"47_Ag.ele", "Ag", 10.50, 4},
    {"50_Sn.ele", "Sn", 7.31, 4},         {"64_Gd.ele", "Gd", 7.90, 9},
    {"68_Er.ele", "Er", 9.066, 9},        {"74_W.ele", "W", 19.30, 9},
    {"Air.mix", "Air", 0.001205, 1},      {"PMMA.mix", "PMMA", 1.19, 0},          // Ar K in air
};

void PrintTo(const Material& m, std::ostream* os) { *os << m.file; }

class CompositionFileTest : public ::testing::TestWithParam<Material> {};

TEST_P(CompositionFileTest, HeaderAndRecordCount) {
    const Material& m = GetParam();
    CompositionFile f = datatest::read_by_columns(m.file);
    EXPECT_EQ(f.name_line, m.name_line);
    EXPECT_NEAR(f.density, m.density, 1e-6 * m.density);
    EXPECT_GE(f.count, 1);
    EXPECT_LE(f.count, 110) << "the engine's tables hold 110 records";
    EXPECT_EQ(f.lines, f.count + 3) << "nothing after the last record";
}

TEST_P(CompositionFileTest, ColumnAndNumberReadingsAgree) {
    // The engine reads fixed columns, the filter picker blank-separated numbers: both must see every value.
    CompositionFile columns = datatest::read_by_columns(GetParam().file);
    CompositionFile numbers = datatest::read_as_numbers(GetParam().file);
    EXPECT_EQ(numbers.name_line, columns.name_line);
    EXPECT_EQ(numbers.count, columns.count);
    ASSERT_EQ(numbers.records.size(), columns.records.size());
    for (std::size_t i = 0; i < columns.records.size(); ++i) {
        const EnergyRecord& a = columns.records[i];
        const EnergyRecord& b = numbers.records[i];
        std::vector<double> va{a.energy_kev, a.coherent, a.incoherent, a.photoelectric, a.total, a.total_without_coherent};
        std::vector<double> vb{b.energy_kev, b.coherent, b.incoherent, b.photoelectric, b.total, b.total_without_coherent};
        EXPECT_EQ(va, vb) << "record " << i + 1;
    }
}

TEST_P(CompositionFileTest, EnergiesSpanTheSpectrumAndEdgesArePairs) {
    const Material& m = GetParam();
    CompositionFile f = datatest::read_by_columns(m.file);
    ASSERT_GE(f.records.size(), 2u);
    EXPECT_LE(f.records.front().energy_kev, 1.0) << "the filter picker starts at 1 keV";
    EXPECT_GT(f.records.back().energy_kev, 150.0) << "the energy search has no upper bound";
    int pairs = 0;
    for (std::size_t i = 1; i < f.records.size(); ++i) {
        const EnergyRecord& lo = f.records[i - 1];
        const EnergyRecord& hi = f.records[i];
        ASSERT_LE(lo.energy_kev, hi.energy_kev) << "record " << i + 1;
        if (lo.energy_kev != hi.energy_kev) continue;
        ++pairs;
        SCOPED_TRACE("edge at " + std::to_string(hi.energy_kev) + " keV");
        ASSERT_GE(i, 2u) << "an edge needs a record before it";
        ASSERT_LT(i + 1, f.records.size()) << "an edge needs a record after it";
        EXPECT_NE(f.records[i - 2].energy_kev, lo.energy_kev) << "no three records of one energy";
        // Below first, then above; the edges of the traces in bone (Mg, S) raise it by well under 1 %.
        EXPECT_GT(hi.photoelectric, lo.photoelectric);
        EXPECT_NEAR(hi.coherent, lo.coherent, 0.002 * lo.coherent) << "scattering does not jump";
        EXPECT_NEAR(hi.incoherent, lo.incoherent, 0.002 * lo.incoherent);
    }
    EXPECT_EQ(pairs, m.edges);
}

TEST_P(CompositionFileTest, CoefficientsArePositiveAndTotalsAddUp) {
    CompositionFile f = datatest::read_by_columns(GetParam().file);
    for (std::size_t i = 0; i < f.records.size(); ++i) {
        const EnergyRecord& r = f.records[i];
        SCOPED_TRACE("record " + std::to_string(i + 1));
        EXPECT_GT(r.coherent, 0.0);
        EXPECT_GT(r.incoherent, 0.0);
        EXPECT_GT(r.photoelectric, 0.0);
        // Four digits per field: a sum of rounded values may differ from the rounded sum in the last one.
        EXPECT_NEAR(r.total, r.sum(), 1e-3 * r.total);
        EXPECT_NEAR(r.total_without_coherent, r.incoherent + r.photoelectric, 1e-3 * r.total_without_coherent);
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, CompositionFileTest, ::testing::ValuesIn(kMaterials),
                         [](const ::testing::TestParamInfo<Material>& info) {
                             std::string name = info.param.file;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

// Total mass attenuation coefficients with coherent scattering, cm2/g: J. H. Hubbell and S. M. Seltzer,
// "Tables of X-Ray Mass Attenuation Coefficients and Mass Energy-Absorption Coefficients", NIST
// (Tables 3 and 4; XCOM gives the same values).
struct Reference {
    const char* file;
    double e_kev;
    double mu_rho;
};

const Reference kNist[] = {
    {"Water.mix", 20.0, 0.8096},   {"Water.mix", 60.0, 0.2059},   {"Water.mix", 150.0, 0.1505},
    {"13_Al.ele", 30.0, 1.128},    {"13_Al.ele", 100.0, 0.1704},  {"29_Cu.ele", 50.0, 2.613},
    {"82_Pb.ele", 80.0, 2.419},    {"82_Pb.ele", 100.0, 5.549},   {"74_W.ele", 60.0, 3.713},
    {"Air.mix", 60.0, 0.1875},
};

TEST(CompositionValues, AgreeWithNistWithinTwoPercent) {
    for (const Reference& ref : kNist) {
        CompositionFile f = datatest::read_by_columns(ref.file);
        EXPECT_NEAR(datatest::total_at(f, ref.e_kev), ref.mu_rho, 0.02 * ref.mu_rho)
            << ref.file << " at " << ref.e_kev << " keV";
    }
}

TEST(CompositionValues, LeadKEdgeAt88keV) {
    // NIST: the lead K edge lies at 88.0045 keV, with 1.910 cm2/g below it and 7.683 cm2/g above.
    CompositionFile f = datatest::read_by_columns("82_Pb.ele");
    const EnergyRecord* below = nullptr;
    const EnergyRecord* above = nullptr;
    for (std::size_t i = 1; i < f.records.size(); ++i)
        if (f.records[i].energy_kev == f.records[i - 1].energy_kev && std::abs(f.records[i].energy_kev - 88.0) < 0.1)
            below = &f.records[i - 1], above = &f.records[i];
    ASSERT_NE(above, nullptr) << "no doubled record near 88 keV";
    EXPECT_NEAR(above->energy_kev, 88.0045, 0.01);
    EXPECT_NEAR(below->sum(), 1.910, 0.02 * 1.910);
    EXPECT_NEAR(above->sum(), 7.683, 0.02 * 7.683);
    // The engine's 88.0 keV bin lies below the edge, the 88.5 keV bin above it.
    EXPECT_NEAR(datatest::total_at(f, 88.0), 1.910, 0.02 * 1.910);
    EXPECT_GT(datatest::total_at(f, 88.5), 3.5 * datatest::total_at(f, 88.0));
}

}  // namespace
