#include "characteristics/TrafficLightColours.h"

namespace korvex {

TrafficLightColours dimmedTrafficLights() {
    return {.green = {0, 64, 0}, .yellow = {64, 64, 0}, .red = {64, 0, 0}};
}

TrafficLightColours trafficLightsAfter(const EvaluationSummary& summary) {
    TrafficLightColours colours = dimmedTrafficLights();
    switch (summary.light) {
        case TrafficLight::Green:
            colours.green = kLitGreen;
            break;
        case TrafficLight::Yellow:
            colours.yellow = kLitYellow;
            break;
        case TrafficLight::Red:
            colours.red = kLitRed;
            break;
    }
    return colours;
}

}  // namespace korvex
