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

btTransform originFrame(const NewtonBody& body) {
    return body.rigid->getCenterOfMassTransform() * shift(-body.com);
}

bool insideBox(const NewtonBody& body) {
    const btVector3 p = originFrame(body).getOrigin();
    const btVector3 &lo = body.world->boxMin, &hi = body.world->boxMax;
    return p.x() >= lo.x() && p.y() >= lo.y() && p.z() >= lo.z() && p.x() <= hi.x() &&
           p.y() <= hi.y() && p.z() <= hi.z();
}

}  // namespace newton_bt
