#include "platform/input_error.h"

namespace platform {
namespace {

std::string describe(const std::string& file, int line, const std::string& expected, int field,
                     const std::string& found) {
    std::string text = "\"" + file + "\"";
    if (line > 0) text += ", line " + std::to_string(line);
    if (field > 0) text += ", field " + std::to_string(field);
    text += ": expected " + expected;
    if (!found.empty()) text += ", found \"" + found + "\"";
    return text;
}

}  // namespace

InputError::InputError(std::string file, int line, std::string expected, int field, std::string found)
    : std::runtime_error(describe(file, line, expected, field, found)),
      file_(std::move(file)),
      line_(line),
      field_(field) {}

OutputError::OutputError(std::string file, std::string reason)
    : std::runtime_error("\"" + file + "\": cannot be written: " + reason) {}

}  // namespace platform
