#include "exercise_command.h"

#include <ostream>
#include <sstream>

#include "options.h"
#include "platform/input_error.h"
#include "render_command.h"
#include "run_command.h"
#include "spectrum_command.h"
#include "tables.h"

namespace batch {

const char* const kExerciseUsage =
    "exercise [spectrum options] [run options] [--out DIR] [--row R] [--sweep KEY=V1,V2,...]... "
    "[--table FILE]";

void PrintExerciseHelp(std::ostream& out) {
    out << "usage: shadowbench-batch " << kExerciseUsage << "\n\n"
        << R"(A whole exercise in the current directory, as the windows lead through it: the tube spectrum
(spectrum), the run (run, with 1000000 histories unless --histories says otherwise and the result
named "exercise" unless --name says otherwise) and its pictures, tables and figures (render). Takes
the options of all three; see shadowbench-batch spectrum --help, run --help and render --help.

  --sweep KEY=V1,V2,...   one exercise for each value of a spectrum or run option, KEY without its
                          dashes: kv, angle, rect, inherent, al, cu, match-al, match-cu, phantom,
                          thickness, field, grid, histories. Given more than once: every combination,
                          the first KEY changing slowest. Each result is named NAME_KEYVALUE...,
                          for example exercise_kv60_grid0.data
  --table FILE            the summary table of a sweep (default DIR/NAME_sweep.csv): one line per
                          result with the swept values, the aluminium half-value layer and the
                          figures that render prints

example: shadowbench-batch exercise --phantom 2 --sweep kv=60,80,100,120 --sweep grid=0,1
)";
}

namespace {

struct Sweep {
    std::string key;  // without its dashes
    std::vector<std::string> values;
};

struct ExerciseRequest {
    std::vector<Option> spectrum, run, render;
    std::vector<Sweep> sweeps;
    std::string name = "exercise";
    std::filesystem::path table;
};

// One exercise of a sweep: its name and the swept values it takes.
struct Case {
    std::string name;
    std::vector<Option> settings;
};

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos) return parts;
        start = end + 1;
    }
}

Sweep ParseSweep(const Option& option, const std::vector<Sweep>& earlier) {
    const std::size_t eq = option.value.find('=');
    if (eq == std::string::npos || eq == 0)
        throw UsageError("--sweep needs KEY=V1,V2,..., not \"" + option.value + "\"");
    Sweep sweep{option.value.substr(0, eq), Split(option.value.substr(eq + 1), ',')};
    const std::string name = "--" + sweep.key;
    if (sweep.key == "name" || sweep.key == "filter" || (!IsSpectrumOption(name) && !IsRunOption(name)))
        throw UsageError("--sweep cannot vary \"" + sweep.key + "\"");
    for (const Sweep& s : earlier)
        if (s.key == sweep.key) throw UsageError("--sweep varies \"" + sweep.key + "\" twice");
    for (const std::string& value : sweep.values) {
        if (value.empty()) throw UsageError("--sweep " + sweep.key + " has an empty value");
        // The run options are checked whole for every case below; the spectrum's are numbers.
        if (sweep.key == "rect")
            WholeValue({name, value}, 1, 3);
        else if (IsSpectrumOption(name))
            NumberValue({name, value});
    }
    return sweep;
}

ExerciseRequest ParseRequest(const std::vector<std::string>& args) {
    ExerciseRequest r;
    std::filesystem::path table;
    for (const Option& o : ParseOptions(args).options) {
        if (IsSpectrumOption(o.name)) {
            r.spectrum.push_back(o);
        } else if (IsRunOption(o.name)) {
            if (o.name == "--name") r.name = o.value;
            r.run.push_back(o);
        } else if (IsRenderOption(o.name)) {
            r.render.push_back(o);
        } else if (o.name == "--sweep") {
            r.sweeps.push_back(ParseSweep(o, r.sweeps));
        } else if (o.name == "--table") {
            if (o.value.empty()) throw UsageError("--table needs a file name");
            table = o.value;
        } else {
            throw UsageError("unknown option \"" + o.name + "\"");
        }
    }
    if (!table.empty() && r.sweeps.empty()) throw UsageError("--table goes with --sweep");
    r.table = table;
    return r;
}

// Every combination of the swept values, the first sweep changing slowest.
std::vector<Case> Cases(const ExerciseRequest& r) {
    std::vector<Case> cases = {{r.name, {}}};
    for (const Sweep& sweep : r.sweeps) {
        std::vector<Case> grown;
        for (const Case& c : cases)
            for (const std::string& value : sweep.values) {
                Case next = c;
                next.name += "_" + sweep.key + value;
                next.settings.push_back({"--" + sweep.key, value});
                grown.push_back(next);
            }
        cases = grown;
    }
    return cases;
}

