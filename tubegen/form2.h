#pragma once

#include <QWidget>
#include <memory>

#include "tubegen/compute_spectrum.h"
#include "tubegen/module1.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace platform {
class LineObject;
class Picture;
class TextBox;
}  // namespace platform

namespace tubegen {

class Form1;

// The spectrum window: exposure conditions, the plot with its read-out cursor, the half-value layers, the
// matching of a measured half-value layer, the curve colour and the buttons. Its controls are public, as
// the picker and the tests reach them.
class Form2 : public QWidget {
    Q_OBJECT

  public:
    // Builds the window and runs its load handler, which reads the attenuation data file of the current
    // directory (a platform::InputError when it is missing or short).
    explicit Form2(Module1& module);
    ~Form2() override;

    // The picker, created at the first "設定".
    Form1* picker() const { return form1_.get(); }
    bool computing() const { return computing_; }

    // Draws the empty plot and empties the filter slots.
    void DrawAxes();

    void Form_Load();
    void Form_KeyDown(int key);
    void Option7_Click();
    void Option8_Click();
    void Option9_Click();
    void Option10_Click();
    void Option11_Click();
    void Option12_Click();
    void Check2_Click();
    void Command1_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command7_Click();
    void Picture3_MouseMove(double x, double y);

    platform::Picture* Picture3;
    platform::LineObject* Line6;
    platform::LineObject* Line7;
    QLabel* Label24;
    QLabel* Label23;
    QLabel* Label25;
    platform::TextBox* Text6;
    platform::TextBox* Text7;

    QGroupBox* Frame2;
    QRadioButton* Option7;
    QRadioButton* Option8;
    QRadioButton* Option9;
    platform::TextBox* Text1;
    platform::TextBox* Text5;
    platform::TextBox* Text2;
    platform::TextBox* Text3;
    platform::TextBox* Text4;
    platform::Picture* Picture1;
    QPushButton* Command4;
    QPushButton* Command5;

    platform::TextBox* Text9;
    platform::TextBox* Text8;
    QCheckBox* Check2;
    QGroupBox* Frame4;
    QRadioButton* Option13;
    QRadioButton* Option14;
    platform::TextBox* Text13;

    QGroupBox* Frame1;
    QRadioButton* Option1;  // RED
    QRadioButton* Option4;  // MAGENTA
    QRadioButton* Option3;  // GREEN
    QRadioButton* Option5;  // CYAN
    QRadioButton* Option2;  // BLUE
    QRadioButton* Option6;  // BLACK

    QPushButton* Command1;
    QPushButton* Command3;
    QPushButton* Command7;

    // Below the bottom edge of the client area: there, but out of sight and out of reach of the mouse.
    QGroupBox* Frame3;
    QRadioButton* Option10;
    QRadioButton* Option11;
    QRadioButton* Option12;
    QCheckBox* Check1;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    class Boxes;

    void BuildControls();
    void ConnectHandlers();
    // The spectrum, the file and the half-value layers, with the buttons disabled meanwhile; false when the
    // computation was refused (its message has been shown).
    bool RunComputation(SpectrumResult& result);
    void DrawCurve(const SpectrumResult& result);
    void SetAxisWord();
    int CurveColorIndex() const;
    void ShowCursor();
    void HideCursor();

    Module1& m_;
    std::unique_ptr<Boxes> boxes_;
    std::unique_ptr<Form1> form1_;
    bool computing_ = false;
};

}  // namespace tubegen
