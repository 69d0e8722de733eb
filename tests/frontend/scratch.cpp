#include "scratch.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

namespace frontend_test {
namespace fs = std::filesystem;

void write_script(const fs::path& path, const std::string& body) {
    std::ofstream(path, std::ios::binary) << "#!/bin/sh\nPATH=/usr/local/bin:/usr/bin:/bin\n" << body << "\n";
    fs::permissions(path, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec,
                    fs::perm_options::replace);
}

void write_recording_program(const fs::path& path) {
    write_script(path, "echo \"$(basename \"$0\") $(pwd)\" >> started.txt");
}

void write_answering_terminal(const fs::path& path) {
    write_script(path,
                 "[ \"$1\" = -e ] || exit 2\n"
                 "shift\n"
                 "echo \"$@\" >> terminal.txt\n"
                 "printf '\\n\\n' | \"$@\" > console.txt 2>&1");
}

std::vector<std::string> wait_for_lines(const fs::path& file, std::size_t lines, double seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    std::vector<std::string> found;
    for (;;) {
        found.clear();
        std::ifstream in(file, std::ios::binary);
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            found.push_back(line);
        }
        if (found.size() >= lines || std::chrono::steady_clock::now() > deadline) return found;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

bool wait_for_text(const fs::path& file, const std::string& text, double seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    for (;;) {
        if (read_bytes(file).find(text) != std::string::npos) return true;
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

PathVariable::PathVariable(const std::string& value) {
    if (const char* old = std::getenv("PATH")) {
        old_ = old;
        had_ = true;
    }
    setenv("PATH", value.c_str(), 1);
}

PathVariable::~PathVariable() {
    if (had_)
        setenv("PATH", old_.c_str(), 1);
    else
        unsetenv("PATH");
}

CurrentDir::CurrentDir(const fs::path& dir) : old_(fs::current_path()) {
    fs::current_path(dir);
}

CurrentDir::~CurrentDir() {
    std::error_code ec;
    fs::current_path(old_, ec);
}

}  // namespace frontend_test
