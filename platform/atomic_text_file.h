#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace platform {

// A text file written line by line (bytes as given, each line ended by CR LF) into a temporary file beside
// the target, which replaces the target only when commit() has written everything. A run that dies while
// writing, or a write that fails, leaves any earlier good file in place.
class AtomicTextFile {
public:
    // Throws OutputError when the temporary file cannot be created.
    explicit AtomicTextFile(const std::filesystem::path& target);
    ~AtomicTextFile();
    AtomicTextFile(const AtomicTextFile&) = delete;
    AtomicTextFile& operator=(const AtomicTextFile&) = delete;

    void write_line(std::string_view bytes);

    // Flushes, closes and renames over the target; throws OutputError on any failure.
    void commit();

private:
    std::filesystem::path target_;
    std::ofstream out_;  // before temp_: opening the temporary file opens this stream
    std::filesystem::path temp_;
    bool committed_ = false;
};

}  // namespace platform
