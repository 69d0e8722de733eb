#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

// The front-end's pictures, drawn in code so they scale with nothing and need no files.
namespace frontend {

// The main window's background: a night-blue ground with, along the bottom, the exercise in one line:
// the tube's beam crossing a phantom, scattered photons, and the detector behind it.
QPixmap MainBackground(QSize size);

// The end button's picture: the power symbol, `pixels` square.
QIcon EndButtonIcon(int pixels);

}  // namespace frontend
