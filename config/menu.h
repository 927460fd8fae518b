// The launcher: a small window of its own in which the user picks the screen
// mode of the demo with Up/Down and Enter, or quits with Escape or by closing
// it. Accepting stores the mode in the settings store, which then loads the
// configuration.
#pragma once

#include "platform/input_messages.h"
#include "platform/window.h"
#include "render/texture.h"

struct menuentry_t {
    char text[100];
    int x;
    int y;  // text coordinates, counted downwards
    bool highlighted;
};

class Menu {
public:
    static constexpr int kCapacity = 15;

    Menu() = default;
    // Creates the window, runs the launcher until the user decides, and
    // returns true; false when the window could not be set up.
    bool CreateGLWindow(const char* title, int width, int height, int bits, bool fullscreenflag);
    void Menu_Init();
    // Adds the nine screen modes, entry 4 highlighted and selected.
    void SetEntries();
    void SetMenuEntry(const char* text, int x, int y, bool highlighted);
    // Logs the screen mode of entry 0-8 and stores it in the settings store,
    // as accepting it in the launcher does.
    void ChooseMode(int entry);
    void SelectNone();
    void PrintMenuEntry(int i);
    int Menu_DrawGLScene();
    void Menu_GetKeys();
    void MainLoop();
    void ReSizeGLScene(int width, int height);
    void KillGLWindow();

    bool active = true;
    bool done = false;
    plat::DeviceContext* hDC = nullptr;
    plat::Window* hWnd = nullptr;
    plat::GLContext* hRC = nullptr;
    bool keys[256] = {};
    bool keytemp[256] = {};
    KeyTaps keyTaps;
    int numEntries = 0;
    int selected = 4;
    bool fullscreen = false;
    texture_t fontTex;
    texture_t logoTex;
    menuentry_t* entries = nullptr;

    // The launcher's window as its procedure and loop see it.
    ProgramWindow window();

private:
    void moveSelection(unsigned key, int step);
    void accept();
    void drawLogo();
};

// The launcher, and whether the user left it without starting; defined in app/main.cpp.
extern Menu menu;
extern bool init_quit;

// The launcher's window procedure, over the launcher above.
plat::LRESULT Menu_WndProc(plat::Window* window, unsigned msg, plat::WPARAM wParam,
                           plat::LPARAM lParam);
