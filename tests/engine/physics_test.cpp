// Physics checked against expectations computed here from the data files and from formulas, never from
// the engine's own lookups; tolerances come from the counting statistics.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "engine/build_switch.h"
#include "engine/driver.h"
#include "engine/interactions.h"
#include "engine/materials.h"
#include "engine/rng.h"
#include "engine/tallies.h"
#include "engine_fixture.h"

namespace {

using namespace engine;
using testsupport::EngineWorkDir;

// A composition file as a table, interpolated log-log on the total with coherent scattering.
class CompositionTable {
public:
    explicit CompositionTable(const std::string& path) {
        std::ifstream in(path);
        std::string line;
        std::getline(in, line);
        in >> density_;
        int n;
        in >> n;
        for (int i = 0; i < n; ++i) {
            double e, coh, incoh, photo, with_coh, without_coh;
            in >> e >> coh >> incoh >> photo >> with_coh >> without_coh;
            energy_.push_back(e * 1000);
            total_.push_back(coh + incoh + photo);
        }
    }
    // Mass attenuation coefficient in cm2/g at e keV (above an edge at the edge energy itself).
    double mu_rho(double e) const {
        std::size_t k = 1;
        while (energy_[k] <= e) ++k;
        double f = std::log(e / energy_[k - 1]) / std::log(energy_[k] / energy_[k - 1]);
        return std::exp(std::log(total_[k - 1]) + f * std::log(total_[k] / total_[k - 1]));
    }
    double density() const { return density_; }

private:
    double density_ = 0;
    std::vector<double> energy_, total_;
};

std::string data_file(const char* name) { return std::string(SHADOWBENCH_DATA_DIR) + "/" + name; }

// Photons of the given component scored in the central square of pixels [first, last] on both axes.
double central_photons(int component, int first, int last, float energy) {
    double sum = 0;
    for (int i = first; i <= last; ++i)
        for (int j = first; j <= last; ++j) sum += tallies::detector_image[component][i][j];
    return sum / energy;
}

void run_quietly() {
    testsupport::EngineRun run = testsupport::run_engine();
    ASSERT_EQ(run.status, 0) << run.errors;
}

struct NarrowBeam {
    int bin;  // 0.5 keV bins
    double thickness;
};

class PrimaryTransmission : public testing::TestWithParam<NarrowBeam> {};

// Never-scattered photons through water: exp(-mu t) of those aimed at the region.
TEST_P(PrimaryTransmission, FollowsExponentialAttenuation) {
    if (grid_build) GTEST_SKIP() << "checked without the grid; the grid has its own test";
    const NarrowBeam beam = GetParam();
    const double energy = 0.5 * beam.bin;
    const double expected_fraction = std::exp(-CompositionTable(data_file("Water.mix")).mu_rho(energy) * beam.thickness);
    // A 10 cm field; the region is its central 8 x 8 cm (pixels 80..119), 64 % of the photons.
    const double region_share = 0.64;
    const double histories = std::ceil(3000 / (region_share * expected_fraction));
    EngineWorkDir dir;
    dir.write_single_bin_spectrum(beam.bin);
    dir.write_conditions(1, beam.thickness, 10.0, 0, histories);
    run_quietly();
    const double p = region_share * expected_fraction;
    const double expected = histories * p;
    const double sigma = std::sqrt(histories * p * (1 - p));
    EXPECT_NEAR(central_photons(1, 80, 119, static_cast<float>(energy)), expected, 4 * sigma)
        << energy << " keV through " << beam.thickness << " cm: expected transmission " << expected_fraction;
}

INSTANTIATE_TEST_SUITE_P(Water, PrimaryTransmission,
                         testing::Values(NarrowBeam{60, 10}, NarrowBeam{120, 10}, NarrowBeam{120, 20},
                                         NarrowBeam{200, 10}, NarrowBeam{200, 20}, NarrowBeam{40, 5}),
                         [](const testing::TestParamInfo<NarrowBeam>& info) {
                             return "bin" + std::to_string(info.param.bin) + "_" +
                                    std::to_string(static_cast<int>(info.param.thickness)) + "cm";
                         });

TEST(Grid, PrimariesPassAsTheStripsAreaWeighted) {
    if (!grid_build) GTEST_SKIP() << "the no-grid build has no grid";
    const CompositionTable water(data_file("Water.mix")), aluminium(data_file("13_Al.ele")),
        lead(data_file("82_Pb.ele"));
    for (int bin : {120, 175}) {
        const double e = 0.5 * bin;
        // 1 cm of water, then 0.16 cm of aluminium (80 % of the area) or lead (20 %).
        const double grid_pass = 0.8 * std::exp(-aluminium.mu_rho(e) * 2.699 * 0.16) +
                                 0.2 * std::exp(-lead.mu_rho(e) * 11.34 * 0.16);
        const double fraction = std::exp(-water.mu_rho(e) * 1.0) * grid_pass;
        const double histories = 200000;
        EngineWorkDir dir;
        dir.write_single_bin_spectrum(bin);
        dir.write_conditions(1, 1.0, 10.0, 1, histories);
        run_quietly();
        const double p = 0.64 * fraction;
        const double sigma = std::sqrt(histories * p * (1 - p));
        EXPECT_NEAR(central_photons(1, 80, 119, static_cast<float>(e)), histories * p, 4 * sigma) << e << " keV";
    }
}

// --- Scattering samplers --------------------------------------------------------------------------

// A scattering-factor file: x, F(x), S(x).
struct ScatteringFactors {
    std::vector<double> x, form, incoh;
    explicit ScatteringFactors(const std::string& path) {
        std::ifstream in(path);
        double a, b, c;
        while (in >> a >> b >> c) x.push_back(a), form.push_back(b), incoh.push_back(c);
    }
    double s(double v) const {
        std::size_t k = 1;
        while (k + 1 < x.size() && x[k] <= v) ++k;
        return incoh[k - 1] + (v - x[k - 1]) * (incoh[k] - incoh[k - 1]) / (x[k] - x[k - 1]);
    }
};

// Chi-square of observed against expected counts, bins with fewer than five expected merged into the
// next; returns the statistic and sets the degrees of freedom.
double chi_square(const std::vector<double>& observed, const std::vector<double>& expected, int& dof) {
    double chi2 = 0, o = 0, e = 0;
    int bins = 0;
    for (std::size_t i = 0; i < observed.size(); ++i) {
        o += observed[i];
        e += expected[i];
        if (e >= 5 || i + 1 == observed.size()) {
            if (e > 0) chi2 += (o - e) * (o - e) / e, ++bins;
            o = e = 0;
        }
    }
    dof = bins - 1;
    return chi2;
}

// Upper 0.1 % point of chi-square (Wilson-Hilferty).
double chi_square_limit(int dof) {
    const double z = 3.09;
    const double k = dof;
    return k * std::pow(1 - 2 / (9 * k) + z * std::sqrt(2 / (9 * k)), 3);
}

class Samplers : public testing::Test {
protected:
    void SetUp() override {
        rng::initialise_rng();
        materials::load_materials();
    }
    EngineWorkDir dir_;
};

TEST_F(Samplers, IncoherentFollowsKleinNishinaTimesIncoherentFunction) {
    const ScatteringFactors water(data_file("Water.xfs"));
    const double s_max = water.incoh.back();
    for (double e : {20.0, 60.0, 140.0}) {
        const int bins = 40, samples = 200000;
        std::vector<double> observed(bins), expected(bins);
        for (int n = 0; n < samples; ++n) {
            float c = interactions::sample_incoherent_angle(1, static_cast<float>(e)).cos_angle;
            observed[std::min(bins - 1, static_cast<int>((c + 1) / 2 * bins))] += 1;
        }
        // dsigma/dcos = P^2 (P + 1/P - sin^2) S(x)/S_max, P = E'/E, integrated over each bin.
        auto density = [&](double c) {
            double p = 1 / (1 + e / 511.0 * (1 - c));
            double x = std::sqrt((1 - c) / 2) * e / 12.4;
            double rejection = x < 10 ? water.s(x) / s_max : 1.0;
            return p * p * (p + 1 / p - (1 - c * c)) * rejection;
        };
        double total = 0;
        for (int b = 0; b < bins; ++b) {
            const int steps = 200;
            for (int q = 0; q < steps; ++q) expected[b] += density(-1 + 2.0 * (b + (q + 0.5) / steps) / bins);
            total += expected[b];
        }
        for (double& v : expected) v *= samples / total;
        int dof;
        double chi2 = chi_square(observed, expected, dof);
        EXPECT_LT(chi2, chi_square_limit(dof)) << e << " keV, " << dof << " degrees of freedom";
    }
}

TEST_F(Samplers, CoherentFollowsFormFactorSquaredTimesThomson) {
    const ScatteringFactors water(data_file("Water.xfs"));
    for (double e : {17.5, 30.0, 60.0}) {
        const double x_max = e / 12.4;  // sin(theta/2) <= 1
        // Expected share of each x interval: F^2 x dx of the interval (right-end rule, as tabulated),
        // times the Thomson factor averaged over it, up to x_max.
        const std::size_t n = water.x.size();
        std::vector<double> expected(n), observed(n);
        double total = 0;
        for (std::size_t k = 1; k < n && water.x[k - 1] < x_max; ++k) {
            double lo = water.x[k - 1], hi = std::min(water.x[k], x_max);
            double weight = k == 1 ? 0 : (water.x[k] - water.x[k - 1]) * water.form[k] * water.form[k] * water.x[k];
            double share = (hi - lo) / (water.x[k] - water.x[k - 1]);
            double thomson = 0;
            for (int q = 0; q < 100; ++q) {
                double s = (lo + (hi - lo) * (q + 0.5) / 100) * 12.4 / e;
                double c = 1 - 2 * s * s;
                thomson += (1 + c * c) / 2 / 100;
            }
            expected[k] = weight * share * thomson;
            total += expected[k];
        }
        const int samples = 200000;
        for (int s = 0; s < samples; ++s) {
            float c = interactions::sample_coherent_angle(1, static_cast<float>(e)).cos_angle;
            double x = std::sqrt((1 - c) / 2) * e / 12.4;
            std::size_t k = 1;
            while (k + 1 < n && water.x[k] < x) ++k;
            observed[k] += 1;
        }
        for (double& v : expected) v *= samples / total;
        int dof;
        double chi2 = chi_square(observed, expected, dof);
        EXPECT_LT(chi2, chi_square_limit(dof)) << e << " keV, " << dof << " degrees of freedom";
        EXPECT_EQ(observed[0], 0) << "the first interval contributes nothing";
    }
}

// --- Whole runs ------------------------------------------------------------------------------------

double scattered(int bin) { return tallies::spectrum_tally[2][bin]; }
double neighbourhood(int bin) {
    double sum = 0;
    for (int d : {-4, -3, -2, 2, 3, 4}) sum += scattered(bin + d);
    return sum / 6;
}

TEST(Fluorescence, LeadLinesOnlyWhenTheBeamReachesAboveTheKEdge) {
    if (!grid_build) GTEST_SKIP() << "lead exists only in the grid";
    const int k_alpha = 148, k_beta = 170;  // 74.159 and 85.37 keV
    {
        EngineWorkDir dir;
        dir.write_single_bin_spectrum(200);  // 100 keV
        dir.write_conditions(1, 20.0, 20.0, 1, 200000);
        run_quietly();
        EXPECT_GT(scattered(k_alpha), 3 * neighbourhood(k_alpha) + 20);
        EXPECT_GT(scattered(k_beta), 3 * neighbourhood(k_beta) + 10);
    }
    {
        EngineWorkDir dir;
        dir.write_single_bin_spectrum(175);  // 87.5 keV, just below the K edge
        dir.write_conditions(1, 20.0, 20.0, 1, 200000);
        run_quietly();
        const double around = neighbourhood(k_alpha);
        EXPECT_LT(scattered(k_alpha), around + 4 * std::sqrt(around) + 3) << "no K alpha line below the edge";
    }
}

TEST(EnergyConservation, NothingIsScoredAboveItsSourceBin) {
    for (int bin : {80, 200}) {
        EngineWorkDir dir;
        dir.write_single_bin_spectrum(bin);
        dir.write_conditions(3, 20.0, 36.0, grid_build, 50000);
        run_quietly();
        for (int n = 1; n <= 300; ++n) {
            if (n != bin) {
                EXPECT_EQ(tallies::spectrum_tally[1][n], 0.0f) << "primary in bin " << n;
            }
            if (n > bin) {
                EXPECT_EQ(tallies::spectrum_tally[2][n], 0.0f) << "scattered in bin " << n;
            }
        }
        double image = 0;
        for (int i = 1; i <= 200; ++i)
            for (int j = 1; j <= 200; ++j) image += tallies::detector_image[1][i][j];
        EXPECT_NEAR(image, tallies::spectrum_tally[1][bin] * 0.5 * bin, 1e-3 * image) << "primaries keep their energy";
    }
}

}  // namespace
