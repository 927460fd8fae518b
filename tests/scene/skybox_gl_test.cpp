// The skybox on a real context: where its faces and corners land, with which
// texture coordinates and colours, what each face shows seen from inside, and
// that faces without a texture are not drawn at all.
#include "render/texture.h"
#include "scene/skybox.h"
#include "support/gl_window.h"
#include "support/image_files.h"
#include "support/temp_dir.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

using namespace testing_support;

namespace {

// Up, side 1 to 4, down: one solid colour each.
const Rgb kColours[Skybox::kFaces] = {{200, 40, 40},  {40, 200, 40},  {40, 40, 200},
                                      {200, 200, 40}, {40, 200, 200}, {200, 40, 200}};

class SkyboxGL : public testing::Test {
protected:
    SkyboxGL() { MultiTexturing(); }

    // Writes a solid 8 x 8 TGA per face, but none for face `absent`, and
    // builds the skybox with the program's sizes.
    Skybox build(int absent = -1) {
        std::string text;
        for (int i = 0; i < Skybox::kFaces; ++i) {
            const std::string name = "f" + std::to_string(i) + ".tga";
            if (i != absent) writeFile(name, tgaOf(Rows(8, std::vector<Rgb>(8, kColours[i]))));
            text += std::string(Skybox::kLabels[i]) + " " + name + "\n";
        }
        writeFile("sky.txt", text);
        return Skybox("sky.txt", 3000, 2000, 4);
    }

    // Draws the sky as the frame does, from the origin looking along (x, y, z).
    static void drawLookingAlong(Skybox& sky, float x, float y, float z) {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(90, 1, 0.1, 9999999.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        gluLookAt(0, 0, 0, x, y, z, 0, y ? 0 : 1, y ? -1 : 0);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glEnable(GL_DEPTH_TEST);
        sky.draw();
    }

    TempDir dir;
    TestGLWindow window{256, 256};
};

Rgb rgbAt(int x, int y) {
    auto p = pixelAt(x, y);
    return {p[0], p[1], p[2]};
}

// The face colour as drawn: the top is tinted with 0.95 grey.
Rgb shown(int face) {
    Rgb c = kColours[face];
    if (face == 0)
        for (int& v : c) v = int(std::lround(v * 0.95));
    return c;
}

void expectNear(Rgb got, Rgb want, const char* where) {
    for (int c = 0; c < 3; ++c) EXPECT_NEAR(got[c], want[c], 2) << where << " channel " << c;
}

struct FedVertex {
    std::array<float, 3> p;  // world position
    float red, s, t;
};

// The box for extent 3000, offset 2000 and height scale 4.
const float x0 = -5000, x1 = 7000, yb = -4000, yt = 4000, yw = 4020, z0 = -7000, z1 = 5000;

// The polygons of one draw in feedback mode, in world units: the orthographic
// projection maps -8000..8000 on each axis onto the 256-pixel viewport and the
// depth range 0..1 (z reversed, as eye space looks along -z).
std::vector<std::vector<FedVertex>> feedbackOf(Skybox& sky) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-8000, 8000, -8000, 8000, -8000, 8000);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    std::vector<GLfloat> buffer(2048);
    glFeedbackBuffer(GLsizei(buffer.size()), GL_3D_COLOR_TEXTURE, buffer.data());
    glRenderMode(GL_FEEDBACK);
    sky.draw();
    const GLint used = glRenderMode(GL_RENDER);
    std::vector<std::vector<FedVertex>> polygons;
    for (GLint at = 0; at < used;) {
        EXPECT_EQ(buffer[size_t(at)], GLfloat(GL_POLYGON_TOKEN));
        const int count = int(buffer[size_t(at) + 1]);
        at += 2;
        auto& polygon = polygons.emplace_back();
        for (int k = 0; k < count; ++k, at += 11) {
            const GLfloat* v = &buffer[size_t(at)];
            polygon.push_back({{(v[0] / 128 - 1) * 8000, (v[1] / 128 - 1) * 8000,
                                (1 - 2 * v[2]) * 8000},
                               v[3], v[7], v[8]});
        }
    }
    return polygons;
}

// The face whose plane holds every corner of the polygon, or -1.
int faceOf(const std::vector<FedVertex>& polygon) {
    const std::pair<int, float> planes[Skybox::kFaces] = {{1, yt}, {2, z1}, {0, x1},
                                                          {2, z0}, {0, x0}, {1, yb}};
    for (int face = 0; face < Skybox::kFaces; ++face) {
        const auto [axis, value] = planes[face];
        if (std::all_of(polygon.begin(), polygon.end(), [&](const FedVertex& v) {
                return std::abs(v.p[size_t(axis)] - value) < 1;
            }))
            return face;
    }
    return -1;
}

