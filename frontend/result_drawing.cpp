#include "frontend/result_drawing.h"

#include <QColor>
#include <QString>

#include "platform/colors.h"
#include "platform/fonts.h"
#include "platform/picture.h"

namespace frontend {
namespace {

const QColor kGrey(128, 128, 128);
const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kMagenta(255, 0, 255);

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

void PreparePlot(platform::Picture& plot) {
    plot.set_back_color(Qt::white);
    plot.setFont(platform::design_font("Times New Roman", 18));
    const QSize client = plot.image().size();
    plot.set_scale(-55, 510, client.width(), -client.height());
}

void DrawImage(platform::Picture& area, const ImageArray& grey, int k) {
    for (int j = 1; j <= kPixels; ++j)
        for (int i = 1; i <= kPixels; ++i) {
            const int c = GreyComponent(grey[k][i][j]);
            const PixelSquare s = ImagePixelSquare(k, i, j);
            area.fill_rectangle(s.left, s.top, s.right, s.bottom, QColor(c, c, c));
        }
}

void DrawProfiles(platform::Picture& area, const ImageArray& grey, int r) {
    for (int k = 1; k <= 3; ++k) {
        area.point(ProfileX(k, 1), ProfileHeight(grey[k][1][r]));
        for (int i = 2; i <= kPixels; ++i) area.line_to(ProfileX(k, i), ProfileHeight(grey[k][i][r]));
    }
}

void DrawIncidentPlot(platform::Picture& plot, const IncidentPlotArray& incident) {
    DrawFrame(plot);
    DrawLegend(plot, "incident", kRed, 450);
    DrawLegend(plot, "penetrated", kBlue, 425);
    plot.set_draw_width(2);
    DrawCurve(plot, incident[0], kRed);
    DrawCurve(plot, incident[1], kBlue);
    // The frame once more, over the curves that run along it.
    plot.rectangle(0, 0, kPlotRight, kPlotTop, kBlack);
}

void DrawExitPlot(platform::Picture& plot, const ExitPlotArray& exit) {
    DrawFrame(plot);
    DrawLegend(plot, "penetrated", kBlue, 450);
    DrawLegend(plot, "primary", kRed, 425);
    DrawLegend(plot, "scatter", kMagenta, 400);
    plot.set_draw_width(2);
    DrawCurve(plot, exit[0], kBlue);
    DrawCurve(plot, exit[1], kRed);
    DrawCurve(plot, exit[2], kMagenta);
    plot.rectangle(0, 0, kPlotRight, kPlotTop, kBlack);
}

}  // namespace frontend
