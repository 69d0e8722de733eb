#include "frontend/image_scale.h"

#include <algorithm>
#include <cmath>

namespace frontend {
namespace {

// value / maximum, or 0 throughout when the maximum is 0.
double Relative(double value, double maximum) {
    return maximum > 0 ? value / maximum : 0.0;
}

}  // namespace

void ComputeSpectrumPlots(const SpectrumArray& spectrum, IncidentPlotArray& incident, ExitPlotArray& exit) {
    double incident_max = 0, exit_max = 0;
    for (int n = 1; n <= kBins; ++n) {
        incident_max = std::max(incident_max, spectrum[0][n]);
        exit_max = std::max(exit_max, spectrum[3][n]);
    }
    for (int n = 1; n <= kBins; ++n) {
        incident[0][n] = Relative(spectrum[0][n], incident_max);
        incident[1][n] = Relative(spectrum[3][n], incident_max);
        exit[0][n] = Relative(spectrum[3][n], exit_max);
        exit[1][n] = Relative(spectrum[1][n], exit_max);
        exit[2][n] = Relative(spectrum[2][n], exit_max);
    }
}

void FormSumImage(ImageArray& image) {
    for (int i = 1; i <= kPixels; ++i)
        for (int j = 1; j <= kPixels; ++j) image[3][i][j] = image[1][i][j] + image[2][i][j];
}

double ReferenceValue(const ImageArray& image) {
    double m = 0;
    for (int i = kCentralFirst; i <= kCentralLast; ++i)
        for (int j = kCentralFirst; j <= kCentralLast; ++j) m = std::max(m, image[3][i][j]);
    return m;
}

void ToGreyLevels(ImageArray& image, double reference) {
    for (int k = 1; k <= 3; ++k)
        for (int i = 1; i <= kPixels; ++i)
            for (int j = 1; j <= kPixels; ++j) {
                double& v = image[k][i][j];
                v = reference > 0 ? 255 * (1 - std::min(v, reference) / reference) : 255.0;
            }
}

double ScaleImages(ImageArray& image) {
    FormSumImage(image);
    const double m = ReferenceValue(image);
    ToGreyLevels(image, m);
    return m;
}

int RoundHalfEven(double x) {
    const double r = std::round(x);  // halves away from zero
    // A half lies between two integers; take the even one of them.
    if (std::fabs(r - x) == 0.5) return static_cast<int>(2 * std::round(x / 2));
    return static_cast<int>(r);
}

}  // namespace frontend
