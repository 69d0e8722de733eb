#include "engine/result_file.h"

#include <stdexcept>
#include <string>

#include "engine/phantom.h"
#include "engine/spectrum_file.h"
#include "engine/tallies.h"
#include "platform/atomic_text_file.h"
#include "platform/console.h"
#include "platform/cp932.h"
#include "platform/fixed_format.h"
#include "platform/input_error.h"

namespace engine::result_file {
namespace {

using platform::format_exponent;
using platform::format_fixed;

// The name from the run conditions, or, when it is blank, one typed at the console prompt.
std::string result_name(platform::Console& console) {
    std::string name(platform::trim_trailing_blanks(phantom::result_file_name));
    // The run conditions hold code page 932; the file system here names files in UTF-8.
    name = platform::from_cp932(name);
    while (name.find_first_not_of(' ') == std::string::npos) {
        console.write_prompt("File name missing or blank - please enter file name\nUNIT 1? ");
        std::optional<std::string> typed = console.read_line();
        if (!typed) throw platform::OutputError("(result file)", "no file name was given before the end of input");
        name = *typed;
    }
    return name;
}

void write_description(platform::AtomicTextFile& out) {
    static const std::string thickness = platform::to_cp932(" ファントム厚 = ");
    static const std::string field = platform::to_cp932(" 照射野サイズ = ");
    static const std::string without_grid = platform::to_cp932(" グリッド (無)");
    static const std::string with_grid = platform::to_cp932(" グリッド (有)");
    out.write_line(thickness + format_fixed(phantom::phantom_thickness, 5, 1) + " cm");
    out.write_line(field + format_fixed(phantom::field_size, 5, 1) + " cm");
    out.write_line(phantom::grid_flag == 0 ? without_grid : with_grid);
}

void write_images(platform::AtomicTextFile& out) {
    using tallies::detector_image;
    std::string line;
    for (int k = 1; k <= 2; ++k)
        for (int j = 1; j <= tallies::image_pixels; ++j)
            for (int r = 1; r <= 10; ++r) {
                line.clear();
                for (int i = 20 * r - 19; i <= 20 * r; ++i) line += format_exponent(detector_image[k][i][j], 11, 4);
                out.write_line(line);
            }
}

void write_spectra(platform::AtomicTextFile& out) {
    using tallies::spectrum_tally;
    for (int n = 1; n <= tallies::bins; ++n) {
        float energy = static_cast<float>(n) * 0.5f;
        out.write_line(format_fixed(energy, 6, 1) + format_exponent(spectrum_tally[3][n], 11, 4) +
                       format_exponent(spectrum_tally[1][n], 11, 4) + format_exponent(spectrum_tally[2][n], 11, 4));
    }
}

}  // namespace

void write_result_file(platform::Console& console, const std::filesystem::path& dir) {
    platform::AtomicTextFile out(dir / result_name(console));
    for (int n = 1; n <= 10; ++n) out.write_line(spectrum::header_lines[n]);
    write_description(out);
    write_images(out);
    write_spectra(out);
    out.commit();
}

}  // namespace engine::result_file
