#include "scene/frame.h"

#include "panel/panel_commands.h"
#include "physics/newton_primitive.h"
#include "play/play_tools.h"
#include "render/font.h"
#include "render/shader.h"
#include "render/texture.h"
#include "scene/camera.h"
#include "scene/frame_panel.h"
#include "scene/frame_tools.h"
#include "scene/help.h"
#include "scene/scene_choice.h"
#include "scene/setup.h"
#include "scene/shadows.h"
#include "scene/skybox.h"
#include "scene/uniforms.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

int fps = 0;
float fpsq = 1.0f;

namespace {

using Clock = std::chrono::steady_clock;

KeyPresses presses;
Clock::time_point lastFrameStart = Clock::now();

// A frame of a second or more has a rate that truncates to 0: it moves the
// camera as a frame at 40 per second would, rather than infinitely far.
void measureFrameRate(float rate) {
    fps = int(rate);
    fpsq = fps > 0 ? 40.0f / float(fps) : 1.0f;
}

double millisecondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

void moveLight() {
    const struct {
        unsigned key;
        Vertex step;
    } lightKeys[] = {
        {'I', {0, 0, -0.5f}}, {'K', {0, 0, 0.5f}}, {'J', {-0.5f, 0, 0}},
        {'L', {0.5f, 0, 0}},  {'P', {0, 0.5f, 0}}, {'U', {0, -0.5f, 0}},
    };
    for (const auto& k : lightKeys)
        if (keys[k.key]) lightPos = add(lightPos, k.step);
}

void pushBox() {
    NewtonPrimitive* pushed = FindBody(kPushedBoxNode);
    if (!pushed || ShownScene() != 0) return;
    NewtonBody* box = pushed->getBody();
    NewtonWorldUnfreezeBody(nWorld, box);
    const struct {
        unsigned key;
        float velocity[3];
    } pushKeys[] = {
        {'W', {0, 0, -5}},           {'S', {0, 0, 5}}, {'A', {-5, 0, 0}}, {'D', {5, 0, 0}},
        {plat::VK_SPACE, {0, 5, 0}},
    };
    for (const auto& k : pushKeys)
        if (keys[k.key]) NewtonBodySetVelocity(box, k.velocity);
}

// The thrown balls and the stress boxes, lit as the scene's bodies are. They
// go first: the floor and the bodies behind them then fail the depth test
// before their pixels are shaded, which is most of what 1000 boxes cost.
// The stress boxes live in the demo's own world, and are drawn only with it.
void drawAddedBodies(Vertex eye) {
    const bool stress = !tools.stress.all().empty() && ShownScene() == 0;
    if (tools.balls.all().empty() && !stress) return;
    setUniform("color", newV(0.6f, 0.5f, 0.05f));
    setUniform("isTex", 0);
    setUniform("dif", 0.7f);
    if (stress) tools.stress.draw(eye);
    tools.balls.draw();
}

// Fixed bodies look as the floor does, moving ones as the demo's bodies. The
// floor comes first in every scene's table.
void drawClassicBodies(const ClassicScene& classic, bool withFloor) {
    setUniform("isTex", 0);
    for (const auto& body : classic.bodies()) {
        if (!withFloor && &body == &classic.bodies().front()) continue;
        const bool fixed = body->mass == 0;
        setUniform("color", fixed ? newV(0.3f, 0.7f, 0.15f) : newV(0.6f, 0.5f, 0.05f));
        setUniform("dif", fixed ? 0.0f : 0.7f);
        body->draw();
    }
}

void drawDemoBodies(bool withFloor) {
    if (withFloor) {
        setUniform("color", newV(0.3f, 0.7f, 0.15f));
        setUniform("isTex", 0);
        setUniform("dif", 0.0f);
        NewtonObjects.getData()->draw();
    }
    setUniform("dif", 0.7f);
    setUniform("color", newV(0.6f, 0.5f, 0.05f));
    for (auto* node = NewtonObjects.getNext(); node; node = node->getNext()) {
        setUniform("isTex", node->getData()->getType() == kModelBody ? 1 : 0);
        node->getData()->draw();
    }
}

// Every body there is, seen from eye: the one path of the lit frame and of the
// light's depth map, so that whatever body the scene holds also casts a
// shadow. The floor only receives shadows: it is left out of the depth map.
void drawEachBody(Vertex eye, bool withFloor) {
    drawAddedBodies(eye);
    if (const ClassicScene* classic = ShownClassicScene()) drawClassicBodies(*classic, withFloor);
    else drawDemoBodies(withFloor);
    setUniform("color", newV(0.6f, 0.5f, 0.05f));
    setUniform("dif", 0.7f);
    for (const auto& body : tools.spawned.all()) {
        setUniform("isTex", body->getType() == kModelBody ? 1 : 0);
        body->draw();
    }
}

void drawShadowCasters() { drawEachBody(lightPos, false); }

void drawBodies() {
    const bool shadowed = ShadowsOn();
    if (shadowed) BeginShadowedLighting();
    else glBindShader(shd);
    setViewMatrixUniform();
    // The shipped shader takes the eye itself for highlights and reads no CamPos;
    // it is still offered to shaders that do.
    setUniform("CamPos", newV(cam.x, cam.y, cam.z));
    drawEachBody(cam.eye(), true);
    if (shadowed) EndShadowedLighting();
    glUnbindShader();
}

void drawLightMarker() {
    glPushMatrix();
    glTranslatef(lightPos.x, lightPos.y, lightPos.z);
    GLUquadric* quadric = gluNewQuadric();
    gluSphere(quadric, 1.0, 20, 20);
    gluDeleteQuadric(quadric);
    glPopMatrix();
}

void drawOverlay() {
    glLoadIdentity();
    glBindTex(ftex, 0);
    const OverlayText text = FormatOverlay();
    for (int i = 0; i < 3; ++i) glPrintShadowed(255, 0, 0, 20, 20 + 20 * i, "%s", text.lines[i]);
    DrawToolOverlay();
    DrawShadowsNote();
}

// What the frame's input moves: the camera, the light, the pushed and the held body.
void moveByInput(const FrameInput& input) {
    getKeys(input);
    cam.update(fpsq);
    MoveHeldBody();
}

void drawScene() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    glLoadIdentity();
    if (ShadowsOn()) DrawShadowDepth(drawShadowCasters);
    cam.positionCamera();
    glUnbindAll();
    glEnable(GL_LIGHTING);
    drawBodies();
    drawLightMarker();
    glDisable(GL_LIGHTING);
    sky.draw();
    DrawToolViews();
    drawOverlay();
    glEnable(GL_LIGHTING);
}

