#pragma once

#include <QWidget>
#include <memory>

#include "frontend/module1.h"

class QLabel;
class QPushButton;

namespace frontend {

class Form1;
class Form3;
class Form5;
class Form7;

// The main window: the four steps of an exercise top to bottom (exposure conditions, phantom, run, results),
// the source-text viewer and the end button. It owns the other windows, each made once and then only shown
// and hidden. Its controls are public, as the other windows and the tests reach them.
class Form2 : public QWidget {
    Q_OBJECT

  public:
    explicit Form2(Module1& module);
    ~Form2() override;

    Form1& form1() { return *form1_; }
    Form3& form3() { return *form3_; }
    Form5& form5() { return *form5_; }
    Form7& form7() { return *form7_; }

    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();

    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label2;
    QLabel* Label5;
    QLabel* Label9;
    QLabel* Label6;
    QLabel* Label7;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command5;
    QPushButton* Command6;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildControls();
    void ConnectHandlers();

    Module1& m_;
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<Form3> form3_;
    std::unique_ptr<Form5> form5_;
    std::unique_ptr<Form7> form7_;
};

}  // namespace frontend
