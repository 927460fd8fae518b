#include "physics/newton_primitive.h"

#include "platform/log.h"

#include <GL/gl.h>

NewtonPrimitive::NewtonPrimitive(NewtonWorld* w, float m)
    : matrix(GetIdentityMatrix()), drawn(matrix), mass(m), world(w) {
    log_txt("Newton Primitive initialized...");
}

NewtonPrimitive::~NewtonPrimitive() {
    if (body) NewtonDestroyBody(world, body);
}

void NewtonPrimitive::setPosition0(Vertex position) {
    matrix = GetIdentityMatrix();
    matrix.m[12] = position.x;
    matrix.m[13] = position.y;
    matrix.m[14] = position.z;
}

void NewtonPrimitive::initBody(bool convex) {
    body = NewtonCreateBody(world, collision);
    if (convex) {
        float inertia[3], origin[3];
        NewtonConvexCollisionCalculateInertialMatrix(collision, inertia, origin);
        NewtonBodySetMassMatrix(body, mass, inertia[0] * mass, inertia[1] * mass,
                                inertia[2] * mass);
        NewtonBodySetCentreOfMass(body, origin);
    } else {
        const float Ixx = ((size.y * size.y + size.z * size.z) * mass) / 12;
        const float Iyy = ((size.x * size.x + size.z * size.z) * mass) / 12;
        const float Izz = ((size.x * size.x + size.y * size.y) * mass) / 12;
        NewtonBodySetMassMatrix(body, mass, Ixx, Iyy, Izz);
    }
    NewtonReleaseCollision(world, collision);
    NewtonBodySetMatrix(body, matrix.m);
    log_txt("Newton Body Created");
    NewtonBodySetForceAndTorqueCallback(body, gravitation);
}

namespace {

const char* kindName(int type) {
    switch (type) {
    case kBoxBody: return "box";
    case kRoundBody: return "round";
    case kModelBody: return "model";
    default: return "plain";
    }
}

}  // namespace

// A body that was never made keeps the matrix it was given. A body the
// engine took out for motion that stopped being finite is logged once.
void NewtonPrimitive::fetchMatrix() {
    if (!body) return;
    NewtonBodyGetMatrix(body, matrix.m);
    if (NewtonBodyIsBroken(body) && !brokenLogged) {
        brokenLogged = true;
        log_txt("a %s body stopped moving in finite numbers: frozen at (%g, %g, %g)",
                kindName(type), matrix.m[12], matrix.m[13], matrix.m[14]);
    }
}

Vertex NewtonPrimitive::getPosition() {
    fetchMatrix();
    return newV(matrix.m[12], matrix.m[13], matrix.m[14]);
}

void NewtonPrimitive::multGLMatrix() {
    fetchMatrix();
    glMultMatrixf(drawMatrix().m);
}

const Matrix& NewtonPrimitive::drawMatrix() {
    drawn = matrix;
    if (body) NewtonBodyGetDrawMatrix(body, drawStepFraction, drawn.m);
    return drawn;
}

NewtonPrimitive* FindBody(int number) {
    const LinkedList<NewtonPrimitive*>* node = NewtonObjects.find(number);
    return node ? node->getData() : nullptr;
}

float drawStepFraction = 1.0f;
float gravityScale = 1.0f;

void gravitation(const NewtonBody* body) {
    float mass, Ixx, Iyy, Izz;
    NewtonBodyGetMassMatrix(body, &mass, &Ixx, &Iyy, &Izz);
    // At scale 1 the product is the weight exactly as before the scale came.
    const float force[3] = {0.0f, mass * -kGravity * gravityScale, 0.0f};
    NewtonBodySetForce(body, force);
}
