#include "frontend/form2.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include "frontend/artwork.h"
#include "frontend/form1.h"
#include "frontend/form3.h"
#include "frontend/form5.h"
#include "frontend/form7.h"
#include "platform/colors.h"
#include "platform/fonts.h"
#include "platform/program.h"
#include "platform/twips.h"
#include "platform/window.h"

namespace frontend {
namespace {

constexpr const char* kMaru = "HG丸ｺﾞｼｯｸM-PRO";

const QColor kRed(255, 0, 0);
const QColor kYellow(255, 255, 0);
const QColor kLightYellow(255, 255, 192);

QLabel* MakeLabel(QWidget* parent, const QString& caption, const QFont& font, const QColor& color, int left,
                  int top) {
    auto* label = new QLabel(caption, parent);
    label->setFont(font);
    platform::set_fore_color(label, color);
    platform::place(label, left, top);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const QString& caption, int left, int top, int width, int height) {
    auto* button = new QPushButton(caption, parent);
    button->setFont(platform::design_font(kMaru, 12));
    platform::set_button_color(button, kLightYellow);
    platform::place(button, left, top, width, height);
    return button;
}

}  // namespace

Form2::Form2(Module1& module)
    : m_(module),
      form1_(std::make_unique<Form1>(module)),
      form3_(std::make_unique<Form3>(module, *this)),
      form5_(std::make_unique<Form5>(module)),
      form7_(std::make_unique<Form7>()) {
    BuildControls();
    ConnectHandlers();
    platform::center_on_screen(this);
    Form_Load();
}

Form2::~Form2() = default;

void Form2::BuildControls() {
    platform::make_fixed_window(this, QStringLiteral(" X-ray simulation   shadowbench  (Kestrel-3)"), 9255, 6645);
    QPalette background = palette();
    background.setBrush(QPalette::Window, QBrush(MainBackground(size())));
    setPalette(background);
    setAutoFillBackground(true);

    // The shadowed title: the red caption lies under the yellow one, a little lower and to the right.
    const QFont title = platform::design_font("Times New Roman", 24, false, true);
    Label3 = MakeLabel(this, QStringLiteral("shadowbench  (Kestrel-3)"), title, kRed, 1440, 240);
    Label4 = MakeLabel(this, QStringLiteral("shadowbench  (Kestrel-3)"), title, kYellow, 1410, 225);
    Label2 = MakeLabel(this, QStringLiteral("X線画像形成のモンテカルロシミュレーション"),
                       platform::design_font(kMaru, 14.25), kYellow, 1440, 960);

    const QFont maru = platform::design_font(kMaru, 12);
    Label5 = MakeLabel(this, QStringLiteral("Ｘ線撮影時の照射条件によって"), maru, kYellow, 5040, 1800);
    Label9 = MakeLabel(this, QStringLiteral("被写体コントラスト"), maru, kYellow, 5040, 2175);
    Label6 = MakeLabel(this, QStringLiteral("透過Ｘ線スペクトルが"), maru, kYellow, 5040, 2550);
    Label7 = MakeLabel(this, QStringLiteral("どのように変化するかを観察"), maru, kYellow, 5040, 2925);

    Command1 = MakeButton(this, QStringLiteral("照射条件の設定"), 600, 1680, 3960, 600);
    Command2 = MakeButton(this, QStringLiteral("被写体ファントムの設定"), 600, 2520, 3960, 600);
    Command3 = MakeButton(this, QStringLiteral("モンテカルロシミュレーション"), 600, 3360, 3960, 600);
    Command4 = MakeButton(this, QStringLiteral("シミュレーション結果表示"), 600, 4200, 3960, 600);
    Command5 = MakeButton(this, QStringLiteral("ソースコード閲覧"), 5040, 4200, 2760, 600);
    Command6 = MakeButton(this, QString(), 8415, 5805, 600, 600);
    Command6->setIcon(EndButtonIcon(28));
    Command6->setIconSize(QSize(28, 28));
    Command6->setToolTip(QStringLiteral("終了"));
}

void Form2::ConnectHandlers() {
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form2::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form2::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form2::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form2::Command6_Click);
}

void Form2::Form_Load() {
    // The steps unlock in order; results and source text can be looked at without running anything.
    Command1->setEnabled(true);
    Command2->setEnabled(false);
    Command3->setEnabled(false);
    Command4->setEnabled(true);
}

void Form2::Command1_Click() {
    // Whether the spectrum generator writes its file is not checked; only a failed start holds the step.
    if (StartProgram(this, kSpectrumGenerator, platform::ProgramKind::Windowed)) Command2->setEnabled(true);
}

void Form2::Command2_Click() {
    form3_->Open();
}

void Form2::Command3_Click() {
    form5_->Open();
}

void Form2::Command4_Click() {
    form1_->Open();
}

void Form2::Command5_Click() {
    form7_->Open();
}

void Form2::Command6_Click() {
    platform::end_program();
}

void Form2::closeEvent(QCloseEvent* event) {
    // The close box ends the program as the end button does, whatever other windows are open.
    event->accept();
    Command6_Click();
}

}  // namespace frontend
