// Every shipped data file is there and is a text file the programs read: ASCII, CR LF line ends.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "data_files.h"

namespace {

const std::set<std::string> kShipped = {
    "Water.mix", "Bone-ICRU.mix", "82_Pb.ele", "13_Al.ele",
    "4_Be.ele", "22_Ti.ele", "29_Cu.ele", "42_Mo.ele", "45_Rh.ele", "47_Ag.ele", "50_Sn.ele", "64_Gd.ele",
    "68_Er.ele", "74_W.ele", "Air.mix", "PMMA.mix",
    "Water.xfs", "Bone-ICRU.xfs", "Pb.xfs", "Al.xfs",
    "Mus-shadowbench.dat",
    "Phantom_Water.dat", "Phantom_Bone-Lung.dat", "Phantom_Chest.dat",
};

TEST(ShippedFiles, AllPresentAndNoOthers) {
    std::set<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(SHADOWBENCH_DATA_DIR))
        if (entry.path().filename() != "CMakeLists.txt") found.insert(entry.path().filename().string());
    EXPECT_EQ(found, kShipped);
}

TEST(ShippedFiles, AsciiTextWithCrLfLineEnds) {
    for (const std::string& name : kShipped) {
        std::ifstream in(datatest::data_file(name), std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        ASSERT_FALSE(bytes.empty()) << name;
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << name << ": the last line is ended too";
        int line = 1;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            unsigned char c = static_cast<unsigned char>(bytes[i]);
            if (c == '\r') {
                ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << name << " line " << line << ": CR without LF";
                ++i, ++line;
                continue;
            }
            ASSERT_TRUE(c >= 0x20 && c < 0x7f) << name << " line " << line << ": byte " << int(c);
        }
    }
}

}  // namespace
