#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace platform {

// Reads a text file line by line as raw bytes. Lines may end in CR LF (as the programs write them) or in LF
// alone (as an editor on Linux saves them); the line end is not part of the line.
class LineReader {
public:
    // Opens an existing file; a missing or unreadable one is reported as an InputError.
    explicit LineReader(const std::filesystem::path& path);

    // The next line; at the end of the file reports an InputError naming what the line should have held.
    std::string next_line(std::string_view expected);

    // The next line, or false at the end of the file.
    bool try_next_line(std::string& line);

    // Reports an InputError at the line last read.
    [[noreturn]] void fail(std::string_view expected, int field = 0, std::string_view found = {}) const;

    const std::string& name() const { return name_; }
    int line_number() const { return line_number_; }

private:
    std::string name_;
    std::ifstream in_;
    int line_number_ = 0;
};

}  // namespace platform
