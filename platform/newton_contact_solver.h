// The constraint solver of the physics layer's worlds: Bullet's own, but a
// contact that bounces gets none of Bullet's error reduction, so that no
// speed is added to the bounce (newton_contacts.cpp). The benchmark gives raw
// Bullet the same solver.
#pragma once

#include <btBulletDynamicsCommon.h>

namespace newton_bt {

class ContactSolver : public btSequentialImpulseConstraintSolver {
protected:
    void convertContacts(btPersistentManifold** manifolds, int count,
                         const btContactSolverInfo& info) override;
};

}  // namespace newton_bt
