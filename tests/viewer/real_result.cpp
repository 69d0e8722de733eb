#include "real_result.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "frontend/run_conditions.h"

namespace viewer_test {
namespace fs = std::filesystem;

namespace {

std::string Quoted(const fs::path& path) {
    std::string out = "'";
    for (char c : path.string()) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

}  // namespace

fs::path MakeRealResult(const fs::path& run_dir, const fs::path& work, const RealRun& run) {
    fs::create_directories(work);
    for (const auto& entry : fs::directory_iterator(run_dir)) {
        const std::string name = entry.path().filename().string();
        const std::string ext = entry.path().extension().string();
        if (ext == ".mix" || ext == ".ele" || ext == ".xfs" || name.rfind("Phantom_", 0) == 0 ||
            name == "Mus-shadowbench.dat")
            fs::copy_file(entry.path(), work / name, fs::copy_options::overwrite_existing);
    }

    frontend::RunConditions conditions;
    conditions.phantom_type = run.phantom_type;
    conditions.phantom_thickness = run.thickness;
    conditions.field_size = run.field_size;
    conditions.grid_flag = 0;
    conditions.histories = run.histories;
    conditions.result_name = run.name;
    frontend::WriteRunConditions(work / frontend::kRunConditionsFile, conditions);

    const std::string command = "cd " + Quoted(work) + " && " + Quoted(run_dir / "shadowbench-batch") +
                                " spectrum > spectrum.txt 2>&1 && printf '\\n\\n' | " +
                                Quoted(run_dir / "voxtrace_nogrid") + " > console.txt 2>&1";
    const int status = std::system(command.c_str());
    const fs::path result = work / (run.name + ".data");
    if (status != 0 || !fs::exists(result)) {
        std::ifstream console(work / "console.txt");
        std::ostringstream text;
        text << console.rdbuf();
        throw std::runtime_error("the engine run gave no result file:\n" + text.str());
    }
    return result;
}

}  // namespace viewer_test
