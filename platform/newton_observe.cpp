// Looking into the world: counts for a statistics overlay, and a walk over
// shapes, contacts and joints for a debug view, drawn by Bullet's own debug
// drawer through the program's callbacks.
#include "platform/newton_internal.h"

#include <algorithm>

using namespace newton_bt;

namespace {

// Bodies outside the world box are not in Bullet's world; they are drawn
// apart, in grey.
const btVector3 kFrozenColour(0.5f, 0.5f, 0.5f);
const btVector3 kWorldBoxColour(1, 1, 0);

class Forwarder : public btIDebugDraw {
public:
    Forwarder(NewtonDebugLine line, NewtonDebugPoint point, void* user, int mode)
        : line_(line), point_(point), user_(user), mode_(mode) {}

    void drawLine(const btVector3& from, const btVector3& to, const btVector3& colour) override {
        if (!line_) return;
        float a[3], b[3], c[3];
        put(from, a), put(to, b), put(colour, c);
        line_(a, b, c, user_);
    }
    void drawContactPoint(const btVector3& at, const btVector3& normal, btScalar, int,
                          const btVector3& colour) override {
        if (!point_) return;
        float a[3], n[3], c[3];
        put(at, a), put(normal, n), put(colour, c);
        point_(a, n, c, user_);
    }
    void reportErrorWarning(const char*) override {}
    void draw3dText(const btVector3&, const char*) override {}
    void setDebugMode(int) override {}
    int getDebugMode() const override { return mode_; }

private:
    NewtonDebugLine line_;
    NewtonDebugPoint point_;
    void* user_;
    int mode_;
};

// Bullet's debug modes for the parts; the world box is drawn by hand.
int modeOf(int parts) {
    return (parts & kDebugShapes ? int(btIDebugDraw::DBG_DrawWireframe) : 0) |
           (parts & kDebugContacts ? int(btIDebugDraw::DBG_DrawContactPoints) : 0) |
           (parts & kDebugJoints ? int(btIDebugDraw::DBG_DrawConstraints) : 0);
}

// Counts the contact points into stats and finds the deepest (a negative distance is an overlap).
void addContacts(const btCollisionDispatcher& dispatcher, NewtonWorldStats& stats) {
    for (int i = 0; i < dispatcher.getNumManifolds(); ++i) {
        const btPersistentManifold& manifold = *dispatcher.getManifoldByIndexInternal(i);
        stats.contacts += manifold.getNumContacts();
        for (int k = 0; k < manifold.getNumContacts(); ++k)
            stats.deepest = std::max(stats.deepest, -manifold.getContactPoint(k).getDistance());
    }
}

}  // namespace

NewtonWorldStats NewtonWorldGetStats(const NewtonWorld* world) {
    NewtonWorldStats stats{int(world->bodies.size()), 0, 0, 0};
    addContacts(world->dispatcher, stats);
    for (const auto& body : world->bodies)
        stats.awake += NewtonBodyGetSleepingState(body.get()) == 0;
    return stats;
}

void NewtonWorldDebugDraw(const NewtonWorld* world, NewtonDebugLine line, NewtonDebugPoint point,
                          void* user, int parts) {
    btDiscreteDynamicsWorld& dynamics = writable(world)->dynamics;
    Forwarder forwarder(line, point, user, modeOf(parts));
    dynamics.setDebugDrawer(&forwarder);
    dynamics.debugDrawWorld();
    for (const auto& body : world->bodies)
        if (!body->inWorld && (parts & kDebugShapes))
            dynamics.debugDrawObject(body->rigid->getWorldTransform(),
                                     body->rigid->getCollisionShape(), kFrozenColour);
    if (parts & kDebugWorldBox)
        forwarder.drawAabb(world->boxMin, world->boxMax, kWorldBoxColour);  // its 12 edges
    dynamics.setDebugDrawer(nullptr);
}
