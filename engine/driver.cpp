#include "engine/driver.h"

#include <climits>
#include <cmath>
#include <ostream>
#include <string>

#include "engine/build_switch.h"
#include "engine/materials.h"
#include "engine/phantom.h"
#include "engine/photon.h"
#include "engine/result_file.h"
#include "engine/rng.h"
#include "engine/spectrum_file.h"
#include "engine/tallies.h"
#include "engine/tracking.h"
#include "platform/console.h"
#include "platform/cp932.h"
#include "platform/fixed_format.h"
#include "platform/input_error.h"

namespace engine::driver {
namespace {

using platform::format_int;

constexpr int first_bin = 10;  // 5.0 keV; lower bins are never run

// A console record: the carriage-control blank, then the text.
std::string record(const char* utf8) { return " " + platform::to_cp932(utf8); }

void write_banner(platform::Console& console) {
    static const char* const lines[] = {
        "",
        "      ******    モンテカルロシミュレーション    ******",
        "",
        "         ３種類のファントムにＸ線束が入射した時",
        "      ファントムの反対側に射出する被写体コントラスト",
        "           および，射出Ｘ線スペクトルを求める",
        "              （ボクセル分割処理法による）",
        "",
        "            シミュレーションが終了するまで",
        "      このウィンドウ上での操作は行なわないで下さい",
        "",
        "        ---  Enter キーを押すとスタートします ---",
    };
    for (const char* line : lines) console.write_record(record(line));
}

void write_time(platform::Console& console, const char* label, const platform::ClockTime& t) {
    console.write_record(record(label) + format_int(t.hour, 2) + ":" + format_int(t.minute, 2) + ":" +
                         format_int(t.second, 2));
}

void write_progress(platform::Console& console, int bin, int top) {
    static const std::string tail = platform::to_cp932("  を処理中");
    console.write_record("  * " + format_int(bin, 3) + " / " + format_int(top, 3) + tail);
}

// Refuses a number of histories whose photons in some bin would not fit the 32-bit photon count.
void check_photon_counts() {
    const int last = std::min<int>(spectrum::top_bin, spectrum::bin_count);
    for (int k = first_bin; k <= last; ++k) {
        double product = static_cast<double>(spectrum::spectrum_weight[k]) * phantom::total_histories;
        if (product >= 2147483648.0)
            throw platform::InputError("Phantom.dat", 5,
                                       "a number of histories whose photons per bin fit a 32-bit count (bin " +
                                           std::to_string(k) + " would run " + std::to_string(product) + ")");
    }
}

}  // namespace

int bin_photons_for(float weight, float total) {
    double product = static_cast<double>(weight) * static_cast<double>(total);
    return product > 0 ? static_cast<int>(product) : 0;
}

void set_up() {
    rng::initialise_rng();
    materials::load_materials();
    spectrum::load_spectrum();
    phantom::load_run_conditions();
    phantom::load_phantom();
    check_photon_counts();
    tallies::clear_tallies();
}

void run_bins(platform::Console& console) {
    using spectrum::top_bin;
    const int last = std::min<int>(top_bin, spectrum::bin_count);
    for (int k = first_bin; k <= last; ++k) {
        float weight = spectrum::spectrum_weight[k];
        tallies::spectrum_tally[3][k] = weight * phantom::total_histories;
        int bin_photons = bin_photons_for(weight, phantom::total_histories);
        if (bin_photons <= 0) continue;
        float bin_energy = 0.5f * static_cast<float>(k);
        write_progress(console, k, top_bin);
        for (int p = 0; p < bin_photons; ++p) {
            photon::photon_energy = bin_energy;
            tracking::run_history();
        }
    }
}

int run_engine(platform::Console& console, std::ostream& errors) {
    try {
        set_up();
    } catch (const platform::InputError& e) {
        errors << "Input error: " << e.what() << "\nThe run has stopped before it began; no result file was written.\n";
        return 1;
    }

    write_banner(console);
    console.wait_for_enter();

    console.write_record(record(""));
    console.write_record(record(""));
    console.write_record(record(" <<< Monte Carlo Simulation >>>"));
    const platform::ClockTime start_time = platform::local_clock_time();
    write_time(console, " 開始時刻 =", start_time);
    console.write_record(record(grid_build ? "    ***  Wait long long time  ***" : ""));

    run_bins(console);

    write_time(console, " 開始時刻 =", start_time);
    if constexpr (!grid_build) console.write_record(record(""));
    const platform::ClockTime end_time = platform::local_clock_time();
    write_time(console, " 終了時刻 =", end_time);

    try {
        result_file::write_result_file(console);
    } catch (const platform::OutputError& e) {
        errors << "Output error: " << e.what() << "\n";
        return 1;
    }

    console.write_record(record(""));
    console.write_record(record("  ---   シミュレーションが終了しました  ---"));
    console.write_record(record("  ---      Enter キーを押して下さい     ---"));
    console.wait_for_enter();
    console.write_record(record("Stop - Program terminated."));
    return 0;
}

}  // namespace engine::driver
