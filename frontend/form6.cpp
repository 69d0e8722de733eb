#include "frontend/form6.h"

#include <QLabel>
#include <QPushButton>
#include <array>

#include "frontend/close_icon.h"
#include "platform/colors.h"
#include "platform/fonts.h"
#include "platform/picture.h"
#include "platform/twips.h"
#include "platform/window.h"

namespace frontend {
namespace {

constexpr const char* kGothic = "ＭＳ Ｐゴシック";

const QColor kGrey(128, 128, 128);
const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kMagenta(255, 0, 255);
const QColor kLightCyan(192, 255, 255);

// The plot area in user units: bin n along x (0.5 keV each), the relative photon number × 500 up y.
constexpr double kPlotRight = kBins;
constexpr double kPlotTop = 500;

platform::Picture* MakePlot(QWidget* parent, int left) {
    auto* plot = new platform::Picture(parent);
    platform::place(plot, left, 90, 5745, 8370);
    plot->set_back_color(Qt::white);
    plot->setFont(platform::design_font("Times New Roman", 18));
    // One unit per pixel, y upwards, with x = -55 at the left edge and y = 510 at the top edge.
    const QSize client = plot->image().size();
    plot->set_scale(-55, 510, client.width(), -client.height());
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

// The grid, the frame and the tick labels, the same for both plots.
void DrawFrame(platform::Picture& plot) {
    plot.clear();
    plot.set_draw_width(1);
    for (int x = 40; x <= 280; x += 40) plot.line(x, 0, x, kPlotTop, kGrey);
    for (int y = 50; y <= 450; y += 50) plot.line(0, y, kPlotRight, y, kGrey);
    plot.set_draw_width(2);
    plot.rectangle(0, 0, kPlotRight, kPlotTop, kBlack);

    plot.set_fore_color(platform::button_text_color());
    struct Tick {
        const char* text;
        double x, y;
    };
    static constexpr Tick kTicks[] = {
        {"1.0", -35, 508}, {"0.8", -35, 410}, {"0.6", -35, 310}, {"0.4", -35, 210}, {"0.2", -35, 110},
        {"0", -15, -1},    {"40", 70, -1},    {"80", 150, -1},   {"120", 225, -1},  {"keV", 180, -16},
    };
    for (const Tick& tick : kTicks) plot.print_text(tick.x, tick.y, QString::fromLatin1(tick.text));
}

void DrawLegend(platform::Picture& plot, const char* text, const QColor& color, double y) {
    plot.set_fore_color(color);
    plot.print_text(170, y, QString::fromLatin1(text));
}

// A curve over bins 1 … 300 at 500 × its relative value; nothing clips what lies above 1.0.
void DrawCurve(platform::Picture& plot, const std::array<double, kBins + 1>& values, const QColor& color) {
    plot.point(1, kPlotTop * values[1], color);
    for (int n = 2; n <= kBins; ++n) plot.line_to(n, kPlotTop * values[n], color);
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
    DrawFrame(*Picture1);
    DrawLegend(*Picture1, "incident", kRed, 450);
    DrawLegend(*Picture1, "penetrated", kBlue, 425);
    Picture1->set_draw_width(2);
    DrawCurve(*Picture1, m_.IncidentPlot[0], kRed);
    DrawCurve(*Picture1, m_.IncidentPlot[1], kBlue);
    // The frame once more, over the curves that run along it.
    Picture1->rectangle(0, 0, kPlotRight, kPlotTop, kBlack);

    DrawFrame(*Picture2);
    DrawLegend(*Picture2, "penetrated", kBlue, 450);
    DrawLegend(*Picture2, "primary", kRed, 425);
    DrawLegend(*Picture2, "scatter", kMagenta, 400);
    Picture2->set_draw_width(2);
    DrawCurve(*Picture2, m_.ExitPlot[0], kBlue);
    DrawCurve(*Picture2, m_.ExitPlot[1], kRed);
    DrawCurve(*Picture2, m_.ExitPlot[2], kMagenta);
    Picture2->rectangle(0, 0, kPlotRight, kPlotTop, kBlack);
}

void Form6::Command6_Click() {
    hide();
}

}  // namespace frontend
