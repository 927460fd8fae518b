// The light's depth map on a fixed scene: a cube of edge 4 resting on a floor
// under a light 40 straight above it, seen from 45 degrees up, drawn by the
// shipped lighting (no shadows) and by the shadowed lighting, on both paths
// a depth map is taken by.
#include "physics/newton_box.h"
#include "render/shader.h"
#include "render/shadow_map.h"
#include "render/texture.h"
#include "scene/uniforms.h"
#include "support/gl_window.h"
#include "support/physics_world.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using namespace testing_support;

namespace {

const std::string kShaders = VARNE_SOURCE_DIR "/data/shaders/";
constexpr int kSide = 256;
constexpr float kHalfEdge = 2, kLightHeight = 40;

void drawFloor() {
    glBegin(GL_QUADS);
    glNormal3f(0, 1, 0);
    glVertex3f(-80, 0, 80), glVertex3f(80, 0, 80), glVertex3f(80, 0, -80), glVertex3f(-80, 0, -80);
    glEnd();
}

struct Picture {
    std::vector<unsigned char> green = std::vector<unsigned char>(kSide * kSide);
    double projection[16], modelView[16];
    int viewport[4];
    // The green level where the floor point (x, 0, z) is seen.
    int at(double x, double z) const {
        double wx, wy, wz;
        gluProject(x, 0, z, modelView, projection, viewport, &wx, &wy, &wz);
        return green[size_t(int(wy) * kSide + int(wx))];
    }
};

// The floor, without the cube so that its footprint shows, lit from light;
// with a map, that map's shadows fall on it.
Picture drawFloorSeen(unsigned program, Vertex light, const ShadowMap* map) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45, 1, 1, 300);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0, 20, 20, 0, 0, 0, 0, 1, 0);
    glEnable(GL_DEPTH_TEST);
    glBindShader(program);
    setViewMatrixUniform();
    setUniform("LightPosition", light);
    setUniform("color", newV(0.3f, 0.7f, 0.15f));
    setUniform("dif", 0.0f);
    setUniform("isTex", 0);
    if (map) map->bind(1);
    drawFloor();
    if (map) map->unbind(1);
    glUnbindShader();
    Picture picture;
    glGetDoublev(GL_PROJECTION_MATRIX, picture.projection);
    glGetDoublev(GL_MODELVIEW_MATRIX, picture.modelView);
    glGetIntegerv(GL_VIEWPORT, picture.viewport);
    glReadPixels(0, 0, kSide, kSide, GL_GREEN, GL_UNSIGNED_BYTE, picture.green.data());
    return picture;
}

struct ShadowMapGL : PhysicsWorld, testing::WithParamInterface<ShadowPath> {};

// Under the footprint only the ambient third of the light is left: the
// shadowed floor over the lit one is 0.3 / (0.3 + 0.4 cos), cos the light's
// angle there, within 0.02. Half a unit outside the footprint the floor is lit
// as the shipped lighting lights it. And the open floor, which is in the map
// too, has no speckles: no pixel differs from its neighbours' mean by more
// than a step of the 2 x 2 filter (a quarter of the light's diffuse part).
TEST_P(ShadowMapGL, ACubeOnTheFloorShadowsItsFootprintAndNothingElse) {
    TestGLWindow window(kSide, kSide);
    MultiTexturing();
    initGLShader(true);
    NewtonBox cube(world, newV(0, kHalfEdge, 0), 0, 2 * kHalfEdge);  // unmoving, as at rest
    ShadowMap map;
    ASSERT_EQ(map.create(kSide, kSide, GetParam()), GetParam());
    EXPECT_EQ(map.side(), GetParam() == ShadowPath::copy ? kSide : ShadowMap::kLargestSide);
    const Vertex light = newV(0, kLightHeight, 0);
    glEnable(GL_DEPTH_TEST);
    map.begin({light, newV(0, 0, 0), 120, 1, 200});
    drawFloor();
    cube.draw();
    map.end();
    const unsigned plain =
        LoadGLShader((kShaders + "lighting.vert").c_str(), (kShaders + "lighting.frag").c_str());
    const unsigned shadowed =
        LoadGLShader((kShaders + "shadowed.vert").c_str(), (kShaders + "shadowed.frag").c_str());
    const Picture lit = drawFloorSeen(plain, light, nullptr);
    const Picture shaded = drawFloorSeen(shadowed, light, &map);

    const float inside = kHalfEdge - 0.25f;
    for (float x = -inside; x <= inside; x += 0.25f)
        for (float z = -inside; z <= inside; z += 0.25f) {
            const double cosine =
                kLightHeight / std::sqrt(kLightHeight * kLightHeight + x * x + z * z);
            EXPECT_NEAR(double(shaded.at(x, z)) / lit.at(x, z), 0.3 / (0.3 + 0.4 * cosine), 0.02)
                << x << ", " << z;
        }
    const float ring = kHalfEdge + 0.5f;
    for (float along = -ring; along <= ring; along += 0.25f)
        for (const auto& [x, z] :
             {std::pair{along, -ring}, {along, ring}, {-ring, along}, {ring, along}})
            EXPECT_NEAR(shaded.at(x, z), lit.at(x, z), 1) << x << ", " << z;

    // The open floor: every pixel but those around the shadow (within 3.5 of the middle).
    double low[2] = {kSide, kSide}, high[2] = {0, 0};
    for (const auto& [x, z] : {std::pair{-3.5, -3.5}, {-3.5, 3.5}, {3.5, -3.5}, {3.5, 3.5}}) {
        double w[3];
        gluProject(x, 0, z, shaded.modelView, shaded.projection, shaded.viewport, &w[0], &w[1],
                   &w[2]);
        for (int k = 0; k < 2; ++k)
            low[k] = std::min(low[k], w[k]), high[k] = std::max(high[k], w[k]);
    }
    const int step = int(0.25 * 0.4 * 0.7 * 255);
    int speckles = 0;
    for (int y = 1; y < kSide - 1; ++y)
        for (int x = 1; x < kSide - 1; ++x) {
            if (x >= low[0] && x <= high[0] && y >= low[1] && y <= high[1]) continue;
            const auto g = [&](int dx, int dy) {
                return int(shaded.green[size_t((y + dy) * kSide + x + dx)]);
            };
            const int around = (g(-1, 0) + g(1, 0) + g(0, -1) + g(0, 1)) / 4;
            speckles += std::abs(g(0, 0) - around) > step;
        }
    EXPECT_EQ(speckles, 0);
}

INSTANTIATE_TEST_SUITE_P(Paths, ShadowMapGL,
                         testing::Values(ShadowPath::framebuffer, ShadowPath::copy),
                         [](const auto& info) {
                             return info.param == ShadowPath::framebuffer ? "Framebuffer" : "Copy";
                         });

}  // namespace
