#pragma once

#include <QIcon>

namespace frontend {

// The picture of the viewers' close buttons: an arrow turning back out of a window frame, `pixels` square.
// Drawn in code, so no picture file ships.
QIcon CloseButtonIcon(int pixels);

}  // namespace frontend
