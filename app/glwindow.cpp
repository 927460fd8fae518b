#include "app/glwindow.h"

#include "app/main.h"
#include "config/settings.h"
#include "platform/gl_surface.h"
#include "platform/log.h"
#include "render/gl_entry.h"
#include "scene/setup.h"

#include <GL/gl.h>

#include <initializer_list>

plat::Window* hWnd = nullptr;
plat::DeviceContext* hDC = nullptr;
plat::GLContext* hRC = nullptr;
bool arbMultisampleSupported = false;
int arbMultisampleFormat = 0;

namespace {

// Kept for the whole run: built on the first call, reused by the second pass.
plat::PixelFormatDescriptor pfd;
bool descriptorBuilt = false;

bool abandonWindow(const char* message) {
    KillGLWindow(true);
    log_msg("%s", message);
    return false;
}

// Asks for fullscreen; false when the display refused and the user declined
// to go on in a window.
bool enterFullscreen(int width, int height, int bits) {
    if (plat::ChangeDisplaySettings(width, height, bits)) return true;
    if (log_yn("The Requested Fullscreen Mode Is Not Supported By\nYour Video Card. "
               "Use Windowed Mode Instead?")) {
        settings->SetFullscreen(false);
        return true;
    }
    log_msg("Program Will Now Close.");
    return false;
}

plat::Window* createWindow(const char* title, int width, int height) {
    if (settings->doFullscreen()) {
        plat::ShowCursor(false);
        return plat::CreateWindow("OpenGL", title, plat::WindowStyle::Popup, 0, 0, width, height);
    }
    return plat::CreateWindow("OpenGL", title, plat::WindowStyle::Overlapped, plat::kDefaultPos,
                              plat::kDefaultPos, width, height);
}

// The second pass makes the window again with the multisample format found.
bool openWindow(const char* title, int width, int height, int bits, bool fullscreenflag,
                int stressBoxes, bool secondPass) {
    settings->SetFullscreen(fullscreenflag);
    void* hInstance = nullptr;  // this platform has no module handle to hand on
    if (!secondPass && !plat::RegisterClass("OpenGL", WndProc)) {
        log_msg("Failed To Register The Window Class.");
        return false;
    }
    if (settings->doFullscreen() && !enterFullscreen(width, height, bits)) return false;
    if (!(hWnd = createWindow(title, width, height)))
        return abandonWindow("Window Creation Error.");
    if (!descriptorBuilt) {
        pfd = WindowPixelFormat(bits);
        descriptorBuilt = true;
    }
    int format = arbMultisampleSupported ? arbMultisampleFormat : 0;
    if (const char* error = AttachGLContext(hWnd, format, pfd, hDC, hRC))
        return abandonWindow(error);
    if (!arbMultisampleSupported && settings->IsEnabled("ANTIALIAS")) {
        log_txt("checking for FSAA Support");
        if (InitMultisample(hInstance, hWnd, pfd)) {
            KillGLWindow(false);
            // The display was already asked for: the second pass keeps its answer.
            return openWindow(title, width, height, bits, settings->doFullscreen(), stressBoxes,
                              true);
        }
    }
    plat::ShowWindow(hWnd);
    plat::SetForegroundWindow(hWnd);
    plat::SetFocus(hWnd);
    ReSizeGLScene(width, height);
    log_txt("InitGL:");
    if (!InitGL(stressBoxes)) return abandonWindow("Initialization Failed.");
    return true;
}

}  // namespace

bool CreateGLWindow(const char* title, int width, int height, int bits, bool fullscreenflag,
                    int stressBoxes) {
    return openWindow(title, width, height, bits, fullscreenflag, stressBoxes, false);
}

void KillGLWindow(bool shutdown) {
    if (shutdown) OnClose();
    if (settings->doFullscreen() && plat::RestoreDisplaySettings()) plat::ShowCursor(true);
    ReleaseGLWindow(hWnd, hDC, hRC);
}

void ReSizeGLScene(int width, int height) { SetPerspective(width, height); }

bool InitMultisample(void*, plat::Window* window, plat::PixelFormatDescriptor) {
    if (!WGLisExtensionSupported("WGL_ARB_multisample")) return arbMultisampleSupported = false;
    auto choose = reinterpret_cast<plat::PFNWGLCHOOSEPIXELFORMATARBPROC>(
        plat::wglGetProcAddress("wglChoosePixelFormatARB"));
    if (!choose) return arbMultisampleSupported = false;
    plat::DeviceContext* dc = plat::GetDC(window);
    // Attribute and value pairs, a pair a line.
    // clang-format off
    int attributes[] = {plat::WGL_DRAW_TO_WINDOW_ARB, 1,
                        plat::WGL_SUPPORT_OPENGL_ARB, 1,
                        plat::WGL_ACCELERATION_ARB, plat::WGL_FULL_ACCELERATION_ARB,
                        plat::WGL_COLOR_BITS_ARB, 24,
                        plat::WGL_ALPHA_BITS_ARB, 8,
                        plat::WGL_DEPTH_BITS_ARB, 16,
                        plat::WGL_STENCIL_BITS_ARB, 0,
                        plat::WGL_DOUBLE_BUFFER_ARB, 1,
                        plat::WGL_SAMPLE_BUFFERS_ARB, 1,
                        plat::WGL_SAMPLES_ARB, 4,
                        0, 0};
    // clang-format on
    const float floatAttributes[] = {0, 0};
    for (int samples : {4, 2}) {
        attributes[19] = samples;
        int format = 0;
        unsigned count = 0;
        if (choose(dc, attributes, floatAttributes, 1, &format, &count) && count >= 1) {
            log_txt("\n%ixFSAA Enabled\n", samples);
            arbMultisampleSupported = true;
            arbMultisampleFormat = format;
            return true;
        }
    }
    log_txt("\nFSAA Disabled\n");
    return false;
}

bool WGLisExtensionSupported(const char* extension) {
    const char* list = nullptr;
    auto getString = reinterpret_cast<plat::PFNWGLGETEXTENSIONSSTRINGARBPROC>(
        plat::wglGetProcAddress("wglGetExtensionsStringARB"));
    if (getString) list = getString(plat::wglGetCurrentDC());
    if (!list) list = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    return extensionListed(list, extension);
}
