#include "play/sim_clock.h"

float SimClock::physicsSeconds(float frameSeconds) {
    if (!paused) return frameSeconds / float(1 << slowdown);
    const bool step = stepPending;
    stepPending = false;
    return step ? kStepSeconds : 0.0f;
}

std::string SimClock::status() const {
    std::string text = paused ? "PAUSED" : "";
    if (slowdown == 0) return text;
    if (!text.empty()) text += "  ";
    return text + "speed 1/" + std::to_string(1 << slowdown) + "x";
}
