// How contacts push overlapping bodies apart. Bullet turns a shallow overlap
// into speed (error reduction) and a deep one into a move (split impulse).
// Speed added to a bounce would make it depend on how deep its step found the
// overlap, so a contact whose bodies close faster than Bullet's bounce
// threshold, or already move apart, gets no error reduction: it bounces by
// the restitution alone and the overlap ends as the bodies part. Resting
// contacts keep Bullet's own, which holds stacks up.
#include "platform/newton_internal.h"

namespace newton_bt {
namespace {

// Bodies part at this speed (units/s) or faster after any bounce: the
// slowest, at the threshold, parts at 0.09 x 0.2. Slower parting is a resting
// contact's jitter, which keeps its error reduction.
constexpr btScalar kParting = 0.01f;

}  // namespace

void ContactSolver::convertContacts(btPersistentManifold** manifolds, int count,
                                    const btContactSolverInfo& info) {
    for (int i = 0; i < count; ++i) {
        btPersistentManifold& m = *manifolds[i];
        const auto* a = btRigidBody::upcast(m.getBody0());
        const auto* b = btRigidBody::upcast(m.getBody1());
        for (int p = 0; p < m.getNumContacts(); ++p) {
            btManifoldPoint& point = m.getContactPoint(p);
            const btVector3 va = a->getVelocityInLocalPoint(point.getPositionWorldOnA() -
                                                            a->getCenterOfMassPosition());
            const btVector3 vb = b->getVelocityInLocalPoint(point.getPositionWorldOnB() -
                                                            b->getCenterOfMassPosition());
            const btScalar closing = -point.m_normalWorldOnB.dot(va - vb);
            const bool bouncing =
                closing > info.m_restitutionVelocityThreshold || closing < -kParting;
            point.m_contactERP = 0;
            if (bouncing) point.m_contactPointFlags |= BT_CONTACT_FLAG_HAS_CONTACT_ERP;
            else point.m_contactPointFlags &= ~BT_CONTACT_FLAG_HAS_CONTACT_ERP;
        }
    }
    btSequentialImpulseConstraintSolver::convertContacts(manifolds, count, info);
}

}  // namespace newton_bt
