// The batch tool's command lines: help for the tool and each subcommand, and every malformed line refused
// with its reason and the usage, before anything is computed or written.
#include <gtest/gtest.h>

#include "batch_tool.h"
#include "scratch.h"

namespace batch_test {
namespace {

namespace fs = std::filesystem;

class CommandLineTest : public testing::Test {
  protected:
    void SetUp() override { CopyRunData(dir_.path(), true); }

    frontend_test::ScratchDir dir_;
};

TEST_F(CommandLineTest, HelpDescribesTheToolAndEachSubcommandAndTouchesNothing) {
    const std::vector<std::string> before = FileNames(dir_.path());
    struct Case {
        std::vector<std::string> args;
        const char* usage;  // how the help begins
        const char* mentions;
    };
    const Case cases[] = {
        {{"--help"}, "usage: shadowbench-batch SUBCOMMAND", "exercise"},
        {{"spectrum", "--help"}, "usage: shadowbench-batch spectrum", "--match-cu"},
        {{"run", "--help"}, "usage: shadowbench-batch run", "--histories N"},
        {{"run", "--phantom", "2", "--help"}, "usage: shadowbench-batch run", "Phantom.dat"},
        {{"render", "-h"}, "usage: shadowbench-batch render", "spr_center"},
        {{"exercise", "--help"}, "usage: shadowbench-batch exercise", "--sweep KEY=V1,V2,..."},
    };
    for (const Case& c : cases) {
        const Outcome o = RunBatch(dir_.path(), c.args);
        const std::string line = c.args.front() + " " + c.args.back();
        EXPECT_EQ(o.status, 0) << line;
        EXPECT_EQ(o.out.rfind(c.usage, 0), 0u) << line << "\n" << o.out;
        EXPECT_NE(o.out.find(c.mentions), std::string::npos) << line;
        EXPECT_EQ(o.err, "") << line;
    }
    EXPECT_EQ(FileNames(dir_.path()), before);
}

TEST_F(CommandLineTest, MalformedLinesAreRefusedWithTheReasonAndTheUsage) {
    const std::vector<std::string> before = FileNames(dir_.path());
    struct Case {
        std::vector<std::string> args;
        const char* reason;  // part of the first line of the error
    };
    const std::string long_name(26, 'n');
    const Case cases[] = {
        {{}, "usage: shadowbench-batch SUBCOMMAND"},
        {{"spectra"}, "unknown subcommand \"spectra\""},
        {{"run"}, "--name is needed"},
        {{"run", "--name"}, "--name needs a value"},
        {{"run", "--name", "a", "b"}, "unexpected argument \"b\""},
        {{"run", "--name", "a", "--colour", "red"}, "unknown option \"--colour\""},
        {{"run", "--name", "a", "--phantom", "4"}, "--phantom needs a whole number from 1 to 3"},
        {{"run", "--name", "a", "--phantom", "1.5"}, "--phantom needs a whole number"},
        {{"run", "--name", "a", "--thickness", "0.5"}, "--thickness needs a thickness of at least 1 cm"},
        {{"run", "--name", "a", "--thickness", "15cm"}, "--thickness needs a number, not \"15cm\""},
        {{"run", "--name", "a", "--field", "15"}, "--field needs 10, 20 or 34"},
        {{"run", "--name", "a", "--grid", "2"}, "--grid needs a whole number from 0 to 1"},
        {{"run", "--name", "a", "--histories", "0"}, "--histories needs a number above 0"},
        {{"run", "--name", "a", "--histories", "1e999"}, "--histories needs a number"},
        {{"run", "--name", "a/b"}, "path separator"},
        {{"run", "--name", ""}, "--name needs a name"},
        {{"run", "--name", long_name}, "--name is too long"},
        {{"run", "--name", "a", "--phantom", "2", "--field", "20"}, "--field applies to the water phantom"},
        {{"run", "--name", "a", "--phantom", "3", "--thickness", "10"}, "--thickness applies to the water"},
        {{"render"}, "the result file NAME.data is needed"},
        {{"render", "a.data", "b.data"}, "unexpected argument \"b.data\""},
        {{"render", "a.data", "--row", "0"}, "--row needs a whole number from 1 to 200"},
        {{"render", "a.data", "--row", "201"}, "--row needs a whole number from 1 to 200"},
        {{"render", "a.data", "--row", "1.5"}, "--row needs a whole number from 1 to 200"},
        {{"render", "a.data", "--out", ""}, "--out needs a directory"},
        {{"render", "a.data", "--scale", "2"}, "unknown option \"--scale\""},
        {{"exercise", "--colour", "red"}, "unknown option \"--colour\""},
        {{"exercise", "--kv", "1OO"}, "--kv needs a number"},
        {{"exercise", "--grid", "3"}, "--grid needs a whole number from 0 to 1"},
        {{"exercise", "--sweep", "kv"}, "--sweep needs KEY=V1,V2,..."},
        {{"exercise", "--sweep", "colour=1,2"}, "--sweep cannot vary \"colour\""},
        {{"exercise", "--sweep", "name=a,b"}, "--sweep cannot vary \"name\""},
        {{"exercise", "--sweep", "kv=60,,80"}, "--sweep kv has an empty value"},
        {{"exercise", "--sweep", "kv=60,8O"}, "--kv needs a number, not \"8O\""},
        {{"exercise", "--sweep", "rect=1,4"}, "--rect needs a whole number from 1 to 3"},
        {{"exercise", "--sweep", "kv=60", "--sweep", "kv=80"}, "--sweep varies \"kv\" twice"},
        {{"exercise", "--sweep", "grid=0,2"}, "--grid needs a whole number from 0 to 1"},
        {{"exercise", "--phantom", "2", "--sweep", "thickness=10,20"}, "--thickness applies to the water"},
        {{"exercise", "--name", "twenty_one_bytes_name", "--sweep", "kv=60,80"}, "--name is too long"},
        {{"exercise", "--table", "t.csv"}, "--table goes with --sweep"},
    };
    for (const Case& c : cases) {
        const Outcome o = RunBatch(dir_.path(), c.args);
        std::string line;
        for (const std::string& arg : c.args) line += arg + " ";
        EXPECT_EQ(o.status, 2) << line << "\n" << o.err;
        EXPECT_NE(o.err.find(c.reason), std::string::npos) << line << "\n" << o.err;
        EXPECT_NE(o.err.find("usage: shadowbench-batch"), std::string::npos) << line;
        EXPECT_EQ(o.out, "") << line;
    }
    EXPECT_EQ(FileNames(dir_.path()), before);
}

}  // namespace
}  // namespace batch_test
