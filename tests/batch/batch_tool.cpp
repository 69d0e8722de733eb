#include "batch_tool.h"

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>

#include "platform/cp932.h"
#include "result_file_writer.h"
#include "scratch.h"

namespace batch_test {
namespace fs = std::filesystem;

namespace {

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

}  // namespace

Outcome RunBatch(const fs::path& dir, const std::vector<std::string>& args, const std::string& path) {
    const frontend_test::ScratchDir streams;
    std::string command = "cd " + Quoted(dir.string()) +
                          " && PATH=" + Quoted(path.empty() ? "/usr/local/bin:/usr/bin:/bin" : path) + " " +
                          Quoted(SHADOWBENCH_BATCH);
    for (const std::string& arg : args) command += " " + Quoted(arg);
    command += " >" + Quoted((streams / "out").string()) + " 2>" + Quoted((streams / "err").string());
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, frontend_test::read_bytes(streams / "out"),
            frontend_test::read_bytes(streams / "err")};
}

std::string Value(const std::string& out, const std::string& key) {
    const std::string start = key + ": ";
    std::size_t at = out.rfind("\n" + start);
    if (at != std::string::npos)
        ++at;
    else if (out.rfind(start, 0) == 0)
        at = 0;
    else
        return "(missing)";
    at += start.size();
    return out.substr(at, out.find('\n', at) - at);
}

void CopyRunData(const fs::path& dir, bool engines) {
    const fs::path run = SHADOWBENCH_RUN_DIR;
    for (const auto& entry : fs::directory_iterator(run)) {
        const std::string name = entry.path().filename().string();
        const std::string ext = entry.path().extension().string();
        const bool engine = engines && (name == "voxtrace_nogrid" || name == "voxtrace_grid");
        if (ext == ".mix" || ext == ".ele" || ext == ".xfs" || name.rfind("Phantom_", 0) == 0 ||
            name == "Mus-shadowbench.dat" || engine)
            fs::copy_file(entry.path(), dir / name, fs::copy_options::overwrite_existing);
    }
}

std::vector<std::string> FileNames(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

frontend::ResultTallies KnownTallies() {
    frontend::ResultTallies t;
    for (int i = 1; i <= frontend::kPixels; ++i)
        for (int j = 1; j <= frontend::kPixels; ++j) {
            // Pixel i covers x from 0.2·i to 0.2·(i + 1) cm.
            double primary = 50;
            if (i >= 45 && i <= 74) primary = (i >= 50 && i <= 69) ? 25 : 0;
            if (i >= 125 && i <= 154) primary = (i >= 130 && i <= 149) ? 100 : 500;
            if (i >= 90 && i <= 109) primary = 70;
            t.image[1][i][j] = primary;
            t.image[2][i][j] = 30;
        }
    for (int i = 94; i <= 105; ++i)
        for (int j = 94; j <= 105; ++j) {
            const bool ring = i == 94 || i == 105 || j == 94 || j == 105;
            t.image[1][i][j] = ring ? 1000 : 200;
            t.image[2][i][j] = ring ? 1000 : 30;
        }
    t.spectrum[0][100] = 3;
    t.spectrum[0][200] = 1;
    t.spectrum[1][60] = 2;
    t.spectrum[2][80] = 2;
    for (int n = 1; n <= frontend::kBins; ++n) t.spectrum[3][n] = t.spectrum[1][n] + t.spectrum[2][n];
    return t;
}

std::string KnownResultFile() {
    std::vector<std::string> description = viewer_test::WaterRunDescription();
    description[9] = platform::from_cp932(platform::fit_bytes("Bone-Lung Phantom", 30));
    return viewer_test::ResultFileBytes(KnownTallies(), description);
}

}  // namespace batch_test
