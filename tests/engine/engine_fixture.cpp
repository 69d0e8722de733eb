#include "engine_fixture.h"

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>

#include "engine/driver.h"
#include "platform/console.h"
#include "platform/cp932.h"

namespace testsupport {

EngineWorkDir::EngineWorkDir() : previous_(fs::current_path()) {
    static int counter = 0;
    path_ = fs::temp_directory_path() / ("sb_engine_" + std::to_string(::getpid()) + "_" + std::to_string(++counter));
    fs::remove_all(path_);
    fs::create_directories(path_);
    for (const fs::directory_entry& e : fs::directory_iterator(SHADOWBENCH_DATA_DIR))
        if (e.is_regular_file()) fs::copy_file(e.path(), path_ / e.path().filename());
    fs::current_path(path_);
}

EngineWorkDir::~EngineWorkDir() {
    fs::current_path(previous_);
    std::error_code ec;
    fs::remove_all(path_, ec);
}

void EngineWorkDir::write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path_ / name, std::ios::binary) << bytes;
}

std::string EngineWorkDir::read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void EngineWorkDir::write_spectrum(const std::array<float, 301>& weights) const {
    std::string text = platform::to_cp932("定電圧") + "\r\n" + platform::to_cp932(" 管電圧 = 100 kV") + "\r\n";
    for (int n = 3; n <= 9; ++n) text += " header line " + std::to_string(n) + "\r\n";
    char record[64];
    for (int i = 1; i <= 300; ++i) {
        std::snprintf(record, sizeof record, "%06.1f  %7.5f\r\n", 0.5 * i, weights[i]);
        text += record;
    }
    text += "1000\r\n";
    write("B_tubegen.dat", text);
}

void EngineWorkDir::write_single_bin_spectrum(int bin) const {
    std::array<float, 301> weights{};
    weights[bin] = 1.0f;
    write_spectrum(weights);
}

void EngineWorkDir::write_conditions(int type, double thickness, double field, int grid, double histories,
                                     const std::string& name) const {
    char text[256];
    std::snprintf(text, sizeof text, "%02d\r\n%04.1f\r\n%04.1f\r\n%02d\r\n%.2E\r\n%s\r\n", type, thickness, field,
                  grid, histories, name.c_str());
    write("Phantom.dat", text);
}

EngineRun run_engine(const std::string& input) {
    std::ostringstream out, errors;
    std::istringstream in(input);
    platform::Console console(out, in);
    int status = engine::driver::run_engine(console, errors);
    return {status, out.str(), errors.str()};
}

std::string mask_times(const std::string& console) {
    static const std::regex time(R"([ 0-9]\d:[ 0-9]\d:[ 0-9]\d)");
    return std::regex_replace(console, time, "hh:mm:ss");
}

}  // namespace testsupport
