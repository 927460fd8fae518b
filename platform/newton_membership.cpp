// Which bodies and joints Bullet simulates: a body is in Bullet's world while
// its origin is inside the world box, a joint while all its bodies are.
// Bullet must never hold a joint whose body it does not hold.
#include "platform/newton_internal.h"

namespace newton_bt {
namespace {

bool involves(const NewtonJoint& joint, const NewtonBody& body) {
    return joint.child == &body || joint.parent == &body;
}

void setJointInWorld(NewtonJoint& joint, bool in) {
    if (joint.inWorld == in) return;
    btDiscreteDynamicsWorld& dynamics = joint.world->dynamics;
    if (in) dynamics.addConstraint(&joint.constraint(), true);  // joined bodies do not collide
    else dynamics.removeConstraint(&joint.constraint());
    joint.inWorld = in;
}

}  // namespace

void syncJoint(NewtonJoint& joint) {
    setJointInWorld(joint, joint.child->inWorld && (!joint.parent || joint.parent->inWorld));
}

void setInWorld(NewtonBody& body, bool in) {
    if (body.inWorld == in) return;
    NewtonWorld& world = *body.world;
    if (in) {
        world.dynamics.addRigidBody(body.rigid.get());
        body.inWorld = true;
        if (body.dynamic()) body.rigid->activate(true);
        for (const auto& joint : world.joints)
            if (involves(*joint, body)) syncJoint(*joint);
    } else {
        for (const auto& joint : world.joints)
            if (involves(*joint, body)) setJointInWorld(*joint, false);
        world.dynamics.removeRigidBody(body.rigid.get());
        body.inWorld = false;
    }
}

void destroyJoint(NewtonJoint* joint) {
    setJointInWorld(*joint, false);
    auto& joints = joint->world->joints;
    std::erase_if(joints, [joint](const auto& j) { return j.get() == joint; });
}

void destroyJointsOf(NewtonBody& body) {
    auto& joints = body.world->joints;
    for (size_t i = joints.size(); i-- > 0;)
        if (involves(*joints[i], body)) destroyJoint(joints[i].get());
}

}  // namespace newton_bt
