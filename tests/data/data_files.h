#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace datatest {

inline std::filesystem::path data_file(const std::string& name) {
    return std::filesystem::path(SHADOWBENCH_DATA_DIR) / name;
}

// One energy record of a composition file: energy in keV, then coherent, incoherent, photoelectric,
// total and total without coherent scattering in cm2/g.
struct EnergyRecord {
    double energy_kev;
    double coherent, incoherent, photoelectric, total, total_without_coherent;
    double sum() const { return coherent + incoherent + photoelectric; }
};

struct CompositionFile {
    std::string name_line;
    double density = 0;
    int count = 0;
    std::vector<EnergyRecord> records;
    int lines = 0;  // lines in the file
};

// Read as the engine reads it: free-form density and count, then fixed columns.
CompositionFile read_by_columns(const std::string& file_name);
// Read as the filter picker reads it: the name line, then numbers one after another.
CompositionFile read_as_numbers(const std::string& file_name);

// Total mass attenuation coefficient at e_kev, interpolated log-log as both programs do: over the
// interval that starts at the last record at or below the energy.
double total_at(const CompositionFile& file, double e_kev);

}  // namespace datatest
