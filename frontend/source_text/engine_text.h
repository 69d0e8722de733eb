#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace source_text {

// The order a reader meets the engine's files in: the program's main first, then each part with its
// header before its source, by name. The switch's own header is left out, as no resolved text uses it.
std::vector<std::filesystem::path> reading_order(std::vector<std::filesystem::path> files);

struct BuildText {
    std::string bytes;                    // code page 932, CR LF
    std::vector<std::string> unresolved;  // "file: line N: ..." for uses of the switch of no known form
};

// The source text of one build: each file under a heading with its path relative to `root`, the switch
// resolved for that build. A character the code page lacks becomes "?". Throws std::runtime_error for a
// file that cannot be read.
BuildText engine_source_text(const std::vector<std::filesystem::path>& files, const std::filesystem::path& root,
                             bool grid);

}  // namespace source_text