// Takes up to `most` physics steps, begun at `start`, fewer when the physics'
// time budget allows no more.
int takeSteps(int most, Clock::time_point start) {
    int taken = 0;
    for (; taken < most; ++taken) {
        if (!tools.budget.allows(taken, millisecondsBetween(start, Clock::now()))) break;
        NewtonUpdateSteps(nWorld, 1);
    }
    tools.budget.measured(taken, millisecondsBetween(start, Clock::now()));
    return taken;
}

}  // namespace

void mouseLook(const FrameInput& input) {
    if (!input.pointerHeld) return;
    cam.xrot += float(input.lookY) / 50.0f * 5.0f;
    cam.yrot -= float(input.lookX) / 50.0f * 5.0f;
}

OverlayText FormatOverlay() {
    OverlayText text;
    std::snprintf(text.lines[0], sizeof text.lines[0], "FPS: %i", fps);
    std::snprintf(text.lines[1], sizeof text.lines[1], "x: %f  y: %f  z: %f", cam.x, cam.y, cam.z);
    std::snprintf(text.lines[2], sizeof text.lines[2], "yrot: %i", int(cam.yrot));
    return text;
}

void getKeys(const FrameInput& input) {
    mouseLook(input);
    if (keys[plat::VK_UP]) cam.speed = 0.4f;
    if (keys[plat::VK_DOWN]) cam.speed = -0.4f;
    moveLight();
    glBindShader(shd);
    setUniform("LightPosition", lightPos);
    glUnbindShader();
    if (!keys[plat::VK_UP] && !keys[plat::VK_DOWN]) cam.speed = 0;
    pushBox();
    if (keys[plat::VK_RETURN]) cam.toStartPose();
}

int DrawGLScene(FrameScript* script) {
    const Clock::time_point start = Clock::now();
    FrameInput input = TakeFrameInput(script);
    measureFrameRate(input.fps);
    presses.update(keys);
    ApplyToolKeys(presses);
    if (presses[plat::VK_TAB]) TogglePanel();
    ApplyPanelCommand(input.panel);
    const int due = std::min(tools.clock.stepsDue(input.seconds), int(input.steps));
    const Clock::time_point physicsStart = Clock::now();
    input.steps = std::uint8_t(takeSteps(due, physicsStart));
    const Clock::time_point physicsEnd = Clock::now();
    drawStepFraction = tools.clock.stepFraction();
    if (script) script->stepped(input);
    const bool shot = presses[plat::VK_F12] || input.panel.op == kPanelScreenshot;
    if (keys[plat::VK_F1]) {
        DrawHelp();
    } else {
        moveByInput(input);
        // Minimised, nothing would be seen, unless the frame is saved as a picture.
        if (active || shot || tools.drawMinimised) {
            drawScene();
            DrawPanelOverScene();
        }
    }
    if (shot) SaveScreenshot();
    const Clock::time_point end = Clock::now();
    const FrameTimes times{millisecondsBetween(lastFrameStart, start),
                           millisecondsBetween(physicsStart, physicsEnd),
                           millisecondsBetween(physicsEnd, end),
                           1000.0 * kNewtonStepSeconds * input.steps, input.steps < due};
    tools.stats.add(std::chrono::duration<double>(end.time_since_epoch()).count(), times);
    tools.frameMs.add(float(times.frameMs));
    tools.physicsMs.add(float(times.physicsMs));
    lastFrameStart = start;
    return 1;
}
