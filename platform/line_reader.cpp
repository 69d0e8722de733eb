#include "platform/line_reader.h"

#include "platform/input_error.h"

namespace platform {

LineReader::LineReader(const std::filesystem::path& path) : name_(path.filename().string()) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) throw InputError(name_, 0, "a file, not a directory");
    in_.open(path, std::ios::binary);
    if (!in_) throw InputError(name_, 0, "an existing, readable file");
}

bool LineReader::try_next_line(std::string& line) {
    if (!std::getline(in_, line)) {
        // A last line without a line end still counts; getline reports it and sets eof only afterwards.
        return false;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    ++line_number_;
    return true;
}

std::string LineReader::next_line(std::string_view expected) {
    std::string line;
    if (!try_next_line(line)) throw InputError(name_, line_number_ + 1, std::string(expected), 0, "end of file");
    return line;
}

void LineReader::fail(std::string_view expected, int field, std::string_view found) const {
    throw InputError(name_, line_number_, std::string(expected), field, std::string(found));
}

}  // namespace platform
