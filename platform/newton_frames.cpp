// Conversions between the API's OpenGL-order matrices and Bullet transforms,
// and between a body's origin frame and Bullet's centre-of-mass frame.
#include "platform/newton_internal.h"

namespace newton_bt {

// Bullet needs a pure rotation: scale or shear in the matrix is dropped.
btTransform fromGL(const float* matrix) {
    btTransform t;
    t.setFromOpenGLMatrix(matrix);
    btQuaternion q;
    t.getBasis().getRotation(q);
    t.setRotation(q.length2() > SIMD_EPSILON ? q.normalized() : btQuaternion::getIdentity());
    return t;
}

void toGL(const btTransform& transform, float* matrix) { transform.getOpenGLMatrix(matrix); }

// The rigid frame times shift(-com), without multiplying its basis by the
// identity: this runs for every awake body after every internal step.
btTransform originFrame(const NewtonBody& body) {
    const btTransform& rigid = body.rigid->getCenterOfMassTransform();
    return btTransform(rigid.getBasis(), rigid(-body.com));
}

void rememberStepStart(NewtonBody& body) {
    body.previous = body.rigid->getCenterOfMassTransform();
    body.previousVelocity = body.rigid->getLinearVelocity();
    body.previousOmega = body.rigid->getAngularVelocity();
}

bool insideBox(const NewtonWorld& world, const btVector3& p) {
    const btVector3 &lo = world.boxMin, &hi = world.boxMax;
    return p.x() >= lo.x() && p.y() >= lo.y() && p.z() >= lo.z() && p.x() <= hi.x() &&
           p.y() <= hi.y() && p.z() <= hi.z();
}

bool insideBox(const NewtonBody& body) {
    return insideBox(*body.world, originFrame(body).getOrigin());
}

}  // namespace newton_bt
