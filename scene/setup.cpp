#include "scene/setup.h"

#include "config/file_list.h"
#include "config/settings.h"
#include "physics/newton_box.h"
#include "physics/newton_cylinder.h"
#include "physics/newton_model.h"
#include "physics/newton_sphere.h"
#include "platform/bass.h"
#include "platform/log.h"
#include "play/play_tools.h"
#include "render/font.h"
#include "render/shader.h"
#include "scene/camera.h"
#include "scene/frame.h"
#include "scene/shadows.h"
#include "scene/skybox.h"
#include "scene/timer.h"
#include "scene/uniforms.h"
#include "sound/sound.h"

#include <GL/gl.h>

#include <cstring>
#include <string>

NewtonWorld* nWorld = nullptr;
unsigned int shd = 0;
char fontstr[64] = {};
texture_t ftex;
Vertex lightPos{0, 0, 0};

namespace {

void startMusicAndShader() {
    log_txt("Initializing Bass Audio Library");
    initSound();
    if (settings->IsSet("BACKGROUND_MUSIC"))
        playSound(settings->getSetting("BACKGROUND_MUSIC"), 75);
    initGLShader(false);
    if (shader_Support && settings->IsSet("VERTEX_SHADER_STD") &&
        settings->IsSet("FRAGMENT_SHADER_STD"))
        shd = LoadGLShader(settings->getSetting("VERTEX_SHADER_STD"),
                           settings->getSetting("FRAGMENT_SHADER_STD"));
}

// The overlay font named in data/settings.txt; without one the text is
// drawn untextured.
void readFontName() { std::memcpy(fontstr, LoadFileList(false).font, sizeof fontstr); }

void loadFont() {
    if (fontstr[0]) ftex = LoadTexture(fontstr, false);
    glBuildFont(ftex);
}

void setMaterialAndLight() {
    const float ambient[4] = {0.5f, 0.5f, 0.5f, 1.0f};
    const float diffuse[4] = {0.5f, 0.5f, 0.5f, 1.0f};
    const float lightAmbient[4] = {0.1f, 0.1f, 0.1f, 1.0f};
    const float lightColour[4] = {0.9f, 0.3f, 0.5f, 1.0f};
    const float lightPosition[4] = {30, 20, 60, 1.0f};
    glEnable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_LIGHTING);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, ambient);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_AMBIENT, lightAmbient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, lightColour);
    glLightfv(GL_LIGHT0, GL_SPECULAR, lightColour);
    // The font build left the matrix moved 2560 along x: the light stays there.
    glLightfv(GL_LIGHT0, GL_POSITION, lightPosition);
    glEnable(GL_LIGHT0);
}

const char* glString(GLenum name) {
    const auto* text = reinterpret_cast<const char*>(glGetString(name));
    return text ? text : "?";
}

// What the scene really runs on: the GL driver, the physics engine, the sound output.
void logWhatRunsUnderneath() {
    log_txt("OpenGL vendor: %s", glString(GL_VENDOR));
    log_txt("OpenGL renderer: %s", glString(GL_RENDERER));
    log_txt("OpenGL version: %s", glString(GL_VERSION));
    log_txt("Physics engine: %s", NewtonGetEngineVersion().c_str());
    const std::string audio = BASS_GetDeviceDescription();
    log_txt("Audio device: %s", audio.empty() ? "none, the demo runs silent" : audio.c_str());
}

// Names a model that reaches outside the world box, with its size: one much larger than the
// box surrounds the camera and the floor, one placed outside it is never simulated, and
// either may never be seen.
bool insideWorld(Vertex p) {
    const float c[3] = {p.x, p.y, p.z};
    for (int k = 0; k < 3; ++k)
        if (!(c[k] >= kWorldMin[k] && c[k] <= kWorldMax[k])) return false;
    return true;
}

