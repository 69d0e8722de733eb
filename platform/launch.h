#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Starting the other programs of the system by their file names. No windowing here: the caller tells the
// user what went wrong.
namespace platform {

// How a started program meets the user: a windowed program opens its own windows; a console program is
// given a terminal window of its own, so that its prompts can be answered.
enum class ProgramKind { Windowed, Console };

// The file name of a program: its name, with ".exe" on Windows.
std::string executable_file_name(std::string_view program);

// The directory that holds the running program's executable; empty when it cannot be told.
std::filesystem::path running_program_directory();

// The places a program is looked for, in this order: the current directory, the directory of the running
// program, then the directories of PATH. Returns the first executable regular file of that name.
std::optional<std::filesystem::path> find_program(std::string_view program);

// An executable regular file of that name in one of the directories of a PATH-like list.
std::optional<std::filesystem::path> find_on_path(std::string_view file_name, std::string_view path_list);

// The terminal that console programs run in, looked up on PATH: the desktop's own (x-terminal-emulator)
// where present, then a few common ones. The words of the command that come before the program's path.
std::optional<std::vector<std::string>> find_terminal();

enum class LaunchOutcome {
    Started,
    NotFound,    // no executable file of that name in any of the places
    NoTerminal,  // a console program, but no terminal to run it in
    Failed,      // found, but the system refused to start it (`reason` says why)
};

struct LaunchResult {
    LaunchOutcome outcome = LaunchOutcome::Started;
    std::string reason;  // the system's words, when the outcome is Failed
    std::filesystem::path program;  // what was started, or found and refused
};

// Starts the program without arguments in the current directory, which it inherits, and returns at once:
// the program runs detached, in a session of its own, and outlives the caller, which never waits for it.
// Only a start that fails at once (not found, not executable) is reported.
LaunchResult launch_program(std::string_view program, ProgramKind kind);

// The same with a command given word by word, the first being the path of the executable.
LaunchResult launch_detached(const std::vector<std::string>& command);

}  // namespace platform
