#include "physics/newton_sphere.h"

#include <GL/gl.h>
#include <GL/glu.h>

NewtonSphere::NewtonSphere(NewtonWorld* w, Vertex position, float m, float radius,
                           bool exactInertia)
    : NewtonPrimitive(w, m) {
    type = kRoundBody;
    size = newV(radius, radius, radius);
    collision = NewtonCreateSphere(world, radius, radius, radius, nullptr);
    setPosition0(position);
    initBody(exactInertia);
}

void NewtonSphere::draw() {
    static const float kWhite[4] = {1, 1, 1, 1};
    glPushMatrix();
    multGLMatrix();
    glScalef(size.x, size.y, size.z);
    glMaterialfv(GL_FRONT, GL_SPECULAR, kWhite);
    glMaterialfv(GL_FRONT, GL_AMBIENT_AND_DIFFUSE, kWhite);
    glMaterialf(GL_FRONT, GL_SHININESS, 50);
    GLUquadric* quadric = gluNewQuadric();
    gluSphere(quadric, 1.0, 20, 20);
    gluDeleteQuadric(quadric);
    glPopMatrix();
}
