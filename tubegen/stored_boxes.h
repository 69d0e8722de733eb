#pragma once

#include <map>

#include "tubegen/spectrum_boxes.h"

namespace tubegen {

// Boxes held in memory, starting with the window's start values: 100 kV, 12 degrees, 2.5 mm inherent,
// no added filters, constant potential, no matching, aluminium as the measured material.
class StoredBoxes : public SpectrumBoxes {
  public:
    std::string Text(Box box) const override;
    void SetText(Box box, const std::string& text) override { texts_[box] = text; }

    int RectType() const override { return rect_type; }
    bool MatchFlag() const override { return match_flag; }
    HvlMaterial MeasuredHvlMaterial() const override { return measured_material; }
    void ProcessPendingEvents() override {}

    int rect_type = 1;
    bool match_flag = false;
    HvlMaterial measured_material = HvlMaterial::Aluminium;

  private:
    std::map<Box, std::string> texts_ = {
        {Box::Text1, "100"}, {Box::Text2, "2.5"}, {Box::Text3, "0"}, {Box::Text4, "0"}, {Box::Text5, "12"},
    };
};

}  // namespace tubegen
