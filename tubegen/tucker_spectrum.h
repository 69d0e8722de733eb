#pragma once

#include <vector>

#include "tubegen/energy_grid.h"

namespace tubegen {

// π as the model was calibrated with it: five decimals only. It makes sin 90° a hair below 1, so the highest
// bin at an integer voltage V is 2V − 1 and bin 2V stays empty.
constexpr double kPi = 3.14159;

// Rectification types: 1 constant potential, 2 three-phase 12-pulse, 3 single-phase full-wave.
constexpr int kConstantPotential = 1;
constexpr int kThreePhase = 2;
constexpr int kSinglePhase = 3;

// One instant of the voltage waveform: its phase angle and the relative tube current at it.
struct Phase {
    double phi_deg;
    double weight;
};

// The phases of a rectification type in increasing order (1: 90; 2: 75 … 90; 3: 2, 4, … 90); throws
// std::invalid_argument for another type.
std::vector<Phase> WaveformPhases(int rect_type);

// The K-line intensity in per cent of the bremsstrahlung for a phase whose peak electron energy is T0 keV;
// 0 up to and including 70 keV.
double KLinePercentage(double T0);

// The unfiltered spectrum U(1 … 300) of a tungsten anode by Tucker's formula with the K lines, averaged over
// the waveform, before division by photon energy (relative units). V in kV (20 … 150, already clamped;
// std::invalid_argument otherwise), target angle in degrees, MuW the tungsten coefficients in 1/cm.
// Throws SpectrumError when the angle's tangent is not positive: the anode path has no meaning then.
BinArray UnfilteredSpectrum(double V, double theta_deg, int rect_type, const BinArray& MuW);

}  // namespace tubegen
