// The launcher, with stand-in programs and terminals in scratch directories.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "platform/launch.h"
#include "scratch.h"

namespace {

namespace fs = std::filesystem;
using frontend_test::CurrentDir;
using frontend_test::PathVariable;
using frontend_test::ScratchDir;
using frontend_test::wait_for_lines;
using frontend_test::write_recording_program;
using frontend_test::write_script;
using platform::LaunchOutcome;

class LaunchTest : public testing::Test {
  protected:
    LaunchTest() : work_(dir_.path() / "work"), bin_(dir_.path() / "bin") {
        fs::create_directories(work_);
        fs::create_directories(bin_);
    }

    ScratchDir dir_;
    fs::path work_, bin_;
};

TEST_F(LaunchTest, LooksInTheCurrentDirectoryFirstThenOnPath) {
    write_recording_program(work_ / "sb_stand_in");
    write_recording_program(bin_ / "sb_stand_in");
    write_recording_program(bin_ / "sb_only_on_path");
    CurrentDir cd(work_);
    PathVariable path(bin_.string());

    EXPECT_EQ(platform::find_program("sb_stand_in"), work_ / "sb_stand_in");
    EXPECT_EQ(platform::find_program("sb_only_on_path"), bin_ / "sb_only_on_path");
    EXPECT_EQ(platform::find_program("sb_nowhere"), std::nullopt);
}

TEST_F(LaunchTest, LooksBesideTheRunningProgramBeforePath) {
    // The running program is this test; a stand-in beside it wins over one on PATH.
    const fs::path beside = platform::running_program_directory() / ("sb_beside_" + std::to_string(getpid()));
    write_recording_program(beside);
    write_recording_program(bin_ / beside.filename());
    CurrentDir cd(work_);
    PathVariable path(bin_.string());
    EXPECT_EQ(platform::find_program(beside.filename().string()), beside);
    fs::remove(beside);
}

TEST_F(LaunchTest, SkipsWhatCannotBeRun) {
    // Not executable, or a directory: the search goes on to the next place.
    std::ofstream(work_ / "sb_plain") << "data";
    fs::create_directories(work_ / "sb_folder");
    write_recording_program(bin_ / "sb_plain");
    write_recording_program(bin_ / "sb_folder");
    CurrentDir cd(work_);
    PathVariable path("/nonexistent:" + bin_.string());
    EXPECT_EQ(platform::find_program("sb_plain"), bin_ / "sb_plain");
    EXPECT_EQ(platform::find_program("sb_folder"), bin_ / "sb_folder");
}

TEST_F(LaunchTest, PrefersTheDesktopsTerminalThenTheCommonOnes) {
    struct Case {
        std::vector<std::string> present;
        std::string chosen;
        std::vector<std::string> words;
    };
    // An xterm, also behind the desktop's name for its terminal, is given a font that has Japanese.
    const std::vector<std::string> xterm_words = {"-fa", "Monospace", "-fs", "11", "-e"};
    const Case cases[] = {
        {{"xterm", "x-terminal-emulator", "konsole"}, "x-terminal-emulator", {"-e"}},
        {{"xterm", "gnome-terminal"}, "gnome-terminal", {"--"}},
        {{"xterm", "xfce4-terminal"}, "xfce4-terminal", {"-x"}},
        {{"xterm"}, "xterm", xterm_words},
        {{"xterm", "x-terminal-emulator->xterm"}, "x-terminal-emulator", xterm_words},
    };
    for (const Case& c : cases) {
        ScratchDir bin;
        for (const std::string& entry : c.present) {
            const std::size_t arrow = entry.find("->");
            if (arrow == std::string::npos)
                write_script(bin / entry, "exit 0");
            else
                fs::create_symlink(bin / entry.substr(arrow + 2), bin / entry.substr(0, arrow));
        }
        PathVariable path(bin.path().string());
        auto terminal = platform::find_terminal();
        ASSERT_TRUE(terminal) << c.chosen;
        std::vector<std::string> expected{(bin / c.chosen).string()};
        expected.insert(expected.end(), c.words.begin(), c.words.end());
        EXPECT_EQ(*terminal, expected);
    }
    ScratchDir empty;
    PathVariable path(empty.path().string());
    EXPECT_EQ(platform::find_terminal(), std::nullopt);
}

TEST_F(LaunchTest, AWindowedProgramRunsDetachedInTheCurrentDirectory) {
    // The stand-in marks its start, then holds until the test releases it: the launcher must have
    // returned long before, and the program must not be the launcher's child.
    write_script(work_ / "sb_windowed",
                 "echo \"$PPID $(pwd)\" > started.txt\n"
                 "n=0; while [ ! -e release ] && [ $n -lt 500 ]; do sleep 0.02; n=$((n+1)); done\n"
                 "echo done > finished.txt");
    CurrentDir cd(work_);
    const platform::LaunchResult result = platform::launch_program("sb_windowed", platform::ProgramKind::Windowed);
    ASSERT_EQ(result.outcome, LaunchOutcome::Started) << result.reason;
    EXPECT_EQ(result.program, work_ / "sb_windowed");

    const std::vector<std::string> started = wait_for_lines(work_ / "started.txt", 1);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_FALSE(fs::exists(work_ / "finished.txt")) << "the launcher waited for the program";
    EXPECT_NE(started[0].substr(0, started[0].find(' ')), std::to_string(getpid()));
    EXPECT_EQ(started[0].substr(started[0].find(' ') + 1), fs::canonical(work_).string());
    std::ofstream(work_ / "release") << "";
    EXPECT_EQ(wait_for_lines(work_ / "finished.txt", 1).size(), 1u);
}

TEST_F(LaunchTest, AConsoleProgramGetsATerminalWindowOfItsOwn) {
    write_recording_program(work_ / "sb_console");
    write_script(bin_ / "x-terminal-emulator", "echo \"$@\" > terminal.txt\nshift\nexec \"$@\"");
    CurrentDir cd(work_);
    PathVariable path(bin_.string());
    const platform::LaunchResult result = platform::launch_program("sb_console", platform::ProgramKind::Console);
    ASSERT_EQ(result.outcome, LaunchOutcome::Started) << result.reason;
    EXPECT_EQ(wait_for_lines(work_ / "terminal.txt", 1),
              std::vector<std::string>{"-e " + (work_ / "sb_console").string()});
    EXPECT_EQ(wait_for_lines(work_ / "started.txt", 1).size(), 1u);
}

TEST_F(LaunchTest, ReportsWhatKeepsAProgramFromStarting) {
    // An executable file that the system cannot run: neither a program nor a script.
    std::ofstream(work_ / "sb_broken", std::ios::binary) << std::string("\x7f" "ELF\x01\x01", 6);
    fs::permissions(work_ / "sb_broken", fs::perms::owner_all);
    write_recording_program(work_ / "sb_console");
    CurrentDir cd(work_);
    PathVariable path(bin_.string());  // holds no terminal

    EXPECT_EQ(platform::launch_program("sb_missing", platform::ProgramKind::Windowed).outcome,
              LaunchOutcome::NotFound);
    const platform::LaunchResult broken = platform::launch_program("sb_broken", platform::ProgramKind::Windowed);
    EXPECT_EQ(broken.outcome, LaunchOutcome::Failed);
    EXPECT_FALSE(broken.reason.empty());
    EXPECT_EQ(platform::launch_program("sb_console", platform::ProgramKind::Console).outcome,
              LaunchOutcome::NoTerminal);
    EXPECT_FALSE(fs::exists(work_ / "started.txt"));
}

}  // namespace
