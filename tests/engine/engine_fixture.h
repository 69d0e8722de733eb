#pragma once

#include <array>
#include <filesystem>
#include <string>

// A working directory for engine runs: a fresh temporary directory holding the shipped data files, made
// the current directory for the fixture's life.
namespace testsupport {

namespace fs = std::filesystem;

class EngineWorkDir {
public:
    EngineWorkDir();
    ~EngineWorkDir();
    EngineWorkDir(const EngineWorkDir&) = delete;
    EngineWorkDir& operator=(const EngineWorkDir&) = delete;

    void write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;

    // "B_tubegen.dat" with nine header lines and the weights of bins 1..300 (index 0 unused).
    void write_spectrum(const std::array<float, 301>& weights) const;
    // All weight in one bin: a monoenergetic beam of 0.5 * bin keV.
    void write_single_bin_spectrum(int bin) const;
    // "Phantom.dat" as the front-end writes it.
    void write_conditions(int type, double thickness, double field, int grid, double histories,
                          const std::string& name = "out.data") const;

    const fs::path& path() const { return path_; }

private:
    fs::path path_;
    fs::path previous_;
};

struct EngineRun {
    int status;
    std::string console;
    std::string errors;
};

// Runs the engine of this test program's build in the current directory, with `input` as the keyboard.
EngineRun run_engine(const std::string& input = "\n\n");

// The console text with the clock readings replaced by hh:mm:ss.
std::string mask_times(const std::string& console);

}  // namespace testsupport
