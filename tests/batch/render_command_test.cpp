// `render` on a constructed result file whose figures are known: the printed figures, the tables, and the
// names of the written files.
#include <gtest/gtest.h>

#include <fstream>

#include "batch_tool.h"
#include "scratch.h"

namespace batch_test {
namespace {

namespace fs = std::filesystem;

class RenderCommandTest : public testing::Test {
  protected:
    void SetUp() override {
        dir_.write("known.data", KnownResultFile());
        fs::copy_file(fs::path(SHADOWBENCH_RUN_DIR) / "Phantom_Bone-Lung.dat",
                      dir_ / "Phantom_Bone-Lung.dat");
    }

    // Line n (1 for the header) of a CSV file, without its CR LF.
    std::string CsvLine(const fs::path& file, int n) const {
        std::ifstream in(file, std::ios::binary);
        std::string line;
        for (int k = 0; k < n; ++k) std::getline(in, line);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return line;
    }

    frontend_test::ScratchDir dir_;
};

TEST_F(RenderCommandTest, PrintsTheFiguresOfTheResult) {
    const Outcome o = RunBatch(dir_.path(), {"render", "known.data"});
    ASSERT_EQ(o.status, 0) << o.err;
    struct Figure {
        const char* key;
        const char* value;
    };
    const Figure figures[] = {
        // 100 pixels of 200 keV, inside the ring of 1000.
        {"primary_center_kev", "20000.0"},
        {"scatter_center_kev", "3000.0"},
        {"spr_center", "0.1500"},
        // (3 × 50 + 1 × 100) / 4 and (2 × 30 + 2 × 40) / 4.
        {"mean_energy_incident_kev", "62.50"},
        {"mean_energy_exit_kev", "35.00"},
        // Fluence behind the core of the rod and the lungs against the water beside them: (25 − 50) / 50,
        // (55 − 80) / 80, (100 − 50) / 50 and (130 − 80) / 80; margins and farther water do not count.
        {"contrast_bone_primary", "-0.5000"},
        {"contrast_bone", "-0.3125"},
        {"contrast_lung_primary", "1.0000"},
        {"contrast_lung", "0.6250"},
    };
    for (const Figure& f : figures) EXPECT_EQ(Value(o.out, f.key), f.value) << f.key;
}

TEST_F(RenderCommandTest, WritesTheProfilesAndSpectraTables) {
    const Outcome o = RunBatch(dir_.path(), {"render", "known.data", "--out", "out/tables", "--row", "100"});
    ASSERT_EQ(o.status, 0) << o.err;
    const fs::path profiles = dir_ / "out/tables/known_profiles_row100.csv";
    const fs::path spectra = dir_ / "out/tables/known_spectra.csv";
    EXPECT_EQ(Value(o.out, "profiles_csv"), "out/tables/known_profiles_row100.csv");
    EXPECT_EQ(Value(o.out, "spectra_csv"), "out/tables/known_spectra.csv");

    EXPECT_EQ(CsvLine(profiles, 1),
              "column,x_centre_cm,primary_kev,scatter_kev,sum_kev,primary_height,scatter_height,sum_height");
    // Column 94 of row 100 holds the largest sum of the central part, M: the full height 256. Column 100
    // is inside the ring; column 200 the last.
    EXPECT_EQ(CsvLine(profiles, 95), "94,18.9,1000,1000,2000,128.500,128.500,256.000");
    EXPECT_EQ(CsvLine(profiles, 101), "100,20.1,200,30,230,26.500,4.825,30.325");
    EXPECT_EQ(CsvLine(profiles, 201), "200,40.1,50,30,80,7.375,4.825,11.200");
    EXPECT_EQ(CsvLine(profiles, 202), "");

    EXPECT_EQ(CsvLine(spectra, 1),
              "bin,energy_kev,incident,primary,scattered,incident_rel_incident,penetrated_rel_incident,"
              "penetrated_rel_penetrated,primary_rel_penetrated,scatter_rel_penetrated");
    EXPECT_EQ(CsvLine(spectra, 2), "1,0.5,0,0,0,0.000000,0.000000,0.000000,0.000000,0.000000");
    EXPECT_EQ(CsvLine(spectra, 61), "60,30.0,0,2,0,0.000000,0.666667,1.000000,1.000000,0.000000");
    EXPECT_EQ(CsvLine(spectra, 101), "100,50.0,3,0,0,1.000000,0.000000,0.000000,0.000000,0.000000");
    EXPECT_EQ(CsvLine(spectra, 201), "200,100.0,1,0,0,0.333333,0.000000,0.000000,0.000000,0.000000");
    EXPECT_EQ(CsvLine(spectra, 301), "300,150.0,0,0,0,0.000000,0.000000,0.000000,0.000000,0.000000");
}

TEST_F(RenderCommandTest, ThePrintedFilesAreTheWrittenOnes) {
    const Outcome o = RunBatch(dir_.path(), {"render", "known.data", "--row", "57"});
    ASSERT_EQ(o.status, 0) << o.err;
    struct Written {
        const char* key;
        const char* file;
    };
    std::vector<Written> written = {{"profiles_csv", "known_profiles_row57.csv"},
                                    {"spectra_csv", "known_spectra.csv"}};
    // A build without the windowed programs says it draws no pictures.
    if (Value(o.out, "pictures") == "(missing)")
        written.insert(written.end(), {{"images_png", "known_images.png"},
                                       {"profiles_png", "known_profiles_row57.png"},
                                       {"spectra_incident_png", "known_spectra_incident.png"},
                                       {"spectra_exit_png", "known_spectra_exit.png"}});
    for (const Written& w : written) {
        EXPECT_EQ(Value(o.out, w.key), w.file);
        EXPECT_GT(fs::file_size(dir_ / w.file), 0u) << w.file;
    }
}

TEST_F(RenderCommandTest, WithoutTheVoxelMapTheContrastsAreLeftOutAndSaidSo) {
    fs::remove(dir_ / "Phantom_Bone-Lung.dat");
    const Outcome o = RunBatch(dir_.path(), {"render", "known.data"});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(Value(o.out, "spr_center"), "0.1500");
    EXPECT_EQ(Value(o.out, "contrast_bone"), "(missing)");
    EXPECT_NE(o.err.find("no contrasts"), std::string::npos) << o.err;
}

TEST_F(RenderCommandTest, AFileTheViewerCannotReadIsAFailureNamingIt) {
    std::string cut = KnownResultFile();
    cut.resize(cut.size() / 2);
    dir_.write("cut.data", cut);
    struct Case {
        const char* file;
        const char* reason;
    };
    for (const Case& c : {Case{"missing.data", "missing.data"}, Case{"cut.data", "cut.data"}}) {
        const Outcome o = RunBatch(dir_.path(), {"render", c.file});
        EXPECT_EQ(o.status, 1) << c.file;
        EXPECT_NE(o.err.find(c.reason), std::string::npos) << o.err;
        EXPECT_EQ(o.out, "");
    }
    EXPECT_FALSE(fs::exists(dir_ / "cut_spectra.csv"));
}

}  // namespace
}  // namespace batch_test
