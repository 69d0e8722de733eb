#pragma once

#include "frontend/image_scale.h"
#include "frontend/result_data.h"

namespace platform {
class Picture;
}

// What the result viewer and the spectra view draw on their picture areas. The batch tool draws the same
// on areas kept off screen, so its pictures are the windows' own.
namespace frontend {

// A spectra plot's user units: bin n along x, 500 × the relative photon number up y.
inline constexpr double kPlotRight = kBins;
inline constexpr double kPlotTop = 500;

// White, the plot font, one unit a pixel with x = -55 at the left edge and y = 510 at the top edge.
void PreparePlot(platform::Picture& plot);

// Image k of the grey levels, 2 x 2 pixels a value, beside the others.
void DrawImage(platform::Picture& area, const ImageArray& grey, int k);

// The three profiles of image row r, in red at the height 256 - g under their images.
void DrawProfiles(platform::Picture& area, const ImageArray& grey, int r);

// Left plot: the spectrum entering the phantom (red) and the one leaving it (blue).
void DrawIncidentPlot(platform::Picture& plot, const IncidentPlotArray& incident);

// Right plot: the leaving spectrum (blue) and its primary (red) and scattered (magenta) parts.
void DrawExitPlot(platform::Picture& plot, const ExitPlotArray& exit);

}  // namespace frontend
