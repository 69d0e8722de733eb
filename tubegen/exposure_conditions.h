#pragma once

#include <string>

#include "tubegen/spectrum_boxes.h"

namespace tubegen {

// Filtration of one computation, all in cm (the boxes hold millimetres).
struct Filtration {
    double inherent_cm = 0;   // aluminium equivalent, Text2
    double aluminium_cm = 0;  // added aluminium, Text3
    double copper_cm = 0;     // added copper, Text4
};

struct ExposureConditions {
    double V = 0;          // peak tube voltage, kV, within 20 … 150
    double theta_deg = 0;  // target angle
    Filtration filtration;
};

// The tube voltage of a box text (its leading number, 0 without one), brought into 20 … 150 kV; when it had
// to be brought in, the text becomes "150" or "20", so the box always shows the voltage used.
double ClampTubeVoltage(std::string& text);

// Reads the boxes as every computation does first: Text1 clamped (and rewritten when clamped), Text5 the
// angle, Text2 … Text4 the filtration in mm.
ExposureConditions ReadExposureConditions(SpectrumBoxes& boxes);

// The value of a box: the leading number of its text.
double BoxValue(const SpectrumBoxes& boxes, Box box);

}  // namespace tubegen
