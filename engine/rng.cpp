#include "engine/rng.h"

namespace engine::rng {

void initialise_rng() {
    rng_table[0] = 0;
    rng_table[1] = 3783;
    for (int i = 2; i <= 55; ++i) rng_table[i] = (2 * rng_table[i - 1] + i) % rng_modulus;
    rng_lag_j = 24;
    rng_lag_k = 55;
    for (int n = 0; n < 1000; ++n) advance_rng();
}

}  // namespace engine::rng
