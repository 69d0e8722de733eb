#include "render_command.h"

#include <ostream>

#include "figures.h"
#include "frontend/image_scale.h"
#include "frontend/phantom_map.h"
#include "frontend/result_data.h"
#include "platform/input_error.h"
#include "platform/number_pattern.h"
#include "tables.h"

namespace batch {

const char* const kRenderUsage = "render NAME.data [--out DIR] [--row R]";

void PrintRenderHelp(std::ostream& out) {
    out << "usage: shadowbench-batch " << kRenderUsage << "\n\n"
        << R"(Reads a result file as the result viewer's "OK" does, and writes into DIR (default: the current
directory; made when missing):
  NAME_images.png             the primary, scattered and summed images, as the viewer draws them
  NAME_profiles_rowR.png      the profiles of image row R (1 to 200, default 100, the middle one)
  NAME_spectra_incident.png   the spectra entering and leaving the phantom (the spectra view's left)
  NAME_spectra_exit.png       the leaving spectrum, its primary and scattered parts (its right plot)
  NAME_profiles_rowR.csv      the profile values
  NAME_spectra.csv            the spectra, bin by bin

Then prints these "key: value" lines:
  primary_center_kev, scatter_center_kev   the energy that reached the 10 x 10 pixels (2 x 2 cm)
                                           around the centre of the field
  spr_center                               their ratio, scatter to primary
  mean_energy_incident_kev                 the mean photon energy entering the phantom
  mean_energy_exit_kev                     the mean photon energy reaching the detector
  contrast_bone, contrast_lung             where the phantom holds bone or lung: (F - F_water) / F_water,
                                           F the mean fluence behind it (at least 1 cm inside its edges),
                                           F_water that of the water beside it (1 to 3 cm beyond its
                                           edges); the _primary forms take the primary image alone. The
                                           voxel map is read from the result's or the current directory.
and the names of the written files.
)";
}

namespace {

std::vector<std::vector<PathKind>> KindsOfRun(const RenderRequest& request,
                                              const std::vector<std::string>& lines, std::ostream& err) {
    const RunDescription run = DescribeRun(lines);
    if (run.phantom_type == 0) return {};
    std::filesystem::path dir = request.result.parent_path();
    if (!std::filesystem::exists(dir / frontend::PhantomMapFile(run.phantom_type))) dir = ".";
    try {
        return PathKinds(frontend::ReadPhantomMap(run.phantom_type, dir, run.thickness), run.field_size);
    } catch (const platform::InputError& e) {
        err << "shadowbench-batch render: no contrasts: " << e.what() << "\n";
        return {};
    }
}

Figures FiguresOf(const frontend::ResultTallies& tallies, const std::vector<std::vector<PathKind>>& kinds) {
    Figures f;
    const CentreSums centre = SumOverCentre(tallies);
    f.primary_center_kev = centre.primary;
    f.scatter_center_kev = centre.scatter;
    f.spr_center = centre.spr();
    f.mean_energy_incident_kev = MeanEnergy(tallies, 0);
    f.mean_energy_exit_kev = MeanEnergy(tallies, 3);
    if (!kinds.empty()) {
        f.contrast_bone = Contrast(tallies, 3, kinds, PathKind::Bone);
        f.contrast_bone_primary = Contrast(tallies, 1, kinds, PathKind::Bone);
        f.contrast_lung = Contrast(tallies, 3, kinds, PathKind::Lung);
        f.contrast_lung_primary = Contrast(tallies, 1, kinds, PathKind::Lung);
    }
    return f;
}

void PrintFigures(std::ostream& out, const Figures& f) {
    out << "primary_center_kev: " << platform::format_number(f.primary_center_kev, "0.0") << "\n"
        << "scatter_center_kev: " << platform::format_number(f.scatter_center_kev, "0.0") << "\n"
        << "spr_center: " << FigureText(f.spr_center, "0.0000", "n/a") << "\n"
        << "mean_energy_incident_kev: " << FigureText(f.mean_energy_incident_kev, "0.00", "n/a") << "\n"
        << "mean_energy_exit_kev: " << FigureText(f.mean_energy_exit_kev, "0.00", "n/a") << "\n";
    const std::pair<const char*, const std::optional<double>*> contrasts[] = {
        {"contrast_bone", &f.contrast_bone},
        {"contrast_bone_primary", &f.contrast_bone_primary},
        {"contrast_lung", &f.contrast_lung},
        {"contrast_lung_primary", &f.contrast_lung_primary},
    };
    for (const auto& [key, value] : contrasts)
        if (*value) out << key << ": " << FigureText(*value, "0.0000", "n/a") << "\n";
}

}  // namespace

