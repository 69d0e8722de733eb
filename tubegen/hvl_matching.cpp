#include "tubegen/hvl_matching.h"

#include <optional>

#include "platform/number_pattern.h"
#include "tubegen/exposure_conditions.h"
#include "tubegen/filtration.h"
#include "tubegen/half_value_layer.h"
#include "tubegen/spectrum_error.h"
#include "tubegen/tucker_spectrum.h"

namespace tubegen {
namespace {

constexpr double kStepCm = 0.01;
constexpr int kMaxSteps = 1000;

using HvlFunction = double (*)(const BinArray&, double, const AttenuationTable&);

// The inherent filtration (cm) at which the half-value layer equals the measured one, or nothing when the
// starting filtration already gives it exactly.
std::optional<double> MatchedInherent(const BinArray& U, const ExposureConditions& c,
                                      const ArbitraryFilters& filters, const AttenuationTable& table,
                                      HvlFunction hvl, double measured) {
    auto hvl_with = [&](double inherent_cm) {
        Filtration f = c.filtration;
        f.inherent_cm = inherent_cm;
        return hvl(FilterSpectrum(U, c.V, f, filters, table), c.V, table);
    };
    double H = hvl_with(c.filtration.inherent_cm);
    if (H == measured) return std::nullopt;
    const bool too_hard = H > measured;  // then less filtration
    double t = c.filtration.inherent_cm;
    double H_prev = H;
    for (int step = 1;; ++step) {
        if (step > kMaxSteps)
            throw SpectrumError(
                "固有ろ過を 100 mm 変えても実測半価層に合致しません。実測値を確かめて下さい。");
        t = too_hard ? t - kStepCm : t + kStepCm;
        H_prev = H;
        H = hvl_with(t);
        if (too_hard ? H <= measured : H >= measured) break;
    }
    if (too_hard) return t + kStepCm * (measured - H) / (H_prev - H);
    return (t - kStepCm) + kStepCm * (measured - H_prev) / (H - H_prev);
}

SpectrumResult MatchHvl(SpectrumBoxes& boxes, const AttenuationTable& table, const ArbitraryFilters& filters,
                        const std::filesystem::path& spectrum_file, HvlFunction hvl, double measured_scale) {
    const ExposureConditions c = ReadExposureConditions(boxes);
    const double measured = BoxValue(boxes, Box::Text13) * measured_scale;
    const BinArray U = UnfilteredSpectrum(c.V, c.theta_deg, boxes.RectType(), table.MuW);
    std::optional<double> inherent_cm = MatchedInherent(U, c, filters, table, hvl, measured);
    if (inherent_cm) boxes.SetText(Box::Text2, platform::format_number(10 * *inherent_cm, "0.000"));
    boxes.ProcessPendingEvents();
    return ComputeSpectrum(boxes, table, filters, spectrum_file);
}

}  // namespace

// The aluminium half-value layer is computed in cm, so the measured millimetres are scaled; the copper one
// is in mm already.
SpectrumResult MatchHvlAl(SpectrumBoxes& boxes, const AttenuationTable& table,
                          const ArbitraryFilters& filters, const std::filesystem::path& spectrum_file) {
    return MatchHvl(boxes, table, filters, spectrum_file, HvlAl, 0.1);
}

SpectrumResult MatchHvlCu(SpectrumBoxes& boxes, const AttenuationTable& table,
                          const ArbitraryFilters& filters, const std::filesystem::path& spectrum_file) {
    return MatchHvl(boxes, table, filters, spectrum_file, HvlCu, 1.0);
}

}  // namespace tubegen
