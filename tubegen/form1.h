#pragma once

#include <QWidget>

#include "tubegen/module1.h"

class QLabel;
class QPushButton;

namespace platform {
class FileList;
class TextBox;
}  // namespace platform

namespace tubegen {

class Form2;

// The filter material picker: a composition file of the current directory and a thickness in mm fill the
// next arbitrary-filter slot, which the spectrum window lists in its Picture1.
class Form1 : public QWidget {
    Q_OBJECT

  public:
    Form1(Module1& module, Form2& spectrum_window);

    // "設定" of the spectrum window: empties the name and the thickness and shows the window; the list is
    // read again and keeps its selection.
    void Open();

    void File1_Click();
    void Text2_KeyDown(int key);
    void Command1_Click();
    void Command2_Click();

    QLabel* Label1;
    platform::FileList* File1;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label2;
    platform::TextBox* Text2;
    QLabel* Label3;
    QPushButton* Command1;
    QPushButton* Command2;

  private:
    Module1& m_;
    Form2& form2_;
};

}  // namespace tubegen
