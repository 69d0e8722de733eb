#pragma once

#include <cstdint>

// The engine's only source of randomness: an additive lagged-Fibonacci generator on 14-bit integers,
// x(n) = (x(n-24) + x(n-55)) mod 2^14, with a fixed seed so that equal inputs give equal result files.
namespace engine::rng {

inline std::int32_t rng_table[56];     // state, indices 1..55, each entry in 0..16383
inline std::int32_t rng_lag_j = 24;    // entry added in (the short lag)
inline std::int32_t rng_lag_k = 55;    // entry replaced (the long lag)
inline constexpr std::int32_t rng_modulus = 16384;
inline constexpr float rng_scale = 16384.1f;  // exactly 16384.099609375, so no deviate reaches 1

// Seeds the table and discards the first 1000 steps.
void initialise_rng();

// One step of the recurrence; returns the new table entry.
inline std::int32_t advance_rng() {
    std::int32_t j = rng_lag_j;
    std::int32_t k = rng_lag_k;
    // Both terms lie in 0..16383, so masking is the remainder.
    std::int32_t value = (rng_table[j] + rng_table[k]) & (rng_modulus - 1);
    rng_table[k] = value;
    rng_lag_j = j == 1 ? 55 : j - 1;
    rng_lag_k = k == 1 ? 55 : k - 1;
    return value;
}

// A deviate u with 0 <= u <= 0.99993289: the new entry divided by 16384.1 in single precision.
inline float draw_uniform() { return static_cast<float>(advance_rng()) / rng_scale; }

}  // namespace engine::rng
