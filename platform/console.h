#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The engine's console. Records are code page 932 bytes whose first byte is the carriage-control blank;
// it is consumed, and the rest is shown as one line in the terminal's encoding (UTF-8 here).
class Console {
public:
    Console(std::ostream& out, std::istream& in) : out_(out), in_(in) {}

    void write_record(std::string_view cp932_record);

    // The wait for Enter: reads and discards one line. End of input counts as Enter, so a run with a closed
    // standard input never hangs; returns false then.
    bool wait_for_enter();

    // One typed line (without its end), or nothing at end of input.
    std::optional<std::string> read_line();

    // Text shown without a line end, for a prompt that the answer follows on the same line.
    void write_prompt(std::string_view cp932_text);

private:
    std::ostream& out_;
    std::istream& in_;
};

// Local wall-clock time of day.
struct ClockTime {
    int hour;
    int minute;
    int second;
};
ClockTime local_clock_time();

}  // namespace platform
