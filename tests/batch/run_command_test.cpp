// `run` as a program, with stand-in engine builds: the run-conditions file it writes, the build it starts,
// the answers to its prompts, the streaming of its lines and its exit status.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>

#include "batch_tool.h"
#include "platform/cp932.h"
#include "scratch.h"

namespace batch_test {
namespace {

namespace fs = std::filesystem;

// A stand-in engine: notes its name, takes two lines of input (ending with status 9 without them), prints
// a progress line, writes the result file that Phantom.dat names (in UTF-8, as the engine names files), and
// ends with the status in status.txt. With no_result.txt present it writes no result; with kill.txt a
// signal ends it.
void WriteStandInEngine(const fs::path& path) {
    frontend_test::write_script(path,
                                "basename \"$0\" >> started.txt\n"
                                "read first || exit 9\n"
                                "read second || exit 9\n"
                                "echo ' * 1 / 1  progress'\n"
                                "name=$(sed -n 6p Phantom.dat | tr -d '\\r' | iconv -f CP932 -t UTF-8)\n"
                                "[ -e no_result.txt ] || echo result > \"$name\"\n"
                                "[ -e kill.txt ] && kill -TERM $$\n"
                                "exit $(cat status.txt 2>/dev/null || echo 0)");
}

class RunCommandTest : public testing::Test {
  protected:
    void SetUp() override {
        for (const char* engine : {"voxtrace_nogrid", "voxtrace_grid"}) WriteStandInEngine(dir_ / engine);
    }
    std::string PhantomDat() const { return frontend_test::read_bytes(dir_ / "Phantom.dat"); }

    frontend_test::ScratchDir dir_;
};

TEST_F(RunCommandTest, WritesTheRunConditionsAsGoDoesAndStartsTheMatchingBuild) {
    struct Case {
        std::vector<std::string> args;
        const char* phantom_dat;
        const char* engine;
    };
    const Case cases[] = {
        // The defaults of the phantom settings and the run start.
        {{"--name", "a"}, "01\r\n20.0\r\n34.0\r\n00\r\n1.00E+08\r\na.data\r\n", "voxtrace_nogrid"},
        {{"--thickness", "5.5", "--field", "10", "--histories", "2000", "--name", "thin"},
         "01\r\n05.5\r\n10.0\r\n00\r\n2.00E+03\r\nthin.data\r\n",
         "voxtrace_nogrid"},
        {{"--phantom", "2", "--grid", "1", "--histories", "123456789", "--name", "bone"},
         "02\r\n20.0\r\n34.0\r\n01\r\n1.23E+08\r\nbone.data\r\n",
         "voxtrace_grid"},
        {{"--phantom", "3", "--histories", "1e6", "--name", "chest", "--grid", "0"},
         "03\r\n20.0\r\n36.0\r\n00\r\n1.00E+06\r\nchest.data\r\n",
         "voxtrace_nogrid"},
        {{"--thickness", "120", "--field", "20", "--grid", "1", "--name", "thick"},
         "01\r\n120.0\r\n20.0\r\n01\r\n1.00E+08\r\nthick.data\r\n",
         "voxtrace_grid"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"run"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const Outcome o = RunBatch(dir_.path(), args);
        ASSERT_EQ(o.status, 0) << c.phantom_dat << o.err;
        EXPECT_EQ(PhantomDat(), c.phantom_dat);
        EXPECT_EQ(frontend_test::wait_for_lines(dir_ / "started.txt", 1), std::vector<std::string>{c.engine});
        EXPECT_EQ(Value(o.out, "engine"), (dir_ / c.engine).string());
        fs::remove(dir_ / "started.txt");
    }
}

TEST_F(RunCommandTest, ANameWithJapaneseIsWrittenInTheFilesCodePage) {
    const Outcome o = RunBatch(dir_.path(), {"run", "--name", "骨と肺"});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(PhantomDat(),
              "01\r\n20.0\r\n34.0\r\n00\r\n1.00E+08\r\n" + platform::to_cp932("骨と肺") + ".data\r\n");
    EXPECT_EQ(Value(o.out, "result"), "骨と肺.data");
}

TEST_F(RunCommandTest, TheEnginesLinesComeBetweenTheOrderAndTheResult) {
    const Outcome o = RunBatch(dir_.path(), {"run", "--name", "a"});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, "phantom_dat: Phantom.dat\nengine: " + (dir_ / "voxtrace_nogrid").string() +
                         "\n * 1 / 1  progress\nresult: a.data\n");
    EXPECT_EQ(o.err, "");
}

TEST_F(RunCommandTest, AnEngineThatFailsOrWritesNoResultIsAFailure) {
    struct Case {
        const char* marker;  // the file that makes the stand-in fail
        const char* content;
        int status;
        const char* reason;
    };
    const Case cases[] = {
        {"status.txt", "3", 3, "voxtrace_nogrid ended with status 3"},
        {"kill.txt", "", 128 + 15, "ended with status 143"},
        {"no_result.txt", "", 1, "voxtrace_nogrid wrote no result file a.data"},
    };
    for (const Case& c : cases) {
        dir_.write(c.marker, c.content);
        const Outcome o = RunBatch(dir_.path(), {"run", "--name", "a"});
        EXPECT_EQ(o.status, c.status) << c.marker;
        EXPECT_NE(o.err.find(c.reason), std::string::npos) << c.marker << ": " << o.err;
        EXPECT_EQ(Value(o.out, "result"), "(missing)") << c.marker;
        fs::remove(dir_ / c.marker);
        fs::remove(dir_ / "a.data");
    }
}

TEST_F(RunCommandTest, AnEarlierResultOfTheSameNameIsNoProofOfThisRun) {
    dir_.write("a.data", "an earlier run\n");
    fs::last_write_time(dir_ / "a.data", fs::last_write_time(dir_ / "a.data") - std::chrono::hours(1));
    dir_.write("no_result.txt", "");
    const Outcome o = RunBatch(dir_.path(), {"run", "--name", "a"});
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("wrote no result file a.data"), std::string::npos) << o.err;
    EXPECT_EQ(frontend_test::read_bytes(dir_ / "a.data"), "an earlier run\n");
}

TEST_F(RunCommandTest, WithoutTheEngineBuildNothingIsWritten) {
    // The tool looks beside itself too, so a copy of it stands alone in a directory of its own.
    frontend_test::ScratchDir bin;
    fs::copy_file(SHADOWBENCH_BATCH, bin / "shadowbench-batch");
    fs::remove(dir_ / "voxtrace_grid");
    const std::string command = "cd '" + dir_.path().string() + "' && PATH=/usr/bin:/bin '" +
                                (bin / "shadowbench-batch").string() +
                                "' run --grid 1 --name a > out.txt 2> err.txt";
    const int status = std::system(command.c_str());
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_NE(frontend_test::read_bytes(dir_ / "err.txt").find("no program voxtrace_grid"),
              std::string::npos);
    EXPECT_FALSE(fs::exists(dir_ / "Phantom.dat"));
}

}  // namespace
}  // namespace batch_test
