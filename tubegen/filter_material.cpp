#include "tubegen/filter_material.h"

#include <cmath>
#include <string>

#include "platform/cp932.h"
#include "platform/number_input.h"
#include "platform/number_text.h"
#include "tubegen/spectrum_error.h"

namespace tubegen {
namespace {

int RecordCount(platform::NumberSequenceReader& reader) {
    double n = reader.next_number("the number of energy records");
    if (!(n >= 1 && n <= kMaxMaterialRecords && n == std::floor(n)))
        throw SpectrumError("組成ファイル " + reader.name() + " の記録数 " + platform::number_text(n) +
                            " が 1〜110 の整数ではありません。");
    return static_cast<int>(n);
}

std::array<double, 5> ReadRecord(platform::NumberSequenceReader& reader, int i, int n) {
    std::string record = "record " + std::to_string(i) + " of " + std::to_string(n);
    std::array<double, 5> row{};
    row[1] = reader.next_number(record + ": the energy in MeV");
    row[2] = reader.next_number(record + ": the coherent coefficient");
    row[3] = reader.next_number(record + ": the incoherent coefficient");
    row[4] = reader.next_number(record + ": the photoelectric coefficient");
    reader.next_number(record + ": the fifth coefficient");
    reader.next_number(record + ": the sixth coefficient");
    row[0] = row[2] + row[3] + row[4];
    return row;
}

// The first row whose energy is strictly above E; at a doubled edge energy that is the row after the pair.
int RowAbove(const FilterMaterial& m, double E, int e_kev) {
    const int n = static_cast<int>(m.MaterialTable.size()) - 1;
    int j = 1;
    while (j <= n && E >= m.MaterialTable[j][1]) j = j + 1;
    if (j == 1 || j > n)
        throw SpectrumError("フィルター材質 " + platform::from_cp932(m.name) + " のデータは " +
                            std::to_string(e_kev) +
                            " keV を含みません（1〜150 keV を覆う組成ファイルが必要です）。");
    return j;
}

void RequirePositive(const FilterMaterial& m, int row) {
    const std::array<double, 5>& r = m.MaterialTable[row];
    if (!(r[0] > 0 && r[1] > 0))
        throw SpectrumError("フィルター材質 " + platform::from_cp932(m.name) + " の記録 " +
                            std::to_string(row) + " のエネルギーまたは減弱係数が正ではありません。");
}

// Total mass attenuation coefficient at E MeV, by log-log interpolation between rows j − 1 and j.
double InterpolatedTotal(const FilterMaterial& m, double E, int j) {
    RequirePositive(m, j - 1);
    RequirePositive(m, j);
    const std::array<double, 5>& lo = m.MaterialTable[j - 1];
    const std::array<double, 5>& hi = m.MaterialTable[j];
    double f = (std::log(E) - std::log(lo[1])) / (std::log(hi[1]) - std::log(lo[1]));
    return std::exp(std::log(lo[0]) + f * (std::log(hi[0]) - std::log(lo[0])));
}

}  // namespace

FilterMaterial LoadFilterMaterial(const std::filesystem::path& file) {
    platform::NumberSequenceReader reader(file);
    FilterMaterial m;
    m.name = reader.next_line("the material name");
    m.density = reader.next_number("the density in g/cm3");
    const int n = RecordCount(reader);
    m.MaterialTable.resize(static_cast<std::size_t>(n) + 1);
    for (int i = 1; i <= n; ++i) m.MaterialTable[i] = ReadRecord(reader, i, n);
    return m;
}

BinArray ComputeFilterMu(const FilterMaterial& material) {
    BinArray mu{};
    for (int e = 1; e <= 150; ++e) {
        const double E = 0.001 * e;
        mu[2 * e] = material.density * InterpolatedTotal(material, E, RowAbove(material, E, e));
    }
    for (int k = 3; k <= 299; k += 2) mu[k] = (mu[k - 1] + mu[k + 1]) / 2;
    mu[1] = mu[2];
    return mu;
}

}  // namespace tubegen
