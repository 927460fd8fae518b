// The viewer's tools beyond the demo: pause and slow motion, reset, thrown
// balls, the grab, the debug view, the statistics overlay and the stress
// scene's boxes.
#pragma once

#include "play/frame_stats.h"
#include "play/grab.h"
#include "play/sim_clock.h"
#include "play/spawned_bodies.h"
#include "play/start_states.h"
#include "play/step_budget.h"
#include "play/stress_boxes.h"
#include "play/thrown_balls.h"

struct PlayTools {
    SimClock clock;
    StepBudget budget;
    StartStates start;
    ThrownBalls balls;
    Grab grab;
    FrameStats stats;
    StressBoxes stress;
    SpawnedBodies spawned;
    FrameSeries frameMs, physicsMs;  // the panel's plots
    int debugParts = 0;              // NewtonDebugPart bits drawn; F4 turns all on or off
    bool statsView = false;          // F6
    bool panelShown = false;         // Tab
    bool drawMinimised = false;      // a run that saves its last frame draws every frame
};

// The scene's tools; defined in app/main.cpp.
extern PlayTools tools;
