// Pause, single steps and slow motion: how much simulated time a frame gets,
// and how many of the physics engine's fixed steps that makes.
#pragma once

#include "platform/newton.h"

#include <string>

class SimClock {
public:
    static constexpr float kStepSeconds = 1.0f / 60.0f;  // one step while paused
    static constexpr int kSlowest = 3;                   // 1/8 of real time

    void togglePause() { paused = !paused; }
    // While paused, the next frame simulates one step; running, nothing.
    void requestStep() { stepPending = paused; }
    void slower() { slowdown = slowdown < kSlowest ? slowdown + 1 : slowdown; }
    void faster() { slowdown = slowdown > 0 ? slowdown - 1 : 0; }
    // The speed as 1 / 2^level, level kept within 0 (real time) to kSlowest.
    void setSlowdown(int level) { slowdown = level < 0 ? 0 : level > kSlowest ? kSlowest : level; }
    int slowdownLevel() const { return slowdown; }
    bool isPaused() const { return paused; }

    // Simulated seconds for a frame of frameSeconds: scaled by the speed while
    // running; while paused none, or one step when one was asked for.
    float physicsSeconds(float frameSeconds);
    // The engine's steps due for a frame of frameSeconds: its simulated time
    // (physicsSeconds) joins the time not yet stepped, and the whole steps in
    // that, at most kNewtonMaxSteps, are due and leave it. A step due that the
    // frame does not take is dropped with its time, so the time not yet stepped
    // stays under one step. Counted in floats as the engine's own NewtonUpdate
    // counts, so that a frame taking every step due steps exactly as it would.
    int stepsDue(float frameSeconds);
    // The time not yet stepped as a share of a step, 0 to below 1: how far
    // through the last step bodies are drawn, so that each frame shows the
    // motion up to its own time, one step late, and not up to the last step.
    float stepFraction() const { return unstepped / kNewtonStepSeconds; }
    // "PAUSED", "speed 1/4x", "PAUSED  speed 1/2x"; empty when running at full speed.
    std::string status() const;

private:
    float unstepped = 0;  // simulated seconds not yet stepped
    bool paused = false;
    bool stepPending = false;
    int slowdown = 0;  // the speed is 1 / 2^slowdown
};
