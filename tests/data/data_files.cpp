#include "data_files.h"

#include <cmath>

#include "platform/fixed_format.h"
#include "platform/free_form.h"
#include "platform/line_reader.h"
#include "platform/number_input.h"

namespace datatest {

CompositionFile read_by_columns(const std::string& file_name) {
    platform::LineReader in(data_file(file_name));
    CompositionFile f;
    f.name_line = in.next_line("the material name");
    f.density = platform::read_free_real32(in, "the density");
    f.count = platform::read_free_int(in, "the number of records");
    static const platform::RecordLayout layout("(E9.3,5E10.3)");
    for (int i = 0; i < f.count; ++i) {
        std::string line = in.next_line("an energy record");
        std::vector<double> v = layout.read_reals(in, line);
        f.records.push_back({v[0] * 1000.0, v[1], v[2], v[3], v[4], v[5]});
    }
    std::string rest;
    while (in.try_next_line(rest)) {}
    f.lines = in.line_number();
    return f;
}

CompositionFile read_as_numbers(const std::string& file_name) {
    platform::NumberSequenceReader in(data_file(file_name));
    CompositionFile f;
    f.name_line = in.next_line("the material name");
    f.density = in.next_number("the density");
    f.count = static_cast<int>(in.next_number("the number of records"));
    for (int i = 0; i < f.count; ++i) {
        double v[6];
        for (double& x : v) x = in.next_number("a record value");
        f.records.push_back({v[0] * 1000.0, v[1], v[2], v[3], v[4], v[5]});
    }
    return f;
}

double total_at(const CompositionFile& file, double e_kev) {
    const std::vector<EnergyRecord>& r = file.records;
    std::size_t k = 1;
    while (k + 1 < r.size() && r[k].energy_kev <= e_kev) ++k;
    double f = std::log(e_kev / r[k - 1].energy_kev) / std::log(r[k].energy_kev / r[k - 1].energy_kev);
    return std::exp(std::log(r[k - 1].sum()) + f * std::log(r[k].sum() / r[k - 1].sum()));
}

}  // namespace datatest
