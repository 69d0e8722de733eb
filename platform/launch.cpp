#include "platform/launch.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace platform {
namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
constexpr char kPathSeparator = ';';
#else
constexpr char kPathSeparator = ':';
#endif

bool is_executable_file(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return false;
#ifdef _WIN32
    return true;
#else
    return access(path.c_str(), X_OK) == 0;
#endif
}

std::optional<fs::path> executable_in(const fs::path& dir, std::string_view file_name) {
    if (dir.empty()) return std::nullopt;
    fs::path candidate = dir / fs::path(std::string(file_name));
    if (!is_executable_file(candidate)) return std::nullopt;
    std::error_code ec;
    fs::path absolute = fs::absolute(candidate, ec);
    return ec ? candidate : absolute;
}

std::string path_variable() {
    const char* path = std::getenv("PATH");
    return path ? path : "";
}

struct Terminal {
    const char* name;
    const char* run_word;  // what comes before the program: most take -e; some -x or the end of options
};

constexpr std::array<Terminal, 7> kTerminals = {{
    {"x-terminal-emulator", "-e"},
    {"gnome-terminal", "--"},
    {"konsole", "-e"},
    {"xfce4-terminal", "-x"},
    {"mate-terminal", "-x"},
    {"lxterminal", "-e"},
    {"xterm", "-e"},
}};

// xterm's own bitmap fonts have no Japanese (and may not be installed at all), so the engine's banner and
// prompts would not be readable: an xterm, however it is reached, draws with fontconfig's monospace font,
// which falls back to the Japanese fonts for the characters it lacks.
bool is_xterm(const fs::path& terminal) {
    std::error_code ec;
    fs::path real = fs::canonical(terminal, ec);
    const std::string name = (ec ? terminal : real).filename().string();
    return name == "xterm" || name == "lxterm" || name == "uxterm";
}

LaunchResult failed(int error, const fs::path& program) {
    return {LaunchOutcome::Failed, std::generic_category().message(error), program};
}

}  // namespace

std::string executable_file_name(std::string_view program) {
#ifdef _WIN32
    return std::string(program) + ".exe";
#else
    return std::string(program);
#endif
}

fs::path running_program_directory() {
#ifdef _WIN32
    std::wstring buffer(32768, L'\0');
    DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0 || n >= buffer.size()) return {};
    buffer.resize(n);
    return fs::path(buffer).parent_path();
#else
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : exe.parent_path();
#endif
}

std::optional<fs::path> find_on_path(std::string_view file_name, std::string_view path_list) {
    std::size_t start = 0;
    while (start <= path_list.size()) {
        std::size_t end = path_list.find(kPathSeparator, start);
        if (end == std::string_view::npos) end = path_list.size();
        std::string_view dir = path_list.substr(start, end - start);
        // An empty entry is not taken as the current directory: that place has already been searched.
        if (!dir.empty())
            if (auto found = executable_in(fs::path(std::string(dir)), file_name)) return found;
        start = end + 1;
    }
    return std::nullopt;
}

std::optional<fs::path> find_program(std::string_view program) {
    const std::string file_name = executable_file_name(program);
    std::error_code ec;
    if (auto found = executable_in(fs::current_path(ec), file_name)) return found;
    if (auto found = executable_in(running_program_directory(), file_name)) return found;
    return find_on_path(file_name, path_variable());
}

std::optional<std::vector<std::string>> find_terminal() {
    const std::string path = path_variable();
    for (const Terminal& terminal : kTerminals) {
        auto found = find_on_path(executable_file_name(terminal.name), path);
        if (!found) continue;
        std::vector<std::string> command{found->string()};
        if (is_xterm(*found)) command.insert(command.end(), {"-fa", "Monospace", "-fs", "11"});
        command.emplace_back(terminal.run_word);
        return command;
    }
    return std::nullopt;
}

#ifdef _WIN32

LaunchResult launch_detached(const std::vector<std::string>& command) {
    return {LaunchOutcome::Failed, "not available on this system", fs::path(command.front())};
}

LaunchResult launch_program(std::string_view program, ProgramKind kind) {
    auto found = find_program(program);
    if (!found) return {LaunchOutcome::NotFound, {}, {}};
    // A console program gets a new console of its own; a windowed one needs none.
    std::wstring line = L"\"" + found->wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    DWORD flags = kind == ProgramKind::Console ? CREATE_NEW_CONSOLE : DETACHED_PROCESS;
    if (!CreateProcessW(found->c_str(), line.data(), nullptr, nullptr, FALSE, flags, nullptr, nullptr,
                        &startup, &process))
        return {LaunchOutcome::Failed, std::system_category().message(static_cast<int>(GetLastError())),
                *found};
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return {LaunchOutcome::Started, {}, *found};
}

#else

LaunchResult launch_detached(const std::vector<std::string>& command) {
    const fs::path program(command.front());
    // Everything the child needs is made before fork: a child of a threaded program may only make
    // async-signal-safe calls.
    std::vector<char*> argv;
    for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);

    // The grandchild reports a failed exec through this pipe; a successful exec closes it (close-on-exec),
    // so the parent reads either an error number or the end of the pipe.
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) return failed(errno, program);

    const pid_t child = fork();
    if (child < 0) {
        int error = errno;
        close(report[0]);
        close(report[1]);
        return failed(error, program);
    }
    if (child == 0) {
        // A session of its own, so the program outlives the caller and its terminal's signals; started by a
        // grandchild that init adopts, so no one has to wait for it.
        close(report[0]);
        setsid();
        const pid_t grandchild = fork();
        if (grandchild != 0) {
            if (grandchild < 0) {
                int error = errno;
                (void)!write(report[1], &error, sizeof error);
            }
            _exit(0);
        }
        int null = open("/dev/null", O_RDONLY);
        if (null >= 0 && null != STDIN_FILENO) {
            dup2(null, STDIN_FILENO);
            close(null);
        }
        // Nothing of the caller's open files (its display connection, its sockets) goes with the program.
        const unsigned keep = static_cast<unsigned>(report[1]);
        if (keep < 3) {
            close_range(3, ~0U, 0);
        } else {
            if (keep > 3) close_range(3, keep - 1, 0);
            close_range(keep + 1, ~0U, 0);
        }
        execv(argv[0], argv.data());
        int error = errno;
        (void)!write(report[1], &error, sizeof error);
        _exit(127);
    }

    close(report[1]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t n;
    while ((n = read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    close(report[0]);
    if (n == static_cast<ssize_t>(sizeof error)) return failed(error, program);
    return {LaunchOutcome::Started, {}, program};
}

LaunchResult launch_program(std::string_view program, ProgramKind kind) {
    auto found = find_program(program);
    if (!found) return {LaunchOutcome::NotFound, {}, {}};
    std::vector<std::string> command;
    if (kind == ProgramKind::Console) {
        auto terminal = find_terminal();
        if (!terminal) return {LaunchOutcome::NoTerminal, {}, *found};
        command = std::move(*terminal);
    }
    command.push_back(found->string());
    LaunchResult result = launch_detached(command);
    result.program = *found;
    return result;
}

#endif

}  // namespace platform
