#include "play/frame_stats.h"

#include <algorithm>
#include <cstdio>

void FrameStats::add(double now, FrameTimes times) {
    samples.push_back({now, times});
    while (samples.front().end < now - kWindowSeconds) samples.pop_front();
}

FrameStats::Summary FrameStats::summary() const {
    Summary summary;
    summary.frames = int(samples.size());
    if (samples.empty()) return summary;
    std::vector<double> frameMs;
    double simulatedMs = 0, realMs = 0;
    for (const Sample& sample : samples) {
        frameMs.push_back(sample.times.frameMs);
        summary.physicsMs += sample.times.physicsMs / double(samples.size());
        summary.drawMs += sample.times.drawMs / double(samples.size());
        simulatedMs += sample.times.simulatedMs;
        realMs += sample.times.frameMs;
        summary.limited = summary.limited || sample.times.limited;
    }
    summary.realTimeShare = realMs > 0 ? simulatedMs / realMs : 0;
    std::sort(frameMs.begin(), frameMs.end());
    summary.medianFrameMs = frameMs[frameMs.size() / 2];
    summary.worstFrameMs = frameMs.back();
    return summary;
}

void FrameSeries::add(float value) {
    if (ms.size() == kFrames) ms.erase(ms.begin());
    ms.push_back(value);
}

float FrameSeries::median() const {
    if (ms.empty()) return 0;
    std::vector<float> sorted = ms;
    std::nth_element(sorted.begin(), sorted.begin() + std::ptrdiff_t(sorted.size() / 2),
                     sorted.end());
    return sorted[sorted.size() / 2];
}

float FrameSeries::worst() const {
    return ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end());
}

std::vector<std::string> StatsLines(const FrameStats::Summary& s, NewtonWorldStats counts) {
    char lines[3][96];
    std::snprintf(lines[0], sizeof lines[0], "frame: median %.1f ms, worst %.1f ms (%d frames)",
                  s.medianFrameMs, s.worstFrameMs, s.frames);
    std::snprintf(lines[1], sizeof lines[1], "physics %.2f ms, drawing %.2f ms a frame",
                  s.physicsMs, s.drawMs);
    std::snprintf(lines[2], sizeof lines[2], "bodies awake %d of %d, contacts %d", counts.awake,
                  counts.bodies, counts.contacts);
    return {lines[0], lines[1], lines[2], RealTimeLine(s.realTimeShare)};
}

std::string RealTimeLine(double share) {
    char line[48];
    std::snprintf(line, sizeof line, "physics %.2fx real time", share);
    return line;
}
