#include "engine/spectrum_file.h"

#include "platform/cp932.h"
#include "platform/fixed_format.h"
#include "platform/line_reader.h"

namespace engine::spectrum {

void load_spectrum() {
    platform::LineReader in("B_tubegen.dat");
    for (int n = 1; n <= 9; ++n)
        header_lines[n] = platform::fit_bytes(in.next_line("one of the 9 header lines"), header_width);

    static const platform::RecordLayout record("(F6.1,F9.5)");
    spectrum_weight[0] = 0;
    for (int i = 1; i <= bin_count; ++i) {
        std::string line = in.next_line("the record of bin " + std::to_string(i) + " of 300 (F6.1,F9.5)");
        // The energy column is read but the line's position gives the bin.
        spectrum_weight[i] = record.read_reals32(in, line)[1];
    }
    top_bin = find_top_bin(spectrum_weight);
}

std::int32_t find_top_bin(const float (&weight)[bin_count + 1]) {
    int n = bin_count;
    while (n >= 1 && weight[n] <= 0) --n;
    return n + 1;
}

}  // namespace engine::spectrum
