#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace platform {
class Picture;
}

// The front-end's pictures, drawn in code, so no picture files ship.
namespace frontend {

// The main window's background: a night-blue ground with, along the bottom, the exercise in one line:
// the tube's beam crossing a phantom, scattered photons, and the detector behind it.
QPixmap MainBackground(QSize size);

// The end button's picture: the power symbol, `pixels` square.
QIcon EndButtonIcon(int pixels);

// The source viewer's small picture: photon histories as the engine follows them, a few primaries
// crossing a slab straight, others scattered from point to point, and the detector below.
void DrawPhotonTracks(platform::Picture& picture);

}  // namespace frontend
