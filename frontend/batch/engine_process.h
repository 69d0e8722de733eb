#pragma once

#include <filesystem>

namespace batch {

// Runs a console program of the system in the current directory, as its terminal would: its output goes
// where ours goes, line by line as it writes, and each of its prompts for Enter is answered. Waits for it
// and returns its exit status (128 + the signal when a signal ended it). Throws std::runtime_error when it
// cannot be started.
int RunAnsweringEnter(const std::filesystem::path& program, int prompts);

}  // namespace batch
