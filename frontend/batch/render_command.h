#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "options.h"
#include "pictures.h"

namespace batch {

// `render NAME.data [--out DIR] [--row R]`: reads a result file as the result viewer's "OK" does, writes
// the viewer's and the spectra view's pictures (PNG) and their numbers (CSV) into DIR (default: the current
// directory), and prints the figures and the written files as `key: value` lines. Returns 0, 1 when the
// file cannot be read or a file not written, 2 for a malformed command line.
int RunRenderCommand(const std::vector<std::string>& args, PictureSession& pictures, std::ostream& out,
                     std::ostream& err);

extern const char* const kRenderUsage;
void PrintRenderHelp(std::ostream& out);

bool IsRenderOption(const std::string& name);

struct RenderRequest {
    std::filesystem::path result;
    std::filesystem::path out_dir;  // empty: the current directory
    int row = 100;
};
RenderRequest ParseRenderRequest(const std::vector<std::string>& positionals,
                                 const std::vector<Option>& options);

// The figures of one result, for the summary table of a sweep; a figure that cannot be formed is nothing.
struct Figures {
    double primary_center_kev = 0;
    double scatter_center_kev = 0;
    std::optional<double> spr_center;
    std::optional<double> mean_energy_incident_kev;
    std::optional<double> mean_energy_exit_kev;
    std::optional<double> contrast_bone, contrast_bone_primary;
    std::optional<double> contrast_lung, contrast_lung_primary;
};

// Does the work of `render` for a parsed request; throws platform::InputError for a result file that cannot
// be read and platform::OutputError or std::runtime_error for a file that cannot be written.
Figures Render(const RenderRequest& request, PictureSession& pictures, std::ostream& out, std::ostream& err);

// A figure as printed and tabulated: a fixed number of decimals, "n/a" in print and empty in a table for
// nothing.
std::string FigureText(const std::optional<double>& value, const char* pattern, const char* missing);

}  // namespace batch
