#include "tubegen/attenuation_table.h"

#include <string>

#include "platform/number_input.h"

namespace tubegen {

AttenuationTable LoadAttenuationTable(const std::filesystem::path& file) {
    platform::NumberSequenceReader reader(file);
    AttenuationTable table;
    for (int i = 1; i <= kBins; ++i) {
        std::string record = "record " + std::to_string(i) + " of 300";
        reader.next_number(record + ": the energy");
        table.MuW[i] = reader.next_number(record + ": tungsten mu");
        table.MuAl[i] = reader.next_number(record + ": aluminium mu");
        table.MuCu[i] = reader.next_number(record + ": copper mu");
        table.MuenAir[i] = reader.next_number(record + ": air mu_en");
    }
    return table;
}

}  // namespace tubegen
