#include "figures.h"

#include <algorithm>

#include "platform/cp932.h"
#include "platform/number_input.h"

namespace batch {
namespace {

using frontend::kBins;
using frontend::kPixels;
using KindMap = std::vector<std::vector<PathKind>>;
using Mask = std::vector<std::vector<bool>>;

// Pixels stay clear of an edge by 1 cm; the water beside a material reaches 3 cm beyond its edge.
constexpr int kInsetPixels = 5;
constexpr int kBesidePixels = 20;

Mask EmptyMask() {
    return Mask(kPixels + 1, std::vector<bool>(kPixels + 1, false));
}

// The pixels of a kind whose whole square neighbourhood of `reach` pixels is of that kind too.
Mask Inset(const KindMap& kinds, PathKind kind, int reach) {
    Mask inset = EmptyMask();
    for (int i = 1 + reach; i <= kPixels - reach; ++i)
        for (int j = 1 + reach; j <= kPixels - reach; ++j) {
            bool all = true;
            for (int di = -reach; di <= reach && all; ++di)
                for (int dj = -reach; dj <= reach && all; ++dj) all = kinds[i + di][j + dj] == kind;
            inset[i][j] = all;
        }
    return inset;
}

// The pixels within `reach` pixels (across and along) of a pixel of the mask.
Mask Near(const Mask& mask, int reach) {
    Mask along = EmptyMask(), near = EmptyMask();
    for (int i = 1; i <= kPixels; ++i)
        for (int j = 1; j <= kPixels; ++j)
            for (int d = std::max(1, j - reach); d <= std::min(kPixels, j + reach) && !along[i][j]; ++d)
                along[i][j] = mask[i][d];
    for (int i = 1; i <= kPixels; ++i)
        for (int j = 1; j <= kPixels; ++j)
            for (int d = std::max(1, i - reach); d <= std::min(kPixels, i + reach) && !near[i][j]; ++d)
                near[i][j] = along[d][j];
    return near;
}

double Fluence(const frontend::ResultTallies& t, int component, int i, int j) {
    return component == 3 ? t.image[1][i][j] + t.image[2][i][j] : t.image[component][i][j];
}

std::optional<double> MeanFluence(const frontend::ResultTallies& t, int component, const Mask& mask) {
    double sum = 0;
    int count = 0;
    for (int i = 1; i <= kPixels; ++i)
        for (int j = 1; j <= kPixels; ++j)
            if (mask[i][j]) {
                sum += Fluence(t, component, i, j);
                ++count;
            }
    if (count == 0) return std::nullopt;
    return sum / count;
}

// The cell of a coordinate along one axis: the first whose far edge, added up from 0, is at or beyond it;
// 0 outside.
int CellAt(const std::vector<double>& widths, double x) {
    if (x <= 0) return 0;
    double edge = 0;
    for (std::size_t n = 0; n < widths.size(); ++n) {
        edge += widths[n];
        if (x <= edge) return static_cast<int>(n) + 1;
    }
    return 0;
}

PathKind KindOfPath(const frontend::PhantomMap& map, int ix, int iz) {
    bool water = false, bone = false, lung = false, other = false;
    for (int iy = 1; iy <= map.layers(); ++iy) {
        if (map.layer_thickness[static_cast<std::size_t>(iy - 1)] <= 0) continue;
        switch (map.code(ix, iz, iy)) {
            case 2:
                water = true;
                break;
            case 3:
                lung = true;
                break;
            case 4:
                bone = true;
                break;
            default:
                other = true;
                break;
        }
    }
    if (other || (bone && lung)) return PathKind::Other;
    if (bone) return PathKind::Bone;
    if (lung) return PathKind::Lung;
    return water ? PathKind::Water : PathKind::Other;
}

// The number after the "=" of a description line (thickness, field), 0 without one.
double NumberAfterEquals(const std::string& line) {
    const std::size_t eq = line.find('=');
    return eq == std::string::npos ? 0 : platform::leading_number(std::string_view(line).substr(eq + 1));
}

}  // namespace

std::optional<double> CentreSums::spr() const {
    if (primary <= 0) return std::nullopt;
    return scatter / primary;
}

CentreSums SumOverCentre(const frontend::ResultTallies& t) {
    CentreSums sums;
    for (int i = kCentreFirst; i <= kCentreLast; ++i)
        for (int j = kCentreFirst; j <= kCentreLast; ++j) {
            sums.primary += t.image[1][i][j];
            sums.scatter += t.image[2][i][j];
        }
    return sums;
}

std::optional<double> MeanEnergy(const frontend::ResultTallies& t, int s) {
    double photons = 0, energy = 0;
    for (int n = 1; n <= kBins; ++n) {
        photons += t.spectrum[s][n];
        energy += 0.5 * n * t.spectrum[s][n];
    }
    if (photons <= 0) return std::nullopt;
    return energy / photons;
}

RunDescription DescribeRun(const std::vector<std::string>& lines) {
    RunDescription d;
    if (lines.size() < 13) return d;
    const std::string& name = lines[9];
    if (name.rfind("Water Phantom", 0) == 0)
        d.phantom_type = 1;
    else if (name.rfind("Bone-Lung Phantom", 0) == 0)
        d.phantom_type = 2;
    else if (name.rfind("Chest Phantom", 0) == 0)
        d.phantom_type = 3;
    d.thickness = NumberAfterEquals(lines[10]);
    d.field_size = NumberAfterEquals(lines[11]);
    d.grid = lines[12].find(platform::to_cp932("有")) != std::string::npos;
    return d;
}

KindMap PathKinds(const frontend::PhantomMap& map, double field_size) {
    KindMap kinds(kPixels + 1, std::vector<PathKind>(kPixels + 1, PathKind::Outside));
    const double half = field_size / 2;
    for (int i = 1; i <= kPixels; ++i)
        for (int j = 1; j <= kPixels; ++j) {
            // The beam is parallel, so the pixel's centre names the path through the phantom.
            const double x = 0.2 * i + 0.1, z = 0.2 * j + 0.1;
            if (x <= 20 - half || x >= 20 + half || z <= 20 - half || z >= 20 + half) continue;
            const int ix = CellAt(map.col_width, x), iz = CellAt(map.plane_width, z);
            if (ix == 0 || iz == 0) continue;
            kinds[i][j] = KindOfPath(map, ix, iz);
        }
    return kinds;
}

std::optional<double> Contrast(const frontend::ResultTallies& t, int component, const KindMap& kinds,
                               PathKind material) {
    const Mask inside = Inset(kinds, material, kInsetPixels);
    Mask water = Inset(kinds, PathKind::Water, kInsetPixels);
    const Mask beside = Near(inside, kBesidePixels);
    for (int i = 1; i <= kPixels; ++i)
        for (int j = 1; j <= kPixels; ++j) water[i][j] = water[i][j] && beside[i][j];
    const std::optional<double> f_material = MeanFluence(t, component, inside);
    const std::optional<double> f_water = MeanFluence(t, component, water);
    if (!f_material || !f_water || *f_water <= 0) return std::nullopt;
    return (*f_material - *f_water) / *f_water;
}

}  // namespace batch
