// The physics engine API over Bullet.
#include "platform/newton.h"

#include <btBulletDynamicsCommon.h>

struct NewtonWorld {
    btDefaultCollisionConfiguration configuration;
    btCollisionDispatcher dispatcher{&configuration};
    btDbvtBroadphase broadphase;
    btSequentialImpulseConstraintSolver solver;
    btDiscreteDynamicsWorld dynamics{&dispatcher, &broadphase, &solver, &configuration};

    NewtonWorld() { dynamics.setGravity(btVector3(0, 0, 0)); }  // gravity is the program's
};

NewtonWorld* NewtonCreate(NewtonAllocMemory, NewtonFreeMemory) { return new NewtonWorld; }

void NewtonDestroy(const NewtonWorld* world) { delete world; }
