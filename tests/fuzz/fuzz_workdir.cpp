#include "fuzz_workdir.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fuzzsupport {

namespace {

char work_dir[] = "/tmp/shadowbench_fuzz_XXXXXX";

void remove_work_dir() {
    std::error_code ec;
    std::filesystem::remove_all(work_dir, ec);
}

}  // namespace

void enter_work_dir() {
    static bool entered = false;
    if (entered) return;
    entered = true;
    char* pattern = work_dir;
    if (!mkdtemp(pattern)) std::abort();
    std::atexit(remove_work_dir);
    for (const auto& entry : std::filesystem::directory_iterator(SHADOWBENCH_DATA_DIR))
        if (entry.is_regular_file()) std::filesystem::copy_file(entry.path(), std::filesystem::path(pattern) / entry.path().filename());
    std::filesystem::current_path(pattern);
}

void write_file(const std::string& name, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

}  // namespace fuzzsupport
