#include "frontend/result_data.h"

#include <cmath>

#include "platform/line_reader.h"
#include "platform/number_input.h"
#include "platform/number_text.h"

namespace frontend {
namespace {

// A tally: the engine writes only finite values of 0 or more. A negative one or one beyond range would turn
// into a grey level outside 0 … 255 or into no number at all, so the file is refused at that line instead.
double NextTally(platform::NumberSequenceReader& in, const char* expected) {
    const double value = in.next_number(expected);
    if (!std::isfinite(value)) in.fail(expected, "a value beyond range");
    if (value < 0) in.fail(expected, platform::number_text(value));
    return value;
}

}  // namespace

std::vector<std::string> ReadDescription(const std::filesystem::path& file) {
    platform::LineReader in(file);
    std::vector<std::string> lines;
    lines.reserve(kDescriptionLines);
    for (int n = 1; n <= kDescriptionLines; ++n) lines.push_back(in.next_line("a description line"));
    return lines;
}

std::unique_ptr<ResultTallies> ReadResultFile(const std::filesystem::path& file) {
    platform::NumberSequenceReader in(file);
    for (int n = 1; n <= kDescriptionLines; ++n) in.next_line("a description line");

    auto result = std::make_unique<ResultTallies>();
    const char* component[] = {nullptr, "a value of the primary image (0 or more)",
                               "a value of the scattered image (0 or more)"};
    for (int k = 1; k <= 2; ++k)
        for (int j = 1; j <= kPixels; ++j)
            for (int i = 1; i <= kPixels; ++i) result->image[k][i][j] = NextTally(in, component[k]);

    SpectrumArray& s = result->spectrum;
    for (int n = 1; n <= kBins; ++n) {
        in.next_number("the energy of a spectrum line");
        s[0][n] = NextTally(in, "an incident photon count (0 or more)");
        s[1][n] = NextTally(in, "a primary photon count (0 or more)");
        s[2][n] = NextTally(in, "a scattered photon count (0 or more)");
        s[3][n] = s[1][n] + s[2][n];
    }
    return result;
}

}  // namespace frontend
