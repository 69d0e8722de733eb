#include "scratch_dir.h"

#include <unistd.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace testsupport {
namespace fs = std::filesystem;

ScratchDir::ScratchDir() {
    std::string pattern = (fs::temp_directory_path() / "shadowbench_test_XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a scratch directory");
    path_ = pattern;
}

ScratchDir::~ScratchDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

fs::path ScratchDir::write(const std::string& name, const std::string& bytes) const {
    const fs::path file = path_ / name;
    std::ofstream(file, std::ios::binary) << bytes;
    return file;
}

std::string read_bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

}  // namespace testsupport
