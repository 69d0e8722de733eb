#include "engine/driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "engine/build_switch.h"
#include "engine/spectrum_file.h"
#include "engine/tallies.h"
#include "engine_fixture.h"

namespace {

using testsupport::EngineWorkDir;
using testsupport::mask_times;
using testsupport::run_engine;

TEST(TopBin, OneMoreThanTheHighestPositiveBin) {
    struct Case {
        int positive_bin;  // 0: none
        float weight;
        int expected;
    } cases[] = {{159, 0.5f, 160}, {0, 0, 1}, {300, 0.1f, 301}, {120, -0.5f, 1}, {9, 1.0f, 10}};
    for (const Case& c : cases) {
        float weights[301] = {};
        if (c.positive_bin) weights[c.positive_bin] = c.weight;
        EXPECT_EQ(engine::spectrum::find_top_bin(weights), c.expected) << "bin " << c.positive_bin;
    }
}

TEST(BinPhotons, TheExactProductIsTruncated) {
    // 0.01 is held as 0.0099999998 in single precision: the exact product is just below 10^6.
    EXPECT_EQ(engine::driver::bin_photons_for(0.01f, 1.0e8f), 999999);
    EXPECT_EQ(0.01f * 1.0e8f, 1.0e6f) << "the emitted column holds the product rounded to single precision";
    EXPECT_EQ(engine::driver::bin_photons_for(0.0123f, 1000.0f), 12);
    EXPECT_EQ(engine::driver::bin_photons_for(0.0004f, 1000.0f), 0);
}

std::string expected_transcript(const std::string& progress) {
    const bool grid = engine::grid_build;
    std::string t =
        "\n"
        "      ******    モンテカルロシミュレーション    ******\n"
        "\n"
        "         ３種類のファントムにＸ線束が入射した時\n"
        "      ファントムの反対側に射出する被写体コントラスト\n"
        "           および，射出Ｘ線スペクトルを求める\n"
        "              （ボクセル分割処理法による）\n"
        "\n"
        "            シミュレーションが終了するまで\n"
        "      このウィンドウ上での操作は行なわないで下さい\n"
        "\n"
        "        ---  Enter キーを押すとスタートします ---\n"
        "\n"
        "\n"
        " <<< Monte Carlo Simulation >>>\n"
        " 開始時刻 =hh:mm:ss\n";
    t += grid ? "    ***  Wait long long time  ***\n" : "\n";
    t += progress;
    t += " 開始時刻 =hh:mm:ss\n";
    if (!grid) t += "\n";
    t += " 終了時刻 =hh:mm:ss\n"
         "\n"
         "  ---   シミュレーションが終了しました  ---\n"
         "  ---      Enter キーを押して下さい     ---\n"
         "Stop - Program terminated.\n";
    return t;
}

TEST(Driver, WholeConsoleTranscript) {
    EngineWorkDir dir;
    std::array<float, 301> w{};
    w[10] = 0.0004f;  // 0.4 photons: visited, no progress line
    w[11] = w[12] = w[13] = 0.3f;
    w[40] = 0.0996f;
    dir.write_spectrum(w);
    dir.write_conditions(1, 20.0, 34.0, engine::grid_build, 1000);
    testsupport::EngineRun run = run_engine();
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(mask_times(run.console), expected_transcript(" *  11 /  41  を処理中\n"
                                                           " *  12 /  41  を処理中\n"
                                                           " *  13 /  41  を処理中\n"
                                                           " *  40 /  41  を処理中\n"));
    EXPECT_FLOAT_EQ(engine::tallies::spectrum_tally[3][10], 0.4f);
    EXPECT_FLOAT_EQ(engine::tallies::spectrum_tally[3][40], 99.6f);
    EXPECT_EQ(engine::tallies::spectrum_tally[3][41], 0.0f);
}

TEST(Driver, BinThreeHundredEndsTheLoop) {
    EngineWorkDir dir;
    dir.write_single_bin_spectrum(300);
    dir.write_conditions(1, 20.0, 34.0, 0, 3);
    testsupport::EngineRun run = run_engine();
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(mask_times(run.console), expected_transcript(" * 300 / 301  を処理中\n"));
    EXPECT_EQ(engine::tallies::spectrum_tally[3][300], 3.0f);
}

TEST(Driver, NoBinAboveNineRunsNothing) {
    EngineWorkDir dir;
    dir.write_single_bin_spectrum(8);
    dir.write_conditions(1, 20.0, 34.0, 0, 1000);
    testsupport::EngineRun run = run_engine();
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(mask_times(run.console), expected_transcript(""));
    // 10 header lines of 30 bytes, the three description lines, 4000 image lines, 300 spectrum lines.
    EXPECT_EQ(dir.read("out.data").size(), 10 * 32 + 26 + 26 + 16 + 4000 * 222 + 300 * 41);
}

TEST(Driver, BlankResultNameIsAskedForOnTheConsole) {
    EngineWorkDir dir;
    dir.write_single_bin_spectrum(120);
    dir.write_conditions(1, 20.0, 34.0, 0, 10, "   ");
    testsupport::EngineRun run = run_engine("\n\n  \ntyped.data\n\n");
    ASSERT_EQ(run.status, 0) << run.errors;
    const std::string prompt = "File name missing or blank - please enter file name\nUNIT 1? ";
    EXPECT_NE(run.console.find(prompt + prompt), std::string::npos) << "asked again after a blank answer";
    std::string result = dir.read("typed.data");
    EXPECT_EQ(std::count(result.begin(), result.end(), '\n'), 4313);
}

TEST(Driver, EndOfInputAtTheNamePromptEndsTheRun) {
    EngineWorkDir dir;
    dir.write_single_bin_spectrum(120);
    dir.write_conditions(1, 20.0, 34.0, 0, 10, "");
    testsupport::EngineRun run = run_engine("\n");
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.errors.find("no file name"), std::string::npos) << run.errors;
}

