#pragma once

class QWidget;

namespace platform {

// Window and control places are given in twips (1/1440 inch); the screens these programs were laid out on
// have 15 twips to the pixel.
constexpr int kTwipsPerPixel = 15;

// The nearest whole pixel.
int twips_to_pixels(double twips);
double pixels_to_twips(double pixels);

// Puts a control at (left, top) with the given outer size, all in twips of its parent's client area.
void place(QWidget* control, int left, int top, int width, int height);
// Puts a control at (left, top) in twips with the size its content asks for (a label sized to its caption).
void place(QWidget* control, int left, int top);

}  // namespace platform
