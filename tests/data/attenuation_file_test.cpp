// "Mus-shadowbench.dat", read as the spectrum generator reads it: 300 records of five numbers.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "data_files.h"
#include "platform/line_reader.h"
#include "platform/number_input.h"

namespace {

// energy, mu(W), mu(Al), mu(Cu) in 1/cm, mu_en/rho(air) in cm2/g
using Record = std::array<double, 5>;

std::vector<Record> read_table() {
    platform::NumberSequenceReader in(datatest::data_file("Mus-shadowbench.dat"));
    std::vector<Record> table(300);
    for (Record& r : table)
        for (double& v : r) v = in.next_number("a number of the attenuation table");
    return table;
}

TEST(AttenuationFile, ThreeHundredRecordsOneALine) {
    std::vector<Record> table = read_table();
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_DOUBLE_EQ(table[i][0], 0.5 * static_cast<double>(i + 1)) << "record " << i + 1;
        for (int j = 1; j < 5; ++j) EXPECT_GT(table[i][j], 0.0) << "record " << i + 1 << ", field " << j + 1;
    }
    platform::LineReader lines(datatest::data_file("Mus-shadowbench.dat"));
    std::string line;
    while (lines.try_next_line(line)) {}
    EXPECT_EQ(lines.line_number(), 300) << "one record per line, nothing else";
}

TEST(AttenuationFile, AgreesWithNist) {
    // Mass coefficients from the NIST X-ray mass attenuation tables (Hubbell and Seltzer), times the
    // densities the spectrum generator assumes: W 19.3, Al 2.699, Cu 8.96 g/cm3. Air: mu_en/rho, Table 4.
    struct Case {
        double e_kev;
        int field;  // 1 W, 2 Al, 3 Cu, 4 air
        double expected;
    };
    const Case cases[] = {
        {60.0, 1, 3.713 * 19.3}, {30.0, 2, 1.128 * 2.699}, {100.0, 2, 0.1704 * 2.699},
        {50.0, 3, 2.613 * 8.96}, {60.0, 4, 0.03041},       {20.0, 4, 0.5389},
    };
    std::vector<Record> table = read_table();
    for (const Case& c : cases) {
        const Record& r = table[static_cast<std::size_t>(c.e_kev / 0.5) - 1];
        EXPECT_NEAR(r[c.field], c.expected, 0.02 * c.expected) << c.e_kev << " keV, field " << c.field + 1;
    }
}

TEST(AttenuationFile, AirFollowsTheArgonEdgeAndTheTableBetweenItsPoints) {
    std::vector<Record> table = read_table();
    auto air = [&](double e_kev) { return table[static_cast<std::size_t>(e_kev / 0.5) - 1][4]; };
    // 3.0 keV is a table point below the edge at 3.2029 keV; 3.5 keV lies above it, between 146.0 at the
    // edge and 76.36 at 4 keV.
    EXPECT_NEAR(air(3.0), 161.4, 1e-3 * 161.4);
    EXPECT_GT(air(3.5), 76.36);
    EXPECT_LT(air(3.5), 146.0);
    // Between 8 and 10 keV the table falls as a power law: log-log interpolation at 9 keV.
    EXPECT_NEAR(air(9.0), 9.446 * std::pow(4.742 / 9.446, std::log(9.0 / 8.0) / std::log(10.0 / 8.0)), 1e-3 * air(9.0));
    // Tungsten's K edge at 69.525 keV.
    EXPECT_GT(table[139][1], 3.5 * table[138][1]) << "mu(W) at 70.0 against 69.5 keV";
}

}  // namespace
