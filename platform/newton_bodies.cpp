// Rigid bodies: Bullet rigid bodies whose frame is the centre of mass, seen
// through the API as their origin frame. Mass and shape changes take the body
// out of Bullet's world and put it back, as Bullet needs.
#include "platform/newton_internal.h"

#include <algorithm>

using namespace newton_bt;

namespace {

// Surface properties; Bullet multiplies the two bodies' values, so two bodies
// in contact get friction 0.64 and restitution 0.09.
constexpr float kFriction = 0.8f;
constexpr float kRestitution = 0.3f;

NewtonBody& writableBody(const NewtonBody* body) { return *writable(body); }

// Runs a change Bullet must not see while the body is in its world.
template <class Change>
void whileOut(NewtonBody& body, Change change) {
    const bool was = body.inWorld;
    setInWorld(body, false);
    change();
    setInWorld(body, was && insideBox(body));
}

// The shape as Bullet sees it from the centre of mass: in a compound moved
// by -com, unless it needs no move at all.
void fitShape(NewtonBody& body) {
    const btTransform place = shift(-body.com) * body.collision->offset;
    btCollisionShape* shape = body.collision->shape.get();
    if (place == btTransform::getIdentity()) {
        body.rigid->setCollisionShape(shape);
        body.compound.reset();
        return;
    }
    auto compound = std::make_unique<btCompoundShape>(false, 1);
    compound->addChildShape(place, shape);
    body.rigid->setCollisionShape(compound.get());
    body.compound = std::move(compound);
}

void wake(NewtonBody& body) {
    if (body.inWorld && body.dynamic()) body.rigid->activate(true);
}

}  // namespace

NewtonBody* NewtonCreateBody(const NewtonWorld* world, const NewtonCollision* collision) {
    auto body = std::make_unique<NewtonBody>();
    body->world = writable(world);
    body->collision = writable(collision);
    ++body->collision->refs;
    btRigidBody::btRigidBodyConstructionInfo info(0, nullptr, body->collision->shape.get());
    info.m_friction = kFriction;
    info.m_restitution = kRestitution;
    body->rigid = std::make_unique<btRigidBody>(info);
    body->rigid->setUserPointer(body.get());
    fitShape(*body);
    NewtonBody* handle = body.get();
    writable(world)->bodies.push_back(std::move(body));
    setInWorld(*handle, insideBox(*handle));
    return handle;
}

// Its joints go with it.
void NewtonDestroyBody(const NewtonWorld* world, const NewtonBody* body) {
    NewtonBody& b = writableBody(body);
    NewtonCollision* collision = b.collision;
    destroyJointsOf(b);
    setInWorld(b, false);
    std::erase_if(writable(world)->bodies, [body](const auto& each) { return each.get() == body; });
    releaseShape(*writable(world), collision);
}

// Negative values count as 0; an inertia of 0 keeps the body from turning
// about that axis.
void NewtonBodySetMassMatrix(const NewtonBody* body, float mass, float Ixx, float Iyy, float Izz) {
    NewtonBody& b = writableBody(body);
    whileOut(b, [&] {
        b.mass = std::max(mass, 0.0f);
        b.inertia = btVector3(std::max(Ixx, 0.0f), std::max(Iyy, 0.0f), std::max(Izz, 0.0f));
        b.rigid->setMassProps(b.mass, b.dynamic() ? b.inertia : btVector3(0, 0, 0));
        b.rigid->updateInertiaTensor();
        if (b.dynamic()) return;
        b.rigid->setLinearVelocity(btVector3(0, 0, 0));
        b.rigid->setAngularVelocity(btVector3(0, 0, 0));
    });
}

void NewtonBodyGetMassMatrix(const NewtonBody* body, float* mass, float* Ixx, float* Iyy,
                             float* Izz) {
    *mass = body->mass;
    *Ixx = body->inertia.x(), *Iyy = body->inertia.y(), *Izz = body->inertia.z();
}

