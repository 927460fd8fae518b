// The scene benchmark: the real scene in an 800 x 600 window on a scripted
// clock, without the launcher.
//   varne_scene frames N   frame times of the scene, of the scene with the
//                          control panel shown, with shadows, of a frame with the skybox
//                          alone and of an empty frame (clear and swap) in
//                          the same window, taken in turns; the main
//                          thread's CPU time per scene frame with the pointer
//                          moving; then the peak memory
//   varne_scene plain N [B]  the median frame of the scene (with B extra boxes)
//                          without multisampling, once the bodies have come to rest
//   varne_scene live N B   the same as a live run takes it: on the real clock
//                          (its physics within its time budget), multisampled
//                          as the repository's configuration asks, after 60
//                          frames, the boxes still falling
//   varne_scene startup    sets the scene up, draws one frame and exits
//   varne_scene empty      opens an empty GL window of the same size the way
//                          the scene's is opened (a first window to find the
//                          multisampled format, then the window with it),
//                          draws one cleared frame and exits (the start-up
//                          baseline)
#include "app/glwindow.h"
#include "bench/scene/scene_run.h"
#include "platform/gl_surface.h"
#include "play/play_tools.h"
#include "scene/camera.h"
#include "scene/frame_panel.h"
#include "scene/shadows.h"
#include "scene/skybox.h"

#include <GL/gl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Spread {
    double median, p99;
};

Spread spreadOf(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms[std::min(ms.size() - 1, ms.size() * 99 / 100)]};
}

// Appends the milliseconds of count calls, each finished on the GPU side before the next.
void timeFrames(int count, const std::function<void()>& frame, std::vector<double>& ms) {
    for (int i = 0; i < count; ++i) {
        const auto start = Clock::now();
        frame();
        glFinish();
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
}

double threadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// The main thread's CPU milliseconds per scene frame, median of count, with
// the pointer 3 pixels off the centre before every frame, to either side in
// turn, so that every frame turns the camera and the view stays put.
double cpuPerFrame(SceneRun& run, int count) {
    std::vector<double> ms;
    for (int i = 0; i < count; ++i) {
        run.dispatchMessages();
        run.pointAt(i % 2 ? 3 : -3, 0);
        const double start = threadCpuMs();
        run.frame();
        glFinish();
        ms.push_back(threadCpuMs() - start);
    }
    return spreadOf(ms).median;
}

void emptyFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    plat::SwapBuffers(hDC);
}

// The skybox alone, seen through the scene's camera: the least the view costs.
void skyFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    glLoadIdentity();
    cam.positionCamera();
    glDisable(GL_LIGHTING);
    sky.draw();
    glEnable(GL_LIGHTING);
    plat::SwapBuffers(hDC);
}

int frames(int count) {
    // The panel keeps its layout in a folder of the benchmark's, not the user's.
    const auto config = std::filesystem::temp_directory_path() / "varne-bench-config";
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    SceneRun run(SceneRun::RepositoryConfig(true));
    if (!run.ready()) return 1;
    TogglePanel();
    run.frames(10);  // the panel's first frames make its font texture
    TogglePanel();
    SetShadows(true);
    run.frames(10);  // the shadows' first frame makes the depth map and its shader
    SetShadows(false);
    run.frames(200);  // warm-up: shaders compiled, textures resident, bodies landed
    // Turns of a tenth each, so that a change in the machine's load falls on all five alike.
    std::vector<double> sceneMs, panelMs, shadowsMs, skyMs, emptyMs;
    for (int turn = 0; turn < 10; ++turn) {
        timeFrames(
            count / 10, [&] { run.frame(); }, sceneMs);
        TogglePanel();
        timeFrames(
            count / 10, [&] { run.frame(); }, panelMs);
        TogglePanel();
        SetShadows(true);
        timeFrames(
            count / 10, [&] { run.frame(); }, shadowsMs);
        SetShadows(false);
        timeFrames(count / 10, skyFrame, skyMs);
        timeFrames(count / 10, emptyFrame, emptyMs);
    }
    const Spread scene = spreadOf(sceneMs), panel = spreadOf(panelMs),
                 shadows = spreadOf(shadowsMs), skyOnly = spreadOf(skyMs),
                 empty = spreadOf(emptyMs);
    const double cpuMs = cpuPerFrame(run, count / 2);
    std::printf("scene frame: median %.3f ms, p99 %.3f ms (p99/median %.2f)\n", scene.median,
                scene.p99, scene.p99 / scene.median);
    std::printf("scene frame with the panel: median %.3f ms, p99 %.3f ms\n", panel.median,
                panel.p99);
    std::printf("scene frame with shadows: median %.3f ms, p99 %.3f ms\n", shadows.median,
                shadows.p99);
    std::printf("sky frame: median %.3f ms, p99 %.3f ms\n", skyOnly.median, skyOnly.p99);
    std::printf("empty frame: median %.3f ms, p99 %.3f ms\n", empty.median, empty.p99);
    std::printf("frame_vs_empty: %.3f\n", scene.median / empty.median);
    std::printf("frame_vs_sky: %.3f\n", scene.median / skyOnly.median);
    std::printf("frame_panel_vs_scene: %.3f\n", panel.median / scene.median);
    std::printf("frame_shadows_vs_scene: %.3f\n", shadows.median / scene.median);
    std::printf("frame_p99_over_median: %.3f\n", scene.p99 / scene.median);
    std::printf("cpu_ms_per_frame: %.3f\n", cpuMs);
    std::printf("peak_memory_mb: %.1f\n", double(SceneRun::ProcessMemoryKb("VmHWM")) / 1024.0);
    return 0;
}

// The stress scene against the plain one, and the heaviest against a lighter
// one, run in two processes (one main window a process); the script takes
// their ratio.
int plainFrames(int count, int boxes, bool live) {
    SceneRun run(SceneRun::RepositoryConfig(live), boxes, live);
    if (!run.ready()) return 1;
    // Scripted, 15 s: the extra boxes fall for about 3 s, then come to rest.
    // Live, 60 frames: the physics' cost is measured by then.
    run.frames(live ? 60 : 900);
    std::vector<double> ms;
    timeFrames(
        count, [&] { run.frame(); }, ms);
    std::printf("%.3f\n", spreadOf(ms).median);
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
    const plat::PixelFormatDescriptor pfd = WindowPixelFormat(16);
    plat::Window* window = nullptr;
    plat::GLContext* rc = nullptr;
    for (int pass = 0; pass < 2; ++pass) {
        if (pass == 1) ReleaseGLWindow(window, hDC, rc);
        window = plat::CreateWindow("Empty", "3D-Varne", plat::WindowStyle::Overlapped,
                                    plat::kDefaultPos, plat::kDefaultPos, 800, 600);
        if (!window || AttachGLContext(window, arbMultisampleFormat, pfd, hDC, rc)) return 1;
        if (pass == 0 && !InitMultisample(nullptr, window, pfd)) return 1;
    }
    plat::ShowWindow(window);
    emptyFrame();
    glFinish();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "frames") return frames(argc > 2 ? std::atoi(argv[2]) : 2000);
    if ((mode == "plain" || mode == "live") && argc > 2)
        return plainFrames(std::atoi(argv[2]), argc > 3 ? std::atoi(argv[3]) : 0, mode == "live");
    if (mode == "startup") return startup();
    if (mode == "empty") return emptyWindow();
    std::fprintf(stderr,
                 "usage: varne_scene frames [N] | plain N [BOXES] | live N [BOXES] | startup | "
                 "empty\n");
    return 2;
}
