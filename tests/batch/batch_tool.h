#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "frontend/result_data.h"

// What the batch tool's tests share: the tool run as a program in a working directory, its printed
// "key: value" lines, working directories laid out like the run directory, and a result file whose figures
// are known.
namespace batch_test {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs shadowbench-batch with `args` in `dir`, PATH narrowed to `path` (the system's tools when empty).
Outcome RunBatch(const std::filesystem::path& dir, const std::vector<std::string>& args,
                 const std::string& path = "");

// The value of the printed line "key: value"; "(missing)" without one.
std::string Value(const std::string& out, const std::string& key);

// Copies the shipped data files (compositions, scattering factors, attenuation table, voxel maps) from the
// run directory into `dir`; with `engines`, the two engine builds too.
void CopyRunData(const std::filesystem::path& dir, bool engines);

// The files of a directory, by name.
std::vector<std::string> FileNames(const std::filesystem::path& dir);

// A result of the bone-lung phantom with round tallies, laid out so that every figure is known:
// water pixels primary 50 keV and scatter 30 keV, except the water in x 18–22 cm (primary 70); behind the
// bone rod (x 9–15 cm) primary 25, with 0 in its 1 cm margins; behind the lungs (x 25–31 cm) primary 100,
// with 500 in the margins; the central 10 × 10 pixels (x, z 19–21 cm) primary 200, in a ring of pixels
// holding 1000 keV of each. The incident spectrum has 3 photons at 50 keV and 1 at 100 keV; at the
// detector 2 primary photons at 30 keV and 2 scattered at 40 keV.
frontend::ResultTallies KnownTallies();
std::string KnownResultFile();  // its bytes, as the engine writes them

}  // namespace batch_test
