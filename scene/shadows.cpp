#include "scene/shadows.h"

#include "config/settings.h"
#include "physics/newton_primitive.h"
#include "platform/log.h"
#include "render/font.h"
#include "render/shader.h"
#include "render/shadow_map.h"
#include "scene/setup.h"
#include "scene/uniforms.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMapUnit = 1;  // unit 0 holds the models' skins
// The widest the light's view gets: a light low over the floor's edge cannot
// see all of the floor, and a wider view would spread the map too thin.
constexpr float kWidestView = 150, kNarrowestView = 10;
constexpr int kNoteY = 500;  // the overlay's bottom line

ShadowMap depthMap;
unsigned shadowedLighting = 0;
bool asked = false, prepared = false;
const char* unavailable = nullptr;  // why shadows cannot be drawn, once prepared

const char* findUnavailable() {
    if (!shader_Support || !shd) return "no lighting shader";
    if (!settings->IsSet("VERTEX_SHADER_SHADOWED") || !settings->IsSet("FRAGMENT_SHADER_SHADOWED"))
        return "data/config.txt names no shadowed lighting shader";
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    if (depthMap.create(viewport[2], viewport[3], ShadowPath::framebuffer) == ShadowPath::none)
        return depthMap.missing();
    return nullptr;
}

void prepare() {
    if (prepared) return;
    prepared = true;
    unavailable = findUnavailable();
    if (unavailable) {
        log_txt("Shadows cannot be turned on: %s", unavailable);
        return;
    }
    shadowedLighting = LoadGLShader(settings->getSetting("VERTEX_SHADER_SHADOWED"),
                                    settings->getSetting("FRAGMENT_SHADER_SHADOWED"));
    log_txt("Shadows: a %d x %d depth map, %s", depthMap.side(), depthMap.side(),
            depthMap.path() == ShadowPath::framebuffer ? "drawn through a framebuffer object"
                                                       : "copied from the back buffer");
}

// The angle in degrees between two directions.
float degreesBetween(Vertex a, Vertex b) {
    const float cosine = (a.x * b.x + a.y * b.y + a.z * b.z) / (vlength(a) * vlength(b));
    return std::acos(std::clamp(cosine, -1.0f, 1.0f)) * float(180 / M_PI);
}

// From the light towards the middle of the world box, wide enough to take in
// every corner of the floor (the body at the head of the list) it can.
LightView lightOverFloor() {
    LightView view{lightPos, newV(0, 0, 0), kNarrowestView, 1, 1};
    NewtonPrimitive* floor = NewtonObjects.getData();
    const Vertex middle = floor->getPosition(), half = multScalar(floor->size, 0.5f);
    const Vertex ahead = sub(view.towards, view.from);
    for (int corner = 0; corner < 8; ++corner) {
        const Vertex at =
            add(middle, newV(corner & 1 ? half.x : -half.x, corner & 2 ? half.y : -half.y,
                             corner & 4 ? half.z : -half.z));
        const Vertex toCorner = sub(at, view.from);
        view.fovDegrees = std::max(view.fovDegrees, 2 * degreesBetween(ahead, toCorner) + 2);
        view.farthest = std::max(view.farthest, vlength(toCorner) * 1.1f);
    }
    view.fovDegrees = std::min(view.fovDegrees, kWidestView);
    return view;
}

}  // namespace

void ForgetShadows() {
    depthMap = ShadowMap();
    shadowedLighting = 0;
    asked = prepared = false;
    unavailable = nullptr;
}

void SetShadows(bool on) {
    asked = on;
    if (on) prepare();
}

void ToggleShadows() { SetShadows(!asked); }

bool ShadowsAsked() { return asked; }

bool ShadowsOn() { return asked && !unavailable; }

void DrawShadowDepth(void (*drawCasters)()) {
    depthMap.begin(lightOverFloor());
    drawCasters();
    depthMap.end();
}

void BeginShadowedLighting() {
    glBindShader(shadowedLighting);
    setUniform("LightPosition", lightPos);
    depthMap.bind(kMapUnit);
}

void EndShadowedLighting() { depthMap.unbind(kMapUnit); }

void DrawShadowsNote() {
    if (asked && unavailable)
        glPrintShadowed(255, 255, 0, 20, kNoteY, "Shadows unavailable: %s", unavailable);
}
