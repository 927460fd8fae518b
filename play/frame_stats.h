// The statistics overlay's figures: frame times over the last second, how
// much of a frame went to the physics and to the drawing calls, and how fast
// the simulation went against real time.
#pragma once

#include "platform/newton.h"

#include <deque>
#include <string>
#include <vector>

struct FrameTimes {
    double frameMs, physicsMs, drawMs;
    double simulatedMs = 0;  // the time the frame's physics steps simulated
    bool limited = false;    // the time budget held back steps that were due
};

class FrameStats {
public:
    static constexpr double kWindowSeconds = 1.0;

    // Adds the frame that ended at `now` (seconds on any steady clock) and
    // forgets the frames that ended more than a second before it.
    void add(double now, FrameTimes times);
    struct Summary {
        double medianFrameMs = 0, worstFrameMs = 0;  // over the last second
        double physicsMs = 0, drawMs = 0;            // means over the last second
        int frames = 0;
        double realTimeShare = 0;  // simulated time over the frames' time
        bool limited = false;      // a frame held steps back
    };
    Summary summary() const;

private:
    struct Sample {
        double end;
        FrameTimes times;
    };
    std::deque<Sample> samples;
};

// The panel's plots: one series of times over the last kFrames frames, oldest first.
class FrameSeries {
public:
    static constexpr std::size_t kFrames = 240;

    void add(float ms);
    const std::vector<float>& values() const { return ms; }
    float median() const;  // 0 while empty
    float worst() const;

private:
    std::vector<float> ms;
};

// The overlay's lines for a summary and the world's counts.
std::vector<std::string> StatsLines(const FrameStats::Summary& summary, NewtonWorldStats counts);
// "physics 0.31x real time": the simulation's speed against real time.
std::string RealTimeLine(double share);
