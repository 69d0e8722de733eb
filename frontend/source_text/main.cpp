// engine_source_text: writes the engine's source text as one build compiles it, for the front-end's source
// viewer. Usage:
//   engine_source_text grid|nogrid OUTPUT ROOT FILE...   one text file (code page 932, CR LF)
//   engine_source_text grid|nogrid --split DIR ROOT FILE... each resolved file under DIR, as it is named
//                                                           relative to ROOT (UTF-8, for compiling)
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "frontend/source_text/build_switch.h"
#include "frontend/source_text/engine_text.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const bool split = args.size() >= 2 && args[1] == "--split";
    if (split) args.erase(args.begin() + 1);
    if (args.size() < 4 || (args[0] != "grid" && args[0] != "nogrid")) {
        std::cerr << "usage: engine_source_text grid|nogrid [--split] OUTPUT ROOT FILE...\n";
        return 2;
    }
    const bool grid = args[0] == "grid";
    const fs::path output = args[1];
    const fs::path root = args[2];
    const std::vector<fs::path> files(args.begin() + 3, args.end());
    try {
        if (split) {
            bool clean = true;
            for (const fs::path& file : source_text::reading_order(files)) {
                std::ifstream in(file, std::ios::binary);
                std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
                source_text::Resolved r = source_text::resolve_build_switch(text, grid);
                for (const std::string& u : r.unresolved) std::cerr << file.string() << ": " << u << "\n";
                clean &= r.unresolved.empty();
                const fs::path target = output / file.lexically_relative(root);
                fs::create_directories(target.parent_path());
                std::ofstream(target, std::ios::binary) << r.text;
            }
            return clean ? 0 : 1;
        }
        source_text::BuildText text = source_text::engine_source_text(files, root, grid);
        // Known forms only are resolved; anything else is written with the switch's value and named here,
        // so the build shows it without failing.
        for (const std::string& u : text.unresolved)
            std::cerr << "engine_source_text: warning: switch left as its value in " << u << "\n";
        const fs::path temp = output.string() + ".tmp";
        {
            std::ofstream out(temp, std::ios::binary | std::ios::trunc);
            out << text.bytes;
            if (!out.flush()) throw std::runtime_error("cannot write " + temp.string());
        }
        fs::rename(temp, output);
    } catch (const std::exception& e) {
        std::cerr << "engine_source_text: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
