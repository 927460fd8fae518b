// The physics' share of a live frame: a heavy scene falls behind real time
// rather than slowing every frame down further, each slow frame asking for
// more steps to catch up.
#pragma once

class StepBudget {
public:
    // Half a frame at 20 frames a second: the physics alone never holds the
    // frame rate under about 10 a second (unless one step takes longer).
    static constexpr double kBudgetMs = 25;

    // Whether a frame whose physics took `taken` steps in elapsedMs takes
    // another: always a first; then while one more, at the cost the steps of
    // the frames before had, still ends within kBudgetMs. Always while off.
    bool allows(int taken, double elapsedMs) const;
    // A frame's steps and their milliseconds, for the cost of a step.
    void measured(int steps, double ms);

    bool on = true;  // off, every step due is taken: on a fixed clock, and in a replay

private:
    // Smoothed over frames, so that a frame the system held up costs little;
    // 0 until measured, when the budget alone bounds the frame.
    double msPerStep = 0;
};
