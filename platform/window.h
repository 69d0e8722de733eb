#pragma once

#include <QColor>
#include <QString>

class QPushButton;
class QWidget;

namespace platform {

enum class BorderStyle {
    FixedSingle,  // a main window: title bar with a close box, no minimise or maximise box
    FixedDialog,  // a secondary window: the same, kept out of the task bar
};

// Makes `window` a window of fixed client size (twips) with the given caption; the user cannot resize it.
void make_fixed_window(QWidget* window, const QString& caption, int client_width, int client_height,
                       BorderStyle border = BorderStyle::FixedSingle);

// Puts the window's client area in the middle of the screen it is on.
void center_on_screen(QWidget* window);

// The graphical style of a command button: its face in the given colour, the caption in the button-text
// colour (grey while disabled).
void set_button_color(QPushButton* button, const QColor& face);

}  // namespace platform
