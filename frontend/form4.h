#pragma once

#include <QWidget>

class QPushButton;

namespace platform {
class Picture;
}

namespace frontend {

// The schematic of the phantoms, opened from the phantom settings.
class Form4 : public QWidget {
    Q_OBJECT

  public:
    Form4();

    // Draws the schematic from the voxel maps of the current directory and shows the window.
    void Open();

    void Command1_Click();

    platform::Picture* Picture1;
    QPushButton* Command1;
};

}  // namespace frontend
