#include "play/grab.h"

bool Grab::take(NewtonWorld* inWorld, Vertex eye, Vertex direction) {
    release();
    Vertex end = add(eye, multScalar(direction, kReach));
    Vertex hit{0, 0, 0};
    NewtonBody* found =
        NewtonWorldRayCast(inWorld, getVertex3f(eye), getVertex3f(end), getVertex3f(hit));
    if (!found) return false;
    joint = NewtonConstraintCreateGrab(inWorld, found, getVertex3f(hit));
    if (!joint) return false;
    world = inWorld;
    body = found;
    distance = vlength(sub(hit, eye));
    return true;
}

void Grab::follow(Vertex eye, Vertex direction) const {
    if (!joint) return;
    Vertex target = add(eye, multScalar(direction, distance));
    NewtonGrabSetTarget(joint, getVertex3f(target));
}

void Grab::release() {
    if (joint) NewtonDestroyJoint(world, joint);
    joint = nullptr;
    body = nullptr;
}
