// GL tests: a shown window with a current GL context, pixel read-back, and the waiting messages.
#pragma once

#include "platform/window.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace testing_support {

class TestGLWindow {
public:
    explicit TestGLWindow(int width = 256, int height = 256) {
        static bool registered = plat::RegisterClass("GLTest", plat::DefWindowProc);
        EXPECT_TRUE(registered);
        window = plat::CreateWindow("GLTest", "gl test", plat::WindowStyle::Overlapped, 0, 0, width,
                                    height);
        const plat::PixelFormatDescriptor pfd{.dwFlags = plat::PFD_DOUBLEBUFFER,
                                              .cColorBits = 24,
                                              .cDepthBits = 24,
                                              .cStencilBits = 8};
        dc = plat::GetDC(window);
        EXPECT_TRUE(plat::SetPixelFormat(dc, plat::ChoosePixelFormat(dc, pfd)));
        rc = plat::wglCreateContext(dc);
        EXPECT_TRUE(plat::wglMakeCurrent(dc, rc));
        plat::ShowWindow(window);
        glViewport(0, 0, width, height);
    }
    ~TestGLWindow() {
        plat::wglMakeCurrent(nullptr, nullptr);
        plat::wglDeleteContext(rc);
        plat::DestroyWindow(window);
    }
    plat::Window* window = nullptr;
    plat::DeviceContext* dc = nullptr;
    plat::GLContext* rc = nullptr;
};

// A perspective of this vertical angle in degrees for a square window; the model-view matrix is
// left current.
inline void squarePerspective(double degrees, double zNear, double zFar) {
    glMatrixMode(GL_PROJECTION);
    gluPerspective(degrees, 1, zNear, zFar);
    glMatrixMode(GL_MODELVIEW);
}

// RGBA of one pixel of the back buffer, (0, 0) being the lower-left corner.
inline std::array<unsigned char, 4> pixelAt(int x, int y) {
    std::array<unsigned char, 4> rgba{};
    glFinish();
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return rgba;
}

// The messages waiting in the queue, taken out in order.
inline std::vector<plat::Message> takeMessages() {
    std::vector<plat::Message> taken;
    plat::Message m;
    while (plat::PeekMessage(&m)) taken.push_back(m);
    return taken;
}

}  // namespace testing_support
