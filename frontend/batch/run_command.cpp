#include "run_command.h"

#include <filesystem>
#include <ostream>
#include <set>

#include "engine_process.h"
#include "platform/input_error.h"
#include "platform/launch.h"

namespace batch {

const char* const kRunUsage =
    "run [--phantom 1|2|3] [--thickness CM] [--field 10|20|34] [--grid 0|1] [--histories N] --name NAME";

void PrintRunHelp(std::ostream& out) {
    out << "usage: shadowbench-batch " << kRunUsage << "\n\n"
        << R"(Orders a Monte Carlo run as the phantom settings and "Go" do, in the current directory, and runs
it: writes Phantom.dat, starts voxtrace_nogrid (--grid 0) or voxtrace_grid (--grid 1), answers its
two Enter prompts, shows its progress lines and ends with its exit status. The spectrum is the
B_tubegen.dat already there (shadowbench-batch spectrum writes one).

  --phantom 1|2|3    1 uniform water (default), 2 water with a bone rod and lungs, 3 simple chest
  --thickness CM     water phantom only: its thickness, at least 1 (default 20)
  --field 10|20|34   water phantom only: the side of the square field in cm (default 34); the
                     bone-lung phantom has 34, the chest phantom 36
  --grid 0|1         anti-scatter grid in front of the detector (default 0, none)
  --histories N      photon histories, kept to three significant digits (default 100000000)
  --name NAME        the result is written to NAME.data (at most 25 bytes, no path)
)";
}

namespace {

const std::set<std::string> kRunOptions = {"--phantom", "--thickness", "--field",
                                           "--grid",    "--histories", "--name"};

std::string NameProblemText(frontend::NameProblem problem) {
    switch (problem) {
        case frontend::NameProblem::Empty:
            return "--name needs a name";
        case frontend::NameProblem::BadCharacter:
            return "--name holds a character the files' code page lacks, a control character or a path "
                   "separator";
        case frontend::NameProblem::TooLong:
            return "--name is too long: with \".data\" it must fit the 30 bytes the engine reads (25 bytes, "
                   "a "
                   "Japanese character counting as 2)";
        case frontend::NameProblem::None:
            break;
    }
    return {};
}

}  // namespace

bool IsRunOption(const std::string& name) {
    return kRunOptions.count(name) > 0;
}

frontend::RunConditions ParseRunConditions(const std::vector<Option>& options, double default_histories) {
    frontend::RunConditions c;
    c.phantom_thickness = 20;
    c.field_size = 34;
    c.histories = default_histories;
    bool has_name = false;
    const Option* thickness = nullptr;
    const Option* field = nullptr;
    for (const Option& o : options) {
        if (o.name == "--phantom") {
            c.phantom_type = WholeValue(o, 1, 3);
        } else if (o.name == "--thickness") {
            c.phantom_thickness = NumberValue(o);
            if (c.phantom_thickness < 1) throw UsageError("--thickness needs a thickness of at least 1 cm");
            thickness = &o;
        } else if (o.name == "--field") {
            c.field_size = NumberValue(o);
            if (c.field_size != 10 && c.field_size != 20 && c.field_size != 34)
                throw UsageError("--field needs 10, 20 or 34");
            field = &o;
        } else if (o.name == "--grid") {
            c.grid_flag = WholeValue(o, 0, 1);
        } else if (o.name == "--histories") {
            c.histories = NumberValue(o);
            if (c.histories <= 0) throw UsageError("--histories needs a number above 0");
        } else if (o.name == "--name") {
            c.result_name = o.value;
            has_name = true;
        } else {
            throw UsageError("unknown option \"" + o.name + "\"");
        }
    }
    // The other two phantoms have a fixed size; the settings window ignores its boxes for them, but an
    // option that would be ignored is a mistake worth naming.
    if (c.phantom_type != 1) {
        for (const Option* o : {thickness, field})
            if (o) throw UsageError(o->name + " applies to the water phantom (--phantom 1) only");
        c.phantom_thickness = 20;
        c.field_size = c.phantom_type == 2 ? 34 : 36;
    }
    if (!has_name) throw UsageError("--name is needed: the result is written to NAME.data");
    if (const frontend::NameProblem p = frontend::CheckResultName(c.result_name);
        p != frontend::NameProblem::None)
        throw UsageError(NameProblemText(p));
    return c;
}

int WriteConditionsAndRunEngine(const frontend::RunConditions& conditions, std::ostream& out,
                                std::ostream& err) {
    const std::string_view engine_name = frontend::EngineProgram(conditions.grid_flag);
    const std::optional<std::filesystem::path> engine = platform::find_program(engine_name);
    if (!engine) {
        err << "shadowbench-batch run: no program " << platform::executable_file_name(engine_name)
            << " in the current directory, beside shadowbench-batch or on PATH\n";
        return 1;
    }
    try {
        frontend::WriteRunConditions(frontend::kRunConditionsFile, conditions);
    } catch (const platform::OutputError& e) {
        err << "shadowbench-batch run: " << e.what() << "\n";
        return 1;
    }
    out << "phantom_dat: " << frontend::kRunConditionsFile << "\n"
        << "engine: " << engine->string() << "\n"
        << std::flush;

    const std::string result = conditions.result_name + std::string(frontend::kResultExtension);
    // Replaced only at the end of a run, so its time tells whether this run wrote it.
    std::error_code ec;
    const auto before = std::filesystem::last_write_time(result, ec);
    const bool existed = !ec;
    int status = 0;
    try {
        status = RunAnsweringEnter(*engine, 2);
    } catch (const std::exception& e) {
        err << "shadowbench-batch run: " << e.what() << "\n";
        return 1;
    }
    if (status != 0) {
        err << "shadowbench-batch run: " << engine->filename().string() << " ended with status " << status
            << "\n";
        return status;
    }
    const auto after = std::filesystem::last_write_time(result, ec);
    if (ec || (existed && after == before)) {
        err << "shadowbench-batch run: " << engine->filename().string() << " wrote no result file " << result
            << "\n";
        return 1;
    }
    out << "result: " << result << "\n";
    return 0;
}

int RunRunCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (AsksForHelp(args)) {
        PrintRunHelp(out);
        return 0;
    }
    frontend::RunConditions conditions;
    try {
        conditions = ParseRunConditions(ParseOptions(args).options, 1e8);
    } catch (const UsageError& e) {
        err << "shadowbench-batch run: " << e.what() << "\nusage: shadowbench-batch " << kRunUsage << "\n";
        return kUsageStatus;
    }
    return WriteConditionsAndRunEngine(conditions, out, err);
}

}  // namespace batch
