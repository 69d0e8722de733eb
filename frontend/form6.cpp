#include "frontend/form6.h"

#include <QLabel>
#include <QPushButton>
#include <array>

#include "frontend/close_icon.h"
#include "frontend/result_drawing.h"
#include "platform/colors.h"
#include "platform/fonts.h"
#include "platform/picture.h"
#include "platform/twips.h"
#include "platform/window.h"

namespace frontend {
namespace {

constexpr const char* kGothic = "ＭＳ Ｐゴシック";

const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kMagenta(255, 0, 255);
const QColor kLightCyan(192, 255, 255);

platform::Picture* MakePlot(QWidget* parent, int left) {
    auto* plot = new platform::Picture(parent);
    platform::place(plot, left, 90, 5745, 8370);
    PreparePlot(*plot);
    return plot;
}

// A framed light-cyan box for the captions under a plot; made before them, so it lies under them.
QLabel* MakeBox(QWidget* parent, int left, int top, int width, int height) {
    auto* box = new QLabel(parent);
    box->setFrameStyle(QFrame::Box | QFrame::Plain);
    platform::set_back_color(box, kLightCyan);
    platform::place(box, left, top, width, height);
    return box;
}

QLabel* MakeCaption(QWidget* parent, const QString& text, const QColor& color, double points, int left,
                    int top) {
    auto* label = new QLabel(text, parent);
    label->setFont(platform::design_font(kGothic, points));
    platform::set_fore_color(label, color);
    platform::place(label, left, top);
    return label;
}

}  // namespace

Form6::Form6(const Module1& module) : m_(module) {
    platform::make_fixed_window(this, QStringLiteral("Spectra"), 11985, 10185,
                                platform::BorderStyle::FixedDialog);

    Picture1 = MakePlot(this, 120);
    Picture2 = MakePlot(this, 6105);
    Picture2->set_fore_color(kMagenta);

    Label8 = MakeBox(this, 840, 8565, 5025, 1500);
    Label6 =
        MakeCaption(this, QStringLiteral("ファントムに入射した一次Ｘ線スペクトル"), kRed, 11.25, 960, 8655);
    Label1 = MakeCaption(this, QStringLiteral("ファントム (Grid) から射出したスペクトル"), kBlue, 11.25, 960,
                         8985);
    Label10 = MakeCaption(this, QStringLiteral("（一次線，散乱線を含む）"), kBlue, 11.25, 960, 9300);
    Label2 = MakeCaption(this, QStringLiteral("（縦軸は入射スペクトルの最大値で正規化した相対光子数）"),
                         kBlack, 9, 960, 9705);

    Label9 = MakeBox(this, 6105, 8565, 5745, 1500);
    Label3 = MakeCaption(this, QStringLiteral("ファントムから射出したスペクトル"), kBlue, 11.25, 6225, 8655);
    Label4 = MakeCaption(this, QStringLiteral("射出スペクトルの一次線成分"), kRed, 11.25, 6225, 8985);
    Label5 = MakeCaption(this, QStringLiteral("射出スペクトルの散乱線成分"), kMagenta, 11.25, 6225, 9300);
    Label7 = MakeCaption(this, QStringLiteral("（縦軸は射出スペクトルの最大値で正規化した相対光子数）"),
                         kBlack, 9, 6225, 9705);

    Command6 = new QPushButton(this);
    Command6->setIcon(CloseButtonIcon(28));
    Command6->setIconSize(QSize(28, 28));
    Command6->setToolTip(QStringLiteral("閉じる"));
    platform::place(Command6, 120, 9465, 600, 600);

    connect(Command6, &QPushButton::clicked, this, &Form6::Command6_Click);
    platform::center_on_screen(this);
}

void Form6::DrawPlots() {
    DrawIncidentPlot(*Picture1, m_.IncidentPlot);
    DrawExitPlot(*Picture2, m_.ExitPlot);
}

void Form6::Command6_Click() {
    hide();
}

}  // namespace frontend
