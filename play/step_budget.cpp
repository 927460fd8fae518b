#include "play/step_budget.h"

namespace {
constexpr double kNewWeight = 0.25;  // of a frame's cost in the smoothed one
}

bool StepBudget::allows(int taken, double elapsedMs) const {
    return !on || taken == 0 || elapsedMs + msPerStep <= kBudgetMs;
}

void StepBudget::measured(int steps, double ms) {
    if (steps <= 0) return;
    const double cost = ms / steps;
    msPerStep = msPerStep > 0 ? msPerStep + kNewWeight * (cost - msPerStep) : cost;
}
