#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace testsupport {

// SHA-256 of bytes, as lower-case hex.
std::string sha256_hex(std::string_view bytes);
std::string sha256_of_file(const std::filesystem::path& path);

}  // namespace testsupport
