#include "engine/materials.h"

#include <cmath>
#include <string>

#include "engine/photon.h"
#include "engine/table_search.h"
#include "platform/fixed_format.h"
#include "platform/free_form.h"
#include "platform/input_error.h"
#include "platform/line_reader.h"

namespace engine::materials {
namespace {

struct MaterialFiles {
    const char* composition;
    const char* scattering_factors;
};
constexpr MaterialFiles material_files[5] = {
    {nullptr, nullptr},
    {"Water.mix", "Water.xfs"},
    {"Bone-ICRU.mix", "Bone-ICRU.xfs"},
    {"82_Pb.ele", "Pb.xfs"},
    {"13_Al.ele", "Al.xfs"},
};

// The photon energies a run produces reach 150 keV; the energy search needs a record above that.
constexpr float highest_photon_energy = 150.0f;
// The incoherent rejection asks S(x) for x below 10 1/Angstrom.
constexpr float highest_incoherent_x = 10.0f;

void clear_material(int m) {
    for (int p = 0; p <= max_mix_points; ++p) {
        mix_energy[m][p] = 0;
        for (int j = 1; j <= 3; ++j) mix_coef[m][j][p] = 0;
    }
}

void load_composition(int m) {
    platform::LineReader in(material_files[m].composition);
    in.next_line("the material name");
    platform::read_free_real32(in, "the density in g/cm3");
    mix_count = platform::read_free_int(in, "the number of energy records");
    if (mix_count < 2 || mix_count > max_mix_points)
        in.fail("a number of energy records from 2 to " + std::to_string(max_mix_points), 0,
                std::to_string(mix_count));

    static const platform::RecordLayout record("(E9.3,5E10.3)");
    clear_material(m);
    for (int p = 1; p <= mix_count; ++p) {
        std::string line = in.next_line("an energy record (E9.3,5E10.3)");
        std::vector<float> v = record.read_reals32(in, line);
        mix_energy[m][p] = v[0] * 1000.0f;
        for (int j = 1; j <= 3; ++j) mix_coef[m][j][p] = v[j];

        if (!(mix_energy[m][p] > 0)) in.fail("a positive energy", 1);
        if (p > 1 && mix_energy[m][p] < mix_energy[m][p - 1]) in.fail("energies that do not decrease", 1);
        if (p == 2 && mix_energy[m][2] == mix_energy[m][1])
            in.fail("a first record below the first edge (two equal energies cannot be extrapolated)", 1);
        for (int j = 1; j <= 3; ++j)
            if (!(mix_coef[m][j][p] > 0)) in.fail("a positive coefficient (it is interpolated log-log)", j + 1);
    }
    if (!(mix_energy[m][mix_count] > highest_photon_energy))
        in.fail("a last record above 150 keV (0.150 MeV)", 1);
    mix_points[m] = mix_count;
    for (int p = 1; p <= mix_count; ++p) {
        mix_log_energy[m][p] = std::log(mix_energy[m][p]);
        for (int j = 1; j <= 3; ++j) mix_log_coef[m][j][p] = std::log(mix_coef[m][j][p]);
    }
}

void load_scattering_factors(int m) {
    platform::LineReader in(material_files[m].scattering_factors);
    static const platform::RecordLayout record("(E10.3,2E12.5)");
    for (int i = 1; i <= xfs_points; ++i) {
        std::string line = in.next_line("a scattering-factor record (E10.3,2E12.5); the file has 45");
        std::vector<float> v = record.read_reals32(in, line);
        xfs_x[i] = v[0];
        xfs_form[m][i] = v[1];
        xfs_incoh[m][i] = v[2];
        if (i == 1 && !(v[0] >= 0)) in.fail("a momentum transfer of 0 or more", 1);
        if (i > 1 && !(v[0] > xfs_x[i - 1])) in.fail("increasing momentum-transfer values", 1);
        if (!(v[1] >= 0)) in.fail("a form factor of 0 or more", 2);
        if (!(v[2] >= 0)) in.fail("an incoherent scattering function of 0 or more", 3);
    }
    if (!(xfs_x[xfs_points] >= highest_incoherent_x)) in.fail("a last momentum transfer of 10 or more", 1);
    incoh_max[m] = xfs_incoh[m][xfs_points];
    if (!(incoh_max[m] > 0)) in.fail("a positive incoherent scattering function at the last point", 3);
}

void derive_coherent_table(int m) {
    float s = xfs_form[m][1];
    for (int i = 2; i <= xfs_points; ++i) {
        s = s + (xfs_x[i] - xfs_x[i - 1]) * (xfs_form[m][i] * xfs_form[m][i]) * xfs_x[i];
        coh_cdf[m][i] = s;
    }
    coh_cdf[m][1] = coh_cdf[m][2];
    float t = coh_cdf[m][1];
    float largest = 0;
    for (int i = 1; i <= xfs_points; ++i) {
        coh_cdf[m][i] = coh_cdf[m][i] - t;
        if (coh_cdf[m][i] > largest) largest = coh_cdf[m][i];
    }
    if (!(largest > 0))
        throw platform::InputError(material_files[m].scattering_factors, 0,
                                   "a form factor that is not zero beyond the first two points");
    for (int i = 1; i <= xfs_points; ++i) coh_cdf[m][i] = coh_cdf[m][i] / largest;
    coh_cdf_last[m] = coh_cdf[m][xfs_points];
}

}  // namespace

void load_materials() {
    for (int m = 1; m <= material_count; ++m) {
        load_composition(m);
        load_scattering_factors(m);
    }
    // Every file overwrote the one x grid, so the tables are derived only once all are read.
    for (int m = 1; m <= material_count; ++m) derive_coherent_table(m);
    photon::forget_flight_attenuation();
}

ProcessCoefficients attenuation_at(int m, float e, float log_e) {
    // The first record from the second on whose energy is strictly above e; energies never decrease and
    // the last lies above every photon energy, so bisection finds what a linear search would.
    const int k = 2 + first_above(mix_energy[m] + 2, mix_points[m] - 1, e);
    const float log_e0 = mix_log_energy[m][k - 1];
    const float f = (log_e - log_e0) / (mix_log_energy[m][k] - log_e0);
    float c[4];
    for (int j = 1; j <= 3; ++j) {
        const float log_c0 = mix_log_coef[m][j][k - 1];
        c[j] = std::exp(log_c0 + f * (mix_log_coef[m][j][k] - log_c0));
    }
    return {c[1], c[2], c[3]};
}

namespace {

// The first grid point from the second on that lies above x, the last one at most.
int xfs_interval(float x) {
    return 2 + first_above(xfs_x + 2, xfs_points - 2, x);
}

}  // namespace

float incoherent_function(int m, float x) {
    const int k = xfs_interval(x);
    return xfs_incoh[m][k - 1] +
           (x - xfs_x[k - 1]) * (xfs_incoh[m][k] - xfs_incoh[m][k - 1]) / (xfs_x[k] - xfs_x[k - 1]);
}

float sample_coherent_x(int m, float u) {
    float r = coh_cdf_last[m] * u;
    const int k = 2 + first_above(coh_cdf[m] + 2, xfs_points - 2, r);
    return xfs_x[k - 1] + (xfs_x[k] - xfs_x[k - 1]) * (r - coh_cdf[m][k - 1]) / (coh_cdf[m][k] - coh_cdf[m][k - 1]);
}

}  // namespace engine::materials
