#include "frontend/form5.h"

#include <QLabel>
#include <QPushButton>
#include <cmath>

#include "frontend/run_conditions.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/input_error.h"
#include "platform/message_box.h"
#include "platform/number_input.h"
#include "platform/program.h"
#include "platform/twips.h"
#include "platform/window.h"

namespace frontend {
namespace {

constexpr const char* kMaru = "HG丸ｺﾞｼｯｸM-PRO";

const QColor kBlue(0, 0, 255);
const QColor kBlack(0, 0, 0);
const QColor kLightCyan(192, 255, 255);

QLabel* MakeLabel(QWidget* parent, const QString& caption, const QColor& color, int left, int top) {
    auto* label = new QLabel(caption, parent);
    label->setFont(platform::design_font(kMaru, 11.25));
    platform::set_fore_color(label, color);
    platform::place(label, left, top);
    return label;
}

platform::TextBox* MakeBox(QWidget* parent, int left, int top, int width) {
    auto* box = new platform::TextBox(parent);
    box->setFont(platform::design_font("Times New Roman", 12));
    box->setAlignment(Qt::AlignCenter);
    platform::place(box, left, top, width, 390);
    return box;
}

QPushButton* MakeButton(QWidget* parent, const QString& caption, int left) {
    auto* button = new QPushButton(caption, parent);
    button->setFont(platform::design_font(kMaru, 12));
    platform::place(button, left, 3915, 1560, 540);
    return button;
}

}  // namespace

Form5::Form5(Module1& module) : m_(module) {
    platform::make_fixed_window(this, QStringLiteral("Monte Carlo simulation"), 5820, 4725);

    Label4 = MakeLabel(this, QStringLiteral("入射光子数（ヒストリー）"), kBlue, 360, 300);
    Text2 = MakeBox(this, 3240, 240, 2220);
    Label1 = MakeLabel(this, QStringLiteral("計算結果を保存するファイル名（拡張子なしで）"), kBlue, 360, 900);
    Text1 = MakeBox(this, 360, 1230, 5100);

    // The explanation: five lines in a framed light-cyan box.
    Label8 = new QLabel(this);
    Label8->setFrameStyle(QFrame::Box | QFrame::Plain);
    platform::set_back_color(Label8, kLightCyan);
    platform::place(Label8, 360, 1860, 5100, 1800);
    const QString lines[] = {
        QStringLiteral("これまでに設定した条件を基に"),
        QStringLiteral("ファントムを透過して、画像検出器に入射する"),
        QStringLiteral("エネルギーフルエンスの２次元分布（被写体"),
        QStringLiteral("コントラスト）、透過光子スペクトルを求める"),
        QStringLiteral("モンテカルロシミュレーションを開始します"),
    };
    QLabel** explanation[] = {&Label3, &Label5, &Label6, &Label7, &Label2};
    for (int i = 0; i < 5; ++i) {
        *explanation[i] = new QLabel(lines[i], this);
        (*explanation[i])->setFont(platform::design_font(kMaru, 10.5));
        platform::set_fore_color(*explanation[i], kBlack);
        platform::place(*explanation[i], 540, 1980 + 324 * i);
    }

    Command1 = MakeButton(this, QStringLiteral("Go"), 1080);
    Command2 = MakeButton(this, QStringLiteral("Cancel"), 3180);
    connect(Command1, &QPushButton::clicked, this, &Form5::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form5::Command2_Click);
    platform::center_on_screen(this);
}

void Form5::Open() {
    Text1->setText(QString());
    Text2->setText(QStringLiteral("100000000"));
    show();
    raise();
    activateWindow();
    // The name is what the user has to type.
    Text1->setFocus();
}

void Form5::Command1_Click() {
    const QString name = Text1->text();
    // Beyond the empty name, a name the engine could not write its result under (a character the files'
    // code page lacks, a path separator, more than 30 bytes with ".data", so the viewer would not list it)
    // is refused before a run spends its time.
    switch (CheckResultName(name.toStdString())) {
        case NameProblem::Empty:
            platform::warning_box(this, QStringLiteral("保存ファイル名を入力して下さい"));
            return;
        case NameProblem::BadCharacter:
            platform::warning_box(this, QStringLiteral("保存ファイル名に使えない文字が含まれています"));
            return;
        case NameProblem::TooLong:
            platform::warning_box(this, QStringLiteral("保存ファイル名が長すぎます（半角25文字、全角12文字まで）"));
            return;
        case NameProblem::None:
            break;
    }
    RunConditions conditions;
    conditions.phantom_type = m_.PhantomType;
    conditions.phantom_thickness = m_.PhantomThickness;
    conditions.field_size = m_.FieldSize;
    conditions.grid_flag = m_.GridFlag;
    conditions.histories = platform::leading_number(Text2->text().toStdString());
    conditions.result_name = name.toStdString();
    if (!std::isfinite(conditions.histories)) {
        platform::warning_box(this, QStringLiteral("入射光子数が大きすぎます"));
        return;
    }

    // Written whole or not at all; the engine is not started on a file that could not be written.
    try {
        WriteRunConditions(kRunConditionsFile, conditions);
    } catch (const platform::OutputError& e) {
        platform::warning_box(this, QStringLiteral("%1 を書き込めません\n%2")
                                        .arg(QString::fromLatin1(kRunConditionsFile), QString::fromUtf8(e.what())));
        return;
    }
    // While the pending events run, a second press of "Go" waiting among them must not start a second
    // engine on the same result file: the button is off until this press is done.
    Command1->setEnabled(false);
    platform::process_pending_events();
    const bool started = StartProgram(this, EngineProgram(m_.GridFlag), platform::ProgramKind::Console);
    Command1->setEnabled(true);
    if (started) hide();
}

void Form5::Command2_Click() {
    hide();
}

}  // namespace frontend
