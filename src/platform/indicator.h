#pragma once
// The activity LED of the status bar.

namespace dorvik {

enum class LedColour { Green, Yellow, Grey };

class Indicator {
public:
    virtual ~Indicator() = default;
    // Lit or dark in the given colour.
    virtual void SetLed(LedColour colour, bool lit) = 0;
};

}  // namespace dorvik
