#include "tubegen/half_value_layer.h"

#include <cmath>

#include "platform/number_pattern.h"
#include "tubegen/spectrum_error.h"

namespace tubegen {
namespace {

struct Absorber {
    const BinArray& mu;        // 1/cm
    double step_cm;            // thickness added per step
    int steps;                 // how many steps are tried
    double q;                  // result units per step
    const char* beyond_steps;  // the message when 50 % is not reached
};

constexpr int kFirstExposureBin = 11;  // bins up to 5 keV take no part

double ExposureSum(const BinArray& X, double V) {
    double sum = 0;
    for (int k = kFirstExposureBin; k <= 2 * V; ++k) sum = sum + X[k];
    return sum;
}

double HalfValueLayer(const BinArray& N, double V, const BinArray& MuenAir, const Absorber& a) {
    BinArray X{};
    BinArray step_factor{};
    for (int k = kFirstExposureBin; k <= 2 * V; ++k) {
        X[k] = BinEnergy(k) * MuenAir[k] * N[k];
        step_factor[k] = std::exp(-a.mu[k] * a.step_cm);
    }
    const double S0 = ExposureSum(X, V);
    if (!(S0 > 0 && std::isfinite(S0)))
        throw SpectrumError("5 keV を超える光子がないため半価層を求められません。");
    // Transmission in per cent after j steps; the search for 50 % starts at step 2, so a spectrum already
    // below 50 % after one step is extrapolated from steps 1 and 2.
    double previous = 0;
    double current = 100;
    int j = 0;
    do {
        if (j == a.steps) throw SpectrumError(a.beyond_steps);
        ++j;
        for (int k = kFirstExposureBin; k <= 2 * V; ++k) X[k] = X[k] * step_factor[k];
        previous = current;
        current = 100 * ExposureSum(X, V) / S0;
    } while (j < 2 || current > 50);
    if (!(current > 0)) throw SpectrumError("透過率が 0 になったため半価層を求められません。");
    if (!(current < previous)) throw SpectrumError("透過率が減らないため半価層を求められません。");
    const double f = (std::log(50.0) - std::log(previous)) / (std::log(current) - std::log(previous));
    return a.q * (j - 1 + f);
}

}  // namespace

double HvlAl(const BinArray& N, double V, const AttenuationTable& table) {
    return HalfValueLayer(N, V, table.MuenAir,
                          {table.MuAl, 0.01, 300, 0.01, "アルミ半価層が 30 mm を超えるため求められません。"});
}

double HvlCu(const BinArray& N, double V, const AttenuationTable& table) {
    return HalfValueLayer(N, V, table.MuenAir,
                          {table.MuCu, 0.001, 1000, 0.01, "銅半価層が 10 mm を超えるため求められません。"});
}

std::string HvlAlText(double hvl_al_cm) {
    return platform::format_number(10 * hvl_al_cm, "#0.000");
}

std::string HvlCuText(double hvl_cu_mm) {
    return platform::format_number(hvl_cu_mm, "#0.000");
}

}  // namespace tubegen