// Texture coordinates run from 0.01 to 0.99 across each face: on the walls
// t upwards and s along +x, -z, -x, +z for sides 1 to 4; on top and bottom s
// along +x and t along -z.
std::array<float, 2> coordinatesAt(int face, std::array<float, 3> p) {
    auto along = [](float v, float from, float to) {
        return 0.01f + 0.98f * (v - from) / (to - from);
    };
    const float x = p[0], y = p[1], z = p[2];
    const float wallT = along(y, yb, yw), flatT = along(z, z1, z0);
    const std::array<float, 2> all[Skybox::kFaces] = {
        {along(x, x0, x1), flatT}, {along(x, x0, x1), wallT}, {along(z, z1, z0), wallT},
        {along(x, x1, x0), wallT}, {along(z, z0, z1), wallT}, {along(x, x0, x1), flatT}};
    return all[face];
}

}  // namespace

TEST_F(SkyboxGL, CornersAndCoordinatesFollowTheBoxAndItsFaceDirections) {
    Skybox sky = build();
    glColor3f(0.2f, 0.3f, 0.4f);
    const auto polygons = feedbackOf(sky);
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_EQ(std::vector<GLfloat>(colour, colour + 4), std::vector<GLfloat>({1, 1, 1, 1}));

    std::array<int, Skybox::kFaces> seen{};
    std::array<float, 3> low{1e9, 1e9, 1e9}, high{-1e9, -1e9, -1e9};
    for (const auto& polygon : polygons) {
        const int face = faceOf(polygon);
        ASSERT_NE(face, -1) << "a polygon off the box";
        ++seen[size_t(face)];
        for (const FedVertex& v : polygon) {
            const auto [s, t] = coordinatesAt(face, v.p);
            EXPECT_NEAR(v.s, s, 1e-3) << "face " << face;
            EXPECT_NEAR(v.t, t, 1e-3) << "face " << face;
            EXPECT_FLOAT_EQ(v.red, face == 0 ? 0.95f : 1.0f) << "face " << face;
            for (size_t a = 0; a < 3; ++a) {
                low[a] = std::min(low[a], v.p[a]);
                high[a] = std::max(high[a], v.p[a]);
            }
        }
    }
    for (int face = 0; face < Skybox::kFaces; ++face) EXPECT_GT(seen[size_t(face)], 0) << face;
    const std::array<float, 3> wantLow{x0, yb, z0}, wantHigh{x1, yw, z1};
    for (size_t a = 0; a < 3; ++a) {
        EXPECT_NEAR(low[a], wantLow[a], 1) << "axis " << a;
        EXPECT_NEAR(high[a], wantHigh[a], 1) << "axis " << a;
    }
}

TEST_F(SkyboxGL, EachFaceShowsItsTextureSeenFromInside) {
    Skybox sky = build();
    // Side 1 fills the middle looking along +z; the top and bottom faces show
    // above its top edge (y 4000, row 230) and below its bottom edge (row 25).
    drawLookingAlong(sky, 0, 0, 1);
    expectNear(rgbAt(128, 128), shown(1), "+z");
    expectNear(rgbAt(128, 250), shown(0), "above side 1");
    expectNear(rgbAt(128, 5), shown(5), "below side 1");
    const struct {
        float x, y, z;
        int face;
    } views[] = {{0, 1, 0, 0}, {1, 0, 0, 2}, {0, 0, -1, 3}, {-1, 0, 0, 4}, {0, -1, 0, 5}};
    for (const auto& view : views) {
        drawLookingAlong(sky, view.x, view.y, view.z);
        const std::string where = "face " + std::to_string(view.face);
        expectNear(rgbAt(128, 128), shown(view.face), where.c_str());
    }
}

TEST_F(SkyboxGL, FacesWithoutTextureAndAnEmptySkyDrawNothing) {
    Skybox missingSide1 = build(1);
    drawLookingAlong(missingSide1, 0, 0, 1);
    expectNear(rgbAt(128, 128), {0, 0, 0}, "side 1 without its file");
    expectNear(rgbAt(128, 250), shown(0), "top");
    Skybox empty;
    drawLookingAlong(empty, 0, 0, 1);
    std::vector<unsigned char> pixels(256 * 256 * 4), black(pixels.size());
    for (size_t i = 3; i < black.size(); i += 4) black[i] = 255;
    glReadPixels(0, 0, 256, 256, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    EXPECT_EQ(pixels, black);
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_EQ(colour[1], 1.0f);
}
