// The source viewer's numbered lines.
#include <gtest/gtest.h>

#include "frontend/source_listing.h"
#include "platform/input_error.h"
#include "scratch.h"

namespace {

TEST(NumberedLine, HasAtLeastFourDigitsAndTheLineAsRead) {
    EXPECT_EQ(frontend::NumberedLine(1, "int main() {"), "0001|int main() {");
    EXPECT_EQ(frontend::NumberedLine(9999, ""), "9999|");
    EXPECT_EQ(frontend::NumberedLine(10000, "  x;"), "10000|  x;");
}

TEST(NumberedLines, TakeEveryLineOfTheFileWithoutItsLineEnd) {
    frontend_test::ScratchDir dir;
    struct {
        std::string bytes;
        std::vector<std::string> items;
    } cases[] = {
        {"", {}},
        {"a\r\n\r\n  b\r\n", {"0001|a", "0002|", "0003|  b"}},
        {"a\nlast", {"0001|a", "0002|last"}},
        {"\x93\xFA\x96\x7B\r\n", {"0001|\x93\xFA\x96\x7B"}},  // code page 932 bytes stay as they are
    };
    for (const auto& c : cases) EXPECT_EQ(frontend::NumberedLines(dir.write("t.txt", c.bytes)), c.items) << c.bytes;
}

TEST(NumberedLines, OfAMissingFileAreAnInputError) {
    frontend_test::ScratchDir dir;
    EXPECT_THROW(frontend::NumberedLines(dir / "voxtrace_grid.txt"), platform::InputError);
}

}  // namespace
