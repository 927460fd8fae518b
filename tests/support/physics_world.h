// Physics tests: a world with the demo's world box (-200 to 200 on each
// axis), bodies made the way the program makes them (box-style inertia,
// gravity of mass * -9.8 as the force callback), and simulation by frames.
#pragma once

#include "platform/newton.h"

#include <array>
#include <cmath>
#include <vector>

namespace testing_support {

constexpr float kGravity = 9.8f;  // units per second squared, along -y

using Vec3 = std::array<float, 3>;
using Mat4 = std::array<float, 16>;

inline void gravityForce(const NewtonBody* body) {
    float mass, ixx, iyy, izz;
    NewtonBodyGetMassMatrix(body, &mass, &ixx, &iyy, &izz);
    const float force[3] = {0.0f, mass * -kGravity, 0.0f};
    NewtonBodySetForce(body, force);
}

// Rotation by `angle` radians about y, then the translation.
inline Mat4 placement(Vec3 position, float angle = 0) {
    const float c = std::cos(angle), s = std::sin(angle);
    return {c, 0, -s, 0, 0, 1, 0, 0, s, 0, c, 0, position[0], position[1], position[2], 1};
}

inline Mat4 matrixOf(const NewtonBody* body) {
    Mat4 m;
    NewtonBodyGetMatrix(body, m.data());
    return m;
}

inline Vec3 positionOf(const NewtonBody* body) {
    const Mat4 m = matrixOf(body);
    return {m[12], m[13], m[14]};
}

inline float distance(Vec3 a, Vec3 b) { return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]); }

// The eight corners of an axis-aligned box with the given edges about `centre`.
inline std::vector<float> boxCorners(Vec3 edges, Vec3 centre = {0, 0, 0}) {
    std::vector<float> points;
    for (int corner = 0; corner < 8; ++corner)
        for (int axis = 0; axis < 3; ++axis)
            points.push_back(centre[axis] + ((corner >> axis) & 1 ? 0.5f : -0.5f) * edges[axis]);
    return points;
}

class PhysicsWorld {
public:
    PhysicsWorld() : world(NewtonCreate(nullptr, nullptr)) {
        const float lo[3] = {-200, -200, -200}, hi[3] = {200, 200, 200};
        NewtonSetWorldSize(world, lo, hi);
    }
    ~PhysicsWorld() { NewtonDestroy(world); }
    PhysicsWorld(const PhysicsWorld&) = delete;
    PhysicsWorld& operator=(const PhysicsWorld&) = delete;

    // A body from the shape (whose reference is handed over), under gravity.
    NewtonBody* add(NewtonCollision* shape, float mass, Vec3 inertia, Vec3 position) {
        NewtonBody* body = NewtonCreateBody(world, shape);
        NewtonBodySetMassMatrix(body, mass, inertia[0], inertia[1], inertia[2]);
        NewtonReleaseCollision(world, shape);
        const Mat4 m = placement(position);
        NewtonBodySetMatrix(body, m.data());
        NewtonBodySetForceAndTorqueCallback(body, gravityForce);
        return body;
    }

    // A solid box: I = m (b^2 + c^2) / 12 about each axis.
    NewtonBody* addBox(Vec3 e, float mass, Vec3 position) {
        const Vec3 inertia = {mass * (e[1] * e[1] + e[2] * e[2]) / 12, mass * (e[0] * e[0] + e[2] * e[2]) / 12,
                              mass * (e[0] * e[0] + e[1] * e[1]) / 12};
        return add(NewtonCreateBox(world, e[0], e[1], e[2], nullptr), mass, inertia, position);
    }

    NewtonBody* addCube(float edge, float mass, Vec3 position) { return addBox({edge, edge, edge}, mass, position); }

    // The demo's floor: static, 150 x 10 x 150 at the origin, its top at y = 5.
    NewtonBody* addFloor() { return addBox({150, 10, 150}, 0, {0, 0, 0}); }

    // A hull body with the inertia and centre of mass the engine works out,
    // set up in the program's order of calls.
    NewtonBody* addHull(const std::vector<float>& points, float mass, Vec3 position) {
        NewtonCollision* shape = NewtonCreateConvexHull(world, int(points.size() / 3), points.data(), 12, nullptr);
        NewtonBody* body = NewtonCreateBody(world, shape);
        Vec3 inertia, com;
        NewtonConvexCollisionCalculateInertialMatrix(shape, inertia.data(), com.data());
        NewtonBodySetMassMatrix(body, mass, inertia[0] * mass, inertia[1] * mass, inertia[2] * mass);
        NewtonBodySetCentreOfMass(body, com.data());
        NewtonReleaseCollision(world, shape);
        const Mat4 m = placement(position);
        NewtonBodySetMatrix(body, m.data());
        NewtonBodySetForceAndTorqueCallback(body, gravityForce);
        return body;
    }

    void simulate(float seconds, float frame = 1.0f / 60) {
        for (int i = std::lround(seconds / frame); i > 0; --i) NewtonUpdate(world, frame);
    }

    NewtonWorld* world;
};

}  // namespace testing_support
