#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tubegen/arbitrary_filters.h"
#include "tubegen/energy_grid.h"
#include "tubegen/spectrum_summary.h"

namespace tubegen {

constexpr const char* kSpectrumFileName = "B_tubegen.dat";

// What the nine header lines of the spectrum file name: the box texts as they stand (UTF-8), the angle as
// the number that was used, and the arbitrary filters.
struct SpectrumFileHeader {
    int RectType = 1;
    std::string tube_voltage_text;  // Text1, after clamping
    double theta_deg = 0;
    std::string inherent_text;   // Text2
    std::string aluminium_text;  // Text3
    std::string copper_text;     // Text4
};

// The file's 310 lines in code page 932: the header, one record per bin (energy "0000.0" followed by the
// weight N/Total "  0.00000"), and 1000·SpectrumMax. Throws std::invalid_argument for a box text without a
// code page 932 form.
std::vector<std::string> SpectrumFileLines(const SpectrumFileHeader& header, const ArbitraryFilters& filters,
                                           const BinArray& N, const SpectrumSummary& summary);

// Writes the lines, each ended by CR LF, so that the file is replaced only once all of it is written.
// Throws platform::OutputError when it cannot be written.
void WriteSpectrumFile(const std::filesystem::path& file, const std::vector<std::string>& lines);

}  // namespace tubegen