std::string FigureText(const std::optional<double>& value, const char* pattern, const char* missing) {
    return value ? platform::format_number(*value, pattern) : std::string(missing);
}

bool IsRenderOption(const std::string& name) {
    return name == "--out" || name == "--row";
}

RenderRequest ParseRenderRequest(const std::vector<std::string>& positionals,
                                 const std::vector<Option>& options) {
    RenderRequest r;
    if (positionals.empty()) throw UsageError("the result file NAME.data is needed");
    r.result = positionals.front();
    for (const Option& o : options) {
        if (o.name == "--out") {
            if (o.value.empty()) throw UsageError("--out needs a directory");
            r.out_dir = o.value;
        } else if (o.name == "--row") {
            r.row = WholeValue(o, 1, frontend::kPixels);
        } else {
            throw UsageError("unknown option \"" + o.name + "\"");
        }
    }
    return r;
}

Figures Render(const RenderRequest& request, PictureSession& pictures, std::ostream& out, std::ostream& err) {
    // Read whole before anything is written, as the viewer does.
    const std::vector<std::string> description = frontend::ReadDescription(request.result);
    const std::unique_ptr<frontend::ResultTallies> tallies = frontend::ReadResultFile(request.result);
    auto scaled = std::make_unique<ScaledResult>();
    scaled->grey = tallies->image;
    frontend::ScaleImages(scaled->grey);
    frontend::ComputeSpectrumPlots(tallies->spectrum, scaled->incident, scaled->exit);
    const Figures figures = FiguresOf(*tallies, KindsOfRun(request, description, err));

    if (!request.out_dir.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(request.out_dir, ec);
        if (ec) throw platform::OutputError(request.out_dir.string(), ec.message());
    }
    const std::string stem = request.result.stem().string();
    std::vector<WrittenFile> files = {
        {"profiles_csv", request.out_dir / (stem + "_profiles_row" + std::to_string(request.row) + ".csv")},
        {"spectra_csv", request.out_dir / (stem + "_spectra.csv")},
    };
    WriteProfilesCsv(files[0].path, *tallies, *scaled, request.row);
    WriteSpectraCsv(files[1].path, *tallies, *scaled);
    for (WrittenFile& f : pictures.Draw(*scaled, request.row, request.out_dir, stem)) files.push_back(f);

    PrintFigures(out, figures);
    for (const WrittenFile& f : files) out << f.key << ": " << f.path.string() << "\n";
    if (!PictureSession::Available()) out << "pictures: none (built without the windowed programs)\n";
    return figures;
}

int RunRenderCommand(const std::vector<std::string>& args, PictureSession& pictures, std::ostream& out,
                     std::ostream& err) {
    if (AsksForHelp(args)) {
        PrintRenderHelp(out);
        return 0;
    }
    RenderRequest request;
    try {
        const ParsedArguments parsed = ParseOptions(args, 1);
        request = ParseRenderRequest(parsed.positionals, parsed.options);
    } catch (const UsageError& e) {
        err << "shadowbench-batch render: " << e.what() << "\nusage: shadowbench-batch " << kRenderUsage
            << "\n";
        return kUsageStatus;
    }
    try {
        Render(request, pictures, out, err);
        return 0;
    } catch (const std::exception& e) {
        err << "shadowbench-batch render: " << e.what() << "\n";
        return 1;
    }
}

}  // namespace batch
