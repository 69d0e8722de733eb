#pragma once

#include "tubegen/arbitrary_filters.h"
#include "tubegen/attenuation_table.h"
#include "tubegen/energy_grid.h"

namespace tubegen {

// The state that the spectrum window and the filter picker share for the life of the program.
struct Module1 {
    AttenuationTable table;  // MuW, MuAl, MuCu, MuenAir, loaded when the spectrum window opens
    ArbitraryFilters filters;

    int RectType = 1;        // 1 constant potential, 2 three-phase 12-pulse, 3 single-phase full-wave
    int DisplayMode = 1;     // 1 photon number, 2 exposure, 3 energy
    int ColorIndex = 12;     // palette number of the curve drawn last
    double SpectrumMax = 0;  // scale of the plot; 0 while no curve is drawn
    int ReferenceState = 0;  // 0 none, 1 the next curve becomes the reference, 2 a reference is held
    double ReferenceMax = 0;
    int MatchFlag = 0;    // 1 while "実測HVLに合致させる" is ticked
    int CursorOn = 0;     // 1 while the read-out cursor is shown
    int CursorBin = 1;    // bin under the read-out cursor, 1 … 300
    BinArray Spectrum{};  // the curve drawn last: photon numbers, or their exposure or energy form
    BinArray N{};         // the photon-number spectrum of the last computation
};

}  // namespace tubegen
