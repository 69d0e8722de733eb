#include "result_file_writer.h"

#include <cstdio>

#include "platform/cp932.h"

namespace viewer_test {
namespace fs = std::filesystem;

std::vector<std::string> WaterRunDescription() {
    std::vector<std::string> lines = {
        "定電圧",
        " 管電圧 = 100 kV",
        " ターゲット角度 = 12度",
        " 固有ろ過 = 2.5 mmAl",
        " 付加フィルタ Al = 0 mm",
        " 付加フィルタ Cu = 0 mm",
        " 任意フィルタ(1) =  : 0 mm",
        " 任意フィルタ(2) =  : 0 mm",
        " 任意フィルタ(3) =  : 0 mm",
        "Water Phantom",
    };
    // The ten header texts are 30 bytes in the file, blank-padded; as UTF-8 they are padded in code page 932.
    for (std::string& line : lines)
        line = platform::from_cp932(platform::fit_bytes(platform::to_cp932(line), 30));
    lines.push_back(" ファントム厚 =  20.0 cm");
    lines.push_back(" 照射野サイズ =  34.0 cm");
    lines.push_back(" グリッド (無)");
    return lines;
}

std::string E11_4(double value) {
    if (value == 0) return "  .0000E+00";
    // printf's d.dddE±xx has the digits the engine's .ddddE±xx has, one decade up.
    char scientific[32];
    std::snprintf(scientific, sizeof scientific, "%.3E", value);
    const std::string s = scientific;
    const std::size_t e = s.find('E');
    const int exponent = std::atoi(s.c_str() + e + 1) + 1;
    char field[32];
    std::snprintf(field, sizeof field, "  .%c%sE%c%02d", s[0], s.substr(2, 3).c_str(),
                  exponent < 0 ? '-' : '+', std::abs(exponent));
    return field;
}

namespace {

std::string F6_1(double value) {
    char field[16];
    std::snprintf(field, sizeof field, "%6.1f", value);
    std::string s = field;
    // Below 1 the engine writes no digit before the point.
    if (value < 1) s = " " + s.substr(0, s.find('.') - 1) + s.substr(s.find('.'));
    return s;
}

}  // namespace

std::string ResultFileBytes(const frontend::ResultTallies& tallies,
                            const std::vector<std::string>& description) {
    std::string out;
    for (const std::string& line : description) out += platform::to_cp932(line) + "\r\n";
    for (int k = 1; k <= 2; ++k)
        for (int j = 1; j <= frontend::kPixels; ++j)
            for (int i = 1; i <= frontend::kPixels; ++i) {
                out += E11_4(tallies.image[k][i][j]);
                if (i % 20 == 0) out += "\r\n";
            }
    for (int n = 1; n <= frontend::kBins; ++n)
        out += F6_1(0.5 * n) + E11_4(tallies.spectrum[0][n]) + E11_4(tallies.spectrum[1][n]) +
               E11_4(tallies.spectrum[2][n]) + "\r\n";
    return out;
}

}  // namespace viewer_test
