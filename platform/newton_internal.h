// The records behind the physics API's opaque handles and the helpers the
// files implementing it over Bullet share. Only platform/newton_*.cpp include
// this header: the rest of the program never sees a Bullet type.
//
// Frames: a body's matrix (the API's "origin frame") and Bullet's rigid-body
// frame differ by the centre of mass: rigid frame = origin frame translated by
// `com`. Shapes are moved by -com inside a compound so they stay put.
#pragma once

#include "platform/newton.h"
#include "platform/newton_contact_solver.h"

#include <btBulletDynamicsCommon.h>

#include <memory>
#include <vector>

namespace newton_bt {

// Collision margin kept inside boxes, cylinders and hulls, in world units.
constexpr float kMargin = 0.04f;

// Length of the axes the debug view draws at a joint's pivot, in world units.
constexpr float kJointAxisLength = 4.0f;

btTransform fromGL(const float* matrix);  // rotation part re-orthonormalised
void toGL(const btTransform& transform, float* matrix);
inline btVector3 vec(const float* v) { return btVector3(v[0], v[1], v[2]); }
inline void put(const btVector3& v, float* out) { out[0] = v.x(), out[1] = v.y(), out[2] = v.z(); }
inline btTransform shift(const btVector3& by) {
    return btTransform(btMatrix3x3::getIdentity(), by);
}

}  // namespace newton_bt

struct NewtonCollision {
    enum class Kind { box, ellipsoid, cylinder, hull };
    Kind kind = Kind::box;
    btVector3 size{0, 0, 0};        // box edges, ellipsoid radii, cylinder (radius, height, 0)
    std::vector<btVector3> points;  // a hull's points, already in body space
    std::unique_ptr<btCollisionShape> shape;
    btTransform offset = btTransform::getIdentity();  // shape frame in body space
    int refs = 1;                                     // the creator's and one per body made from it
};

struct NewtonBody {
    NewtonWorld* world = nullptr;
    NewtonCollision* collision = nullptr;       // counted in collision->refs
    std::unique_ptr<btCompoundShape> compound;  // when the shape must be moved in the rigid frame
    std::unique_ptr<btRigidBody> rigid;
    btVector3 com{0, 0, 0};  // centre of mass in the origin frame
    btVector3 inertia{0, 0, 0};
    float mass = 0;
    NewtonApplyForceAndTorque forceCallback = nullptr;
    bool inWorld = false;  // added to Bullet's world; false once the origin left the world box
    btTransform lastFinite = btTransform::getIdentity();  // origin frame after the last sound step
    bool broken = false;  // taken out because its motion stopped being finite numbers
    // The rigid frame and velocities before the last internal step: drawing
    // goes between that frame and the current one, and the rest rule asks
    // whether the step changed the velocities.
    btTransform previous = btTransform::getIdentity();
    btVector3 previousVelocity{0, 0, 0}, previousOmega{0, 0, 0};
    bool touching = false;  // had a contact point after the step (worked out by the rest rule)

    bool dynamic() const { return mass > 0; }
};

// A hinge or a grab: exactly one of the two constraints is set.
struct NewtonJoint {
    NewtonWorld* world = nullptr;
    NewtonBody* child = nullptr;                    // Bullet's body A; a grab's held body
    NewtonBody* parent = nullptr;                   // Bullet's body B; null: the world
    std::unique_ptr<btHingeConstraint> hinge;       // frames' z axis is the pin
    std::unique_ptr<btPoint2PointConstraint> grab;  // pivot B is the target, in world space
    NewtonHingeCallBack callback = nullptr;
    bool inWorld = false;

    btTypedConstraint& constraint() const {
        return hinge ? static_cast<btTypedConstraint&>(*hinge) : *grab;
    }
};

struct NewtonWorld {
    btDefaultCollisionConfiguration configuration;
    btCollisionDispatcher dispatcher{&configuration};
    btDbvtBroadphase broadphase;
    newton_bt::ContactSolver solver;
    btDiscreteDynamicsWorld dynamics{&dispatcher, &broadphase, &solver, &configuration};
    btVector3 boxMin{-1000, -1000, -1000}, boxMax{1000, 1000, 1000};
    std::vector<std::unique_ptr<NewtonCollision>> shapes;
    std::vector<std::unique_ptr<NewtonBody>> bodies;
    std::vector<std::unique_ptr<NewtonJoint>> joints;

    NewtonWorld();
    ~NewtonWorld();
};

namespace newton_bt {

// Mutable access to a handle the API passes as const.
template <class T>
T* writable(const T* handle) {
    return const_cast<T*>(handle);
}

// The body's origin frame in world space.
btTransform originFrame(const NewtonBody& body);
// Whether a point, or the body's origin, lies inside the world box.
bool insideBox(const NewtonWorld& world, const btVector3& point);
bool insideBox(const NewtonBody& body);

// Puts the body (and the hinges whose bodies are all in) into Bullet's world,
// or takes it out with its hinges first; nothing when it already is so.
void setInWorld(NewtonBody& body, bool in);
// Adds or removes the hinge to match its bodies.
void syncJoint(NewtonJoint& joint);
// Drops one reference; the shape ends with the last.
void releaseShape(NewtonWorld& world, NewtonCollision* collision);
void destroyJoint(NewtonJoint* joint);
void destroyJointsOf(NewtonBody& body);

// Called inside each internal step, before Bullet integrates it.
void runHingeCallbacks(NewtonWorld& world, float step);
// Remembers the body's frame and velocities before a step; placed, it starts there.
void rememberStepStart(NewtonBody& body);
// After each step: a slow body that nothing holds does not count towards rest.
void keepUnheldBodiesAwake(NewtonWorld& world);
// Keeps held bodies awake and damps their spin.
void steadyGrabbedBodies(NewtonWorld& world);
// Moves the joint frames fixed to the body when its centre of mass moves.
void shiftJointFrames(NewtonBody& body, const btVector3& oldCom);

}  // namespace newton_bt
