#include "scene/frame_tools.h"

#include "physics/newton_primitive.h"
#include "platform/log.h"
#include "play/debug_view.h"
#include "play/play_tools.h"
#include "render/font.h"
#include "render/png_file.h"
#include "scene/camera.h"
#include "scene/frame.h"
#include "scene/scene_choice.h"
#include "scene/setup.h"
#include "scene/shadows.h"

#include <GL/gl.h>

#include <chrono>
#include <filesystem>
#include <string>

namespace {

std::string screenshotFolder = "screenshots";

constexpr int kStateLineY = 80, kStatsFirstY = 110, kLineStep = 20;

void throwBall() {
    if (tools.grab.holds(tools.balls.nextToGo())) tools.grab.release();
    tools.balls.throwFrom(nWorld, cam.eye(), cam.forward());
}

void drawCrosshair() {
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    const float x = float(viewport[2]) / 2, y = float(viewport[3]) / 2, arm = 10;
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, viewport[2], 0, viewport[3], -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    tools.grab.holding() ? glColor3f(0, 1, 0) : glColor3f(1, 1, 1);
    glBegin(GL_LINES);
    glVertex2f(x - arm, y), glVertex2f(x + arm, y);
    glVertex2f(x, y - arm), glVertex2f(x, y + arm);
    glEnd();
    glPopAttrib();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

}  // namespace

void ResetScene() {
    ShowScene(ShownScene());
    log_txt("Scene reset");
}

void ChooseScene(int index) {
    ShowScene(index);
    log_txt("Scene: %s", kSceneNames[ShownScene()]);
}

void ApplyToolKeys(const KeyPresses& presses) {
    if (presses[plat::VK_F2]) tools.clock.togglePause();
    if (presses[plat::VK_F3]) tools.clock.requestStep();
    if (presses[plat::VK_F7]) tools.clock.slower();
    if (presses[plat::VK_F8]) tools.clock.faster();
    if (presses[plat::VK_F4]) tools.debugParts = tools.debugParts ? 0 : kDebugAll;
    if (presses[plat::VK_F6]) tools.statsView = !tools.statsView;
    if (presses[plat::VK_F10]) ToggleShadows();
    if (presses[plat::VK_F5]) ResetScene();
    if (presses[plat::VK_F9]) ChooseScene((ShownScene() + 1) % kSceneCount);
    if (presses[plat::VK_LBUTTON]) tools.grab.take(nWorld, cam.eye(), cam.forward());
    if (presses[plat::VK_RBUTTON]) throwBall();
}

void MoveHeldBody() {
    if (!keys[plat::VK_LBUTTON]) tools.grab.release();
    tools.grab.follow(cam.eye(), cam.forward());
}

void DrawToolViews() {
    if (!tools.debugParts) return;
    glLoadIdentity();
    cam.positionCamera();
    DrawDebugView(nWorld, tools.debugParts);
}

void DrawToolOverlay() {
    const std::string state = tools.clock.status();
    if (!state.empty()) glPrintShadowed(255, 255, 0, 20, kStateLineY, "%s", state.c_str());
    const FrameStats::Summary summary = tools.stats.summary();
    if (tools.statsView) {
        int y = kStatsFirstY;
        for (const std::string& line : StatsLines(summary, NewtonWorldGetStats(nWorld)))
            glPrintShadowed(255, 255, 255, 20, y, "%s", line.c_str()), y += kLineStep;
    } else if (summary.limited) {  // the statistics' last line, alone while steps are dropped
        const std::string behind = RealTimeLine(summary.realTimeShare);
        glPrintShadowed(255, 255, 0, 20, kStatsFirstY, "%s", behind.c_str());
    }
    if (keys[plat::VK_LBUTTON]) drawCrosshair();
}

void SetScreenshotFolder(const std::string& folder) { screenshotFolder = folder; }

void SaveScreenshot() {
    const std::string name = ScreenshotName(screenshotFolder, std::chrono::system_clock::now());
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(name).parent_path(), ignored);
    std::string error;
    if (SaveFramePng(name, error)) log_txt("Screenshot saved: %s", name.c_str());
    else log_txt("Screenshot not saved: %s", error.c_str());
}
