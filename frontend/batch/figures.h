#pragma once

#include <optional>
#include <string>
#include <vector>

#include "frontend/phantom_map.h"
#include "frontend/result_data.h"

// The figures a teacher reads off a result file: the fluence behind the centre of the phantom, the
// scatter-to-primary ratio there, the mean photon energies entering and leaving the phantom, and the
// contrast of bone and lung against the water beside them. Computed from the tallies as read, before any
// scaling.
namespace batch {

// The 10 × 10 pixels (2 × 2 cm) around the centre of the field, x and z from 19 to 21 cm: pixel i covers
// 0.2·i ≤ x < 0.2·(i + 1).
inline constexpr int kCentreFirst = 95;
inline constexpr int kCentreLast = 104;

// Sums over the central pixels, in keV.
struct CentreSums {
    double primary = 0;
    double scatter = 0;
    // scatter / primary; nothing when no primary photon reached the centre.
    std::optional<double> spr() const;
};
CentreSums SumOverCentre(const frontend::ResultTallies& tallies);

// The mean photon energy in keV of spectrum s (0 incident, 3 primary + scattered), bin n standing for
// 0.5·n keV; nothing for a spectrum without photons.
std::optional<double> MeanEnergy(const frontend::ResultTallies& tallies, int s);

// What the description lines tell of the run.
struct RunDescription {
    int phantom_type = 0;   // 1 water, 2 bone-lung, 3 chest; 0 when line 10 names none of them
    double thickness = 0;   // cm, line 11
    double field_size = 0;  // cm, line 12
    bool grid = false;      // line 13
};
RunDescription DescribeRun(const std::vector<std::string>& description_lines);

// What lies on the straight path of the beam to a detector pixel.
enum class PathKind { Outside, Water, Bone, Lung, Other };

// The kind of every pixel (i, j = 1 … 200, index 0 unused) for a phantom map and a square field centred on
// the phantom: Outside beyond the field or the phantom, Water when the path holds water only, Bone or Lung
// when it crosses that material (and not the other one) besides water, Other for anything else.
std::vector<std::vector<PathKind>> PathKinds(const frontend::PhantomMap& map, double field_size);

// The contrast of a material against water in one image component (1 primary, 3 primary + scattered):
// (F_material − F_water) / F_water, with F the mean fluence per pixel over the pixels behind the material at
// least 1 cm inside its edges, and over the water-only pixels at least 1 cm inside theirs and at most 3 cm
// beyond the material's edges; so scatter that changes slowly across the field weighs alike on both.
// Negative for bone, which lets fewer photons through than water; positive for lung. Nothing when either
// set of pixels is empty.
std::optional<double> Contrast(const frontend::ResultTallies& tallies, int component,
                               const std::vector<std::vector<PathKind>>& kinds, PathKind material);

}  // namespace batch
