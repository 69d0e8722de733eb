#pragma once

#include <cstdint>
#include <string_view>

namespace platform {

class LineReader;

// The engine's free-form value: the first number on the next line that is not blank; anything after it on
// the line (after a blank, a comma or a slash) is ignored. A line whose first item is not a number, or the
// end of the file, is reported naming `what`.
std::int32_t read_free_int(LineReader& reader, std::string_view what);
float read_free_real32(LineReader& reader, std::string_view what);

// The first item of a free-form line, or an empty view for a blank line.
std::string_view first_free_item(std::string_view line);

}  // namespace platform
