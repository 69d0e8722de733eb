#pragma once

#include <QWidget>

#include "frontend/module1.h"

class QLabel;
class QPushButton;

namespace platform {
class TextBox;
}

namespace frontend {

// The run start: the number of histories and the result name; "Go" writes "Phantom.dat" from them and the
// phantom settings, and starts the engine build that matches the grid setting.
class Form5 : public QWidget {
    Q_OBJECT

  public:
    explicit Form5(Module1& module);

    // Opened from the main window and from the phantom settings' "OK": an empty name, 100000000 histories.
    void Open();

    void Command1_Click();
    void Command2_Click();

    QLabel* Label4;
    platform::TextBox* Text2;
    QLabel* Label1;
    platform::TextBox* Text1;
    QLabel* Label8;
    QLabel* Label3;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label2;
    QPushButton* Command1;
    QPushButton* Command2;

  private:
    Module1& m_;
};

}  // namespace frontend
