// The main scene window: creation with its GL context and pixel format
// (fullscreen switch and multisample search included), the projection, and
// teardown.
#pragma once

#include "platform/window.h"

extern plat::Window* hWnd;
extern plat::DeviceContext* hDC;
extern plat::GLContext* hRC;
extern bool arbMultisampleSupported;
extern int arbMultisampleFormat;

// Creates the window and its context (made again once when a multisample
// format is found), then builds the scene with stressBoxes extra boxes. On
// failure the reason has been shown and everything made is released.
bool CreateGLWindow(const char* title, int width, int height, int bits, bool fullscreenflag,
                    int stressBoxes);
// Restores the display and releases context, device context and window, each
// once; with shutdown true the scene is shut down first.
void KillGLWindow(bool shutdown);
void ReSizeGLScene(int width, int height);
bool InitMultisample(void* hInstance, plat::Window* window, plat::PixelFormatDescriptor pfd);
// Whether the window-system or GL extension list names the extension as a whole word.
bool WGLisExtensionSupported(const char* extension);
