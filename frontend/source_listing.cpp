#include "frontend/source_listing.h"

#include "platform/line_reader.h"
#include "platform/number_pattern.h"

namespace frontend {

std::string NumberedLine(int number, std::string_view line) {
    std::string item = platform::format_number(number, "0000");
    item += '|';
    item += line;
    return item;
}

std::vector<std::string> NumberedLines(const std::filesystem::path& file) {
    platform::LineReader in(file);
    std::vector<std::string> items;
    std::string line;
    for (int number = 1; in.try_next_line(line); ++number) items.push_back(NumberedLine(number, line));
    return items;
}

}  // namespace frontend
