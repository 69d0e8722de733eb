// The run-conditions file as the run start writes it, and the result names it accepts.
#include <gtest/gtest.h>

#include "frontend/run_conditions.h"
#include "platform/input_error.h"
#include "scratch.h"

namespace {

namespace fs = std::filesystem;
using frontend::NameProblem;
using frontend::RunConditions;

RunConditions Conditions(int type, double thickness, double field, int grid, double histories, const char* name) {
    return {type, thickness, field, grid, histories, name};
}

TEST(RunConditionsLines, AreWrittenByTheirPatterns) {
    const struct {
        int type;
        double thickness, field;
        int grid;
        double histories;
        const char* name;
        std::vector<std::string> lines;
    } cases[] = {
        {1, 15, 20, 0, 1e6, "name", {"01", "15.0", "20.0", "00", "1.00E+06", "name.data"}},
        {2, 20, 34, 1, 123456789, "run", {"02", "20.0", "34.0", "01", "1.23E+08", "run.data"}},
        {3, 20, 36, 0, 0, "chest", {"03", "20.0", "36.0", "00", "0.00E+00", "chest.data"}},
        {1, 5.5, 10, 0, 1e8, "a", {"01", "05.5", "10.0", "00", "1.00E+08", "a.data"}},
        {1, 120, 34, 0, 1e8, "a", {"01", "120.0", "34.0", "00", "1.00E+08", "a.data"}},
        {1, 1.26, 34, 0, 99940000, "a", {"01", "01.3", "34.0", "00", "9.99E+07", "a.data"}},
        // The name as typed, in the files' code page: 結果 is 8C 8B 89 CA.
        {1, 20, 34, 0, 1e8, "結果 1", {"01", "20.0", "34.0", "00", "1.00E+08", "\x8C\x8B\x89\xCA 1.data"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(frontend::RunConditionsLines(Conditions(c.type, c.thickness, c.field, c.grid, c.histories, c.name)),
                  c.lines)
            << c.name;
}

TEST(RunConditionsFile, IsSixLinesEndedByCrLf) {
    frontend_test::ScratchDir dir;
    frontend::WriteRunConditions(dir / "Phantom.dat", {1, 15, 20, 0, 1e6, "name"});
    EXPECT_EQ(frontend_test::read_bytes(dir / "Phantom.dat"), "01\r\n15.0\r\n20.0\r\n00\r\n1.00E+06\r\nname.data\r\n");
}

TEST(RunConditionsFile, AFailedWriteLeavesTheEarlierFile) {
    frontend_test::ScratchDir dir;
    frontend::WriteRunConditions(dir / "Phantom.dat", {1, 15, 20, 0, 1e6, "first"});
    const std::string first = frontend_test::read_bytes(dir / "Phantom.dat");
    // A name the code page lacks stops the writing before the file is touched.
    EXPECT_THROW(frontend::WriteRunConditions(dir / "Phantom.dat", {1, 15, 20, 0, 1e6, "\xF0\x9F\x98\x80"}),
                 std::invalid_argument);
    EXPECT_EQ(frontend_test::read_bytes(dir / "Phantom.dat"), first);
    // A target that cannot be replaced is reported, not passed over.
    fs::create_directory(dir / "taken");
    EXPECT_THROW(frontend::WriteRunConditions(dir / "taken", {1, 15, 20, 0, 1e6, "x"}), platform::OutputError);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2)
        << "no temporary file is left behind";
}

TEST(ResultName, IsRefusedWhereTheEngineCouldNotWriteIt) {
    const struct {
        std::string name;
        NameProblem problem;
    } cases[] = {
        {"", NameProblem::Empty},
        {"run1", NameProblem::None},
        {" spaced name ", NameProblem::None},
        {"sub/run", NameProblem::BadCharacter},
        {"sub\\run", NameProblem::BadCharacter},
        {"tab\there", NameProblem::BadCharacter},
        {"smile\xF0\x9F\x98\x80", NameProblem::BadCharacter},  // no code page 932 form
        {std::string(25, 'a'), NameProblem::None},           // 25 + 5 bytes: all of ".data" is read
        {std::string(26, 'a'), NameProblem::TooLong},
        {"結果結果結果結果結果結果a", NameProblem::None},  // 12 double-byte characters and one: 25 bytes
        {"結果結果結果結果結果結果結", NameProblem::TooLong},
    };
    for (const auto& c : cases) EXPECT_EQ(frontend::CheckResultName(c.name), c.problem) << c.name;
}

TEST(EngineProgram, MatchesTheGridSetting) {
    EXPECT_EQ(frontend::EngineProgram(0), "voxtrace_nogrid");
    EXPECT_EQ(frontend::EngineProgram(1), "voxtrace_grid");
    EXPECT_EQ(frontend::EngineProgram(2), "voxtrace_grid");
}

}  // namespace
