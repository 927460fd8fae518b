#include "app/main.h"

#include "app/glwindow.h"
#include "app/options.h"
#include "app/scripted_run.h"
#include "app/startup.h"
#include "config/menu.h"
#include "config/settings.h"
#include "physics/newton_primitive.h"
#include "platform/input_messages.h"
#include "platform/log.h"
#include "platform/newton.h"
#include "platform/window.h"
#include "play/play_tools.h"
#include "scene/camera.h"
#include "scene/frame.h"
#include "scene/frame_panel.h"
#include "scene/frame_tools.h"
#include "scene/scene_choice.h"
#include "scene/setup.h"
#include "scene/shadows.h"
#include "scene/skybox.h"
#include "scene/timer.h"
#include "sound/sound.h"

#include <cstdio>

// The program-wide objects, made before entry in this order; each is declared
// beside its type.
Settings3D* settings = new Settings3D();
Menu menu;
CTimer timer;
Camera cam;
LinkedList<NewtonPrimitive*> NewtonObjects;
Skybox sky;
bool keys[256] = {};
bool active = true;
bool init_quit = false;
PlayTools tools;

namespace {

KeyTaps keyTaps;
ScriptedRun scriptedRun;

void closeScene() { KillGLWindow(true); }

const ProgramWindow sceneWindow{active, keys, keyTaps, closeScene, ReSizeGLScene};
constexpr bool kNeverStops = false;  // the scene's loop ends on the quit or Escape alone

// About a display's frame: while minimised, the loop waits this long for a
// message instead of a swap, which need not wait for the display then.
constexpr int kMinimisedWaitMs = 16;

void drawAndPresent() {
    scriptedRun.beforeFrame();
    DrawGLScene(scriptedRun.frameScript());
    scriptedRun.afterFrame();
    if (active) plat::SwapBuffers(hDC);
    else plat::WaitMessage(kMinimisedWaitMs);
}

// The launcher entry the user accepts, or the one the command line names;
// -1 when the user leaves the launcher.
int chooseScreenMode() {
    const int preset = scriptedRun.presetMode();
    if (preset >= 0) {
        menu.ChooseMode(preset);
        return preset;
    }
    if (!menu.CreateGLWindow("3D-Varne", 600, 400, 16, false) || init_quit) return -1;
    return menu.selected;
}

}  // namespace

int RunProgram(int argc, char* const* argv) {
    plat::UseParentConsole();
    const OptionsResult parsed = ParseOptions(argc, argv);
    if (!parsed.run) {
        std::fputs(parsed.message.c_str(), parsed.exitCode == 0 ? stdout : stderr);
        return parsed.exitCode;
    }
    if (!scriptedRun.prepare(parsed.options)) return 2;
    return WinMain();
}

int WinMain() {
    if (!StartRun("3D-Varne")) return 1;
    const int mode = chooseScreenMode();
    if (mode < 0) return 0;
    if (!scriptedRun.start(mode)) return 2;
    plat::ShowCursor(false);
    if (!CreateGLWindow("3D-Varne", settings->ScreenX(), settings->ScreenY(), settings->ScreenBPP(),
                        settings->doFullscreen(), scriptedRun.stressBoxes()))
        return 0;
    if (scriptedRun.scene() != 0) ChooseScene(scriptedRun.scene());
    if (scriptedRun.shadows()) SetShadows(true);
    log_txt("Starting the Main-Loop");
    MainLoop(drawAndPresent);
    KillGLWindow(true);
    scriptedRun.finish();
    return scriptedRun.exitCode();
}

void MainLoop(void (*drawFrame)()) { RunMessageLoop(sceneWindow, drawFrame, kNeverStops); }

plat::LRESULT WndProc(plat::Window* window, unsigned msg, plat::WPARAM wParam,
                      plat::LPARAM lParam) {
    return HandleWindowMessage(sceneWindow, window, msg, wParam, lParam);
}

void OnClose() {
    static bool done = false;
    if (done) return;
    done = true;
    log_txt("\n\n***********************************************\nProgram Shutdown...\n");
    ClosePanelAtExit();
    log_txt("destroying the Newton Game Dynamics instance");
    if (nWorld) {
        DropClassicScene();
        tools.grab.release();  // the tools' joint and bodies go before their world
        tools.balls.clear();
        tools.stress.clear();
        tools.spawned.clear();
        NewtonDestroy(nWorld);
        nWorld = nullptr;
    }
    log_txt("destroying the Bass instance");
    stopSound();
    killSound();
}
