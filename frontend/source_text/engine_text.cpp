#include "frontend/source_text/engine_text.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "frontend/source_text/build_switch.h"
#include "platform/cp932.h"

namespace source_text {
namespace fs = std::filesystem;

namespace {

constexpr const char* kSwitchHeader = "build_switch.h";

std::string read_file(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Code page 932 for one line of UTF-8, a character at a time where the line as a whole has no such form.
std::string line_to_cp932(std::string_view utf8) {
    try {
        return platform::to_cp932(utf8);
    } catch (const std::invalid_argument&) {
    }
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        std::size_t n = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        n = std::min(n, utf8.size() - i);
        try {
            out += platform::to_cp932(utf8.substr(i, n));
        } catch (const std::invalid_argument&) {
            out += '?';
        }
        i += n;
    }
    return out;
}

void append_lines(std::string& out, std::string_view text) {
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        out += line_to_cp932(line);
        out += "\r\n";
        start = end + 1;
    }
}

}  // namespace

std::vector<fs::path> reading_order(std::vector<fs::path> files) {
    std::erase_if(files, [](const fs::path& f) { return f.filename() == kSwitchHeader; });
    auto rank = [](const fs::path& f) {
        // main first; then by the part's name, its header before its source.
        return std::make_tuple(f.stem() != "main", f.stem().string(), f.extension() != ".h");
    };
    std::sort(files.begin(), files.end(), [&](const fs::path& a, const fs::path& b) { return rank(a) < rank(b); });
    return files;
}

BuildText engine_source_text(const std::vector<fs::path>& files, const fs::path& root, bool grid) {
    BuildText out;
    const std::string rule(78, '=');
    bool first = true;
    for (const fs::path& file : reading_order(files)) {
        const std::string name = file.lexically_relative(root).generic_string();
        Resolved resolved = resolve_build_switch(read_file(file), grid);
        for (const std::string& u : resolved.unresolved) out.unresolved.push_back(name + ": " + u);
        if (!first) out.bytes += "\r\n";
        first = false;
        append_lines(out.bytes, "// " + rule + "\n// " + name + "\n// " + rule + "\n");
        append_lines(out.bytes, resolved.text);
    }
    return out;
}

}  // namespace source_text
