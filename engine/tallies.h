#pragma once

// What reaches the detector plane, and what was emitted.
namespace engine::tallies {

inline constexpr int image_pixels = 200;  // per side, 0.2 cm each
inline constexpr int bins = 300;          // 0.5 keV each

// (k, i, j): energy in keV scored in pixel (i, j); k = 1 primary, 2 scattered. i along x, j along z.
inline float detector_image[3][image_pixels + 1][image_pixels + 1];
// (k, n): photons scored in energy bin n, k = 1 primary, 2 scattered; k = 3 photons emitted.
inline float spectrum_tally[4][bins + 1];

void clear_tallies();

// Carries the photon in a straight line to the detector plane and scores it; the history then ends.
void score_at_detector();

}  // namespace engine::tallies
