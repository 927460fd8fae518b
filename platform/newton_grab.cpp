// Picking and grabbing: a ray through Bullet's world finds a body, and a grab
// holds a point of it with Bullet's point-to-point constraint towards a target
// in world space. In every internal step the constraint corrects a share
// (kPull) of the distance and takes out the point's whole velocity, so the body
// follows without swinging about the target.
#include "platform/newton_internal.h"

#include <algorithm>

using namespace newton_bt;

namespace {

// Bullet's error reduction for the grab: a 10 kg body held at 120 steps per
// second trails a target moving at 20 units/s by a quarter unit.
constexpr float kPull = 0.35f;
// The share of a held body's spin left after each internal step, 0.2 % after
// a second: a small swing of a 2-unit cube held at a face dies out without
// overshooting; a hard pull may still tip a body over the held point, from
// where it creeps back under it.
constexpr float kSpinKept = 0.95f;

NewtonBody* bodyOf(const NewtonWorld& world, const btCollisionObject* object) {
    const auto found = std::find_if(world.bodies.begin(), world.bodies.end(),
                                    [object](const auto& b) { return b->rigid.get() == object; });
    return found == world.bodies.end() ? nullptr : found->get();
}

}  // namespace

NewtonBody* NewtonWorldRayCast(const NewtonWorld* world, const float* from, const float* to,
                               float* hitPoint) {
    const btVector3 start = vec(from), end = vec(to);
    if (start == end) return nullptr;
    btCollisionWorld::ClosestRayResultCallback ray(start, end);
    world->dynamics.rayTest(start, end, ray);
    if (!ray.hasHit()) return nullptr;
    if (hitPoint) put(ray.m_hitPointWorld, hitPoint);
    return bodyOf(*world, ray.m_collisionObject);
}

NewtonJoint* NewtonConstraintCreateGrab(const NewtonWorld* world, const NewtonBody* body,
                                        const float* worldPoint) {
    if (!body || !body->dynamic()) return nullptr;
    btRigidBody& rigid = *writable(body)->rigid;
    auto joint = std::make_unique<NewtonJoint>();
    joint->world = writable(world);
    joint->child = writable(body);
    joint->grab = std::make_unique<btPoint2PointConstraint>(
        rigid, rigid.getCenterOfMassTransform().inverse() * vec(worldPoint));
    joint->grab->setParam(BT_CONSTRAINT_ERP, kPull);
    joint->grab->m_setting.m_damping = 1;
    joint->grab->setDbgDrawSize(kJointAxisLength);
    NewtonJoint* handle = joint.get();
    writable(world)->joints.push_back(std::move(joint));
    syncJoint(*handle);
    rigid.activate(true);
    return handle;
}

void NewtonGrabSetTarget(const NewtonJoint* grab, const float* target) {
    if (!grab->grab) return;
    grab->grab->setPivotB(vec(target));
    grab->child->rigid->activate(true);
}

void NewtonDestroyJoint(const NewtonWorld*, const NewtonJoint* joint) {
    destroyJoint(writable(joint));
}

namespace newton_bt {

// Bullet puts a body to rest once it has moved little for a while; a held
// body is woken before every step so that it never gets there. Its spin is
// damped, or a quick pull would leave it swinging about the held point.
void steadyGrabbedBodies(NewtonWorld& world) {
    for (const auto& joint : world.joints) {
        if (!joint->grab || !joint->inWorld) continue;
        btRigidBody& rigid = *joint->child->rigid;
        rigid.activate(true);
        rigid.setAngularVelocity(rigid.getAngularVelocity() * kSpinKept);
    }
}

}  // namespace newton_bt
