#include "tubegen/exposure_conditions.h"

#include "platform/number_input.h"

namespace tubegen {

double ClampTubeVoltage(std::string& text) {
    double V = platform::leading_number(text);
    if (V > 150) {
        V = 150;
        text = "150";
    } else if (V < 20) {
        V = 20;
        text = "20";
    }
    return V;
}

double BoxValue(const SpectrumBoxes& boxes, Box box) {
    return platform::leading_number(boxes.Text(box));
}

ExposureConditions ReadExposureConditions(SpectrumBoxes& boxes) {
    ExposureConditions c;
    std::string voltage = boxes.Text(Box::Text1);
    c.V = ClampTubeVoltage(voltage);
    if (voltage != boxes.Text(Box::Text1)) boxes.SetText(Box::Text1, voltage);
    c.theta_deg = BoxValue(boxes, Box::Text5);
    c.filtration.inherent_cm = BoxValue(boxes, Box::Text2) * 0.1;
    c.filtration.aluminium_cm = BoxValue(boxes, Box::Text3) * 0.1;
    c.filtration.copper_cm = BoxValue(boxes, Box::Text4) * 0.1;
    return c;
}

}  // namespace tubegen
