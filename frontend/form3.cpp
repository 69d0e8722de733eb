#include "frontend/form3.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

#include "frontend/form2.h"
#include "frontend/form4.h"
#include "frontend/form5.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/message_box.h"
#include "platform/number_input.h"
#include "platform/objects.h"
#include "platform/twips.h"
#include "platform/window.h"

namespace frontend {
namespace {

constexpr const char* kMaru = "HG丸ｺﾞｼｯｸM-PRO";

const QColor kBlue(0, 0, 255);
const QColor kBlack(0, 0, 0);
const QColor kGrey(128, 128, 128);

QFont CaptionFont() {
    return platform::design_font(kMaru, 11.25);
}

QLabel* MakeLabel(QWidget* parent, const QString& caption, int left, int top) {
    auto* label = new QLabel(caption, parent);
    label->setFont(CaptionFont());
    platform::set_fore_color(label, kBlack);
    platform::place(label, left, top);
    return label;
}

QRadioButton* MakeOption(QWidget* parent, const QString& caption, int left, int top, int width) {
    auto* option = new QRadioButton(caption, parent);
    option->setFont(CaptionFont());
    platform::set_fore_color(option, kBlack);
    platform::place(option, left, top, width, 330);
    return option;
}

// A group with its caption in blue; what it holds keeps black text.
QGroupBox* MakeFrame(QWidget* parent, const QString& caption, int left, int top, int width, int height) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setFont(CaptionFont());
    platform::set_fore_color(frame, kBlue);
    platform::place(frame, left, top, width, height);
    return frame;
}

QPushButton* MakeButton(QWidget* parent, const QString& caption, int left, int top, int width, int height) {
    auto* button = new QPushButton(caption, parent);
    button->setFont(CaptionFont());
    platform::place(button, left, top, width, height);
    return button;
}

platform::LineObject* MakeLine(QWidget* parent, double x1, double y1, double x2, double y2) {
    auto* line = new platform::LineObject(parent);
    line->set_points(x1, y1, x2, y2);
    line->set_color(kGrey);
    return line;
}

}  // namespace

Form3::Form3(Module1& module, Form2& main_window)
    : m_(module), form2_(main_window), form4_(std::make_unique<Form4>()) {
    BuildControls();
    ConnectHandlers();
    platform::center_on_screen(this);
}

Form3::~Form3() = default;

