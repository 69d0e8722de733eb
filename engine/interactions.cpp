#include "engine/interactions.h"

#include <cmath>
#include <cstdint>

#include "engine/build_switch.h"
#include "engine/materials.h"
#include "engine/photon.h"
#include "engine/rng.h"

namespace engine::interactions {
namespace {

using rng::draw_uniform;

// Lead's edges and fluorescence (keV) and the probabilities of the shells and their lines.
constexpr float lead_l3_edge = 13.035f;
constexpr float lead_k_edge = 88.005f;
constexpr float k_shell_share = 0.788f;
constexpr float k_fluorescence_yield = 0.96f;
constexpr float k_alpha_share = 0.797f;
constexpr float l_emission_share = 0.35f;
constexpr float k_alpha_energy = 74.159f;
constexpr float k_beta_energy = 85.37f;
constexpr float l_energy = 10.862f;
constexpr std::uint8_t lead_code = 5;

// Adds the scattering angle to the old direction with an azimuth drawn uniformly over a full turn.
void turn_direction(ScatteringAngle angle) {
    using namespace photon;
    float psi = draw_uniform() * pi * 2;
    float cos_psi = std::cos(psi);
    float sin_psi = std::sin(psi);
    float cos_new = cos_theta * angle.cos_angle + sin_theta * angle.sin_angle * cos_psi;
    // Rounding can carry the cosine just past +-1, where the sine would be the root of a negative number.
    if (cos_new > 1) cos_new = 1;
    if (cos_new < -1) cos_new = -1;
    float sin_new = std::sqrt(1 - cos_new * cos_new);
    if (sin_new == 0) {
        sin_phi = 0;
        cos_phi = 1;
    } else {
        // A and B are the sine and cosine of the change of azimuth.
        float a = angle.sin_angle * sin_psi / sin_new;
        if (sin_theta == 0) {
            sin_phi = sin_psi;
            cos_phi = -cos_psi;
        } else {
            float b = (angle.cos_angle - cos_new * cos_theta) / (sin_new * sin_theta);
            float new_sin_phi = b * sin_phi + a * cos_phi;
            float new_cos_phi = b * cos_phi - a * sin_phi;
            sin_phi = new_sin_phi;
            cos_phi = new_cos_phi;
        }
    }
    cos_theta = cos_new;
    sin_theta = sin_new;
}

// Lead fluorescence after a photoelectric absorption; returns false when nothing is emitted.
bool emit_lead_fluorescence() {
    using namespace photon;
    float e = photon_energy;
    if (e < lead_l3_edge) return false;
    float u1 = draw_uniform();
    float u2 = draw_uniform();
    float emitted;
    if (e >= lead_k_edge && u1 <= k_shell_share) {
        if (u2 > k_fluorescence_yield) return false;
        emitted = draw_uniform() <= k_alpha_share ? k_alpha_energy : k_beta_energy;
    } else {
        // The same deviate chose the shell, so above the K edge no L photon is emitted.
        if (u1 > l_emission_share) return false;
        emitted = l_energy;
    }
    // Isotropic enough for a teaching model: both angles uniform over a full turn.
    float alpha = draw_uniform() * pi * 2;
    float beta = draw_uniform() * pi * 2;
    cos_phi = std::cos(alpha);
    sin_phi = std::sin(alpha);
    cos_theta = std::cos(beta);
    sin_theta = std::sin(beta);
    photon_energy = emitted;
    scatter_class = 2;
    return true;
}

bool absorb(int code) {
    if constexpr (grid_build) {
        if (code == lead_code) return emit_lead_fluorescence();
    }
    return false;
}

}  // namespace

ScatteringAngle sample_incoherent_angle(int m, float e) {
    // Kahn's rejection method for the Klein-Nishina distribution, then a rejection on S(x)/S_max.
    float a = electron_rest_energy / e;
    float b = (a + 2) / (9 * a + 2);
    for (;;) {
        float u1 = draw_uniform();
        float u2 = draw_uniform();
        float u3 = draw_uniform();
        float eta;
        bool accepted;
        if (u1 <= b) {
            eta = 1 + (2 / a) * u2;
            accepted = 4 * (1 / eta - 1 / (eta * eta)) > u3;
        } else {
            eta = (a + 2) / (a + 2 * (1 - u2));
            float t = 1 + a - a * eta;
            accepted = 0.5f * (t * t + 1 / eta) > u3;
        }
        if (!accepted) continue;

        float c = 1 - a * (eta - 1);
        float theta;
        if (c == 0) {
            theta = pi / 2;
        } else if (c <= -1) {
            // The arctangent would give -0 here and turn a backscatter into a forward one.
            theta = pi;
        } else {
            if (c > 1) c = 1;
            theta = std::atan(std::sqrt(1 - c * c) / c);
            if (theta < 0) theta = theta + pi;
        }
        float x = std::sin(theta / 2) * e / hc;
        if (x < 10.0f) {
            float s = materials::incoherent_function(m, x);
            if (s / materials::incoh_max[m] < draw_uniform()) continue;
        }
        return {std::cos(theta), std::sin(theta)};
    }
}

ScatteringAngle sample_coherent_angle(int m, float e) {
    // Momentum transfer from the form-factor table, then the Thomson factor (1 + cos^2)/2 as a rejection.
    for (;;) {
        float x = materials::sample_coherent_x(m, draw_uniform());
        float s = x * hc / e;  // sin(theta/2)
        if (s > 1) continue;
        float c = 1 - 2 * (s * s);
        if (2 * draw_uniform() > 1 + c * c) continue;
        if (c > 1) c = 1;
        return {c, std::sqrt(1 - c * c)};
    }
}

void scatter_incoherent(int m) {
    using namespace photon;
    float e = photon_energy;
    ScatteringAngle angle = sample_incoherent_angle(m, e);
    turn_direction(angle);
    photon_energy = e / (1 + (e / electron_rest_energy) * (1 - angle.cos_angle));
    scatter_class = 2;
}

void scatter_coherent(int m) {
    ScatteringAngle angle = sample_coherent_angle(m, photon::photon_energy);
    turn_direction(angle);
    photon::scatter_class = 2;
}

bool interact(int code, float u) {
    int m = materials::base_material_of_code(code);
    if (u < photon::photo_fraction[m]) return absorb(code);
    if (u < photon::photo_coh_fraction[m])
        scatter_coherent(m);
    else
        scatter_incoherent(m);
    return true;
}

}  // namespace engine::interactions