// The origin frame and the velocity of the body's material stay as they were.
void NewtonBodySetCentreOfMass(const NewtonBody* body, const float* com) {
    NewtonBody& b = writableBody(body);
    const btTransform origin = originFrame(b);
    const btVector3 oldCom = b.com;
    whileOut(b, [&] {
        b.com = vec(com);
        fitShape(b);
        b.rigid->setCenterOfMassTransform(origin * shift(b.com));
        const btVector3 moved = origin.getBasis() * (b.com - oldCom);
        b.rigid->setLinearVelocity(b.rigid->getLinearVelocity() +
                                   b.rigid->getAngularVelocity().cross(moved));
        rememberStepStart(b);
    });
    shiftJointFrames(b, oldCom);
}

void NewtonBodyGetCentreOfMass(const NewtonBody* body, float* com) { put(body->com, com); }

// A body moved into the world box is simulated again, and woken. Its bounds
// are updated at once: left where they were, they would meet every body
// placed after it at the same spot.
void NewtonBodySetMatrix(const NewtonBody* body, const float* matrix) {
    NewtonBody& b = writableBody(body);
    b.rigid->setCenterOfMassTransform(fromGL(matrix) * shift(b.com));
    rememberStepStart(b);  // drawn where it was put, not on the way there
    b.lastFinite = fromGL(matrix);
    b.broken = false;
    if (b.inWorld) b.world->dynamics.updateSingleAabb(b.rigid.get());
    setInWorld(b, insideBox(b));
    wake(b);
}

void NewtonBodyGetMatrix(const NewtonBody* body, float* matrix) {
    toGL(originFrame(*body), matrix);
}

void NewtonBodyGetDrawMatrix(const NewtonBody* body, float fraction, float* matrix) {
    const btTransform& now = body->rigid->getCenterOfMassTransform();
    const btTransform& before = body->previous;
    const btScalar f = std::clamp(fraction, 0.0f, 1.0f);
    const btTransform between(before.getRotation().slerp(now.getRotation(), f),
                              before.getOrigin().lerp(now.getOrigin(), f));
    toGL(btTransform(between.getBasis(), between(-body->com)), matrix);
}

void NewtonBodySetForceAndTorqueCallback(const NewtonBody* body,
                                         NewtonApplyForceAndTorque callback) {
    writableBody(body).forceCallback = callback;
}

// Replaces the force; the world clears it before each step's callbacks.
void NewtonBodySetForce(const NewtonBody* body, const float* force) {
    btRigidBody& rigid = *writableBody(body).rigid;
    rigid.clearForces();
    rigid.applyCentralForce(vec(force));
}

// Velocities belong to the centre of mass. Setting one wakes the body, as
// Bullet would otherwise zero it again while the body sleeps.
void NewtonBodySetOmega(const NewtonBody* body, const float* omega) {
    writableBody(body).rigid->setAngularVelocity(vec(omega));
    wake(writableBody(body));
}

void NewtonBodyGetOmega(const NewtonBody* body, float* omega) {
    put(body->rigid->getAngularVelocity(), omega);
}

void NewtonBodySetVelocity(const NewtonBody* body, const float* velocity) {
    writableBody(body).rigid->setLinearVelocity(vec(velocity));
    wake(writableBody(body));
}

void NewtonBodyGetVelocity(const NewtonBody* body, float* velocity) {
    put(body->rigid->getLinearVelocity(), velocity);
}

// A body outside the world box stays frozen.
void NewtonWorldUnfreezeBody(const NewtonWorld*, const NewtonBody* body) {
    wake(writableBody(body));
}

bool NewtonBodyIsBroken(const NewtonBody* body) { return body->broken; }

int NewtonBodyGetSleepingState(const NewtonBody* body) {
    return !body->inWorld || !body->dynamic() || !body->rigid->isActive() ? 1 : 0;
}
