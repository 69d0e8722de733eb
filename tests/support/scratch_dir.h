#pragma once

#include <filesystem>
#include <string>

namespace testsupport {

// A directory of its own under the system's temporary directory, removed with everything in it.
class ScratchDir {
  public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    // Writes `bytes` as they are; returns the path.
    std::filesystem::path write(const std::string& name, const std::string& bytes) const;

  private:
    std::filesystem::path path_;
};

// The whole file as bytes.
std::string read_bytes(const std::filesystem::path& file);

}  // namespace testsupport