// Set-up problems: reported with file and line before the banner, no result file.
struct BadInput {
    const char* what;
    const char* file;  // the file named in the report
    void (*arrange)(const EngineWorkDir&);
};

void write_defaults(const EngineWorkDir& dir) {
    dir.write_single_bin_spectrum(120);
    dir.write_conditions(1, 20.0, 34.0, 0, 100);
}

std::string replace_line(std::string text, int line, const std::string& with) {
    std::size_t begin = 0;
    for (int n = 1; n < line; ++n) begin = text.find('\n', begin) + 1;
    std::size_t end = text.find('\r', begin);
    return text.replace(begin, end - begin, with);
}

const BadInput bad_inputs[] = {
    {"missing spectrum", "B_tubegen.dat",
     [](const EngineWorkDir& d) { write_defaults(d), std::filesystem::remove("B_tubegen.dat"); }},
    {"short spectrum", "B_tubegen.dat",
     [](const EngineWorkDir& d) {
         write_defaults(d);
         std::string s = d.read("B_tubegen.dat");
         d.write("B_tubegen.dat", s.substr(0, s.size() / 2));
     }},
    {"weight not a number", "line 50",
     [](const EngineWorkDir& d) {
         write_defaults(d);
         d.write("B_tubegen.dat", replace_line(d.read("B_tubegen.dat"), 50, "0020.5  x.00000"));
     }},
    {"missing run conditions", "Phantom.dat",
     [](const EngineWorkDir& d) { write_defaults(d), std::filesystem::remove("Phantom.dat"); }},
    {"phantom type 4", "a phantom type of 1, 2 or 3",
     [](const EngineWorkDir& d) { write_defaults(d), d.write_conditions(4, 20.0, 34.0, 0, 100); }},
    {"water phantom of 0.2 cm", "above 0.2 cm",
     [](const EngineWorkDir& d) { write_defaults(d), d.write_conditions(1, 0.2, 34.0, 0, 100); }},
    {"negative histories", "0 or more",
     [](const EngineWorkDir& d) { write_defaults(d), d.write_conditions(1, 20.0, 34.0, 0, -5); }},
    {"photons per bin beyond 32 bits", "32-bit count",
     [](const EngineWorkDir& d) { write_defaults(d), d.write_conditions(1, 20.0, 34.0, 0, 3.0e9); }},
    {"five lines of run conditions", "the result file name",
     [](const EngineWorkDir& d) {
         write_defaults(d);
         d.write("Phantom.dat", "01\r\n20.0\r\n34.0\r\n00\r\n1.00E+02\r\n");
     }},
    {"voxel code 5 in a map", "a voxel code from 1 to 4",
     [](const EngineWorkDir& d) {
         write_defaults(d);
         d.write("Phantom_Water.dat", replace_line(d.read("Phantom_Water.dat"), 14, "151"));
     }},
    {"plane widths not adding up to 40 cm", "adding up to 40 cm",
     [](const EngineWorkDir& d) {
         write_defaults(d);
         d.write("Phantom_Water.dat", replace_line(d.read("Phantom_Water.dat"), 6, "33.0"));
     }},
    {"fewer planes than the phantom needs", "3 planes",
     [](const EngineWorkDir& d) {
         write_defaults(d);
         d.write("Phantom_Water.dat", replace_line(d.read("Phantom_Water.dat"), 1, "2"));
     }},
    {"missing water data", "Water.mix",
     [](const EngineWorkDir& d) { write_defaults(d), std::filesystem::remove("Water.mix"); }},
    {"missing bone factors", "Bone-ICRU.xfs",
     [](const EngineWorkDir& d) { write_defaults(d), std::filesystem::remove("Bone-ICRU.xfs"); }},
    {"composition data ending at 100 keV", "above 150 keV",
     [](const EngineWorkDir& d) {
         write_defaults(d);
         d.write("Water.mix",
                 "Water\r\n1.0\r\n2\r\n1.000E-03 1.000E+00 1.000E+00 1.000E+00 3.000E+00 2.000E+00\r\n"
                 "1.000E-01 1.000E+00 1.000E+00 1.000E+00 3.000E+00 2.000E+00\r\n");
     }},
};

