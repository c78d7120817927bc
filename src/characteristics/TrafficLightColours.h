#pragma once

#include "characteristics/ToleranceEvaluation.h"

namespace korvex {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The lit colours of the evaluation states, shared by the lamps and the value grid.
inline constexpr Rgb kLitGreen{0, 255, 0};
inline constexpr Rgb kLitYellow{255, 255, 0};
inline constexpr Rgb kLitRed{255, 0, 0};

// The colours of the three lamps beside the result counts.
struct TrafficLightColours {
    Rgb green;
    Rgb yellow;
    Rgb red;

    friend bool operator==(const TrafficLightColours&, const TrafficLightColours&) = default;
};

// Every lamp dimmed in its own hue, as a walk or a capture starts.
TrafficLightColours dimmedTrafficLights();

// The dimmed lamps with the one that the evaluation chose lit.
TrafficLightColours trafficLightsAfter(const EvaluationSummary& summary);

}  // namespace korvex
