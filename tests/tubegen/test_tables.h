#pragma once

#include <filesystem>
#include <string>

#include "tubegen/attenuation_table.h"

namespace tubegen_test {

// Smooth power-law coefficients of the size of tungsten, aluminium, copper and air: enough to run every step
// of the model without the shipped data, and the same on every machine.
tubegen::AttenuationTable ConstructedTable();

// Writes a table in the attenuation file's layout, one record a line: "E, muW, muAl, muCu, muen".
void WriteAttenuationFile(const std::filesystem::path& file, const tubegen::AttenuationTable& table);

// A fresh directory under the system's temporary directory, removed with everything in it at the end.
class ScratchDir {
  public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

// The whole file as bytes.
std::string ReadBytes(const std::filesystem::path& file);

}  // namespace tubegen_test
