// shadowbench-batch: the programs' computations without windows, one subcommand each, in the current
// directory as the windowed programs work.
#include <iostream>
#include <string>
#include <vector>

#include "exercise_command.h"
#include "pictures.h"
#include "render_command.h"
#include "run_command.h"
#include "spectrum_command.h"

namespace {

void PrintUsage(std::ostream& out) {
    out << "usage: shadowbench-batch SUBCOMMAND [OPTIONS]   (SUBCOMMAND --help tells more)\n"
        << "subcommands:\n"
        << "  " << batch::kSpectrumUsage << "\n"
        << "      the tube spectrum, as tubegen computes it: writes B_tubegen.dat\n"
        << "  " << batch::kRunUsage << "\n"
        << "      a Monte Carlo run, as \"Go\" starts it: writes Phantom.dat, runs the engine to NAME.data\n"
        << "  " << batch::kRenderUsage << "\n"
        << "      the result viewer's and the spectra view's pictures (PNG), their numbers (CSV), the "
           "figures\n"
        << "  " << batch::kExerciseUsage << "\n"
        << "      all three in a row; with --sweep one exercise per value, and a summary table\n";
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
    if (subcommand == "--help" || subcommand == "-h" || subcommand == "help") {
        PrintUsage(std::cout);
        return 0;
    }
    // Made here, so the windowing layer it may start ends with main.
    batch::PictureSession pictures;
    if (subcommand == "spectrum") return batch::RunSpectrumCommand(args, std::cout, std::cerr);
    if (subcommand == "run") return batch::RunRunCommand(args, std::cout, std::cerr);
    if (subcommand == "render") return batch::RunRenderCommand(args, pictures, std::cout, std::cerr);
    if (subcommand == "exercise") return batch::RunExerciseCommand(args, pictures, std::cout, std::cerr);
    std::cerr << "shadowbench-batch: unknown subcommand \"" << subcommand << "\"\n";
    PrintUsage(std::cerr);
    return 2;
}
