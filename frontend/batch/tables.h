#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "frontend/result_data.h"
#include "pictures.h"

// The numbers behind the pictures as CSV files (comma-separated, a header line, CR LF), for a spreadsheet.
namespace batch {

// One line per column i = 1 … 200 of image row `row`: the column and the x of its centre, the tallies of the
// three images in keV, and the heights the profiles are drawn at (256 − grey level).
void WriteProfilesCsv(const std::filesystem::path& file, const frontend::ResultTallies& tallies,
                      const ScaledResult& scaled, int row);

// One line per energy bin n = 1 … 300: its energy, the photon counts entering the phantom and reaching the
// detector (primary, scattered), and the curves of the two plots (relative photon numbers).
void WriteSpectraCsv(const std::filesystem::path& file, const frontend::ResultTallies& tallies,
                     const ScaledResult& scaled);

// A table: the header fields, then the rows; fields holding a comma or a quote are quoted.
void WriteCsv(const std::filesystem::path& file, const std::vector<std::string>& header,
              const std::vector<std::vector<std::string>>& rows);

}  // namespace batch
