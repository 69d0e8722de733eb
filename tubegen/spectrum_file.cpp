#include "tubegen/spectrum_file.h"

#include "platform/atomic_text_file.h"
#include "platform/cp932.h"
#include "platform/number_pattern.h"
#include "platform/number_text.h"

namespace tubegen {
namespace {

const char* RectificationName(int rect_type) {
    switch (rect_type) {
        case 2:
            return "三相12ピーク";
        case 3:
            return "単相全波";
        default:
            return "定電圧";
    }
}

std::string FilterLine(const ArbitraryFilters& filters, int j) {
    // The name is copied as the composition file holds it, already in code page 932.
    return platform::to_cp932(" 任意フィルタ(" + std::to_string(j) + ") = ") + filters.FilterName[j] +
           platform::to_cp932(" : " + platform::number_text(10 * filters.FilterThickness[j]) + " mm");
}

}  // namespace

std::vector<std::string> SpectrumFileLines(const SpectrumFileHeader& header, const ArbitraryFilters& filters,
                                           const BinArray& N, const SpectrumSummary& summary) {
    using platform::to_cp932;
    std::vector<std::string> lines = {
        to_cp932(RectificationName(header.RectType)),
        to_cp932(" 管電圧 = " + header.tube_voltage_text + " kV"),
        to_cp932(" ターゲット角度 = " + platform::number_text(header.theta_deg) + "度"),
        to_cp932(" 固有ろ過 = " + header.inherent_text + " mmAl"),
        to_cp932(" 付加フィルタ Al = " + header.aluminium_text + " mm"),
        to_cp932(" 付加フィルタ Cu = " + header.copper_text + " mm"),
    };
    for (int j = 1; j <= ArbitraryFilters::kSlots; ++j) lines.push_back(FilterLine(filters, j));
    for (int i = 1; i <= kBins; ++i)
        lines.push_back(platform::format_number(BinEnergy(i), "0000.0") +
                        platform::format_number(N[i] / summary.Total, "  0.00000"));
    lines.push_back(platform::number_text(1000 * summary.SpectrumMax));
    return lines;
}

void WriteSpectrumFile(const std::filesystem::path& file, const std::vector<std::string>& lines) {
    platform::AtomicTextFile out(file);
    for (const std::string& line : lines) out.write_line(line);
    out.commit();
}

}  // namespace tubegen
