#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "frontend/result_data.h"
#include "scratch_dir.h"

// Result files made in a test: the engine's layout, line for line, from tallies the test chooses.
namespace viewer_test {

// The thirteen description lines (UTF-8) a water run without grid gives, as the engine writes them.
std::vector<std::string> WaterRunDescription();

// The file's bytes (code page 932, CR LF): the description, the primary and scattered image components
// (1 and 2) of `tallies` by "(20E11.4)", and the spectra 0, 1, 2 as incident, primary, scattered by
// "(F6.1,3E11.4)". Values are written with four mantissa digits, so choose them to be exact there.
std::string ResultFileBytes(const frontend::ResultTallies& tallies,
                            const std::vector<std::string>& description = WaterRunDescription());

// A value in the E11.4 field as the engine writes it: "  .1234E+03" for 123.4, "  .0000E+00" for 0.
std::string E11_4(double value);

using TempDir = testsupport::ScratchDir;

}  // namespace viewer_test
