#include "pictures.h"

#include <QApplication>
#include <QPixmap>
#include <array>
#include <cstdio>
#include <stdexcept>

#include "frontend/result_drawing.h"
#include "platform/objects.h"
#include "platform/picture.h"
#include "platform/twips.h"

namespace batch {
namespace {

using frontend::kImageStride;

const QColor kBlack(0, 0, 0);
const QColor kGrey(128, 128, 128);
const QColor kRed(255, 0, 0);
const QColor kLightYellow(255, 255, 192);

// The picture areas' outer sizes in twips, as the two windows place them.
constexpr int kImageAreaWidth = 18135;
constexpr int kImageAreaHeight = 6135;
constexpr int kProfileAreaHeight = 3855;
constexpr int kPlotWidth = 5745;
constexpr int kPlotHeight = 8370;
// The profile area's height in its own units.
constexpr double kProfileScale = 255;

// A picture area of the given outer size, laid out as a shown one but never put on a screen.
std::unique_ptr<platform::Picture> MakeArea(int width_twips, int height_twips) {
    auto area = std::make_unique<platform::Picture>();
    area->setAttribute(Qt::WA_DontShowOnScreen);
    area->resize(platform::twips_to_pixels(width_twips), platform::twips_to_pixels(height_twips));
    return area;
}

platform::LineObject* MakeLine(platform::Picture& picture, double x1, double y1, double x2, double y2,
                               const QColor& color, int width) {
    auto* line = new platform::LineObject(&picture);
    line->set_points(x1, y1, x2, y2);
    line->set_color(color);
    line->set_line_width(width);
    return line;
}

// What the area shows inside its sunken border: the drawing with the line objects over it.
void Save(platform::Picture& area, const std::filesystem::path& file) {
    area.show();
    QApplication::processEvents();
    const QSize client = area.image().size();
    const int border = (area.width() - client.width()) / 2;
    const QPixmap shown = area.grab(QRect(QPoint(border, border), client));
    if (!shown.save(QString::fromStdString(file.string()), "PNG"))
        throw std::runtime_error("cannot write " + file.string());
}

// The viewer's image area after "OK": black, the three images of grey levels 2 × 2 pixels a value, and the
// two separators between them.
void DrawImages(const frontend::ImageArray& grey, const std::filesystem::path& file) {
    auto area = MakeArea(kImageAreaWidth, kImageAreaHeight);
    area->set_back_color(kBlack);
    MakeLine(*area, 400, 0, 400, 408, kBlack, 2);
    MakeLine(*area, 800, 0, 800, 408, kBlack, 2);
    area->clear();
    for (int k = 1; k <= 3; ++k) frontend::DrawImage(*area, grey, k);
    Save(*area, file);
}

// The viewer's profile area with the profiles of row r: light yellow, its fixed grid, the three curves in
// red at the height 256 − g under their images.
void DrawProfiles(const frontend::ImageArray& grey, int r, const std::filesystem::path& file) {
    auto area = MakeArea(kImageAreaWidth, kProfileAreaHeight);
    area->set_back_color(kLightYellow);
    area->set_fore_color(kRed);
    area->set_draw_width(2);
    const double width = area->image().width();
    area->set_scale(0, kProfileScale, width, -kProfileScale);
    for (int x = 20; x <= 1180; x += 20) {
        if (x == kImageStride || x == 2 * kImageStride)
            MakeLine(*area, x, 0, x, kProfileScale, kBlack, 2);
        else
            MakeLine(*area, x, 0, x, kProfileScale, kGrey, 1);
    }
    for (int n = 1; n <= 9; ++n)
        MakeLine(*area, 0, n * kProfileScale / 10, width, n * kProfileScale / 10, kGrey, 1);
    area->clear();
    frontend::DrawProfiles(*area, grey, r);
    Save(*area, file);
}

// A plot of the spectra view, laid out as the window lays it out.
std::unique_ptr<platform::Picture> MakePlot() {
    auto plot = MakeArea(kPlotWidth, kPlotHeight);
    frontend::PreparePlot(*plot);
    return plot;
}

void DrawIncidentPlot(const frontend::IncidentPlotArray& incident, const std::filesystem::path& file) {
    auto plot = MakePlot();
    frontend::DrawIncidentPlot(*plot, incident);
    Save(*plot, file);
}

void DrawExitPlot(const frontend::ExitPlotArray& exit, const std::filesystem::path& file) {
    auto plot = MakePlot();
    frontend::DrawExitPlot(*plot, exit);
    Save(*plot, file);
}

// Qt's notes go to the error stream like ours; the one that the runtime directory is not set, which the
// offscreen platform does not need, would only puzzle a reader of the figures.
void FilterNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths:"))) return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

struct PictureSession::Qt {
    int argc = 1;
    char name[18] = "shadowbench-batch";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QApplication> app;
};

PictureSession::PictureSession() = default;
PictureSession::~PictureSession() = default;

bool PictureSession::Available() {
    return true;
}

std::vector<WrittenFile> PictureSession::Draw(const ScaledResult& result, int row,
                                              const std::filesystem::path& dir, const std::string& stem) {
    if (!qt_) {
        qt_ = std::make_unique<Qt>();
        // Drawn off screen whatever display there is; a batch tool opens no windows.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(FilterNotes);
        qt_->app = std::make_unique<QApplication>(qt_->argc, qt_->argv);
    }
    const std::vector<WrittenFile> files = {
        {"images_png", dir / (stem + "_images.png")},
        {"profiles_png", dir / (stem + "_profiles_row" + std::to_string(row) + ".png")},
        {"spectra_incident_png", dir / (stem + "_spectra_incident.png")},
        {"spectra_exit_png", dir / (stem + "_spectra_exit.png")},
    };
    DrawImages(result.grey, files[0].path);
    DrawProfiles(result.grey, row, files[1].path);
    DrawIncidentPlot(result.incident, files[2].path);
    DrawExitPlot(result.exit, files[3].path);
    return files;
}

}  // namespace batch