class SetUpFailure : public testing::TestWithParam<BadInput> {};

TEST_P(SetUpFailure, ReportedBeforeTheBannerWithoutResult) {
    EngineWorkDir dir;
    GetParam().arrange(dir);
    testsupport::EngineRun run = run_engine();
    EXPECT_NE(run.status, 0);
    EXPECT_EQ(run.console, "") << "nothing may be shown before the report";
    EXPECT_NE(run.errors.find(GetParam().file), std::string::npos) << run.errors;
    EXPECT_FALSE(std::filesystem::exists("out.data"));
}

INSTANTIATE_TEST_SUITE_P(Table, SetUpFailure, testing::ValuesIn(bad_inputs),
                         [](const testing::TestParamInfo<BadInput>& info) {
                             std::string name;
                             for (const char* c = info.param.what; *c; ++c)
                                 if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
                             return name;
                         });

TEST(Driver, LeadAndAluminiumFilesAreReadOnlyByTheGridBuild) {
    EngineWorkDir dir;
    write_defaults(dir);
    std::filesystem::remove("82_Pb.ele");
    testsupport::EngineRun run = run_engine();
    if (engine::grid_build) {
        EXPECT_NE(run.status, 0);
        EXPECT_NE(run.errors.find("82_Pb.ele"), std::string::npos);
    } else {
        EXPECT_EQ(run.status, 0) << run.errors;
    }
}

TEST(Driver, LfOnlyInputFilesRunAsCrLfFiles) {
    EngineWorkDir dir;
    write_defaults(dir);
    testsupport::EngineRun crlf = run_engine();
    ASSERT_EQ(crlf.status, 0);
    std::string expected = dir.read("out.data");
    for (const char* name : {"B_tubegen.dat", "Phantom.dat", "Phantom_Water.dat", "Water.mix", "Water.xfs"}) {
        std::string text = dir.read(name);
        std::string lf;
        for (char c : text)
            if (c != '\r') lf += c;
        dir.write(name, lf);
    }
    std::filesystem::remove("out.data");
    testsupport::EngineRun lf = run_engine();
    ASSERT_EQ(lf.status, 0) << lf.errors;
    EXPECT_EQ(dir.read("out.data"), expected);
}

}  // namespace
