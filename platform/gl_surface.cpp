#include "platform/gl_surface.h"

#include "platform/log.h"

#include <GL/gl.h>
#include <GL/glu.h>

plat::PixelFormatDescriptor WindowPixelFormat(int bits) {
    plat::PixelFormatDescriptor pfd;
    pfd.dwFlags = plat::PFD_DRAW_TO_WINDOW | plat::PFD_SUPPORT_OPENGL | plat::PFD_DOUBLEBUFFER;
    pfd.iPixelType = plat::PFD_TYPE_RGBA;
    pfd.cColorBits = static_cast<unsigned char>(bits);
    pfd.cDepthBits = 24;
    pfd.cStencilBits = 16;
    pfd.iLayerType = plat::PFD_MAIN_PLANE;
    return pfd;
}

const char* AttachGLContext(plat::Window* window, int format,
                            const plat::PixelFormatDescriptor& pfd, plat::DeviceContext*& dc,
                            plat::GLContext*& rc) {
    if (!(dc = plat::GetDC(window))) return "Can't Create A GL Device Context.";
    if (!format) format = plat::ChoosePixelFormat(dc, pfd);
    if (!format) return "Can't Find A Suitable PixelFormat.";
    if (!plat::SetPixelFormat(dc, format)) return "Can't Set The PixelFormat.";
    if (!(rc = plat::wglCreateContext(dc))) return "Can't Create A GL Rendering Context.";
    if (!plat::wglMakeCurrent(dc, rc)) return "Can't Activate The GL Rendering Context.";
    return nullptr;
}

void ReleaseGLWindow(plat::Window*& window, plat::DeviceContext*& dc, plat::GLContext*& rc) {
    if (rc) {
        if (!plat::wglMakeCurrent(nullptr, nullptr)) log_msg("Release Of DC And RC Failed.");
        if (!plat::wglDeleteContext(rc)) log_msg("Release Rendering Context Failed.");
        rc = nullptr;
    }
    if (dc) {
        if (!plat::ReleaseDC(window, dc)) log_msg("Release Device Context Failed.");
        dc = nullptr;
    }
    if (window) {
        if (!plat::DestroyWindow(window)) log_msg("Could Not Release hWnd.");
        window = nullptr;
    }
}

void SetPerspective(int width, int height) {
    if (height == 0) height = 1;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, double(width) / double(height), double(0.1f), 9999999.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}
