// The scene benchmark: the real scene in an 800 x 600 window on a scripted
// clock, without the launcher.
//   varne_scene frames N   frame times of the scene and of an empty frame
//                          (clear and swap) in the same window, then the
//                          peak memory
//   varne_scene startup    sets the scene up, draws one frame and exits
//   varne_scene empty      opens an empty GL window of the same size, draws
//                          one cleared frame and exits (the start-up baseline)
#include "app/gl_surface.h"
#include "app/glwindow.h"
#include "bench/scene/scene_run.h"

#include <GL/gl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Spread {
    double median, p99;
};

// Milliseconds per call, each call finished on the GPU side before the next.
Spread timeFrames(int count, const std::function<void()>& frame) {
    std::vector<double> ms;
    ms.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        const auto start = Clock::now();
        frame();
        glFinish();
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms[std::min(ms.size() - 1, ms.size() * 99 / 100)]};
}

void emptyFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    plat::SwapBuffers(hDC);
}

int frames(int count) {
    SceneRun run(SceneRun::RepositoryConfig(true));
    if (!run.ready()) return 1;
    run.frames(200);  // warm-up: shaders compiled, textures resident, bodies landed
    const Spread scene = timeFrames(count, [&] { run.frame(); });
    const Spread empty = timeFrames(count, emptyFrame);
    std::printf("scene frame: median %.3f ms, p99 %.3f ms (p99/median %.2f)\n", scene.median,
                scene.p99, scene.p99 / scene.median);
    std::printf("empty frame: median %.3f ms, p99 %.3f ms\n", empty.median, empty.p99);
    std::printf("frame_vs_empty: %.3f\n", scene.median / empty.median);
    std::printf("frame_p99_over_median: %.3f\n", scene.p99 / scene.median);
    std::printf("peak_memory_mb: %.1f\n", double(SceneRun::ProcessMemoryKb("VmHWM")) / 1024.0);
    return 0;
}

int startup() {
    SceneRun run(SceneRun::RepositoryConfig(true));
    if (!run.ready()) return 1;
    run.frame();
    glFinish();
    return 0;
}

int emptyWindow() {
    plat::RegisterClass("Empty", plat::DefWindowProc);
    plat::Window* window = plat::CreateWindow("Empty", "3D-Varne", plat::WindowStyle::Overlapped,
                                              plat::kDefaultPos, plat::kDefaultPos, 800, 600);
    plat::GLContext* rc = nullptr;
    if (!window || AttachGLContext(window, 0, WindowPixelFormat(16), hDC, rc)) return 1;
    plat::ShowWindow(window);
    emptyFrame();
    glFinish();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "frames") return frames(argc > 2 ? std::atoi(argv[2]) : 2000);
    if (mode == "startup") return startup();
    if (mode == "empty") return emptyWindow();
    std::fprintf(stderr, "usage: varne_scene frames [N] | startup | empty\n");
    return 2;
}