void reportModelOutsideWorld(const NewtonModel& model, const char* descFile) {
    if (insideWorld(model.low) && insideWorld(model.high)) return;
    const Vertex size = sub(model.high, model.low);
    log_txt("*Model %s is %g x %g x %g units, from (%g, %g, %g) to (%g, %g, %g) where placed: "
            "it reaches outside the world box (%g to %g) and may not be seen",
            descFile, size.x, size.y, size.z, model.low.x, model.low.y, model.low.z, model.high.x,
            model.high.y, model.high.z, kWorldMin[0], kWorldMax[0]);
}

void createModel() {
    const char* descFile = settings->getSetting("TEST_MODEL");
    auto* model = new NewtonModel(nWorld, descFile, newV(30, 30, 10), 40, 1.0f);
    NewtonObjects.add(model, kModelNode);
    reportModelOutsideWorld(*model, descFile);
}

// The sphere and the cylinder take a box's inertia over their size (false), as
// the scene always had them; bodies the viewer adds take their shape's.
void createBodies() {
    log_txt("initializing NewtonObjects...");
    NewtonObjects.setData(new NewtonBox(nWorld, newV(0, 0, 0), 0, 150, 10, 150));
    NewtonObjects.add(new NewtonCylinder(nWorld, settings->getSetting("CYLINDER_MODEL"),
                                         newV(2, 50, 0), 10, 5, 6, false),
                      kCylinderNode);
    NewtonObjects.add(new NewtonBox(nWorld, newV(0, 100, 0), 20, 10), kHingeChildNode);
    NewtonObjects.add(new NewtonBox(nWorld, newV(0, 20, 20), 10, 5), kPushedBoxNode);
    NewtonObjects.add(new NewtonBox(nWorld, newV(6, 130, 5), 10, 6), kHingeParentNode);
    NewtonObjects.add(new NewtonSphere(nWorld, newV(-20, 10, -20), 10, 6, false), kSphereNode);
    if (settings->IsSet("TEST_MODEL")) createModel();
}

void createHinge() {
    log_txt("Creating Joint...");
    NewtonPrimitive* child = FindBody(kHingeChildNode);
    NewtonPrimitive* parent = FindBody(kHingeParentNode);
    if (!child || !parent) return;
    Vertex pivot = newV(1, 0, 0);
    Vertex pin = normalizeVec(sub(child->getPosition(), parent->getPosition()));
    NewtonJoint* joint = NewtonConstraintCreateHinge(nWorld, getVertex3f(pivot), getVertex3f(pin),
                                                     child->getBody(), parent->getBody());
    NewtonHingeSetUserCallback(joint, jointCallback2);
}

}  // namespace

int InitGL(int stressBoxes) {
    log_txt("Initializing Newton Game Dynamics");
    nWorld = NewtonCreate(nullptr, nullptr);
    startMusicAndShader();
    ForgetShadows();
    readFontName();
    MultiTexturing();
    timer.Init();
    fps = 0;
    glClearColor(0.4f, 0.4f, 1.0f, 1.0f);
    loadFont();
    setMaterialAndLight();
    lightPos = newV(30, 20, 60);
    if (shd) {
        glBindShader(shd);
        setUniform("LightPosition", lightPos);
        glUnbindShader();
    }
    cam.toStartPose();
    NewtonSetWorldSize(nWorld, kWorldMin, kWorldMax);
    createBodies();
    createHinge();
    Vertex spin = newV(2, 1, 7);
    if (NewtonPrimitive* cylinder = FindBody(kCylinderNode))
        NewtonBodySetOmega(cylinder->getBody(), getVertex3f(spin));
    tools.stress.drop(nWorld, stressBoxes);
    tools.start.remember(NewtonObjects);
    for (const auto& box : tools.stress.all()) tools.start.add(box->getBody());
    if (settings->IsSet("SKYBOX_FILE"))
        sky = Skybox(settings->getSetting("SKYBOX_FILE"), 3000, 2000, 4);
    log_txt("\n***********************************************\n"
            "Initialisation finished successfully\n"
            "***********************************************\n");
    logWhatRunsUnderneath();
    return 1;
}

unsigned jointCallback2(const NewtonJoint* joint, NewtonHingeSliderUpdateDescTag* desc) {
    desc->m_accel = NewtonHingeCalculateStopAlpha(joint, desc, 0.0f);
    return 1;
}
