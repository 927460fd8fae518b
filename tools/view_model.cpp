// Draws a model the way the program does (its display list, lit, textured)
// from two sides into a picture, so a person can look at it:
//   view_model <description file> <out.tga> [distance]
#include "image_write.h"
#include "platform/gl_surface.h"
#include "render/md2.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kWidth = 640, kHeight = 320;

bool openWindow() {
    plat::RegisterClass("ModelView", plat::DefWindowProc);
    plat::Window* window = plat::CreateWindow("ModelView", "model", plat::WindowStyle::Overlapped,
                                              0, 0, kWidth, kHeight);
    plat::DeviceContext* dc = nullptr;
    plat::GLContext* rc = nullptr;
    return window && !AttachGLContext(window, 0, WindowPixelFormat(24), dc, rc);
}

void drawTwoViews(CMD2Model& model, float distance) {
    glClearColor(0.15f, 0.15f, 0.25f, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_COLOR_MATERIAL);
    const float light[4] = {1, 1, 1, 0};
    for (int view = 0; view < 2; ++view) {
        SetPerspective(kWidth / 2, kHeight);
        glViewport(view * kWidth / 2, 0, kWidth / 2, kHeight);
        glLightfv(GL_LIGHT0, GL_POSITION, light);
        glTranslatef(0, 0, -distance);
        glRotatef(view ? -35.0f : 25.0f, 1, 0, 0);
        glRotatef(view ? 200.0f : 30.0f, 0, 1, 0);
        glColor3f(1, 1, 1);
        model.RenderFrame();
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: view_model <description file> <out.tga> [distance]\n");
        return 2;
    }
    if (!openWindow()) {
        std::fprintf(stderr, "view_model: no GL window\n");
        return 1;
    }
    CMD2Model model;
    model.Load(argv[1]);
    if (model.vertexCount == 0) {
        std::fprintf(stderr, "view_model: %s did not load (see log.txt)\n", argv[1]);
        return 1;
    }
    drawTwoViews(model, argc > 3 ? float(std::atof(argv[3])) : 3.0f);
    Image image(kWidth, kHeight, 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    for (int y = 0; y < kHeight; ++y)  // GL reads bottom up, the image is top down
        glReadPixels(0, kHeight - 1 - y, kWidth, 1, GL_RGB, GL_UNSIGNED_BYTE, image.at(0, y));
    return WriteFile(argv[2], EncodeTga(image)) ? 0 : 1;
}
