#include "physics/newton_cylinder.h"

#include "platform/log.h"

#include <GL/gl.h>

NewtonCylinder::NewtonCylinder(NewtonWorld* w, const char* descFile, Vertex position, float m,
                               float radius, float height, bool exactInertia)
    : NewtonPrimitive(w, m) {
    type = kRoundBody;
    size = newV(radius, height, 1.0f);
    collision = NewtonCreateCylinder(world, radius, height, nullptr);
    log_txt("Loading Cylinder Model");
    if (descFile) model.Load(descFile);
    setPosition0(position);
    initBody(exactInertia);
}

void NewtonCylinder::draw() {
    glPushMatrix();
    multGLMatrix();
    glScalef(size.y, 2 * size.x, 2 * size.x);
    model.RenderFrame();
    glPopMatrix();
}
