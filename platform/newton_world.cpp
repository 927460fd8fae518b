// The physics world: Bullet's discrete dynamics world without gravity of its
// own, stepped in fixed internal steps. Each step first runs the program's
// force callbacks and hinge callbacks, and afterwards takes bodies whose
// origin left the world box out of the simulation.
#include "platform/newton_internal.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

using namespace newton_bt;

namespace {

NewtonWorld& worldOf(btDynamicsWorld* dynamics) {
    return *static_cast<NewtonWorld*>(dynamics->getWorldUserInfo());
}

// Every dynamic body that is simulated gets its callback, asleep or not.
// Bullet applies a body's force to one internal step and clears forces only
// after the last, so each step starts from zero here. Callbacks must not
// create or destroy bodies.
void beforeStep(btDynamicsWorld* dynamics, btScalar step) {
    NewtonWorld& world = worldOf(dynamics);
    for (const auto& body : world.bodies) {
        if (!body->inWorld || !body->dynamic()) continue;
        rememberStepStart(*body);
        body->rigid->clearForces();
        if (body->forceCallback) body->forceCallback(body.get());
    }
    runHingeCallbacks(world, step);
    steadyGrabbedBodies(world);
}

bool finite(const btVector3& v) { return std::isfinite(v.x() + v.y() + v.z()); }

bool finiteMotion(const btRigidBody& rigid) {
    const btMatrix3x3& basis = rigid.getCenterOfMassTransform().getBasis();
    return finite(rigid.getCenterOfMassPosition()) && finite(basis[0]) && finite(basis[1]) &&
           finite(basis[2]) && finite(rigid.getLinearVelocity()) &&
           finite(rigid.getAngularVelocity());
}

void stop(NewtonBody& body) {
    setInWorld(body, false);
    body.rigid->setLinearVelocity(btVector3(0, 0, 0));
    body.rigid->setAngularVelocity(btVector3(0, 0, 0));
    rememberStepStart(body);  // drawn standing still
}

// A body whose motion stopped being finite goes back to its last finite
// place and stops there; one whose origin is outside the world box stops
// where it is. One pass, with one origin frame per awake body: with many
// bodies this runs as often as Bullet's own passes over them.
void afterStep(btDynamicsWorld* dynamics, btScalar) {
    NewtonWorld& world = worldOf(dynamics);
    for (const auto& body : world.bodies) {
        if (!body->inWorld || !body->dynamic() || !body->rigid->isActive()) continue;
        if (!finiteMotion(*body->rigid)) {
            body->rigid->setCenterOfMassTransform(body->lastFinite * shift(body->com));
            body->broken = true;
            stop(*body);
            continue;
        }
        body->lastFinite = originFrame(*body);
        if (!insideBox(world, body->lastFinite.getOrigin())) stop(*body);
    }
    keepUnheldBodiesAwake(world);
}

}  // namespace

NewtonWorld::NewtonWorld() {
    dynamics.setGravity(btVector3(0, 0, 0));  // gravity is the program's force callback
    // A round or hull body meeting another gets a full contact patch in one
    // step rather than point by point, so a cylinder dropped level lands level.
    configuration.setConvexConvexMultipointIterations(3, 3);
    dynamics.setInternalTickCallback(beforeStep, this, true);
    dynamics.setInternalTickCallback(afterStep, this, false);
}

// Bullet's world must not hold anything of ours when it goes.
NewtonWorld::~NewtonWorld() {
    while (!joints.empty()) destroyJoint(joints.back().get());
    for (const auto& body : bodies) setInWorld(*body, false);
    bodies.clear();
    shapes.clear();
}

NewtonWorld* NewtonCreate(NewtonAllocMemory, NewtonFreeMemory) { return new NewtonWorld; }

void NewtonDestroy(const NewtonWorld* world) { delete world; }

std::string NewtonGetEngineVersion() {
    char version[32];
    std::snprintf(version, sizeof version, "Bullet %d.%02d", btGetVersion() / 100,
                  btGetVersion() % 100);
    return version;
}

void NewtonSetWorldSize(const NewtonWorld* world, const float* minPoint, const float* maxPoint) {
    NewtonWorld& w = *writable(world);
    w.boxMin = vec(minPoint);
    w.boxMax = vec(maxPoint);
    for (const auto& body : w.bodies) setInWorld(*body, insideBox(*body));
}

int NewtonGetSolverIterations(const NewtonWorld* world) {
    return writable(world)->dynamics.getSolverInfo().m_numIterations;
}

void NewtonSetSolverIterations(const NewtonWorld* world, int iterations) {
    writable(world)->dynamics.getSolverInfo().m_numIterations = iterations < 1 ? 1 : iterations;
}

// Bullet keeps the time left over below one step for the next call and drops
// what lies beyond kNewtonMaxSteps; frames longer than that are cut first so that
// its step count cannot overflow.
void NewtonUpdate(const NewtonWorld* world, float timestep) {
    if (!(timestep > 0)) return;  // also NaN
    const float cut = std::min(timestep, kNewtonMaxSteps * kNewtonStepSeconds);
    writable(world)->dynamics.stepSimulation(cut, kNewtonMaxSteps, kNewtonStepSeconds);
}

// One call a step: in a world stepped only this way Bullet's own leftover goes
// from 0 to one step and back to 0, so each call makes exactly one step. Bullet
// clears the forces after every call rather than after the last step; each
// step's callbacks set them afresh (beforeStep), so the motion is the same.
void NewtonUpdateSteps(const NewtonWorld* world, int steps) {
    for (int i = 0; i < steps; ++i)
        writable(world)->dynamics.stepSimulation(kNewtonStepSeconds, 1, kNewtonStepSeconds);
}
