#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "frontend/image_scale.h"

// The result viewer's and the spectra view's pictures as PNG files, drawn by the windowing layer's own
// picture areas with the sizes, scales, colours, pens and fonts those windows give them, so the files show
// what the windows show. The areas are never put on a screen: the session runs Qt on its offscreen
// platform, so no display is needed.
namespace batch {

// A result file made ready for drawing, as the viewer's "OK" makes it.
struct ScaledResult {
    frontend::ImageArray grey;  // grey levels of the three images
    frontend::IncidentPlotArray incident;
    frontend::ExitPlotArray exit;
};

struct WrittenFile {
    std::string key;  // the name of the printed "key: value" line
    std::filesystem::path path;
};

class PictureSession {
  public:
    PictureSession();
    ~PictureSession();
    PictureSession(const PictureSession&) = delete;
    PictureSession& operator=(const PictureSession&) = delete;

    // Whether this build draws pictures (it does not when built without the windowed programs).
    static bool Available();

    // Writes `stem`_images.png (the three images side by side), `stem`_profiles_rowR.png (the profiles of
    // image row R, 1 … 200) and `stem`_spectra_incident.png and `stem`_spectra_exit.png (the two plots of the
    // spectra view) into `dir`. Throws std::runtime_error naming a file that cannot be written.
    std::vector<WrittenFile> Draw(const ScaledResult& result, int row, const std::filesystem::path& dir,
                                  const std::string& stem);

  private:
    struct Qt;
    std::unique_ptr<Qt> qt_;
};

}  // namespace batch
