// Whole engine runs in-process on a fixed case, timed from the first bin to the last: prints histories
// per second, nanoseconds per history and per flight, and the SHA-256 of the result file written.
// Runs in the current directory, which must hold the shipped data and a "B_tubegen.dat" (bench/run
// lays one out). Usage: engine_bench_{grid,nogrid} CASE [HISTORIES]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "engine/build_switch.h"
#include "engine/driver.h"
#include "engine/phantom.h"
#include "engine/result_file.h"
#include "engine/spectrum_file.h"
#include "engine/tracking.h"
#include "platform/console.h"
#include "platform/input_error.h"
#include "sha256.h"

namespace {

struct BenchCase {
    int number;
    const char* description;
    int phantom_type;
    double field;
    bool grid;
};

const BenchCase cases[] = {
    {1, "water 20 cm, field 34 cm, no grid", 1, 34.0, false},
    {2, "water 20 cm, field 34 cm, grid", 1, 34.0, true},
    {3, "bone-lung phantom, field 34 cm, no grid", 2, 34.0, false},
    {4, "chest phantom, field 36 cm, grid", 3, 36.0, true},
};

void write_conditions(const BenchCase& c, double histories) {
    char text[128];
    std::snprintf(text, sizeof text, "%02d\r\n20.0\r\n%04.1f\r\n%02d\r\n%.2E\r\nbench_case%d.data\r\n", c.phantom_type,
                  c.field, c.grid ? 1 : 0, histories, c.number);
    std::ofstream("Phantom.dat", std::ios::binary) << text;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: " << argv[0] << " CASE [HISTORIES]   (cases 1-4)\n";
        return 2;
    }
    const int number = std::atoi(argv[1]);
    const double histories = argc > 2 ? std::atof(argv[2]) : 1.0e6;
    const BenchCase* chosen = nullptr;
    for (const BenchCase& c : cases)
        if (c.number == number) chosen = &c;
    if (!chosen || chosen->grid != engine::grid_build) {
        std::cerr << "case " << number << " does not belong to this build\n";
        return 2;
    }
    write_conditions(*chosen, histories);

    std::ostringstream quiet;
    std::istringstream no_input;
    platform::Console console(quiet, no_input);
    try {
        engine::driver::set_up();
    } catch (const platform::InputError& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    const long long flights_before = engine::tracking::flight_count;
    const auto start = std::chrono::steady_clock::now();
    engine::driver::run_bins(console);
    const auto end = std::chrono::steady_clock::now();
    const double flights = static_cast<double>(engine::tracking::flight_count - flights_before);
    engine::result_file::write_result_file(console);

    const double seconds = std::chrono::duration<double>(end - start).count();
    double run = 0;  // histories actually run: each bin's count is truncated
    for (int k = 10; k <= std::min(engine::spectrum::top_bin, 300); ++k)
        run += engine::driver::bin_photons_for(engine::spectrum::spectrum_weight[k], engine::phantom::total_histories);
    const std::string file = "bench_case" + std::to_string(number) + ".data";
    std::printf("case %d (%s): %.3g histories in %.3f s: %.3g histories/s, %.1f ns/history, %.2f flights/history, "
                "%.1f ns/flight\n  sha256 %s\n",
                number, chosen->description, run, seconds, run / seconds, 1e9 * seconds / run, flights / run,
                1e9 * seconds / flights, testsupport::sha256_of_file(file).c_str());
    return 0;
}
