#include "tubegen/compute_spectrum.h"

#include <cmath>

#include "tubegen/exposure_conditions.h"
#include "tubegen/filtration.h"
#include "tubegen/half_value_layer.h"
#include "tubegen/hvl_matching.h"
#include "tubegen/spectrum_error.h"
#include "tubegen/spectrum_file.h"
#include "tubegen/tucker_spectrum.h"

namespace tubegen {
namespace {

// The weights are N/Total: a spectrum without photons, or one that overflowed, has none.
void RequireWeights(const SpectrumSummary& summary) {
    if (!std::isfinite(summary.Total))
        throw SpectrumError("スペクトルが桁あふれしました。ろ過の厚さを確かめて下さい。");
    if (!(summary.Total > 0))
        throw SpectrumError("スペクトルの光子数がすべて 0 です。フィルタが厚すぎます。");
}

SpectrumFileHeader HeaderOf(const SpectrumBoxes& boxes, const ExposureConditions& c) {
    SpectrumFileHeader h;
    h.RectType = boxes.RectType();
    h.tube_voltage_text = boxes.Text(Box::Text1);
    h.theta_deg = c.theta_deg;
    h.inherent_text = boxes.Text(Box::Text2);
    h.aluminium_text = boxes.Text(Box::Text3);
    h.copper_text = boxes.Text(Box::Text4);
    return h;
}

}  // namespace

SpectrumResult ComputeSpectrum(SpectrumBoxes& boxes, const AttenuationTable& table,
                               const ArbitraryFilters& filters, const std::filesystem::path& spectrum_file) {
    const ExposureConditions c = ReadExposureConditions(boxes);
    const BinArray U = UnfilteredSpectrum(c.V, c.theta_deg, boxes.RectType(), table.MuW);
    SpectrumResult r;
    r.V = c.V;
    r.N = FilterSpectrum(U, c.V, c.filtration, filters, table);
    r.summary = SummarizeSpectrum(r.N, c.V);
    RequireWeights(r.summary);
    r.HvlAlCm = HvlAl(r.N, c.V, table);
    r.HvlCuMm = HvlCu(r.N, c.V, table);
    WriteSpectrumFile(spectrum_file, SpectrumFileLines(HeaderOf(boxes, c), filters, r.N, r.summary));
    boxes.ProcessPendingEvents();
    boxes.SetText(Box::Text9, HvlAlText(r.HvlAlCm));
    boxes.SetText(Box::Text8, HvlCuText(r.HvlCuMm));
    return r;
}

SpectrumResult ComputeOrMatchSpectrum(SpectrumBoxes& boxes, const AttenuationTable& table,
                                      const ArbitraryFilters& filters,
                                      const std::filesystem::path& spectrum_file) {
    if (!boxes.MatchFlag()) return ComputeSpectrum(boxes, table, filters, spectrum_file);
    if (boxes.Text(Box::Text13).empty()) throw SpectrumError("実測半価層を入力して下さい");
    if (boxes.MeasuredHvlMaterial() == HvlMaterial::Aluminium)
        return MatchHvlAl(boxes, table, filters, spectrum_file);
    return MatchHvlCu(boxes, table, filters, spectrum_file);
}

}  // namespace tubegen
