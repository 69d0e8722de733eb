#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "scratch_dir.h"

// What the front-end tests share: a scratch directory, files in it, stand-in programs, and waiting for a
// started program's trace.
namespace frontend_test {

using testsupport::read_bytes;
using testsupport::ScratchDir;

// An executable shell script at `path` whose body is `body` (after "#!/bin/sh" and a PATH with the
// system's tools, so a test may narrow the PATH the launcher searches).
void write_script(const std::filesystem::path& path, const std::string& body);

// A stand-in program that appends its name and working directory to "started.txt" in that directory.
void write_recording_program(const std::filesystem::path& path);

// A stand-in terminal for the launcher: takes "-e PROGRAM", notes the program in "terminal.txt" of the
// working directory and runs it with its two Enter prompts answered, its output in "console.txt".
void write_answering_terminal(const std::filesystem::path& path);

// Waits (up to `seconds`) until the file exists and holds at least `lines` lines; its lines (without line
// ends), or what it holds by then.
std::vector<std::string> wait_for_lines(const std::filesystem::path& file, std::size_t lines, double seconds = 20);

// Waits (up to `seconds`) until the file holds `text`; whether it does.
bool wait_for_text(const std::filesystem::path& file, const std::string& text, double seconds = 20);

// Sets PATH for the life of the object, then puts the old one back.
class PathVariable {
  public:
    explicit PathVariable(const std::string& value);
    ~PathVariable();
    PathVariable(const PathVariable&) = delete;
    PathVariable& operator=(const PathVariable&) = delete;

  private:
    std::string old_;
    bool had_ = false;
};

// Makes a directory the current one for the life of the object.
class CurrentDir {
  public:
    explicit CurrentDir(const std::filesystem::path& dir);
    ~CurrentDir();
    CurrentDir(const CurrentDir&) = delete;
    CurrentDir& operator=(const CurrentDir&) = delete;

  private:
    std::filesystem::path old_;
};

}  // namespace frontend_test
