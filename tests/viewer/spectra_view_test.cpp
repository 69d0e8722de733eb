// The spectra view through the result viewer's "射出スペクトル": both plots drawn from the file loaded with
// "OK", read back from their pixels.
#include <QImage>
#include <QPushButton>
#include <cmath>
#include <cstdlib>

#include "frontend/form6.h"
#include "platform/controls.h"
#include "platform/picture.h"
#include "viewer_fixture.h"

namespace viewer_test {
namespace {

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kMagenta(255, 0, 255);

// Spectra whose relative heights are plain: the incident one a triangle over bins 10 … 230 peaking at bin
// 100 (2000 photons); the leaving one a triangle over bins 10 … 230 peaking at bin 120 (900 photons),
// two thirds primary and one third scattered at every bin.
double Incident(int n) {
    return n < 10 ? 0 : std::max(0, 2000 - 15 * std::abs(n - 100));
}
double Leaving(int n) {
    return n < 10 ? 0 : std::max(0, 900 - 6 * std::abs(n - 120));
}

class SpectraView : public ViewerTest {
  protected:
    void SetUp() override {
        ViewerTest::SetUp();
        auto tallies = SmallResult();
        for (int n = 1; n <= frontend::kBins; ++n) {
            tallies->spectrum[0][n] = Incident(n);
            tallies->spectrum[1][n] = Leaving(n) * 2 / 3;
            tallies->spectrum[2][n] = Leaving(n) / 3;
        }
        WriteResult("spectra.data", *tallies);
        OpenViewer();
        Load(QStringLiteral("spectra.data"));
        Press(viewer().Command5);
    }

    frontend::Form6& view() { return viewer().form6(); }

    // Whether the colour lies within a pixel of the plot point (x, y).
    static bool Near(const platform::Picture* plot, double x, double y, const QColor& color) {
        const QPoint p = plot->to_pixels(QPointF(x, y)).toPoint();
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if (plot->image().pixelColor(p + QPoint(dx, dy)) == color) return true;
        return false;
    }

    // Whether any pixel of the colour lies in the plot rectangle from (x1, y1) to (x2, y2).
    static bool AnyIn(const platform::Picture* plot, double x1, double y1, double x2, double y2,
                      const QColor& color) {
        const QRect area =
            QRect(plot->to_pixels(QPointF(x1, y1)).toPoint(), plot->to_pixels(QPointF(x2, y2)).toPoint())
                .normalized();
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (plot->image().pixelColor(x, y) == color) return true;
        return false;
    }
};

TEST_F(SpectraView, OpensOverTheViewer) {
    EXPECT_TRUE(view().isVisible());
    EXPECT_EQ(view().windowTitle(), QStringLiteral("Spectra"));
    Press(view().Command6);
    EXPECT_FALSE(view().isVisible());
}

TEST_F(SpectraView, TheIncidentCurveReachesTheTopOfTheFrameAtItsHighestBin) {
    const platform::Picture* left = view().Picture1;
    // The frame's top line is drawn again over the peak, so look just below it.
    EXPECT_TRUE(Near(left, 100, 496, kRed));
    EXPECT_FALSE(AnyIn(left, 0, 503, 300, 509, kRed)) << "nothing above 1.0";
    for (int n : {30, 60, 150, 200})
        EXPECT_TRUE(Near(left, n, 500 * Incident(n) / 2000, kRed)) << "bin " << n;
    // The leaving spectrum over the incident maximum.
    for (int n : {40, 120, 180}) EXPECT_TRUE(Near(left, n, 500 * Leaving(n) / 2000, kBlue)) << "bin " << n;
}

TEST_F(SpectraView, TheLeavingCurveIsPrimaryPlusScatterAtEveryBin) {
    const platform::Picture* right = view().Picture2;
    EXPECT_TRUE(Near(right, 120, 496, kBlue));
    EXPECT_FALSE(AnyIn(right, 0, 503, 300, 509, kBlue));
    // Away from the axis and the frame, each curve passes through its own height at every bin.
    for (int n = 12; n <= 225; ++n) {
        if (500 * Leaving(n) / 900 > 494) continue;
        EXPECT_TRUE(Near(right, n, 500 * Leaving(n) / 900, kBlue)) << "bin " << n;
        EXPECT_TRUE(Near(right, n, 500 * Leaving(n) * 2 / 3 / 900, kRed)) << "bin " << n;
        EXPECT_TRUE(Near(right, n, 500 * Leaving(n) / 3 / 900, kMagenta)) << "bin " << n;
    }
}

TEST_F(SpectraView, BinsOneToNineLieOnTheAxis) {
    for (const platform::Picture* plot : {view().Picture1, view().Picture2})
        for (const QColor& color : {kRed, kBlue, kMagenta})
            EXPECT_FALSE(AnyIn(plot, 1, 4, 7, 500, color)) << color.name().toStdString();
}

TEST_F(SpectraView, ARunWithoutPhotonsGivesFlatCurves) {
    WriteResult("none.data", *SmallResult());
    viewer().File1->refresh();
    Load(QStringLiteral("none.data"));
    Press(viewer().Command5);
    EXPECT_TRUE(Messages().empty());
    // Nothing of the curves' colours above the axis, but for the legends at the top right.
    for (const platform::Picture* plot : {view().Picture1, view().Picture2})
        for (const QColor& color : {kRed, kBlue, kMagenta}) {
            EXPECT_FALSE(AnyIn(plot, 1, 4, 300, 360, color)) << color.name().toStdString();
            EXPECT_FALSE(AnyIn(plot, 1, 360, 160, 509, color)) << color.name().toStdString();
        }
}

}  // namespace
}  // namespace viewer_test
