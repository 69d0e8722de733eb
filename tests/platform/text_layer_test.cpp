#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/atomic_text_file.h"
#include "platform/console.h"
#include "platform/cp932.h"
#include "platform/free_form.h"
#include "platform/input_error.h"
#include "platform/line_reader.h"
#include "scratch_dir.h"

namespace {

namespace fs = std::filesystem;

using testsupport::read_bytes;
using testsupport::ScratchDir;

TEST(Cp932, JapaneseLiteralsAndTheThirtyByteCut) {
    std::string bytes = platform::to_cp932("管電圧");
    EXPECT_EQ(bytes, "\x8a\xc7\x93\x64\x88\xb3");
    EXPECT_EQ(platform::from_cp932(bytes), "管電圧");
    // 29 ASCII bytes then a double-byte character: the cut at 30 keeps its first byte alone.
    std::string line = std::string(29, 'a') + bytes;
    std::string cut = platform::fit_bytes(line, 30);
    ASSERT_EQ(cut.size(), 30u);
    EXPECT_EQ(cut.back(), '\x8a');
    EXPECT_EQ(platform::fit_bytes("ab", 5), "ab   ");
    // Shown, the half character becomes a replacement mark instead of failing.
    EXPECT_EQ(platform::from_cp932(cut).substr(29), "\xEF\xBF\xBD");
    EXPECT_THROW(platform::to_cp932("\xF0\x9F\x98\x80"), std::invalid_argument);
}

TEST(FreeForm, OneNumberAnywhereOnItsLineBlankLinesSkipped) {
    ScratchDir dir;
    platform::LineReader in(dir.write("Phantom.dat", "01\r\n\r\n   15.0 cm thick\r\n1.00E+08,\r\n  \r\nx\r\n"));
    EXPECT_EQ(platform::read_free_int(in, "the type"), 1);
    EXPECT_FLOAT_EQ(platform::read_free_real32(in, "the thickness"), 15.0f);
    EXPECT_EQ(in.line_number(), 3);
    EXPECT_FLOAT_EQ(platform::read_free_real32(in, "the histories"), 1.0e8f);
    try {
        platform::read_free_real32(in, "the field size");
        FAIL();
    } catch (const platform::InputError& e) {
        EXPECT_EQ(e.line(), 6);
        EXPECT_NE(std::string(e.what()).find("the field size"), std::string::npos);
    }
    EXPECT_THROW(platform::read_free_int(in, "more"), platform::InputError);  // end of file
}

TEST(AtomicTextFile, ReplacesOnlyWhenComplete) {
    ScratchDir dir;
    fs::path target = dir.write("result.data", "good\r\n");
    {
        platform::AtomicTextFile out(target);
        out.write_line("half");
        // Abandoned without commit, as when a run dies while writing.
    }
    EXPECT_EQ(read_bytes(target), "good\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1) << "temp left";
    {
        platform::AtomicTextFile out(target);
        out.write_line("new");
        out.write_line("");
        out.commit();
    }
    EXPECT_EQ(read_bytes(target), "new\r\n\r\n");
}

TEST(AtomicTextFile, ADirectoryUnderTheNameIsAnError) {
    ScratchDir dir;
    fs::create_directory(dir.path() / "x.data");
    platform::AtomicTextFile out(dir.path() / "x.data");
    out.write_line("data");
    EXPECT_THROW(out.commit(), platform::OutputError);
    EXPECT_TRUE(fs::is_directory(dir.path() / "x.data"));
}

TEST(Console, CarriageControlConsumedAndEndOfInputCountsAsEnter) {
    std::ostringstream out;
    std::istringstream in("\n");
    platform::Console console(out, in);
    console.write_record(" " + platform::to_cp932(" * 終了"));
    EXPECT_EQ(out.str(), " * 終了\n");
    EXPECT_TRUE(console.wait_for_enter());
    EXPECT_FALSE(console.wait_for_enter());  // closed input: no hang
}

}  // namespace
