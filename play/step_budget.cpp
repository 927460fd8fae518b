#include "play/step_budget.h"

bool AnotherStepFits(int taken, double elapsedMs) {
    return taken == 0 || elapsedMs + elapsedMs / taken <= kStepBudgetMs;
}
