#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Every file the programs exchange, and the engine's console lines, are code page 932 bytes.
// Source literals are UTF-8; these convert at the edges.
namespace platform {

// UTF-8 to code page 932; throws std::invalid_argument for a character the code page lacks.
std::string to_cp932(std::string_view utf8);

// Code page 932 to UTF-8; a byte sequence that is not valid CP932 (say a double-byte character cut in two)
// becomes U+FFFD, so displaying stored bytes never fails.
std::string from_cp932(std::string_view cp932);

// Cuts or blank-pads to exactly `width` bytes; the cut counts bytes and may split a double-byte character.
std::string fit_bytes(std::string_view bytes, std::size_t width);

// The bytes without trailing blanks.
std::string_view trim_trailing_blanks(std::string_view bytes);

}  // namespace platform
