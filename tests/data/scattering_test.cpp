// The scattering-factor files: one shared x grid, and form factors and incoherent functions that behave.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data_files.h"
#include "platform/fixed_format.h"
#include "platform/line_reader.h"

namespace {

struct Table {
    std::vector<double> x, form, incoh;
    int lines = 0;
};

Table read_xfs(const std::string& name) {
    platform::LineReader in(datatest::data_file(name));
    static const platform::RecordLayout layout("(E10.3,2E12.5)");
    Table t;
    std::string line;
    while (in.try_next_line(line)) {
        std::vector<double> v = layout.read_reals(in, line);
        t.x.push_back(v[0]);
        t.form.push_back(v[1]);
        t.incoh.push_back(v[2]);
    }
    t.lines = in.line_number();
    return t;
}

const char* const kFiles[] = {"Water.xfs", "Bone-ICRU.xfs", "Pb.xfs", "Al.xfs"};

TEST(ScatteringFiles, ShareOneIncreasingGridOf45Points) {
    Table first = read_xfs(kFiles[0]);
    ASSERT_EQ(first.lines, 45);
    EXPECT_EQ(first.x.front(), 0.0);
    for (std::size_t i = 1; i < first.x.size(); ++i) EXPECT_GT(first.x[i], first.x[i - 1]) << "line " << i + 1;
    EXPECT_GT(first.x.back(), 10.0) << "the incoherent lookup is asked for x below 10";
    EXPECT_GT(first.x.back(), 150.0 / 12.4) << "coherent scattering at 150 keV reaches x = 12.1";
    for (const char* name : kFiles) {
        Table t = read_xfs(name);
        EXPECT_EQ(t.lines, 45) << name;
        EXPECT_EQ(t.x, first.x) << name << ": the engine keeps only the grid of the last file read";
    }
}

TEST(ScatteringFiles, FormFactorFallsAndIncoherentFunctionNeverDoes) {
    for (const char* name : kFiles) {
        SCOPED_TRACE(name);
        Table t = read_xfs(name);
        ASSERT_EQ(t.lines, 45);
        EXPECT_EQ(t.incoh.front(), 0.0);
        for (std::size_t i = 1; i < t.x.size(); ++i) {
            EXPECT_GT(t.form[i], 0.0) << "line " << i + 1;
            EXPECT_LT(t.form[i], t.form[i - 1]) << "line " << i + 1;
            EXPECT_GE(t.incoh[i], t.incoh[i - 1]) << "line " << i + 1;
        }
    }
}

TEST(ScatteringFiles, LimitsAreTheElectronCounts) {
    // F(0)^2 = sum of n Z^2 and S(x) -> sum of n Z, per atom for an element and per gram (n in moles) for a
    // compound. Electrons per gram over Avogadro's number, <Z/A>, from the NIST material tables: water
    // 0.55508, compact bone (ICRU) 0.53010.
    struct Case {
        const char* file;
        double electrons;  // sum of n Z
        double f0;         // F(0)
    };
    const Case cases[] = {
        {"Pb.xfs", 82.0, 82.0},
        {"Al.xfs", 13.0, 13.0},
        {"Water.xfs", 0.55508, 1.914},  // sqrt((2 * 1 + 64) / 18.015)
        {"Bone-ICRU.xfs", 0.53010, 0.0},  // F(0) not checked
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        Table t = read_xfs(c.file);
        ASSERT_EQ(t.lines, 45);
        if (c.f0 > 0) {
            EXPECT_NEAR(t.form.front(), c.f0, 1e-3 * c.f0);
        }
        EXPECT_LE(t.incoh.back(), c.electrons * 1.0005);
        EXPECT_GT(t.incoh.back(), c.electrons * 0.975) << "the inner shells of lead bind hardest";
    }
}

}  // namespace
