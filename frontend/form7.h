#pragma once

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace platform {
class Picture;
class ShapeObject;
}  // namespace platform

namespace frontend {

// The source-text viewer: the engine's source as either build compiles it, line by line with numbers.
class Form7 : public QWidget {
    Q_OBJECT

  public:
    Form7();

    // The main window's "ソースコード閲覧": the build without grid chosen, the list empty.
    void Open();

    void Command1_Click();
    void Command2_Click();

    QLabel* Label3;
    platform::ShapeObject* Shape1;
    QRadioButton* Option1;
    QLabel* Label1;
    QRadioButton* Option2;
    QLabel* Label2;
    platform::Picture* Picture1;
    QPushButton* Command1;
    QPushButton* Command2;
    QListWidget* List1;
};

}  // namespace frontend
