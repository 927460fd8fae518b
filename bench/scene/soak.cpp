// The soak run: the real scene for many frames on a scripted clock with
// scripted input (walking, looking, pushing the box, moving the light, Return,
// F1), checking that resident memory stays flat after a warm-up and that
// every body's transform stays finite.
//   varne_soak [frames]    default 20000 frames at 1/60 s
// Exits 0 when both hold, 1 otherwise.
#include "app/main.h"
#include "bench/scene/scene_run.h"
#include "physics/newton_primitive.h"
#include "scene/frame.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <string>
#include <vector>

namespace {

constexpr long kAllowedGrowthKb = 1024;
constexpr int kWarmUpFrames = 2000;  // caches filled, allocator settled

// One stretch of scripted input: keys held throughout, and a pointer offset
// from home set before every other frame (the camera turns).
struct Phase {
    int length;
    std::vector<unsigned> held;
    int dx = 0, dy = 0;
};

// A cycle of kCycleFrames that comes back about where it started: opposite
// moves balance and Return resets the camera, so the camera, the light and the
// box stay near the scene. Where several push keys are held, the last of
// W S A D Space wins. Memory is sampled once a cycle, always at the same point
// of the script, so that samples compare like with like.
constexpr int kCycleFrames = 500;
const Phase kCycle[] = {
    {40, {plat::VK_UP}},
    {40, {plat::VK_DOWN}},
    {20, {plat::VK_UP, plat::VK_DOWN}},
    {40, {}, 12, 0},
    {40, {}, -12, 6},
    {20, {plat::VK_UP}, 0, -12},
    {30, {'W'}},
    {30, {'S'}},
    {20, {'W', 'A'}},
    {20, {'S', 'D'}},
    {15, {plat::VK_SPACE}},
    {20, {'W', 'A', plat::VK_SPACE}},
    {45, {}},  // the box lands
    {30, {'I', 'J', 'P'}},
    {30, {'K', 'L', 'U'}},
    {10, {'I', 'K', 'J', 'L'}},
    {1, {plat::VK_RETURN}},
    {19, {}, 5, 5},
    {6, {plat::VK_F1}},
    {10, {}, -10, -10},
    {6, {plat::VK_F1, plat::VK_UP}},
    {1, {plat::VK_RETURN, 'D'}},
    {7, {}},
};

const Phase& phaseAt(int frame) {
    int at = frame % kCycleFrames;
    for (const Phase& p : kCycle) {
        if (at < p.length) return p;
        at -= p.length;
    }
    return kCycle[0];
}

// The number of the first body whose transform is not finite, or -1.
int firstNonFiniteBody() {
    int number = 0;
    for (auto* n = &NewtonObjects; n; n = n->getNext(), ++number) {
        n->getData()->getPosition();
        for (float f : n->getData()->matrix.m)
            if (!std::isfinite(f)) return number;
    }
    return -1;
}

// The scene pins the pointer to its window's centre while the window has the focus; the focus
// arrives as a window message.
void applyInput(const SceneRun& run, const Phase& previous, const Phase& current, int frame) {
    run.dispatchMessages();
    for (unsigned k : previous.held) run.release(k);
    for (unsigned k : current.held) run.hold(k);
    if ((current.dx || current.dy) && frame % 2 == 0) run.pointAt(current.dx, current.dy);
}

// Resident memory as found, then after handing the allocator's free pages
// back: the first wanders by a megabyte or two with the C library's caching
// of freed blocks (the GL driver's threads allocate and free a few MB every
// frame), the second is what the process holds and is the one checked.
struct Sample {
    int frame;
    long foundKb;
    long rssKb;
};

Sample sample(int frame) {
    const long found = SceneRun::ProcessMemoryKb("VmRSS");
    malloc_trim(0);
    return {frame, found, SceneRun::ProcessMemoryKb("VmRSS")};
}

// Prints the samples and the growth after warm-up; true when within bounds.
bool reportMemory(const std::vector<Sample>& samples, int warmUp) {
    std::printf("%8s %12s %12s %10s\n", "frame", "rss_found_kb", "rss_kb", "vs_warmup");
    long base = -1, peak = 0;
    for (const Sample& s : samples) {
        if (s.frame == warmUp) base = s.rssKb;
        if (base < 0) {
            std::printf("%8d %12ld %12ld %10s\n", s.frame, s.foundKb, s.rssKb, "warm-up");
            continue;
        }
        peak = std::max(peak, s.rssKb);
        std::printf("%8d %12ld %12ld %+10ld\n", s.frame, s.foundKb, s.rssKb, s.rssKb - base);
    }
    const long end = samples.back().rssKb, growth = peak - base;
    std::printf("rss after warm-up (frame %d): %ld kB, max %ld kB, end %ld kB, growth %+ld kB "
                "(limit %ld kB)\n",
                warmUp, base, peak, end, growth, kAllowedGrowthKb);
    return growth <= kAllowedGrowthKb;
}

}  // namespace

int main(int argc, char** argv) {
    const int total = argc > 1 ? std::atoi(argv[1]) : 20000;
    if (total <= kWarmUpFrames) {
        std::fprintf(stderr, "usage: varne_soak [frames]   (more than %d)\n", kWarmUpFrames);
        return 2;
    }
    SceneRun run(SceneRun::RepositoryConfig(false));
    if (!run.ready()) {
        std::fprintf(stderr, "soak: FAILED, the scene window could not be created\n");
        return 1;
    }
    std::vector<Sample> samples{sample(0)};
    const auto start = std::chrono::steady_clock::now();
    const Phase* previous = &kCycle[0];
    for (int frame = 1; frame <= total; ++frame) {
        const Phase& current = phaseAt(frame - 1);
        applyInput(run, *previous, current, frame);
        previous = &current;
        run.frame();
        if (frame % kCycleFrames != 0) continue;
        samples.push_back(sample(frame));
        if (const int body = firstNonFiniteBody(); body >= 0) {
            std::printf("soak: FAILED, body %d has a non-finite transform at frame %d\n", body,
                        frame);
            return 1;
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf(
        "soak: %d frames in %.1f s (%.1f frames/s), all body transforms finite at every sample\n",
        total, seconds, total / seconds);
    if (!reportMemory(samples, kWarmUpFrames)) {
        std::printf("soak: FAILED, resident memory grew by more than %ld kB after warm-up\n",
                    kAllowedGrowthKb);
        return 1;
    }
    std::printf("soak: passed\n");
    return 0;
}
