// Built without the windowed programs there is no windowing layer to draw with: no pictures, the figures
// and tables still come.
#include "pictures.h"

namespace batch {

struct PictureSession::Qt {};

PictureSession::PictureSession() = default;
PictureSession::~PictureSession() = default;

bool PictureSession::Available() {
    return false;
}

std::vector<WrittenFile> PictureSession::Draw(const ScaledResult&, int, const std::filesystem::path&,
                                              const std::string&) {
    return {};
}

}  // namespace batch
