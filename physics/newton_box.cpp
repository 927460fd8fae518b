#include "physics/newton_box.h"

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

namespace {

struct Face {
    float normal[3];
    float corners[4][3];  // counter-clockwise seen from outside
};

const Face kFaces[6] = {
    {{0, 0, 1}, {{-1, -1, 1}, {1, -1, 1}, {1, 1, 1}, {-1, 1, 1}}},
    {{0, 0, -1}, {{-1, -1, -1}, {-1, 1, -1}, {1, 1, -1}, {1, -1, -1}}},
    {{0, 1, 0}, {{-1, 1, -1}, {-1, 1, 1}, {1, 1, 1}, {1, 1, -1}}},
    {{0, -1, 0}, {{-1, -1, -1}, {1, -1, -1}, {1, -1, 1}, {-1, -1, 1}}},
    {{1, 0, 0}, {{1, -1, -1}, {1, 1, -1}, {1, 1, 1}, {1, -1, 1}}},
    {{-1, 0, 0}, {{-1, -1, -1}, {-1, -1, 1}, {-1, 1, 1}, {-1, 1, -1}}},
};

}  // namespace

void NewtonBox::draw() {
    glPushMatrix();
    multGLMatrix();
    glScalef(size.x / 2, size.y / 2, size.z / 2);
    glBegin(GL_QUADS);
    for (const Face& face : kFaces) {
        glNormal3fv(face.normal);
        for (const auto& corner : face.corners) glVertex3fv(corner);
    }
    glEnd();
    glPopMatrix();
}
