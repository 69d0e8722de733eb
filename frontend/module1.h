#pragma once

#include <string_view>

#include "frontend/image_scale.h"
#include "frontend/result_data.h"
#include "platform/launch.h"

class QWidget;

namespace frontend {

// The programs the front-end starts, by name; each is looked up as platform::find_program says.
inline constexpr std::string_view kSpectrumGenerator = "tubegen";
inline constexpr std::string_view kEngineWithoutGrid = "voxtrace_nogrid";
inline constexpr std::string_view kEngineWithGrid = "voxtrace_grid";

// The state that the front-end's windows share for the life of the program. It holds the result viewer's
// image arrays (about 1.3 MB), so the program makes one on the heap.
struct Module1 {
    // The phantom settings' "OK" sets these; until then they hold 0, and nothing reads them, as the
    // run-start button stays disabled.
    int PhantomType = 0;          // 1 uniform water, 2 water with a bone rod and lungs, 3 simple chest
    double PhantomThickness = 0;  // cm: as typed for phantom 1 (at least 1), 20 for phantoms 2 and 3
    double FieldSize = 0;         // cm, side of the square field: 10, 20 or 34 (phantom 1), 34 (2), 36 (3)
    int GridFlag = 0;             // 0 no grid, 1 a grid in front of the detector

    // The result file of the viewer's last "OK", kept until the next one; entries with an index 0 are never
    // filled and stay 0.
    // (k, i, j): k = 1 primary, 2 scattered, 3 their sum; i column, j row. Tallies in keV, then grey levels.
    ImageArray ImageData{};
    // (s, n): s = 0 incident, 1 primary, 2 scattered, 3 primary + scattered; photons in bin n.
    SpectrumArray SpectrumData{};
    // (0, n) incident and (1, n) primary + scattered, both over the largest incident value.
    IncidentPlotArray IncidentPlot{};
    // (0, n) primary + scattered, (1, n) primary, (2, n) scattered, over the largest primary + scattered.
    ExitPlotArray ExitPlot{};
};

// Starts a program of the system by its name, without waiting for it. One that cannot be found or
// started gives a warning box naming it, over `parent`; returns whether it started.
bool StartProgram(QWidget* parent, std::string_view program, platform::ProgramKind kind);

}  // namespace frontend
