#pragma once

#include <QColor>

class QWidget;

namespace platform {

// A colour from its red, green and blue components, 0 to 255 each.
QColor rgb(int red, int green, int blue);

// The 16-colour compatibility palette: 0 black, 1 navy, 2 dark green, 3 teal, 4 maroon, 5 purple, 6 olive,
// 7 light grey, 8 grey, 9 blue, 10 green, 11 cyan, 12 red, 13 magenta, 14 yellow, 15 white. Throws
// std::out_of_range for any other number.
QColor palette_color(int index);

// The background (for labels, frames and boxes: their whole area) and the text colour of a control.
void set_back_color(QWidget* control, const QColor& color);
void set_fore_color(QWidget* control, const QColor& color);

// The system colours the window descriptions name.
QColor button_face_color();
QColor button_text_color();

}  // namespace platform
