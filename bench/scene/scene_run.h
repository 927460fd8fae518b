// The real scene in a window of its own, driven by scripted keys and a
// scripted clock: for the frame benchmarks and the scene tests. The main
// window is made as the program makes it, in 800 x 600 windowed mode, from a
// fresh working folder that sees the repository's data.
#pragma once

#include <cstdint>
#include <string>

class SceneRun {
public:
    // config replaces data/config.txt when given; otherwise the repository's is used.
    // stressBoxes extra boxes are dropped, as --boxes does. With liveClock the
    // frames read the real counter and keep the physics' time budget, as a live
    // run's do; without, a scripted clock's, and take every step due.
    explicit SceneRun(const std::string& config = "", int stressBoxes = 0, bool liveClock = false);
    ~SceneRun();
    SceneRun(const SceneRun&) = delete;
    SceneRun& operator=(const SceneRun&) = delete;

    bool ready() const { return created; }
    // Advances the scripted clock by seconds, then draws and presents one frame.
    void frame(double seconds = 1.0 / 60);
    void frames(int count, double seconds = 1.0 / 60);
    void hold(unsigned key) const;
    void release(unsigned key) const;
    // Hands the waiting window messages on (the focus arrives as one).
    void dispatchMessages() const;
    // Puts the pointer dx, dy pixels from the centre of the scene window.
    void pointAt(int dx, int dy) const;
    std::string log() const;

    // The repository's configuration, without multisampling when antialias
    // is false (software GL draws four times the samples with it).
    static std::string RepositoryConfig(bool antialias);

    // A kB figure of this process from /proc/self/status ("VmRSS", "VmHWM"), or -1.
    static long ProcessMemoryKb(const char* field);

    static constexpr std::int64_t kTicksPerSecond = 1000000;

private:
    std::string folder;
    std::string previous;
    bool created = false;
};
