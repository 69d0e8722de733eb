#include "frontend/run_conditions.h"

#include <stdexcept>

#include "frontend/module1.h"
#include "platform/atomic_text_file.h"
#include "platform/cp932.h"
#include "platform/number_pattern.h"

namespace frontend {

NameProblem CheckResultName(std::string_view name) {
    if (name.empty()) return NameProblem::Empty;
    for (char c : name)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f || c == '/' || c == '\\')
            return NameProblem::BadCharacter;
    std::string bytes;
    try {
        bytes = platform::to_cp932(name);
    } catch (const std::invalid_argument&) {
        return NameProblem::BadCharacter;
    }
    if (bytes.size() + kResultExtension.size() > kResultNameBytes) return NameProblem::TooLong;
    return NameProblem::None;
}

std::vector<std::string> RunConditionsLines(const RunConditions& c) {
    using platform::format_number;
    return {
        format_number(c.phantom_type, "00"),
        format_number(c.phantom_thickness, "00.0"),
        format_number(c.field_size, "00.0"),
        format_number(c.grid_flag, "00"),
        format_number(c.histories, "0.00E+00"),
        platform::to_cp932(c.result_name) + std::string(kResultExtension),
    };
}

void WriteRunConditions(const std::filesystem::path& file, const RunConditions& conditions) {
    const std::vector<std::string> lines = RunConditionsLines(conditions);
    platform::AtomicTextFile out(file);
    for (const std::string& line : lines) out.write_line(line);
    out.commit();
}

std::string_view EngineProgram(int grid_flag) {
    return grid_flag == 0 ? kEngineWithoutGrid : kEngineWithGrid;
}

}  // namespace frontend
