#pragma once

#include <QString>
#include <QWidget>
#include <memory>

#include "frontend/module1.h"

class QLabel;
class QPushButton;

namespace platform {
class FileList;
class InputError;
class LineObject;
class Picture;
class TextBox;
}  // namespace platform

namespace frontend {

class Form6;

// The result viewer: a result file picked from the list, its description, the primary, scattered and sum
// images as radiographs (high fluence dark) and the profiles of one image row across all three. It owns
// the spectra view, which shows the spectra its "OK" prepared. Its controls are public, as the main window
// and the tests reach them.
class Form1 : public QWidget {
    Q_OBJECT

  public:
    explicit Form1(Module1& module);
    ~Form1() override;

    Form6& form6() { return *form6_; }

    // The main window's "シミュレーション結果表示": read-outs emptied, the list read again, the pictures
    // cleared, the row cursor hidden, "Profile", "OK" and "射出スペクトル" disabled, then shown. The
    // profile mode and the loaded data stay.
    void Open();

    void Form_Load();
    void File1_Click();
    void Command14_Click();
    void Command4_Click();
    void Picture1_MouseMove(double x, double y);
    void Picture1_Click();
    void Text1_KeyDown(int key);
    void Command5_Click();
    void Command1_Click();
    void Command6_Click();

    // 1 while mouse moves, clicks and typed heights select the profiled row, from "Profile" until "OK" or
    // "Reset".
    int ProfileMode = 0;

    QLabel* Label6;
    platform::FileList* File1;
    QLabel* Label7;
    platform::Picture* Picture4;
    QPushButton* Command14;
    QPushButton* Command4;
    QLabel* Label9;
    platform::TextBox* Text2;
    QLabel* Label2;
    QLabel* Label8;
    QPushButton* Command5;
    QLabel* Label10;
    QLabel* Label11;
    QPushButton* Command6;
    QPushButton* Command1;

    QLabel* Label14;
    QLabel* Label12;
    QLabel* Label13;
    platform::Picture* Picture1;
    platform::LineObject* Line1;
    platform::LineObject* Line2;
    platform::LineObject* Line3;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label1;
    platform::TextBox* Text1;
    platform::Picture* Picture2;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildControls();
    void BuildImageArea();
    void BuildProfileArea();
    void ConnectHandlers();

    // Image k of the grey levels in ImageData, 2 × 2 pixels a value, 400 pixels to the right per image.
    void DrawImage(int k);
    // The profiles of image row r across all three images, in Picture2's drawing colour and width.
    void DrawProfiles(int r);
    // Puts the row cursor across the image area at height y.
    void MoveRowCursor(double y);
    // The warning for a result file that cannot be read, naming it and the line.
    void ShowReadError(const platform::InputError& error);

    Module1& m_;
    std::unique_ptr<Form6> form6_;
    // The file whose description was read last; a click on it when it is still selected (after "Reset" or
    // reopening) reads it again.
    QString described_;
};

}  // namespace frontend
