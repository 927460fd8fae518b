// The frame timer over the high-resolution counter: frames per second and
// seconds since the previous call, each measured from its own previous call
// (the first one from Init).
#pragma once

#include <cstdint>

class CTimer {
public:
    // Takes the counter's frequency and start value; false without a counter.
    bool Init();
    // Seconds since this call's previous call; 0 without a working counter.
    float GetElapsedSeconds(unsigned long frames);
    // frames per second over the interval since this call's previous call;
    // 0 for an empty interval or without a working counter.
    float GetFPS(unsigned long frames);

    std::int64_t m_startTime = 0;
    std::int64_t m_ticksPerSecond = 0;
};

// The scene's frame timer; defined in app/main.cpp.
extern CTimer timer;
