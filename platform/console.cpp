#include "platform/console.h"

#include <ctime>
#include <istream>
#include <ostream>

#include "platform/cp932.h"

namespace platform {

void Console::write_record(std::string_view cp932_record) {
    std::string_view shown = cp932_record.empty() ? cp932_record : cp932_record.substr(1);
    out_ << from_cp932(shown) << '\n' << std::flush;
}

void Console::write_prompt(std::string_view cp932_text) { out_ << from_cp932(cp932_text) << std::flush; }

std::optional<std::string> Console::read_line() {
    std::string line;
    if (!std::getline(in_, line)) return std::nullopt;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

bool Console::wait_for_enter() { return read_line().has_value(); }

ClockTime local_clock_time() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_hour, local.tm_min, local.tm_sec};
}

}  // namespace platform