// The options of a step with a case's values in place of the ones given for all.
std::vector<Option> WithSettings(const std::vector<Option>& base, const Case& c,
                                 bool (*belongs)(const std::string&)) {
    std::vector<Option> options;
    for (const Option& o : base) {
        bool replaced = o.name == "--name";
        for (const Option& s : c.settings) replaced = replaced || s.name == o.name;
        if (!replaced) options.push_back(o);
    }
    for (const Option& s : c.settings)
        if (belongs(s.name)) options.push_back(s);
    return options;
}

std::string Value(const std::string& printed, const std::string& key) {
    std::istringstream lines(printed);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind(key + ": ", 0) == 0) return line.substr(key.size() + 2);
    return {};
}

struct Planned {
    Case c;
    std::vector<std::string> spectrum_args;
    frontend::RunConditions conditions;
    RenderRequest render;
};

std::vector<std::string> TableRow(const Planned& p, const std::string& hvl_al, const Figures& f) {
    std::vector<std::string> row = {p.c.name + std::string(frontend::kResultExtension)};
    for (const Option& s : p.c.settings) row.push_back(s.value);
    const auto fixed = [](const std::optional<double>& v, const char* pattern) {
        return FigureText(v, pattern, "");
    };
    for (const std::string& field :
         {hvl_al, fixed(f.spr_center, "0.0000"), fixed(f.contrast_bone, "0.0000"),
          fixed(f.contrast_bone_primary, "0.0000"), fixed(f.contrast_lung, "0.0000"),
          fixed(f.contrast_lung_primary, "0.0000"), fixed(f.mean_energy_incident_kev, "0.00"),
          fixed(f.mean_energy_exit_kev, "0.00"), fixed(f.primary_center_kev, "0.0"),
          fixed(f.scatter_center_kev, "0.0")})
        row.push_back(field);
    return row;
}

std::vector<std::string> TableHeader(const ExerciseRequest& r) {
    std::vector<std::string> header = {"result"};
    for (const Sweep& s : r.sweeps) header.push_back(s.key);
    for (const char* field : {"hvl_al_mm", "spr_center", "contrast_bone", "contrast_bone_primary",
                              "contrast_lung", "contrast_lung_primary", "mean_energy_incident_kev",
                              "mean_energy_exit_kev", "primary_center_kev", "scatter_center_kev"})
        header.push_back(field);
    return header;
}

// Every case is checked before the first one runs, so a mistake does not show after an hour of runs.
std::vector<Planned> Plan(const ExerciseRequest& r) {
    std::vector<Planned> planned;
    for (const Case& c : Cases(r)) {
        Planned p{c, AsArguments(WithSettings(r.spectrum, c, IsSpectrumOption)), {}, {}};
        std::vector<Option> run = WithSettings(r.run, c, IsRunOption);
        run.push_back({"--name", c.name});
        p.conditions = ParseRunConditions(run, 1e6);
        const std::string result = c.name + std::string(frontend::kResultExtension);
        p.render = ParseRenderRequest({result}, r.render);
        planned.push_back(p);
    }
    return planned;
}

}  // namespace

int RunExerciseCommand(const std::vector<std::string>& args, PictureSession& pictures, std::ostream& out,
                       std::ostream& err) {
    if (AsksForHelp(args)) {
        PrintExerciseHelp(out);
        return 0;
    }
    ExerciseRequest request;
    std::vector<Planned> planned;
    try {
        request = ParseRequest(args);
        planned = Plan(request);
    } catch (const UsageError& e) {
        err << "shadowbench-batch exercise: " << e.what() << "\nusage: shadowbench-batch " << kExerciseUsage
            << "\n";
        return kUsageStatus;
    }

    std::vector<std::vector<std::string>> rows;
    for (std::size_t n = 0; n < planned.size(); ++n) {
        const Planned& p = planned[n];
        if (!request.sweeps.empty())
            out << "case: " << p.c.name << " (" << n + 1 << " of " << planned.size() << ")\n";
        std::ostringstream spectrum;
        const int spectrum_status = RunSpectrumCommand(p.spectrum_args, spectrum, err);
        out << spectrum.str();
        if (spectrum_status != 0) return spectrum_status;
        if (const int status = WriteConditionsAndRunEngine(p.conditions, out, err); status != 0)
            return status;
        try {
            const Figures figures = Render(p.render, pictures, out, err);
            rows.push_back(TableRow(p, Value(spectrum.str(), "hvl_al_mm"), figures));
        } catch (const std::exception& e) {
            err << "shadowbench-batch exercise: " << e.what() << "\n";
            return 1;
        }
    }
    if (request.sweeps.empty()) return 0;

    const std::filesystem::path table = request.table.empty()
                                            ? planned.front().render.out_dir / (request.name + "_sweep.csv")
                                            : request.table;
    try {
        WriteCsv(table, TableHeader(request), rows);
    } catch (const platform::OutputError& e) {
        err << "shadowbench-batch exercise: " << e.what() << "\n";
        return 1;
    }
    out << "table: " << table.string() << "\n";
    return 0;
}

}  // namespace batch