void Form3::BuildControls() {
    platform::make_fixed_window(this, QStringLiteral("Phantom"), 9930, 6690, platform::BorderStyle::FixedDialog);

    Frame1 = MakeFrame(this, QStringLiteral("ファントムの種類"), 240, 180, 5280, 3660);
    Option1 = MakeOption(Frame1, QStringLiteral("(1) 均一水ファントム"), 240, 420, 4800);
    Label4 = MakeLabel(Frame1, QStringLiteral("34×34×厚さ cm"), 600, 840);
    Label7 = MakeLabel(Frame1, QStringLiteral("厚さ ="), 2520, 840);
    Text1 = new platform::TextBox(Frame1);
    Text1->setFont(platform::design_font("Times New Roman", 12));
    Text1->setAlignment(Qt::AlignCenter);
    platform::set_fore_color(Text1, kBlack);
    platform::place(Text1, 3300, 765, 1020, 390);
    Label8 = MakeLabel(Frame1, QStringLiteral("cm"), 4410, 840);
    Option2 = MakeOption(Frame1, QStringLiteral("(2) 棒状の骨, 肺入り水ファントム"), 240, 1500, 4800);
    Label5 = MakeLabel(Frame1, QStringLiteral("34×34×20 cm"), 600, 1920);
    Command3 = MakeButton(Frame1, QStringLiteral("模式図"), 2520, 1845, 1200, 420);
    platform::set_fore_color(Command3, kBlack);
    Option3 = MakeOption(Frame1, QStringLiteral("(3) 簡単な胸部ファントム"), 240, 2640, 4800);
    Label6 = MakeLabel(Frame1, QStringLiteral("40×34×20 cm"), 600, 3060);

    // The field sizes, in a grey frame of five lines: the box, and a rule between the choice for the
    // water phantom and the fixed fields of the other two.
    Label1 = MakeLabel(this, QStringLiteral("照射野サイズ（at FID）"), 5760, 195);
    platform::set_fore_color(Label1, kBlue);
    Line1 = MakeLine(this, 5760, 540, 9720, 540);
    Line2 = MakeLine(this, 9720, 540, 9720, 3720);
    Line3 = MakeLine(this, 9720, 3720, 5760, 3720);
    Line4 = MakeLine(this, 5760, 3720, 5760, 540);
    Line5 = MakeLine(this, 5760, 2160, 9720, 2160);
    Label2 = MakeLabel(this, QStringLiteral("(1) 均一水ファントムの場合のみ"), 5940, 660);
    Frame2 = new QGroupBox(this);
    Frame2->setFlat(true);
    Frame2->setStyleSheet(QStringLiteral("QGroupBox { border: none; }"));
    platform::place(Frame2, 6240, 990, 2880, 1110);
    Option4 = MakeOption(Frame2, QStringLiteral("10×10 cm"), 0, 0, 2400);
    Option5 = MakeOption(Frame2, QStringLiteral("20×20 cm"), 0, 375, 2400);
    Option6 = MakeOption(Frame2, QStringLiteral("34×34 cm"), 0, 750, 2400);
    Label3 = MakeLabel(this, QStringLiteral("(2) 棒状の骨, 肺入り水ファントム"), 5940, 2280);
    Label9 = MakeLabel(this, QStringLiteral("34×34 cm 一定"), 6480, 2610);
    Label10 = MakeLabel(this, QStringLiteral("(3) 簡単な胸部ファントム"), 5940, 2970);
    Label11 = MakeLabel(this, QStringLiteral("36×36 cm 一定"), 6480, 3300);
    Label12 = MakeLabel(this, QStringLiteral("※ シミュレーションの都合上"), 5760, 3900);
    Label13 = MakeLabel(this, QStringLiteral("平行線束（FID ≒ ∞）とする"), 6060, 4230);

    Frame3 = MakeFrame(this, QStringLiteral(" Grid "), 240, 4020, 5280, 900);
    Option7 = MakeOption(Frame3, QStringLiteral("なし"), 480, 390, 1320);
    Option8 = MakeOption(Frame3, QStringLiteral("あり"), 2040, 390, 1320);
    Label14 = MakeLabel(this, QStringLiteral("Grid : ratio = 8,  density = 40 lines/cm"), 360, 5070);
    Label15 = MakeLabel(this, QStringLiteral("Pb thickness = 1.6 mm"), 360, 5400);

    Command1 = MakeButton(this, QStringLiteral("OK"), 6120, 5700, 1560, 600);
    Command2 = MakeButton(this, QStringLiteral("Cancel"), 7920, 5700, 1560, 600);
}

void Form3::ConnectHandlers() {
    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form3::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form3::Command3_Click);
}

void Form3::Open() {
    Option1->setChecked(true);
    Option6->setChecked(true);
    Option7->setChecked(true);
    Text1->setText(QStringLiteral("20"));
    show();
    raise();
    activateWindow();
}

void Form3::Command1_Click() {
    if (Option1->isChecked()) {
        const double thickness = platform::leading_number(Text1->text().toStdString());
        // A number too large for a double reads as infinity, which no file can hold.
        if (Text1->text().isEmpty() || thickness < 1 || !std::isfinite(thickness)) {
            platform::warning_box(this, QStringLiteral("ファントム厚を入力して下さい"));
            return;
        }
        m_.PhantomType = 1;
        m_.PhantomThickness = thickness;
        if (Option4->isChecked())
            m_.FieldSize = 10;
        else if (Option5->isChecked())
            m_.FieldSize = 20;
        else if (Option6->isChecked())
            m_.FieldSize = 34;
    } else {
        m_.PhantomType = Option2->isChecked() ? 2 : 3;
        m_.PhantomThickness = 20;
        m_.FieldSize = m_.PhantomType == 2 ? 34 : 36;
    }
    if (Option7->isChecked())
        m_.GridFlag = 0;
    else if (Option8->isChecked())
        m_.GridFlag = 1;

    form2_.Command3->setEnabled(true);
    form2_.form5().Open();
    hide();
}

void Form3::Command2_Click() {
    hide();
}

void Form3::Command3_Click() {
    form4_->Open();
}

}  // namespace frontend
