#include "tubegen/tucker_spectrum.h"

#include <cmath>
#include <stdexcept>

#include "tubegen/spectrum_error.h"

namespace tubegen {
namespace {

double Radians(double degrees) {
    return degrees * kPi / 180;
}

double Cotangent(double theta_deg) {
    double tangent = std::tan(Radians(theta_deg));
    if (!(tangent > 0))
        throw SpectrumError("ターゲット角度の正接が正になりません。ターゲット角度を確かめて下さい。");
    return 1 / tangent;
}

// Thomson-Whiddington constant (keV²·cm²/g) for electrons starting at T0 keV.
double ThomsonWhiddington(double T0) {
    return 141766 + 12157 * T0 - 111.046 * T0 * T0 + 0.552536 * T0 * T0 * T0 -
           0.000970158 * T0 * T0 * T0 * T0;
}

// Tables over the electron energies T = 0.5·m keV that the integration visits: they depend on T alone, so
// computing them once per spectrum gives the same values as computing them at every visit.
struct ElectronTerms {
    BinArray relativistic{};  // 1 + 511/T
    BinArray stopping{};      // Sp(T) = 1036.1·e^(−0.04695·T) + 202.41
};

ElectronTerms MakeElectronTerms() {
    ElectronTerms terms;
    for (int m = 1; m <= kBins; ++m) {
        double T = 0.5 * m;
        terms.relativistic[m] = 1 + 511 / T;
        terms.stopping[m] = 1036.1 * std::exp(-0.04695 * T) + 202.41;
    }
    return terms;
}

// Bremsstrahlung of one phase: for each bin up to 2·T0, the sum over the electron energies from the photon
// energy up to T0 in steps of 0.5 keV, each attenuated along its path out of the anode.
BinArray PhaseBremsstrahlung(double T0, double cot, const BinArray& MuW, const ElectronTerms& terms) {
    BinArray P{};
    const double TW = ThomsonWhiddington(T0);
    const double amplitude = 0.03658 + 0.000029 * T0;
    for (int k = 2; k <= 2 * T0; ++k) {
        const double E = 0.5 * k;
        double sum = 0;
        int m = k;  // T = 0.5·m, exact because 0.5 is a power of two
        for (double T = E; T <= T0; T += 0.5, ++m) {
            const double x = E / T;
            const double B =
                amplitude * (1 - 5.049 * x + 10.847 * x * x - 10.516 * x * x * x + 3.842 * x * x * x * x);
            const double d = cot * (T0 * T0 - T * T) / (19.3 * TW);
            sum = sum + (terms.relativistic[m] * B / terms.stopping[m]) * std::exp(-MuW[k] * d);
        }
        P[k] = sum;
    }
    return P;
}

// Tungsten K lines at 58.0, 59.5, 67.0 and 69.0 keV, a share each of a percentage of the phase's continuum.
void AddKLines(BinArray& P, double T0) {
    if (!(T0 > 70)) return;
    double sigma = 0;
    for (int k = 2; k <= 2 * T0; ++k) sigma = sigma + P[k];
    const double L = 0.01 * KLinePercentage(T0) * sigma;
    P[116] = P[116] + 0.2908 * L;
    P[119] = P[119] + 0.5048 * L;
    P[134] = P[134] + 0.162 * L;
    P[138] = P[138] + 0.0424 * L;
}

double SinglePhaseWeight(double phi_deg) {
    double s = std::sin(Radians(phi_deg)) / 0.75;
    if (s > 1) s = 1;
    return std::pow(s, 1.5);
}

}  // namespace

std::vector<Phase> WaveformPhases(int rect_type) {
    std::vector<Phase> phases;
    switch (rect_type) {
        case kConstantPotential:
            phases.push_back({90, 1});
            break;
        case kThreePhase:
            for (int phi = 75; phi <= 90; ++phi) phases.push_back({static_cast<double>(phi), 1});
            break;
        case kSinglePhase:
            for (int phi = 2; phi <= 90; phi += 2)
                phases.push_back({static_cast<double>(phi), SinglePhaseWeight(phi)});
            break;
        default:
            throw std::invalid_argument("rectification type must be 1, 2 or 3");
    }
    return phases;
}

double KLinePercentage(double T0) {
    if (!(T0 > 70)) return 0;
    return (std::sqrt(8.79856 * T0 - 595.149) - 4.55528) / 4.39928;
}

BinArray UnfilteredSpectrum(double V, double theta_deg, int rect_type, const BinArray& MuW) {
    if (!(V >= 20 && V <= 150)) throw std::invalid_argument("tube voltage must be clamped to 20 … 150 kV");
    const std::vector<Phase> phases = WaveformPhases(rect_type);
    const double cot = Cotangent(theta_deg);
    const ElectronTerms terms = MakeElectronTerms();
    BinArray U{};
    int n = 0;
    double T0 = 0;
    for (const Phase& phase : phases) {
        n = n + 1;
        T0 = V * std::sin(Radians(phase.phi_deg));
        BinArray P = PhaseBremsstrahlung(T0, cot, MuW, terms);
        AddKLines(P, T0);
        for (int k = 2; k <= 2 * T0; ++k) U[k] = U[k] + phase.weight * P[k];
    }
    // Divided by the number of phases, not by the sum of their weights: the weights are tube currents.
    for (int k = 2; k <= 2 * T0; ++k) U[k] = U[k] / n;
    return U;
}

}  // namespace tubegen
