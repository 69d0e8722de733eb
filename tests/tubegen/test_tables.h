#pragma once

#include <filesystem>
#include <string>

#include "scratch_dir.h"
#include "tubegen/attenuation_table.h"

namespace tubegen_test {

// Smooth power-law coefficients of the size of tungsten, aluminium, copper and air: enough to run every step
// of the model without the shipped data, and the same on every machine.
tubegen::AttenuationTable ConstructedTable();

// Writes a table in the attenuation file's layout, one record a line: "E, muW, muAl, muCu, muen".
void WriteAttenuationFile(const std::filesystem::path& file, const tubegen::AttenuationTable& table);

using ScratchDir = testsupport::ScratchDir;

}  // namespace tubegen_test
