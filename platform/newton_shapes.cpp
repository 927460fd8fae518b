// Collision shapes: boxes, spheres (or ellipsoids), cylinders and convex
// hulls, shared by the bodies made from them and counted by reference. Each
// keeps its margin inside its surface, so resting contact is at the surface.
#include "platform/newton_internal.h"

#include <BulletCollision/CollisionShapes/btConvexHullShape.h>
#include <LinearMath/btConvexHullComputer.h>

#include <algorithm>

using namespace newton_bt;

namespace {

btTransform offsetOf(const float* offsetMatrix) {
    return offsetMatrix ? fromGL(offsetMatrix) : btTransform::getIdentity();
}

NewtonCollision* addShape(const NewtonWorld* world, NewtonCollision::Kind kind,
                          const btVector3& size, std::unique_ptr<btCollisionShape> shape,
                          const btTransform& offset) {
    auto collision = std::make_unique<NewtonCollision>();
    collision->kind = kind;
    collision->size = size;
    collision->shape = std::move(shape);
    collision->offset = offset;
    writable(world)->shapes.push_back(std::move(collision));
    return writable(world)->shapes.back().get();
}

// Boxes and cylinders hold their margin inside their extents. Bullet's
// default margin (kMargin) suits all but small ones, which get a quarter of
// their smallest half extent so that something is left inside it.
template <class Shape>
std::unique_ptr<btCollisionShape> withInnerMargin(const btVector3& halfExtents) {
    auto shape = std::make_unique<Shape>(halfExtents);
    const btScalar smallest = halfExtents.absolute()[halfExtents.absolute().minAxis()];
    if (smallest < 4 * kMargin) shape->setMargin(smallest / 4);
    return shape;
}

// An ellipsoid is Bullet's one-sphere multi-sphere shape, scaled; exact along
// its axes, close elsewhere.
std::unique_ptr<btCollisionShape> ellipsoid(const btVector3& radii) {
    if (radii.x() == radii.y() && radii.y() == radii.z())
        return std::make_unique<btSphereShape>(radii.x());
    const btVector3 centre(0, 0, 0);
    const btScalar one = 1;
    auto shape = std::make_unique<btMultiSphereShape>(&centre, &one, 1);
    shape->setLocalScaling(radii);
    return shape;
}

// The hull is shrunk by the margin Bullet adds around its points, so the
// rounded result matches the hull of the points on every face.
std::unique_ptr<btCollisionShape> hullShape(const std::vector<btVector3>& points) {
    auto shape = std::make_unique<btConvexHullShape>();
    btConvexHullComputer hull;
    const int count = int(points.size());
    btScalar shrunk =
        count ? hull.compute(points[0].m_floats, sizeof(btVector3), count, kMargin, 0.25f) : 0;
    if (shrunk < 0) shrunk = hull.compute(points[0].m_floats, sizeof(btVector3), count, 0, 0);
    for (int i = 0; i < hull.vertices.size(); ++i) shape->addPoint(hull.vertices[i], false);
    if (hull.vertices.size() == 0) shape->addPoint(btVector3(0, 0, 0), false);
    shape->recalcLocalAabb();
    shape->setMargin(std::max(shrunk, btScalar(0)));
    return shape;
}

}  // namespace

NewtonCollision* NewtonCreateBox(const NewtonWorld* world, float dx, float dy, float dz,
                                 const float* offsetMatrix) {
    const btVector3 edges(dx, dy, dz);
    return addShape(world, NewtonCollision::Kind::box, edges,
                    withInnerMargin<btBoxShape>(edges * 0.5f), offsetOf(offsetMatrix));
}

NewtonCollision* NewtonCreateSphere(const NewtonWorld* world, float radiusX, float radiusY,
                                    float radiusZ, const float* offsetMatrix) {
    const btVector3 radii(radiusX, radiusY, radiusZ);
    return addShape(world, NewtonCollision::Kind::ellipsoid, radii, ellipsoid(radii),
                    offsetOf(offsetMatrix));
}

NewtonCollision* NewtonCreateCylinder(const NewtonWorld* world, float radius, float height,
                                      const float* offsetMatrix) {
    return addShape(world, NewtonCollision::Kind::cylinder, btVector3(radius, height, 0),
                    withInnerMargin<btCylinderShapeX>(btVector3(height * 0.5f, radius, radius)),
                    offsetOf(offsetMatrix));
}

// The points are taken into body space at once, so the hull needs no offset.
NewtonCollision* NewtonCreateConvexHull(const NewtonWorld* world, int count,
                                        const float* vertexCloud, int strideInBytes,
                                        const float* offsetMatrix) {
    const btTransform offset = offsetOf(offsetMatrix);
    std::vector<btVector3> points;
    const auto* bytes = reinterpret_cast<const unsigned char*>(vertexCloud);
    for (int i = 0; vertexCloud && i < count; ++i)
        points.push_back(offset *
                         vec(reinterpret_cast<const float*>(bytes + size_t(i) * strideInBytes)));
    auto shape = hullShape(points);
    NewtonCollision* collision = addShape(world, NewtonCollision::Kind::hull, btVector3(0, 0, 0),
                                          std::move(shape), btTransform::getIdentity());
    collision->points = std::move(points);
    return collision;
}

void NewtonReleaseCollision(const NewtonWorld* world, const NewtonCollision* collision) {
    releaseShape(*writable(world), writable(collision));
}

namespace newton_bt {

void releaseShape(NewtonWorld& world, NewtonCollision* collision) {
    if (--collision->refs > 0) return;
    std::erase_if(world.shapes, [collision](const auto& each) { return each.get() == collision; });
}

}  // namespace newton_bt
