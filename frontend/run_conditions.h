#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The run-conditions file "Phantom.dat": the front-end's order to the engine, written on "Go".
namespace frontend {

inline constexpr const char* kRunConditionsFile = "Phantom.dat";
inline constexpr std::string_view kResultExtension = ".data";
// The engine reads the first 30 bytes of the name line; a longer name would lose part of ".data".
inline constexpr std::size_t kResultNameBytes = 30;

struct RunConditions {
    int phantom_type = 1;          // 1 water, 2 bone-lung, 3 chest
    double phantom_thickness = 0;  // cm
    double field_size = 0;         // cm
    int grid_flag = 0;             // 0 none, 1 grid
    double histories = 0;          // photon histories of the whole spectrum
    std::string result_name;       // UTF-8, as typed, without ".data"
};

// What is wrong with a result name as typed (UTF-8), in the order it is checked.
enum class NameProblem {
    None,
    Empty,
    // A character the files' code page lacks, a control character, or a path separator: the engine writes
    // its result in the current directory under that name.
    BadCharacter,
    // The name with ".data" is longer than the engine reads, so the viewer would not find its result.
    TooLong,
};
NameProblem CheckResultName(std::string_view name);

// The six lines of the file as code page 932 bytes, without line ends: the phantom type and the grid flag
// by the pattern "00", the thickness and the field by "00.0", the histories by "0.00E+00" (three
// significant digits), the name followed by ".data". Throws std::invalid_argument for a name the code page
// lacks and std::domain_error for a value that is not finite.
std::vector<std::string> RunConditionsLines(const RunConditions& conditions);

// Writes the file with CR LF line ends, completely or not at all: an earlier file stays in place when
// writing fails (a platform::OutputError then says why).
void WriteRunConditions(const std::filesystem::path& file, const RunConditions& conditions);

// The engine build that matches a grid setting: the build without grid for 0, the grid build otherwise.
std::string_view EngineProgram(int grid_flag);

}  // namespace frontend
