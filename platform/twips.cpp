#include "platform/twips.h"

#include <QWidget>
#include <cmath>

namespace platform {

int twips_to_pixels(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

double pixels_to_twips(double pixels) {
    return pixels * kTwipsPerPixel;
}

void place(QWidget* control, int left, int top, int width, int height) {
    control->setGeometry(twips_to_pixels(left), twips_to_pixels(top), twips_to_pixels(width),
                         twips_to_pixels(height));
}

void place(QWidget* control, int left, int top) {
    control->adjustSize();
    control->move(twips_to_pixels(left), twips_to_pixels(top));
}

}  // namespace platform
