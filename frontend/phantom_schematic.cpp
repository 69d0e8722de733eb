#include "frontend/phantom_schematic.h"

#include <QColor>
#include <QString>
#include <algorithm>
#include <cmath>
#include <vector>

#include "frontend/phantom_map.h"
#include "platform/input_error.h"
#include "platform/picture.h"

namespace frontend {
namespace {

constexpr double kScale = 5;  // pixels per cm
constexpr int kPanelWidth = 260;
constexpr int kViewLeft = 30;
constexpr int kFrontTop = 66;
constexpr int kSectionTop = 318;

const QColor kBlack(0, 0, 0);
const QColor kGrey(128, 128, 128);
const QColor kRed(255, 0, 0);
const QColor kBeam(230, 150, 0);

QColor MaterialColor(int code) {
    switch (code) {
        case 2:
            return QColor(120, 180, 230);  // water
        case 3:
            return QColor(250, 200, 210);  // lung
        case 4:
            return QColor(240, 225, 140);  // bone
        default:
            return QColor(255, 255, 255);  // air
    }
}

// Which material stops a ray most: bone over lung over water over air.
int Strength(int code) {
    switch (code) {
        case 4:
            return 3;
        case 3:
            return 2;
        case 2:
            return 1;
        default:
            return 0;
    }
}

std::vector<double> Edges(const std::vector<double>& widths) {
    std::vector<double> edges{0};
    for (double w : widths) edges.push_back(edges.back() + w);
    return edges;
}

// Fills the cell whose edges are given in cm, from a corner in pixels; a cell thinner than a pixel is
// left to its neighbours.
void FillCell(platform::Picture& p, double left, double top, double x0, double x1, double y0, double y1,
              const QColor& color) {
    const int px0 = static_cast<int>(std::lround(left + kScale * x0));
    const int px1 = static_cast<int>(std::lround(left + kScale * x1)) - 1;
    const int py0 = static_cast<int>(std::lround(top + kScale * y0));
    const int py1 = static_cast<int>(std::lround(top + kScale * y1)) - 1;
    if (px1 < px0 || py1 < py0) return;
    p.fill_rectangle(px0, py0, px1, py1, color);
}

void DrawFrontView(platform::Picture& p, const PhantomMap& map, double left) {
    const std::vector<double> xe = Edges(map.col_width);
    const std::vector<double> ze = Edges(map.plane_width);
    for (int iz = 1; iz <= map.planes(); ++iz)
        for (int ix = 1; ix <= map.columns(); ++ix) {
            int strongest = 1;
            for (int iy = 1; iy <= map.layers(); ++iy)
                if (map.layer_thickness[static_cast<std::size_t>(iy - 1)] > 0 &&
                    Strength(map.code(ix, iz, iy)) > Strength(strongest))
                    strongest = map.code(ix, iz, iy);
            FillCell(p, left, kFrontTop, xe[static_cast<std::size_t>(ix - 1)], xe[static_cast<std::size_t>(ix)],
                     ze[static_cast<std::size_t>(iz - 1)], ze[static_cast<std::size_t>(iz)], MaterialColor(strongest));
        }
    p.rectangle(left, kFrontTop, left + 40 * kScale, kFrontTop + 40 * kScale, kGrey);
}

void DrawSection(platform::Picture& p, const PhantomMap& map, double left) {
    // The plane that holds the middle of the face, z = 20 cm (a boundary belongs to the lower plane).
    const std::vector<double> ze = Edges(map.plane_width);
    int iz = 1;
    while (iz < map.planes() && ze[static_cast<std::size_t>(iz)] < 20.0) ++iz;
    const std::vector<double> xe = Edges(map.col_width);
    const std::vector<double> ye = Edges(map.layer_thickness);
    for (int iy = 1; iy <= map.layers(); ++iy)
        for (int ix = 1; ix <= map.columns(); ++ix)
            FillCell(p, left, kSectionTop, xe[static_cast<std::size_t>(ix - 1)], xe[static_cast<std::size_t>(ix)],
                     ye[static_cast<std::size_t>(iy - 1)], ye[static_cast<std::size_t>(iy)],
                     MaterialColor(map.code(ix, iz, iy)));
    const double depth = ye.back();
    p.rectangle(left, kSectionTop, left + 40 * kScale, kSectionTop + depth * kScale, kGrey);

    // The parallel beam from above, and the detector behind the exit surface.
    for (int k = 0; k < 5; ++k) {
        const double x = left + 20 + 40 * k;
        p.line(x, kSectionTop - 22, x, kSectionTop - 4, kBeam);
        p.line(x - 3, kSectionTop - 9, x, kSectionTop - 4, kBeam);
        p.line(x + 3, kSectionTop - 9, x, kSectionTop - 4, kBeam);
    }
    const double detector = kSectionTop + depth * kScale + 6;
    p.fill_rectangle(left, detector, left + 40 * kScale, detector + 3, kGrey);
}

void DrawPanel(platform::Picture& p, int type, const std::filesystem::path& dir, const QString& title,
               const QString& size) {
    const double x0 = kPanelWidth * (type - 1);
    const double left = x0 + kViewLeft;
    p.set_fore_color(kBlack);
    p.print_text(x0 + 12, 6, title);
    p.print_text(x0 + 12, 24, size);
    p.set_fore_color(kGrey);
    p.print_text(left, kFrontTop - 18, QStringLiteral("X線の入射側から見た図"));
    p.print_text(left, kSectionTop - 44, QStringLiteral("中央 (z = 20 cm) の断面"));
    p.print_text(left - 24, kSectionTop - 22, QStringLiteral("X線"));
    try {
        const PhantomMap map = ReadPhantomMap(type, dir);
        DrawFrontView(p, map, left);
        DrawSection(p, map, left);
        const double depth = Edges(map.layer_thickness).back();
        p.print_text(left + 40 * kScale - 48, kSectionTop + depth * kScale + 12, QStringLiteral("検出器"));
    } catch (const platform::InputError& e) {
        p.set_fore_color(kRed);
        p.print_text(left, kFrontTop + 90, QStringLiteral("%1 を読めません").arg(QString::fromLatin1(PhantomMapFile(type))));
    }
}

}  // namespace

void DrawPhantomSchematic(platform::Picture& p, const std::filesystem::path& dir) {
    p.clear();
    DrawPanel(p, 1, dir, QStringLiteral("(1) 均一水ファントム"), QStringLiteral("34×34×厚さ cm（図は厚さ 20 cm）"));
    DrawPanel(p, 2, dir, QStringLiteral("(2) 棒状の骨, 肺入り水ファントム"), QStringLiteral("34×34×20 cm"));
    DrawPanel(p, 3, dir, QStringLiteral("(3) 簡単な胸部ファントム"), QStringLiteral("40×34×20 cm"));

    // The legend along the bottom.
    const struct {
        int code;
        const char* name;
    } legend[] = {{1, "空気"}, {2, "水"}, {3, "肺"}, {4, "骨"}};
    double x = kViewLeft;
    const double y = kSchematicHeight - 26;
    for (const auto& entry : legend) {
        p.fill_rectangle(x, y, x + 16, y + 14, MaterialColor(entry.code));
        p.rectangle(x, y, x + 16, y + 14, kGrey);
        p.set_fore_color(kBlack);
        p.print_text(x + 22, y - 1, QString::fromUtf8(entry.name));
        x += 90;
    }
}

}  // namespace frontend
