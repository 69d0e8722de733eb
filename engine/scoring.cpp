#include <cstring>

#include "engine/phantom.h"
#include "engine/photon.h"
#include "engine/tallies.h"

namespace engine::tallies {
namespace {

// Pixel index of a detector coordinate, or 0 when the point lies off the image (points below 0.2 cm,
// from 40.2 cm on, and anything not a number). Truncation toward zero, as the whole part of 5 x.
int pixel_index(float coordinate) {
    float scaled = 5.0f * coordinate;
    if (!(scaled >= 1.0f && scaled < image_pixels + 1.0f)) return 0;
    return static_cast<int>(scaled);
}

}  // namespace

void clear_tallies() {
    std::memset(detector_image, 0, sizeof detector_image);
    std::memset(spectrum_tally, 0, sizeof spectrum_tally);
}

void score_at_detector() {
    using namespace photon;
    // A photon heading back or along the plane can never reach it.
    if (!(cos_theta > 0)) return;
    float xd = photon_x;
    float zd = photon_z;
    if (cos_theta != 1.0f) {
        float t = (phantom::phantom_depth - photon_y) / cos_theta;
        xd = t * cos_phi * sin_theta + photon_x;
        zd = t * sin_phi * sin_theta + photon_z;
    }
    int i = pixel_index(xd);
    int j = pixel_index(zd);
    if (i == 0 || j == 0) return;
    detector_image[scatter_class][i][j] += photon_energy;
    int n = static_cast<int>(2.0f * photon_energy);
    spectrum_tally[scatter_class][n] += 1.0f;
}

}  // namespace engine::tallies
