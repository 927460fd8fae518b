// The rest rule. Bullet rests a body once it has been slow (under 0.8 units/s
// and 1 rad/s) for 2 s, and wakes it when something touches it. Speed alone
// cannot tell a body at rest from one at the top of its swing or of a gentle
// throw, so here a slow body's time counts only while it is held: touching
// another body, or with its velocities unchanged by the step. Piles, stacks
// and bodies lying on the floor touch, and rest as soon as before.
#include "platform/newton_internal.h"

namespace newton_bt {
namespace {

// The largest acceleration (units/s^2, rad/s^2) a step may give a body that
// counts as held: under 1/1000 of the scene's gravity, far below any swing
// that can be seen, and far above what the solver leaves on a body hanging
// still from a hinge.
constexpr float kHeldAcceleration = 0.01f;

NewtonBody& bodyOf(const btCollisionObject* object) {
    return *static_cast<NewtonBody*>(object->getUserPointer());
}

bool steady(const NewtonBody& body) {
    const float most = kHeldAcceleration * kNewtonStepSeconds;
    const btRigidBody& rigid = *body.rigid;
    return (rigid.getLinearVelocity() - body.previousVelocity).length2() < most * most &&
           (rigid.getAngularVelocity() - body.previousOmega).length2() < most * most;
}

// The bodies with a contact point after the step, found once, when first asked.
class Touching {
public:
    explicit Touching(NewtonWorld& world) : world(world) {}
    bool operator()(const NewtonBody& body) {
        if (!found) find();
        return body.touching;
    }

private:
    void find() {
        for (const auto& body : world.bodies) body->touching = false;
        for (int i = 0; i < world.dispatcher.getNumManifolds(); ++i) {
            const btPersistentManifold& m = *world.dispatcher.getManifoldByIndexInternal(i);
            if (m.getNumContacts() > 0)
                bodyOf(m.getBody0()).touching = bodyOf(m.getBody1()).touching = true;
        }
        found = true;
    }
    NewtonWorld& world;
    bool found = false;
};

}  // namespace

void keepUnheldBodiesAwake(NewtonWorld& world) {
    Touching touching(world);
    for (const auto& body : world.bodies) {
        btRigidBody& rigid = *body->rigid;
        // Bullet counts slow time since its last check; none is counted for a fast body.
        if (!body->inWorld || !body->dynamic() || !rigid.isActive() ||
            rigid.getDeactivationTime() == 0 || steady(*body) || touching(*body))
            continue;
        rigid.setDeactivationTime(0);
        if (rigid.getActivationState() == WANTS_DEACTIVATION) rigid.setActivationState(ACTIVE_TAG);
    }
}

}  // namespace newton_bt
