#pragma once

#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// The engine's result file as the viewer reads it: thirteen description lines, then the primary and the
// scattered image (200 × 200 values each, row by row) and 300 spectrum lines. No windows here, so a
// command-line tool can draw the same pictures.
namespace frontend {

// Energy bins 1 … 300 (0.5 keV each) and the 200 × 200 detector pixels, with index 0 unused.
inline constexpr int kBins = 300;
inline constexpr int kPixels = 200;
inline constexpr int kDescriptionLines = 13;

// (k, i, j): k = 1 primary, 2 scattered, 3 their sum; i the column (left to right), j the row (top to
// bottom). About 1.3 MB.
using ImageArray = std::array<std::array<std::array<double, kPixels + 1>, kPixels + 1>, 4>;
// (s, n): s = 0 incident, 1 primary, 2 scattered, 3 primary + scattered; photons in bin n.
using SpectrumArray = std::array<std::array<double, kBins + 1>, 4>;

// What a result file holds, in the arrays the viewer keeps. Image component 3 is left 0 (the sum is formed
// with the scaling); spectrum 3 is primary + scattered.
struct ResultTallies {
    ImageArray image{};
    SpectrumArray spectrum{};
};

// The first thirteen lines as stored (code page 932 bytes, without line ends). Throws platform::InputError
// naming the file, and the line, when it cannot be read or has fewer lines.
std::vector<std::string> ReadDescription(const std::filesystem::path& file);

// Reads the whole file: the description lines are skipped, then the values are taken one after another,
// separated by blanks, commas or line ends; of each spectrum line the energy is dropped, so bin n is the
// n-th group of four. A value that is not a non-negative number, or a file that ends early, is reported as
// a platform::InputError naming the file and the line; nothing is returned then. Made on the heap for its
// size.
std::unique_ptr<ResultTallies> ReadResultFile(const std::filesystem::path& file);

}  // namespace frontend
