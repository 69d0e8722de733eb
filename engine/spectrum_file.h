#pragma once

#include <cstdint>
#include <string>

// The incident spectrum from "B_tubegen.dat": nine header lines and a relative weight per 0.5 keV bin.
namespace engine::spectrum {

inline constexpr int bin_count = 300;
inline constexpr int header_width = 30;  // bytes kept of each header line

inline std::string header_lines[11];         // 1..9 spectrum header, 10 phantom name; 30 bytes each
inline float spectrum_weight[bin_count + 1];  // bin i stands for 0.5 i keV
inline std::int32_t top_bin;                 // one more than the highest bin with a positive weight

// Reads the header and the 300 bin records, and finds top_bin.
void load_spectrum();

// One more than the highest bin with a positive weight; 1 when none has one.
std::int32_t find_top_bin(const float (&weight)[bin_count + 1]);

}  // namespace engine::spectrum
