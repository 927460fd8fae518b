#include "bench/scene/scene_run.h"

#include "app/glwindow.h"
#include "app/main.h"
#include "config/settings.h"
#include "platform/log.h"
#include "play/play_tools.h"
#include "scene/frame.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::int64_t scriptedNow = 0;
std::int64_t scriptedCounter() { return scriptedNow; }

// A data folder whose entries link to the repository's, config.txt aside.
void linkData(const fs::path& to, const std::string& config) {
    const fs::path source = fs::path(VARNE_SOURCE_DIR) / "data";
    fs::create_directory(to);
    for (const auto& entry : fs::directory_iterator(source)) {
        if (!config.empty() && entry.path().filename() == "config.txt") continue;
        fs::create_symlink(entry.path(), to / entry.path().filename());
    }
    if (!config.empty()) std::ofstream(to / "config.txt") << config;
}

}  // namespace

SceneRun::SceneRun(const std::string& config, int stressBoxes, bool liveClock)
    : previous(fs::current_path().string()) {
    char pattern[] = "/tmp/varne-scene-XXXXXX";
    folder = mkdtemp(pattern);
    fs::current_path(folder);
    linkData("data", config);
    setenv("VARNE_MESSAGEBOX", "yes", 0);
    setenv("ALSOFT_DRIVERS", "null", 0);  // no sound card needed
    setenv("VARNE_VSYNC", "0", 0);        // frames as fast as they are drawn
    if (!liveClock) plat::SetCounterSource(scriptedCounter, kTicksPerSecond);
    tools.budget.on = liveClock;  // a scripted clock takes every step, as --fixed-step does
    log_init("3D-Varne");
    settings->SetSettings(800, 600, 16, false);
    plat::ShowCursor(false);
    created = CreateGLWindow("3D-Varne", 800, 600, 16, false, stressBoxes);
}

SceneRun::~SceneRun() {
    KillGLWindow(true);
    fs::current_path(previous);
    fs::remove_all(folder);
}

void SceneRun::frame(double seconds) {
    scriptedNow += std::int64_t(seconds * kTicksPerSecond);
    DrawGLScene(nullptr);
    plat::SwapBuffers(hDC);
}

void SceneRun::frames(int count, double seconds) {
    for (int i = 0; i < count; ++i) frame(seconds);
}

std::string SceneRun::RepositoryConfig(bool antialias) {
    std::ifstream in(fs::path(VARNE_SOURCE_DIR) / "data" / "config.txt");
    std::string text, line;
    while (std::getline(in, line))
        if (antialias || line.rfind("ANTIALIAS", 0) != 0) text += line + "\n";
    return text;
}

long SceneRun::ProcessMemoryKb(const char* field) {
    std::ifstream status("/proc/self/status");
    const std::string prefix = std::string(field) + ":";
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(prefix, 0) == 0) return std::atol(line.c_str() + prefix.size());
    return -1;
}

void SceneRun::hold(unsigned key) const { keys[key] = true; }

void SceneRun::release(unsigned key) const { keys[key] = false; }

void SceneRun::dispatchMessages() const {
    for (plat::Message m; plat::PeekMessage(&m);) plat::DispatchMessage(m);
}

void SceneRun::pointAt(int dx, int dy) const {
    plat::Rect client;
    if (!plat::GetClientRect(hWnd, &client)) return;
    plat::Point at{client.right / 2 + dx, client.bottom / 2 + dy};
    plat::ClientToScreen(hWnd, &at);
    plat::SetCursorPos(at.x, at.y);
}

std::string SceneRun::log() const {
    std::ifstream in(fs::path(folder) / "log.txt");
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
