#include "config/menu.h"

#include "config/file_list.h"
#include "config/settings.h"
#include "platform/gl_surface.h"
#include "platform/input_messages.h"
#include "platform/log.h"
#include "render/font.h"

#include <GL/gl.h>

#include <cstdio>
#include <iterator>

namespace {

struct ScreenMode {
    const char* label;
    int width, height, bits;
    bool fullscreen;
    int x, y;
};

const ScreenMode kModes[] = {
    {"800 x600 x 16bpp x Fullscreen", 800, 600, 16, true, 40, 100},
    {"1024x768 x 16bpp x Fullscreen", 1024, 768, 16, true, 40, 130},
    {"1600x1200x 16bpp x Fullscreen", 1600, 1200, 16, true, 40, 160},
    {"800 x600 x 32bpp x Fullscreen", 800, 600, 32, true, 40, 190},
    {"1024x768 x 32bpp x Fullscreen", 1024, 768, 32, true, 40, 220},
    {"1600x1200x 32bpp x Fullscreen", 1600, 1200, 32, true, 40, 250},
    {"800 x600 x Windowed", 800, 600, 16, false, 40, 300},
    {"1024x768 x Windowed", 1024, 768, 16, false, 40, 330},
    {"1600x1200x Windowed", 1600, 1200, 16, false, 40, 360},
};
constexpr int kInitialEntry = 4;

void resizeLauncher(int width, int height) { menu.ReSizeGLScene(width, height); }

bool abandonLauncher(const char* message) {
    menu.KillGLWindow();
    log_msg("%s", message);
    return false;
}

}  // namespace

bool Menu::CreateGLWindow(const char* title, int width, int height, int bits, bool fullscreenflag) {
    fullscreen = fullscreenflag;
    if (!plat::RegisterClass("OpenGLSettings", Menu_WndProc)) {
        log_msg("Failed To Register The Window Class.");
        return false;
    }
    if (fullscreen) plat::ShowCursor(false);
    hWnd = fullscreen ? plat::CreateWindow("OpenGLSettings", title, plat::WindowStyle::Popup, 0, 0,
                                           width, height)
                      : plat::CreateWindow("OpenGLSettings", title, plat::WindowStyle::Overlapped,
                                           plat::kDefaultPos, plat::kDefaultPos, width, height);
    if (!hWnd) return abandonLauncher("Window Creation Error.");
    if (const char* error = AttachGLContext(hWnd, 0, WindowPixelFormat(bits), hDC, hRC))
        return abandonLauncher(error);
    plat::ShowWindow(hWnd);
    plat::SetForegroundWindow(hWnd);
    plat::SetFocus(hWnd);
    ReSizeGLScene(width, height);
    log_txt("Menu Init:");
    Menu_Init();
    MainLoop();
    return true;
}

void Menu::Menu_Init() {
    SetEntries();
    FileList files = LoadFileList(true);
    if (files.font[0]) fontTex = LoadTexture(files.font, false);
    if (files.logo[0]) logoTex = LoadTexture(files.logo, true);
    glBuildFont(fontTex);
}

void Menu::SetEntries() {
    entries = new menuentry_t[kCapacity];
    for (int i = 0; i < int(std::size(kModes)); ++i) {
        SetMenuEntry(kModes[i].label, kModes[i].x, kModes[i].y, i == kInitialEntry);
        if (i == kInitialEntry) selected = numEntries - 1;
    }
}

void Menu::SetMenuEntry(const char* text, int x, int y, bool highlighted) {
    if (numEntries >= kCapacity) return;
    menuentry_t& e = entries[numEntries++];
    std::snprintf(e.text, sizeof e.text, "%s", text);
    e.x = x;
    e.y = y;
    e.highlighted = highlighted;
}

void Menu::SelectNone() {
    for (int i = 0; i < numEntries; ++i) entries[i].highlighted = false;
}

void Menu::PrintMenuEntry(int i) {
    const menuentry_t& e = entries[i];
    if (e.highlighted) glPrintSmall(190, 190, 190, e.x, e.y, "%s", e.text);
    else glPrintSmall(0, 0, 255, e.x, e.y, "%s", e.text);
}

void Menu::Menu_GetKeys() {
    for (int k = 0; k < 256; ++k)
        if (keys[k]) keytemp[k] = true;
    moveSelection(plat::VK_DOWN, +1);
    moveSelection(plat::VK_UP, -1);
    if (keys[plat::VK_RETURN]) accept();
}

// A held arrow moves nothing; its release moves the selection one step.
void Menu::moveSelection(unsigned key, int step) {
    if (keys[key] || !keytemp[key]) return;
    keytemp[key] = false;
    int next = selected + step;
    if (next >= 0 && next < numEntries) selected = next;
    SelectNone();
    entries[selected].highlighted = true;
}

void Menu::accept() {
    done = true;
    ChooseMode(selected);
    KillGLWindow();
}

void Menu::ChooseMode(int entry) {
    const ScreenMode& mode = kModes[entry];
    log_txt("Resolution %ix%i at %i bpp, Fullscreen: %i", mode.width, mode.height, mode.bits,
            mode.fullscreen ? 1 : 0);
    settings->SetSettings(mode.width, mode.height, mode.bits, mode.fullscreen);
}

int Menu::Menu_DrawGLScene() {
    Menu_GetKeys();
    if (done) return 1;  // the window is gone: nothing more is drawn into it
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_TEXTURE_2D);
    glLoadIdentity();
    glBindTex(logoTex, 0);
    drawLogo();
    glBindTex(fontTex, 0);
    glPrintSmall(255, 0, 0, 40, 40, "3D-Varne-Settings (Change with Up/Down)");
    for (int i = 0; i < numEntries; ++i) PrintMenuEntry(i);
    glPrintSmall(255, 0, 0, 40, 420, "Press Enter to accept Settings");
    return 1;
}

// The logo fades from dark and transparent on the left to light and opaque.
void Menu::drawLogo() {
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glBegin(GL_QUADS);
    glColor4f(0.1f, 0.1f, 0.1f, 0.0f);
    glTexCoordARB(0, 0, 0);
    glVertex3f(-1, -2, -7);
    glColor4f(0.7f, 0.7f, 0.7f, 1.0f);
    glTexCoordARB(1, 0, 0);
    glVertex3f(5, -2, -7);
    glColor4f(0.7f, 0.7f, 0.7f, 1.0f);
    glTexCoordARB(1, 1, 0);
    glVertex3f(5, 2, -7);
    glColor4f(0.1f, 0.1f, 0.1f, 0.0f);
    glTexCoordARB(0, 1, 0);
    glVertex3f(-1, 2, -7);
    glEnd();
    glDisable(GL_BLEND);
}

ProgramWindow Menu::window() { return {active, keys, keyTaps, nullptr, resizeLauncher}; }

void Menu::MainLoop() {
    const auto frame = [this] {
        Menu_DrawGLScene();
        plat::SwapBuffers(hDC);
    };
    if (!RunMessageLoop(window(), frame, done)) done = init_quit = true;
}

void Menu::ReSizeGLScene(int width, int height) { SetPerspective(width, height); }

void Menu::KillGLWindow() {
    if (fullscreen) {
        plat::RestoreDisplaySettings();
        plat::ShowCursor(true);
    }
    ReleaseGLWindow(hWnd, hDC, hRC);
}

plat::LRESULT Menu_WndProc(plat::Window* window, unsigned msg, plat::WPARAM wParam,
                           plat::LPARAM lParam) {
    return HandleWindowMessage(menu.window(), window, msg, wParam, lParam);
}
