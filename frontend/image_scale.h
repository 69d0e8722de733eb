#pragma once

#include <array>

#include "frontend/result_data.h"

// How the viewer turns a result file's tallies into pictures: the spectra over their maxima, the sum
// image, the one reference value M, grey levels, where each image pixel and profile point lands, and which
// image row a pointer height names. No windows here, so a command-line tool draws the same pictures.
namespace frontend {

// (0, n) incident and (1, n) primary + scattered, both over the largest incident count.
using IncidentPlotArray = std::array<std::array<double, kBins + 1>, 2>;
// (0, n) primary + scattered, (1, n) primary, (2, n) scattered, over the largest primary + scattered.
using ExitPlotArray = std::array<std::array<double, kBins + 1>, 3>;

// The spectra relative to their maxima. A maximum of 0 (a run without photons in that spectrum) gives
// curves of 0 throughout rather than a division by zero.
void ComputeSpectrumPlots(const SpectrumArray& spectrum, IncidentPlotArray& incident, ExitPlotArray& exit);

// Image component 3 = 1 + 2 over i, j = 1 … 200.
void FormSumImage(ImageArray& image);

// Only rows and columns 20 … 180 of the sum image take part in M; the edges, where the field ends and
// scatter piles up, may lie above it.
inline constexpr int kCentralFirst = 20;
inline constexpr int kCentralLast = 180;

// M: the largest value of the sum image over the central part (0 when it holds none).
double ReferenceValue(const ImageArray& image);

// Replaces every value of i, j = 1 … 200 in all three components by its grey level
// g = 255 · (1 − min(value, M) / M): M and more give 0 (black), no fluence 255 (white). With M = 0 (no
// fluence in the central part) every level is 255, a white image. Entries with an index 0 stay as they are.
void ToGreyLevels(ImageArray& image, double reference);

// The three steps above on a freshly read image; returns M.
double ScaleImages(ImageArray& image);

// The nearest integer, halves to the even neighbour (2.5 → 2, 3.5 → 4, −0.5 → 0).
int RoundHalfEven(double x);

// The 0 … 255 component of the grey drawn for a level.
inline int GreyComponent(double grey) {
    return RoundHalfEven(grey);
}

// The image area in screen pixels, origin top left: the three images side by side, 400 pixels apart, each
// value covering 2 × 2 pixels, so pixel row 0 and column 0 stay uncovered.
inline constexpr int kImageStride = 400;
struct PixelSquare {
    int left, top, right, bottom;  // both corners included
};
inline PixelSquare ImagePixelSquare(int k, int i, int j) {
    const int left = kImageStride * (k - 1) + 2 * i - 1;
    return {left, 2 * j - 1, left + 1, 2 * j};
}

// A profile point of image k at column i: it lies under the image's pixels, at the height 256 − g, which
// grows with the fluence (1 for none, 256 for M and more) over the profile area's 0 … 255.
inline double ProfileX(int k, int i) {
    return kImageStride * (k - 1) + 2 * i - 1;
}
inline double ProfileHeight(double grey) {
    return 256 - grey;
}

// The image row that a height in the image area names: y / 2, halves to even; 0 … 200 for y in 0 … 400.
// Row 0 holds no data.
inline int ProfileRow(double y) {
    return RoundHalfEven(y / 2);
}
// The area is a few pixels taller than the images: a click below y = 400 names no row.
inline bool ClickSelectsRow(double y) {
    return y >= 0 && y <= 400;
}
// A typed height acts only above the top edge and down to the images' last pixel.
inline bool TypedSelectsRow(double y) {
    return y > 0 && y <= 400;
}

}  // namespace frontend
