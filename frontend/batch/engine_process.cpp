#include "engine_process.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <stdexcept>
#include <string>

extern char** environ;

namespace batch {
namespace {

std::runtime_error SystemError(const std::string& what, int error) {
    return std::runtime_error(what + ": " + std::strerror(error));
}

// Writes all of `text` to a pipe. A program that ended without reading its answers closes the pipe; that is
// no failure of ours, so the signal it would raise is ignored while writing.
void WriteAnswers(int fd, const std::string& text) {
    struct sigaction ignore {
    }, old{};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGPIPE, &ignore, &old);
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    sigaction(SIGPIPE, &old, nullptr);
}

}  // namespace

int RunAnsweringEnter(const std::filesystem::path& program, int prompts) {
    int answers[2];
    if (pipe(answers) != 0) throw SystemError("cannot make a pipe", errno);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, answers[0], STDIN_FILENO);
    posix_spawn_file_actions_addclose(&actions, answers[0]);
    posix_spawn_file_actions_addclose(&actions, answers[1]);
    const std::string path = program.string();
    char* const argv[] = {const_cast<char*>(path.c_str()), nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(answers[0]);
    if (spawned != 0) {
        close(answers[1]);
        throw SystemError("cannot start " + path, spawned);
    }

    // The answers wait in the pipe until the program asks; then it reads the end of its input.
    WriteAnswers(answers[1], std::string(static_cast<std::size_t>(prompts), '\n'));
    close(answers[1]);

    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR) throw SystemError("cannot wait for " + path, errno);
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return WEXITSTATUS(status);
}

}  // namespace batch
