#include "play/sim_clock.h"

#include <algorithm>

float SimClock::physicsSeconds(float frameSeconds) {
    if (!paused) return frameSeconds / float(1 << slowdown);
    const bool step = stepPending;
    stepPending = false;
    return step ? kStepSeconds : 0.0f;
}

int SimClock::takeSteps(float frameSeconds) {
    const float seconds = physicsSeconds(frameSeconds);
    if (!(seconds > 0)) return 0;  // also NaN, which would stay in the sum
    unstepped += std::min(seconds, kNewtonMaxSteps * kNewtonStepSeconds);
    if (unstepped < kNewtonStepSeconds) return 0;
    const int whole = int(unstepped / kNewtonStepSeconds);
    unstepped -= float(whole) * kNewtonStepSeconds;
    return std::min(whole, kNewtonMaxSteps);
}

std::string SimClock::status() const {
    std::string text = paused ? "PAUSED" : "";
    if (slowdown == 0) return text;
    if (!text.empty()) text += "  ";
    return text + "speed 1/" + std::to_string(1 << slowdown) + "x";
}
