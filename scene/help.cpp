#include "scene/help.h"

#include "render/font.h"
#include "render/texture.h"
#include "scene/setup.h"

#include <GL/gl.h>

namespace {

constexpr Control kControls[] = {
    {"Up / Down (launcher)", "choose the screen mode; Enter starts the demo"},
    {"mouse", "look around"},
    {"Up / Down", "walk forward / backward"},
    {"W, S, A, D, Space", "push the box along -z, +z, -x, +x, up"},
    {"I / K, J / L, P / U", "move the light along -z, +z, -x, +x, up, down"},
    {"Return", "camera back to its start"},
    {"F1", "show this help while held"},
    {"F2", "pause / resume the physics"},
    {"F3", "one physics step of 1/60 s while paused"},
    {"F4", "debug view: shapes, contacts, hinge, bounds"},
    {"F5", "reset: bodies and camera to their start"},
    {"F6", "statistics: frame times, bodies, contacts"},
    {"F7 / F8", "half / double speed, 1/8x to 1x"},
    {"F9", "next scene: pyramid, tower, dominoes, ..."},
    {"F10", "shadows from the light on / off"},
    {"F12", "save a screenshot under screenshots/"},
    {"Tab", "show / hide the control panel"},
    {"left mouse button, held", "drag the body under the crosshair"},
    {"right mouse button", "throw a ball along the view"},
    {"Escape, or closing the window", "quit"},
};

// Virtual-screen columns and rows (font.h): the longest keys, 29 characters,
// end before the effects; the longest effect, 45 characters, ends by x = 780.
// The 20 rows end 38 units above the bottom (text is drawn up from y = 530).
constexpr int kKeysX = 20, kEffectX = 330, kFirstRowY = 95, kRowStep = 22;

}  // namespace

std::span<const Control> Controls() { return kControls; }

void DrawHelp() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    glBindTex(ftex, 0);
    glPrintShadowed(255, 0, 0, 300, 60, "3D-Varne Controls");
    int y = kFirstRowY;
    for (const Control& control : kControls) {
        glPrintShadowed(255, 255, 0, kKeysX, y, "%s", control.keys);
        glPrintShadowed(255, 255, 255, kEffectX, y, "%s", control.effect);
        y += kRowStep;
    }
    glEnable(GL_LIGHTING);
}
