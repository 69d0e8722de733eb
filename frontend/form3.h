#pragma once

#include <QWidget>
#include <memory>

#include "frontend/module1.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace platform {
class LineObject;
class TextBox;
}  // namespace platform

namespace frontend {

class Form2;
class Form4;

// The phantom and field settings: phantom, thickness, field and grid. "OK" stores them in Module1 and
// leads on to the run start.
class Form3 : public QWidget {
    Q_OBJECT

  public:
    Form3(Module1& module, Form2& main_window);
    ~Form3() override;

    // The main window's "被写体ファントムの設定": the defaults, then the window.
    void Open();

    Form4& form4() { return *form4_; }

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    QGroupBox* Frame1;
    QRadioButton* Option1;
    QLabel* Label4;
    QLabel* Label7;
    platform::TextBox* Text1;
    QLabel* Label8;
    QRadioButton* Option2;
    QLabel* Label5;
    QPushButton* Command3;
    QRadioButton* Option3;
    QLabel* Label6;

    QLabel* Label1;
    platform::LineObject* Line1;
    platform::LineObject* Line2;
    platform::LineObject* Line3;
    platform::LineObject* Line4;
    platform::LineObject* Line5;
    QLabel* Label2;
    QGroupBox* Frame2;
    QRadioButton* Option4;
    QRadioButton* Option5;
    QRadioButton* Option6;
    QLabel* Label3;
    QLabel* Label9;
    QLabel* Label10;
    QLabel* Label11;
    QLabel* Label12;
    QLabel* Label13;

    QGroupBox* Frame3;
    QRadioButton* Option7;
    QRadioButton* Option8;
    QLabel* Label14;
    QLabel* Label15;

    QPushButton* Command1;
    QPushButton* Command2;

  private:
    void BuildControls();
    void ConnectHandlers();

    Module1& m_;
    Form2& form2_;
    std::unique_ptr<Form4> form4_;
};

}  // namespace frontend
