#include "physics/newton_box.h"

#include "render/box_batch.h"

#include <GL/gl.h>

NewtonBox::NewtonBox(NewtonWorld* w, Vertex position, float m, float edge)
    : NewtonBox(w, position, m, edge, edge, edge) {}

NewtonBox::NewtonBox(NewtonWorld* w, Vertex position, float m, float x, float y, float z)
    : NewtonPrimitive(w, m) {
    type = kBoxBody;
    size = newV(x, y, z);
    collision = NewtonCreateBox(world, size.x, size.y, size.z, nullptr);
    setPosition0(position);
    initBody(false);
}

void NewtonBox::draw() {
    glPushMatrix();
    multGLMatrix();
    glScalef(size.x / 2, size.y / 2, size.z / 2);
    glBegin(GL_QUADS);
    for (const BoxFace& face : kBoxFaces) {
        glNormal3fv(face.normal);
        for (const auto& corner : face.corners) glVertex3fv(corner);
    }
    glEnd();
    glPopMatrix();
}
