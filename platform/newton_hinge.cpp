// The hinge: Bullet's hinge constraint with the child as its body A and the
// parent (or the world) as body B, both frames built from the world-space
// pivot and pin at creation (frame z = pin). The user callback runs in every
// internal step; the angular acceleration it asks for drives the hinge's
// motor: a target relative speed of (current speed + acceleration * step),
// with the descriptor's friction fields as the motor's torque limit.
#include "platform/newton_internal.h"

#include <algorithm>
#include <cmath>

using namespace newton_bt;

namespace {

// The friction fields' start values: a motor torque without practical limit.
constexpr float kUnlimitedTorque = 1e10f;

btRigidBody& rigidOf(NewtonBody* body) {
    return body ? *body->rigid : btTypedConstraint::getFixedBody();
}

btMatrix3x3 worldAxes(const btRigidBody& rigid, const btTransform& frame) {
    return rigid.getCenterOfMassTransform().getBasis() * frame.getBasis();
}

// Pivot at the point, z along the (normalised) pin, x and y across it.
btTransform hingeFrame(const float* pivotPoint, const float* pinDir) {
    btVector3 pin = vec(pinDir);
    pin = pin.length2() > SIMD_EPSILON ? pin.normalized() : btVector3(1, 0, 0);
    btVector3 x, y;
    btPlaneSpace1(pin, x, y);  // right-handed: x cross y = pin
    return btTransform(btMatrix3x3(x.x(), y.x(), pin.x(), x.y(), y.y(), pin.y(), x.z(), y.z(),
                                   pin.z()),
                       vec(pivotPoint));
}

}  // namespace

NewtonJoint* NewtonConstraintCreateHinge(const NewtonWorld* world, const float* pivotPoint,
                                         const float* pinDir, const NewtonBody* childBody,
                                         const NewtonBody* parentBody) {
    if (!childBody) return nullptr;
    const btTransform frame = hingeFrame(pivotPoint, pinDir);
    btRigidBody& child = rigidOf(writable(childBody));
    btRigidBody& parent = rigidOf(writable(parentBody));
    auto joint = std::make_unique<NewtonJoint>();
    joint->world = writable(world);
    joint->child = writable(childBody);
    joint->parent = writable(parentBody);
    joint->hinge =
        std::make_unique<btHingeConstraint>(child, parent,
                                            child.getCenterOfMassTransform().inverse() * frame,
                                            parent.getCenterOfMassTransform().inverse() * frame);
    joint->hinge->setDbgDrawSize(kJointAxisLength);
    NewtonJoint* handle = joint.get();
    writable(world)->joints.push_back(std::move(joint));
    syncJoint(*handle);
    return handle;
}

void NewtonHingeSetUserCallback(const NewtonJoint* hinge, NewtonHingeCallBack callback) {
    writable(hinge)->callback = callback;
}

// The child's frame x axis measured in the parent's frame, in (-pi, pi].
float NewtonHingeGetJointAngle(const NewtonJoint* hinge) {
    const btHingeConstraint& h = *hinge->hinge;
    const btVector3 childX = worldAxes(rigidOf(hinge->child), h.getAFrame()).getColumn(0);
    const btMatrix3x3 parent = worldAxes(rigidOf(hinge->parent), h.getBFrame());
    return std::atan2(childX.dot(parent.getColumn(1)), childX.dot(parent.getColumn(0)));
}

float NewtonHingeGetJointOmega(const NewtonJoint* hinge) {
    const btRigidBody &child = rigidOf(hinge->child), &parent = rigidOf(hinge->parent);
    const btVector3 pin = worldAxes(parent, hinge->hinge->getBFrame()).getColumn(2);
    return pin.dot(child.getAngularVelocity() - parent.getAngularVelocity());
}

// From angle' = angle + omega dt + alpha dt^2 (the step's new speed moves it),
// the shorter way round. The motor reaches that speed; Bullet then turns the
// body by at most pi/4 a step (ANGULAR_MOTION_THRESHOLD), shortening larger moves.
float NewtonHingeCalculateStopAlpha(const NewtonJoint* hinge,
                                    const NewtonHingeSliderUpdateDescTag* desc, float angle) {
    const float dt = desc->m_timestep;
    if (!(dt > 0)) return 0;
    const float error = std::remainder(angle - NewtonHingeGetJointAngle(hinge), 2 * SIMD_PI);
    return (error - NewtonHingeGetJointOmega(hinge) * dt) / (dt * dt);
}

namespace newton_bt {

void runHingeCallbacks(NewtonWorld& world, float step) {
    for (const auto& joint : world.joints) {
        if (!joint->inWorld || !joint->callback || !joint->hinge) continue;
        NewtonHingeSliderUpdateDescTag desc{0, -kUnlimitedTorque, kUnlimitedTorque, step};
        if (!joint->callback(joint.get(), &desc)) {
            joint->hinge->enableMotor(false);
            continue;
        }
        const float torque = std::max(0.0f, std::min(-desc.m_minFriction, desc.m_maxFriction));
        joint->hinge->enableAngularMotor(
            true, NewtonHingeGetJointOmega(joint.get()) + desc.m_accel * step, torque * step);
    }
}

// The Bullet frames hang on the centre of mass; keep them on the same
// material point when it moves. A grab's pivot A is its only such frame.
void shiftJointFrames(NewtonBody& body, const btVector3& oldCom) {
    const btTransform move = shift(oldCom - body.com);
    for (const auto& joint : body.world->joints) {
        if (joint->child != &body && joint->parent != &body) continue;
        if (joint->grab) {
            joint->grab->setPivotA(move * joint->grab->getPivotInA());
            continue;
        }
        btHingeConstraint& h = *joint->hinge;
        const btTransform a = joint->child == &body ? move * h.getAFrame() : h.getAFrame();
        const btTransform b = joint->parent == &body ? move * h.getBFrame() : h.getBFrame();
        h.setFrames(a, b);
    }
}

}  // namespace newton_bt
