#include "tables.h"

#include "platform/atomic_text_file.h"
#include "platform/number_pattern.h"
#include "platform/number_text.h"

namespace batch {
namespace {

using frontend::kBins;
using frontend::kPixels;

std::string Field(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string Relative(double value) {
    return platform::format_number(value, "0.000000");
}

}  // namespace

void WriteCsv(const std::filesystem::path& file, const std::vector<std::string>& header,
              const std::vector<std::vector<std::string>>& rows) {
    platform::AtomicTextFile out(file);
    auto write = [&out](const std::vector<std::string>& fields) {
        std::string line;
        for (std::size_t n = 0; n < fields.size(); ++n) line += (n ? "," : "") + Field(fields[n]);
        out.write_line(line);
    };
    write(header);
    for (const auto& row : rows) write(row);
    out.commit();
}

void WriteProfilesCsv(const std::filesystem::path& file, const frontend::ResultTallies& t,
                      const ScaledResult& s, int row) {
    std::vector<std::vector<std::string>> rows;
    for (int i = 1; i <= kPixels; ++i) {
        const double primary = t.image[1][i][row], scatter = t.image[2][i][row];
        rows.push_back({std::to_string(i), platform::format_number(0.2 * i + 0.1, "0.0"),
                        platform::number_text(primary), platform::number_text(scatter),
                        platform::number_text(primary + scatter),
                        platform::format_number(frontend::ProfileHeight(s.grey[1][i][row]), "0.000"),
                        platform::format_number(frontend::ProfileHeight(s.grey[2][i][row]), "0.000"),
                        platform::format_number(frontend::ProfileHeight(s.grey[3][i][row]), "0.000")});
    }
    WriteCsv(file,
             {"column", "x_centre_cm", "primary_kev", "scatter_kev", "sum_kev", "primary_height",
              "scatter_height", "sum_height"},
             rows);
}

void WriteSpectraCsv(const std::filesystem::path& file, const frontend::ResultTallies& t,
                     const ScaledResult& s) {
    std::vector<std::vector<std::string>> rows;
    for (int n = 1; n <= kBins; ++n)
        rows.push_back({std::to_string(n), platform::format_number(0.5 * n, "0.0"),
                        platform::number_text(t.spectrum[0][n]), platform::number_text(t.spectrum[1][n]),
                        platform::number_text(t.spectrum[2][n]), Relative(s.incident[0][n]),
                        Relative(s.incident[1][n]), Relative(s.exit[0][n]), Relative(s.exit[1][n]),
                        Relative(s.exit[2][n])});
    WriteCsv(file,
             {"bin", "energy_kev", "incident", "primary", "scattered", "incident_rel_incident",
              "penetrated_rel_incident", "penetrated_rel_penetrated", "primary_rel_penetrated",
              "scatter_rel_penetrated"},
             rows);
}

}  // namespace batch
