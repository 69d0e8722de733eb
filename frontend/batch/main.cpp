#include <iostream>
#include <string>
#include <vector>

#include "spectrum_command.h"

namespace {

void PrintUsage(std::ostream& err) {
    err << "usage: shadowbench-batch SUBCOMMAND [OPTIONS]\n"
        << "subcommands:\n"
        << "  " << batch::kSpectrumUsage << "\n";
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        PrintUsage(std::cerr);
        return 2;
    }
    const std::string subcommand = args.front();
    args.erase(args.begin());
    if (subcommand == "spectrum") return batch::RunSpectrumCommand(args, std::cout, std::cerr);
    std::cerr << "shadowbench-batch: unknown subcommand \"" << subcommand << "\"\n";
    PrintUsage(std::cerr);
    return 2;
}
