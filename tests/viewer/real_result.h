#pragma once

#include <filesystem>
#include <string>

// A result file as the engine writes it, for the pictures and timings that want real data: the batch
// tool's default spectrum, the run conditions as the run start writes them, and the no-grid engine build
// answering its two prompts, all in `work`.
namespace viewer_test {

struct RealRun {
    int phantom_type = 1;    // 1 water, 2 bone-lung, 3 chest
    double thickness = 20;   // cm
    double field_size = 34;  // cm
    double histories = 1e6;
    std::string name = "real";  // the result is `name`.data
};

// Copies the shipped data and the programs it needs from the run directory into `work` and runs there.
// Returns the result file; throws std::runtime_error, with the engine's console, when no file came out.
std::filesystem::path MakeRealResult(const std::filesystem::path& run_dir, const std::filesystem::path& work,
                                     const RealRun& run = {});

}  // namespace viewer_test
