#pragma once

#include <string>

namespace tubegen {

// The spectrum window's text boxes that the computation reads and writes.
enum class Box {
    Text1,   // peak tube voltage, kV
    Text2,   // inherent filtration, mm aluminium equivalent
    Text3,   // added aluminium, mm
    Text4,   // added copper, mm
    Text5,   // target angle, degrees
    Text8,   // shown: half-value layer in copper, mm
    Text9,   // shown: half-value layer in aluminium, mm
    Text13,  // measured half-value layer, mm
};

enum class HvlMaterial { Aluminium, Copper };

// What the computation needs of the spectrum window: its boxes (texts in UTF-8) and option states. The
// window binds it to its controls; the batch tool and the tests hold the texts in memory.
class SpectrumBoxes {
  public:
    virtual ~SpectrumBoxes() = default;

    virtual std::string Text(Box box) const = 0;
    virtual void SetText(Box box, const std::string& text) = 0;

    virtual int RectType() const = 0;                     // 1, 2 or 3, from the rectification options
    virtual bool MatchFlag() const = 0;                   // "実測HVLに合致させる" ticked
    virtual HvlMaterial MeasuredHvlMaterial() const = 0;  // "アルミ" or "銅" under "実測半価層"

    // Lets the window repaint and dispatch waiting events in the middle of a computation.
    virtual void ProcessPendingEvents() = 0;
};

}  // namespace tubegen
