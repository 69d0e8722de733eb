#pragma once

// Searches of the sorted 32-bit tables on the hot path, written without data-dependent branches: the
// engine searches with values that jump from call to call, where a bisection that branches mispredicts
// at nearly every step. The answers are those of std::lower_bound and std::upper_bound.
namespace engine {

// Index in [0, n] of the first entry of a[0..n) that is not below v (>= v).
inline int first_not_below(const float* a, int n, float v) {
    if (n == 0) return 0;
    const float* base = a;
    while (n > 1) {
        const int half = n / 2;
        base = base[half - 1] < v ? base + half : base;
        n -= half;
    }
    return static_cast<int>(base - a) + (*base < v);
}

// Index in [0, n] of the first entry of a[0..n) that lies above v (> v).
inline int first_above(const float* a, int n, float v) {
    if (n == 0) return 0;
    const float* base = a;
    while (n > 1) {
        const int half = n / 2;
        base = base[half - 1] <= v ? base + half : base;
        n -= half;
    }
    return static_cast<int>(base - a) + (*base <= v);
}

}  // namespace engine
