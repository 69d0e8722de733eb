#pragma once

#include <stdexcept>
#include <string>

namespace platform {

// The file-reading layer's report: which file, which line (and field), and what was expected there.
// Set-up code lets it travel up to the program's main, which prints it and ends with a non-zero status.
class InputError : public std::runtime_error {
public:
    InputError(std::string file, int line, std::string expected, int field = 0, std::string found = {});

    const std::string& file() const { return file_; }
    int line() const { return line_; }
    int field() const { return field_; }

private:
    std::string file_;
    int line_;
    int field_;
};

// A file that could not be written (no permission, a directory under its name, a full disk).
class OutputError : public std::runtime_error {
public:
    OutputError(std::string file, std::string reason);
};

}  // namespace platform
