#include "spectrum_command.h"

#include <exception>
#include <map>
#include <ostream>
#include <stdexcept>

#include "options.h"
#include "platform/number_input.h"
#include "platform/number_pattern.h"
#include "tubegen/arbitrary_filters.h"
#include "tubegen/attenuation_table.h"
#include "tubegen/compute_spectrum.h"
#include "tubegen/spectrum_file.h"
#include "tubegen/stored_boxes.h"

namespace batch {

const char* const kSpectrumUsage =
    "spectrum [--kv V] [--angle DEG] [--rect 1|2|3] [--inherent MM] [--al MM] [--cu MM] "
    "[--filter FILE=MM]... [--match-al MM | --match-cu MM]";

void PrintSpectrumHelp(std::ostream& out) {
    out << "usage: shadowbench-batch " << kSpectrumUsage << "\n\n"
        << R"(Computes the tube spectrum as tubegen's "スペクトル計算・表示" does, in the current directory:
reads Mus-shadowbench.dat, writes B_tubegen.dat, and prints the tube voltage, the inherent
filtration, the half-value layers and the mean photon energy as "key: value" lines. Absent options
keep the window's start values.

  --kv V             peak tube voltage in kV (default 100)
  --angle DEG        target angle in degrees (default 12)
  --rect 1|2|3       1 constant potential (default), 2 three-phase 12-pulse, 3 single-phase full-wave
  --inherent MM      inherent filtration in mm Al (default 2.5)
  --al MM, --cu MM   added aluminium and copper filters in mm (default 0)
  --filter FILE=MM   a filter of the material of a composition file, up to three
  --match-al MM      adjust the inherent filtration until the aluminium HVL is MM
  --match-cu MM      the same for a copper HVL
)";
}

bool IsSpectrumOption(const std::string& name) {
    static const char* const kOptions[] = {"--kv", "--angle",  "--rect",     "--inherent", "--al",
                                           "--cu", "--filter", "--match-al", "--match-cu"};
    for (const char* option : kOptions)
        if (name == option) return true;
    return false;
}

namespace {

using tubegen::Box;

struct FilterRequest {
    std::string file;
    double thickness_mm;
};

struct SpectrumRequest {
    tubegen::StoredBoxes boxes;
    std::vector<FilterRequest> filters;
};

const std::map<std::string, Box> kBoxOptions = {
    {"--kv", Box::Text1}, {"--angle", Box::Text5}, {"--inherent", Box::Text2},
    {"--al", Box::Text3}, {"--cu", Box::Text4},
};

// Values are typed into the boxes as given, so the header shows them as written; but on the command line a
// value that is not a number is a mistake, not the 0 that a box would read.
std::string NumberArgument(const std::string& option, const std::string& value) {
    if (!platform::parse_decimal_number(value))
        throw UsageError(option + " needs a number, not \"" + value + "\"");
    return value;
}

FilterRequest ParseFilter(const std::string& value) {
    std::size_t eq = value.rfind('=');
    if (eq == std::string::npos || eq == 0) throw UsageError("--filter needs FILE=MM, not \"" + value + "\"");
    std::string mm = NumberArgument("--filter", value.substr(eq + 1));
    return {value.substr(0, eq), *platform::parse_decimal_number(mm)};
}

void SetMatching(SpectrumRequest& r, tubegen::HvlMaterial material, const std::string& option,
                 const std::string& value) {
    if (r.boxes.match_flag) throw UsageError("--match-al and --match-cu exclude each other");
    r.boxes.match_flag = true;
    r.boxes.measured_material = material;
    r.boxes.SetText(Box::Text13, NumberArgument(option, value));
}

void ApplyOption(SpectrumRequest& r, const std::string& option, const std::string& value) {
    if (auto box = kBoxOptions.find(option); box != kBoxOptions.end()) {
        r.boxes.SetText(box->second, NumberArgument(option, value));
    } else if (option == "--rect") {
        if (value != "1" && value != "2" && value != "3") throw UsageError("--rect needs 1, 2 or 3");
        r.boxes.rect_type = value[0] - '0';
    } else if (option == "--filter") {
        if (r.filters.size() == tubegen::ArbitraryFilters::kSlots) throw UsageError("at most three --filter");
        r.filters.push_back(ParseFilter(value));
    } else if (option == "--match-al") {
        SetMatching(r, tubegen::HvlMaterial::Aluminium, option, value);
    } else if (option == "--match-cu") {
        SetMatching(r, tubegen::HvlMaterial::Copper, option, value);
    } else {
        throw UsageError("unknown option \"" + option + "\"");
    }
}

SpectrumRequest ParseRequest(const std::vector<std::string>& args) {
    SpectrumRequest r;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        if (i + 1 == args.size()) throw UsageError(args[i] + " needs a value");
        ApplyOption(r, args[i], args[i + 1]);
    }
    return r;
}

void PrintResult(std::ostream& out, const tubegen::StoredBoxes& boxes,
                 const tubegen::SpectrumResult& result) {
    out << "kv: " << boxes.Text(Box::Text1) << "\n"
        << "inherent_mm: " << boxes.Text(Box::Text2) << "\n"
        << "hvl_al_mm: " << boxes.Text(Box::Text9) << "\n"
        << "hvl_cu_mm: " << boxes.Text(Box::Text8) << "\n"
        << "mean_energy_kev: "
        << platform::format_number(tubegen::MeanPhotonEnergy(result.N, result.V), "0.000") << "\n"
        << "file: " << tubegen::kSpectrumFileName << "\n";
}

void Run(SpectrumRequest& r, std::ostream& out) {
    const tubegen::AttenuationTable table = tubegen::LoadAttenuationTable(tubegen::kAttenuationFileName);
    tubegen::ArbitraryFilters filters;
    for (const FilterRequest& f : r.filters) tubegen::AddArbitraryFilter(filters, f.file, f.thickness_mm);
    tubegen::SpectrumResult result =
        tubegen::ComputeOrMatchSpectrum(r.boxes, table, filters, tubegen::kSpectrumFileName);
    PrintResult(out, r.boxes, result);
}

}  // namespace

int RunSpectrumCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (AsksForHelp(args)) {
        PrintSpectrumHelp(out);
        return 0;
    }
    try {
        SpectrumRequest request = ParseRequest(args);
        Run(request, out);
        return 0;
    } catch (const UsageError& e) {
        err << "shadowbench-batch spectrum: " << e.what() << "\nusage: shadowbench-batch " << kSpectrumUsage
            << "\n";
        return 2;
    } catch (const std::exception& e) {
        err << "shadowbench-batch spectrum: " << e.what() << "\n";
        return 1;
    }
}

}  // namespace batch
