#include "platform/free_form.h"

#include <string>

#include "platform/cp932.h"
#include "platform/fixed_format.h"
#include "platform/line_reader.h"

namespace platform {
namespace {

bool ends_item(char c) { return c == ' ' || c == '\t' || c == ',' || c == '/'; }

std::string_view next_item(LineReader& reader, std::string& line, std::string_view what) {
    for (;;) {
        line = reader.next_line(what);
        std::string_view item = first_free_item(line);
        if (!item.empty()) return item;
    }
}

}  // namespace

std::string_view first_free_item(std::string_view line) {
    std::size_t begin = 0;
    while (begin < line.size() && (line[begin] == ' ' || line[begin] == '\t')) ++begin;
    std::size_t end = begin;
    while (end < line.size() && !ends_item(line[end])) ++end;
    return line.substr(begin, end - begin);
}

std::int32_t read_free_int(LineReader& reader, std::string_view what) {
    std::string line;
    std::string_view item = next_item(reader, line, what);
    std::optional<std::int32_t> value = parse_int_field(item);
    if (!value) reader.fail(what, 0, from_cp932(item));
    return *value;
}

float read_free_real32(LineReader& reader, std::string_view what) {
    std::string line;
    std::string_view item = next_item(reader, line, what);
    std::optional<float> value = parse_real32_field(item, 0);
    if (!value) reader.fail(what, 0, from_cp932(item));
    return *value;
}

}  // namespace platform
