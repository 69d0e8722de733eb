// The batch tool's spectrum subcommand, run as a program in a directory laid out like the run directory.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>

#include "platform/cp932.h"
#include "test_tables.h"

namespace {

const std::filesystem::path kFixtures = TUBEGEN_FIXTURES;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

class BatchSpectrumTest : public ::testing::Test {
  protected:
    void SetUp() override {
        tubegen_test::WriteAttenuationFile(dir_ / "Mus-shadowbench.dat", tubegen_test::ConstructedTable());
        std::filesystem::copy_file(kFixtures / "Edge.ele", dir_ / "Edge.ele");
    }

    Outcome Run(const std::string& args) {
        std::string command = "cd '" + dir_.path().string() + "' && '" SHADOWBENCH_BATCH "' " + args +
                              " >stdout.txt 2>stderr.txt";
        int status = std::system(command.c_str());
        Outcome o{WIFEXITED(status) ? WEXITSTATUS(status) : -1, testsupport::read_bytes(dir_ / "stdout.txt"),
                  testsupport::read_bytes(dir_ / "stderr.txt")};
        std::filesystem::remove(dir_ / "stdout.txt");
        std::filesystem::remove(dir_ / "stderr.txt");
        return o;
    }

    bool SpectrumFileExists() const { return std::filesystem::exists(dir_ / "B_tubegen.dat"); }

    tubegen_test::ScratchDir dir_;
};

// "key: value" of one output line.
std::string Value(const std::string& out, const std::string& key) {
    std::size_t at = out.find(key + ": ");
    if (at == std::string::npos) return "(missing)";
    at += key.size() + 2;
    return out.substr(at, out.find('\n', at) - at);
}

TEST_F(BatchSpectrumTest, DefaultsPrintTheWindowsTextsAndWriteTheFile) {
    Outcome o = Run("spectrum");
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(Value(o.out, "kv"), "100");
    EXPECT_EQ(Value(o.out, "inherent_mm"), "2.5");
    EXPECT_EQ(Value(o.out, "hvl_al_mm").find('.'), Value(o.out, "hvl_al_mm").size() - 4) << o.out;
    EXPECT_EQ(Value(o.out, "hvl_cu_mm").find('.'), Value(o.out, "hvl_cu_mm").size() - 4) << o.out;
    double mean = std::stod(Value(o.out, "mean_energy_kev"));
    EXPECT_GT(mean, 20);
    EXPECT_LT(mean, 70);
    EXPECT_EQ(Value(o.out, "file"), "B_tubegen.dat");
    std::string bytes = testsupport::read_bytes(dir_ / "B_tubegen.dat");
    EXPECT_EQ(bytes.substr(0, 8), platform::to_cp932("定電圧") + "\r\n");
}

TEST_F(BatchSpectrumTest, OptionsGoIntoTheBoxesAndMatchingMovesTheInherentFiltration) {
    Outcome o =
        Run("spectrum --kv 200 --angle 16 --rect 2 --al 1 --cu 0.1 --filter Edge.ele=1.5 --match-al 6");
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(Value(o.out, "kv"), "150");
    EXPECT_NE(Value(o.out, "inherent_mm"), "2.5");
    EXPECT_NEAR(std::stod(Value(o.out, "hvl_al_mm")), 6.0, 0.002);
    std::string bytes = testsupport::read_bytes(dir_ / "B_tubegen.dat");
    for (const char* line : {"三相12ピーク\r\n", " 管電圧 = 150 kV\r\n", " ターゲット角度 = 16度\r\n",
                             " 付加フィルタ Al = 1 mm\r\n", " 付加フィルタ Cu = 0.1 mm\r\n",
                             " 任意フィルタ(1) = Edge test material : 1.5 mm\r\n"})
        EXPECT_NE(bytes.find(platform::to_cp932(line)), std::string::npos) << line;
    EXPECT_NE(bytes.find(platform::to_cp932(" 固有ろ過 = " + Value(o.out, "inherent_mm") + " mmAl\r\n")),
              std::string::npos);
}

TEST_F(BatchSpectrumTest, FailuresExitNonZeroWithAReasonAndWriteNothing) {
    struct Case {
        const char* args;
        int status;
    };
    const Case cases[] = {
        {"", 2},
        {"spectra", 2},
        {"spectrum --kv", 2},
        {"spectrum --kv 1OO", 2},
        {"spectrum --rect 4", 2},
        {"spectrum --tube 100", 2},
        {"spectrum --match-al 3 --match-cu 0.2", 2},
        {"spectrum --filter Edge.ele", 2},
        {"spectrum --filter a=1 --filter b=1 --filter c=1 --filter d=1", 2},
        {"spectrum --angle 0", 1},
        {"spectrum --cu 100000", 1},
        {"spectrum --filter Missing.ele=1", 1},
        {"spectrum --match-al 500", 1},
    };
    for (const Case& c : cases) {
        Outcome o = Run(c.args);
        EXPECT_EQ(o.status, c.status) << c.args;
        EXPECT_FALSE(o.err.empty()) << c.args;
        EXPECT_TRUE(o.out.empty()) << c.args;
        EXPECT_FALSE(SpectrumFileExists()) << c.args;
    }
    std::filesystem::remove(dir_ / "Mus-shadowbench.dat");
    Outcome o = Run("spectrum");
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("Mus-shadowbench.dat"), std::string::npos) << o.err;
}

}  // namespace
