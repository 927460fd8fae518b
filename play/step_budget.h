// The physics' share of a live frame: a heavy scene falls behind real time
// rather than slowing every frame down further, each slow frame asking for
// more steps to catch up.
#pragma once

// Half a frame at 20 frames a second: with one step at the least, the
// physics alone never holds the frame rate under about 10 a second.
constexpr double kStepBudgetMs = 25;

// Whether a frame whose physics took `taken` steps in elapsedMs takes another:
// always a first; then while one more, at the mean cost of those taken, still
// ends within kStepBudgetMs.
bool AnotherStepFits(int taken, double elapsedMs);
