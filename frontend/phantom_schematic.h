#pragma once

#include <filesystem>

namespace platform {
class Picture;
}

namespace frontend {

// The schematic of the three phantoms side by side, drawn from the voxel map files in `dir`: each seen
// from the source (the material a ray meets that stops it most: bone, then lung, then water) and cut
// through its middle along the beam, with the beam above and the detector below. A map that cannot be
// read is named in its place. Draws in pixels; the picture's client area should be 780 × 480.
void DrawPhantomSchematic(platform::Picture& picture, const std::filesystem::path& dir);

inline constexpr int kSchematicWidth = 780;
inline constexpr int kSchematicHeight = 480;

}  // namespace frontend
