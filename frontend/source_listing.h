#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The source viewer's list: the engine's source texts, shipped beside the programs, line by line.
namespace frontend {

inline constexpr const char* kSourceTextWithoutGrid = "voxtrace_nogrid.txt";
inline constexpr const char* kSourceTextWithGrid = "voxtrace_grid.txt";

// One item: the line number by the pattern "0000" (0001 … 9999, then 10000 and on), "|", and the line.
std::string NumberedLine(int number, std::string_view line);

// The items of a whole file, its lines as read (code page 932 bytes, without their line ends). A missing
// file is reported as a platform::InputError.
std::vector<std::string> NumberedLines(const std::filesystem::path& file);

}  // namespace frontend
