#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Each fuzz target reads its input as one file of a working directory that otherwise holds the shipped
// data: a temporary directory, made the current directory once per process.
namespace fuzzsupport {

void enter_work_dir();
void write_file(const std::string& name, const std::uint8_t* data, std::size_t size);

}  // namespace fuzzsupport
