// The spectrum window's two slow actions: one whole computation in the heaviest waveform, and a matching of
// the measured aluminium HVL that moves the inherent filtration by 5 mm (50 steps). Both read the shipped
// attenuation data and write the spectrum file into a scratch directory.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "tubegen/compute_spectrum.h"
#include "tubegen/hvl_matching.h"
#include "tubegen/spectrum_file.h"
#include "tubegen/stored_boxes.h"
#include "tubegen/tucker_spectrum.h"

namespace {

const tubegen::AttenuationTable& Table() {
    static const tubegen::AttenuationTable table = tubegen::LoadAttenuationTable(
        std::filesystem::path(SHADOWBENCH_DATA) / tubegen::kAttenuationFileName);
    return table;
}

// The spectrum file in a scratch directory that is removed when the benchmark ends.
class ScratchSpectrumFile {
  public:
    ScratchSpectrumFile() {
        std::string dir = (std::filesystem::temp_directory_path() / "tubegen_benchmark_XXXXXX").string();
        if (!mkdtemp(dir.data())) throw std::runtime_error("cannot create a scratch directory");
        dir_ = dir;
    }
    ~ScratchSpectrumFile() {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    std::filesystem::path path() const { return dir_ / tubegen::kSpectrumFileName; }

  private:
    std::filesystem::path dir_;
};

std::filesystem::path SpectrumFile() {
    static const ScratchSpectrumFile file;
    return file.path();
}

void ComputeSpectrumSinglePhase150kV(benchmark::State& state) {
    tubegen::StoredBoxes boxes;
    boxes.rect_type = tubegen::kSinglePhase;
    boxes.SetText(tubegen::Box::Text1, "150");
    const tubegen::ArbitraryFilters none;
    for (auto _ : state)
        benchmark::DoNotOptimize(tubegen::ComputeSpectrum(boxes, Table(), none, SpectrumFile()));
}
BENCHMARK(ComputeSpectrumSinglePhase150kV)->Unit(benchmark::kMillisecond);

// Arguments: rectification type and tube voltage (the window's start, and the heaviest waveform).
void MatchHvlAlMoving5mm(benchmark::State& state) {
    const tubegen::ArbitraryFilters none;
    tubegen::StoredBoxes target;
    target.rect_type = static_cast<int>(state.range(0));
    target.SetText(tubegen::Box::Text1, std::to_string(state.range(1)));
    tubegen::StoredBoxes boxes = target;
    target.SetText(tubegen::Box::Text2, "7.5");
    char measured[32];
    std::snprintf(measured, sizeof measured, "%.6f",
                  10 * tubegen::ComputeSpectrum(target, Table(), none, SpectrumFile()).HvlAlCm);
    boxes.SetText(tubegen::Box::Text13, measured);
    for (auto _ : state) {
        boxes.SetText(tubegen::Box::Text2, "2.5");
        benchmark::DoNotOptimize(tubegen::MatchHvlAl(boxes, Table(), none, SpectrumFile()));
    }
    state.SetLabel("Text2 2.5 -> " + boxes.Text(tubegen::Box::Text2) + " mm");
}
BENCHMARK(MatchHvlAlMoving5mm)
    ->ArgNames({"rect", "kv"})
    ->Args({1, 100})
    ->Args({3, 150})
    ->Unit(benchmark::kMillisecond);

}  // namespace
