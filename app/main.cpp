#include "app/main.h"

#include "app/glwindow.h"
#include "app/log.h"
#include "platform/newton.h"
#include "scene/frame.h"
#include "scene/setup.h"
#include "sound/sound.h"

Settings3D* settings = new Settings3D();
bool keys[256] = {};
bool active = true;
bool init_quit = false;

namespace {

void drawAndPresent() {
    DrawGLScene();
    plat::SwapBuffers(hDC);
}

void setKey(plat::WPARAM code, bool down) {
    if (code < 256) keys[code] = down;
}

}  // namespace

int WinMain() {
    log_init("3D-Varne");
    // Until the launcher exists the scene opens in the store's default mode.
    settings->SetSettings(0, 0, 0, false);
    plat::ShowCursor(false);
    if (!CreateGLWindow("3D-Varne", settings->ScreenX(), settings->ScreenY(),
                        settings->ScreenBPP(), settings->doFullscreen(), false))
        return 0;
    log_txt("Starting the Main-Loop");
    MainLoop(drawAndPresent);
    KillGLWindow(true);
    return 0;
}

void MainLoop(void (*drawFrame)()) {
    for (;;) {
        plat::Message msg;
        if (plat::PeekMessage(&msg)) {
            if (msg.message == plat::WM_QUIT) return;
            plat::TranslateMessage(msg);
            plat::DispatchMessage(msg);
        } else if (active && keys[plat::VK_ESCAPE]) {
            return;
        } else {
            drawFrame();
        }
    }
}

plat::LRESULT WndProc(plat::Window* window, unsigned msg, plat::WPARAM wParam,
                      plat::LPARAM lParam) {
    switch (msg) {
    case plat::WM_ACTIVATE:
        active = plat::hiWord(wParam) == 0;
        return 0;
    case plat::WM_SYSCOMMAND:
        if (wParam == plat::SC_SCREENSAVE || wParam == plat::SC_MONITORPOWER) return 0;
        break;
    case plat::WM_CLOSE:
        KillGLWindow(true);
        plat::PostQuitMessage(0);
        return 0;
    case plat::WM_KEYDOWN:
        setKey(wParam, true);
        return 0;
    case plat::WM_KEYUP:
        setKey(wParam, false);
        return 0;
    case plat::WM_SIZE:
        ReSizeGLScene(int(plat::loWord(plat::WPARAM(lParam))), int(plat::hiWord(plat::WPARAM(lParam))));
        return 0;
    default:
        break;
    }
    return plat::DefWindowProc(window, msg, wParam, lParam);
}

void OnClose() {
    static bool done = false;
    if (done) return;
    done = true;
    log_txt("\n\n***********************************************\nProgram Shutdown...\n");
    log_txt("destroying the Newton Game Dynamics instance");
    if (nWorld) {
        NewtonDestroy(nWorld);
        nWorld = nullptr;
    }
    log_txt("destroying the Bass instance");
    stopSound();
    killSound();
}
