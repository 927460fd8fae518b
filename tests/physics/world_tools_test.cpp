// Picking, grabbing, statistics and the debug view, on boxes placed by hand
// and falling at g = 9.8.
#include "support/physics_world.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

using Vec = std::array<float, 3>;

float distance(const Vec& a, const Vec& b) {
    return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
}

class WorldTools : public testing_support::PhysicsWorld {
protected:
    // Edges `size` at `at`, turned by `angle` about z; mass 0 makes it static.
    NewtonBody* box(const Vec& at, float mass, const Vec& size = {2, 2, 2}, float angle = 0) {
        NewtonCollision* shape = NewtonCreateBox(world, size[0], size[1], size[2], nullptr);
        NewtonBody* body = NewtonCreateBody(world, shape);
        NewtonReleaseCollision(world, shape);
        NewtonBodySetMassMatrix(body, mass, mass, mass, mass);
        const float c = std::cos(angle), s = std::sin(angle);
        const float matrix[16] = {c, s, 0, 0, -s, c, 0, 0, 0, 0, 1, 0, at[0], at[1], at[2], 1};
        NewtonBodySetMatrix(body, matrix);
        NewtonBodySetForceAndTorqueCallback(body, [](const NewtonBody* b) {
            float mass, inertia[3];
            NewtonBodyGetMassMatrix(b, &mass, &inertia[0], &inertia[1], &inertia[2]);
            NewtonBodySetForce(b, Vec{0, -9.8f * mass, 0}.data());
        });
        return body;
    }
    // Where the point `local` of the body's own frame is now.
    static Vec pointOf(const NewtonBody* body, const Vec& local) {
        float m[16];
        NewtonBodyGetMatrix(body, m);
        Vec p;
        for (int i = 0; i < 3; ++i)
            p[i] = m[12 + i] + m[i] * local[0] + m[4 + i] * local[1] + m[8 + i] * local[2];
        return p;
    }
    void run(float seconds) {
        for (int i = 0; i < std::lround(seconds * 60); ++i) NewtonUpdate(world, 1.0f / 60);
    }
};

// A 2-unit cube at the origin and a 4-unit one at z = 10 (faces at z = 8 and 12).
TEST_F(WorldTools, ARayReturnsTheNearestBodyAndWhereItEntersIt) {
    NewtonBody *near = box({0, 0, 0}, 10), *far = box({0, 0, 10}, 0, {4, 4, 4});
    const struct {
        Vec from, to;
        NewtonBody* body;
        Vec hit;
    } cases[] = {
        {{0, 0, -20}, {0, 0, 20}, near, {0, 0, -1}},
        {{0, 0.5f, 20}, {0, 0.5f, -20}, far, {0, 0.5f, 12}},
        {{0, 1.5f, -20}, {0, 1.5f, 20}, far, {0, 1.5f, 8}},  // over the small cube
        {{-10, 0.5f, 0.25f}, {10, 0.5f, 0.25f}, near, {-1, 0.5f, 0.25f}},
        {{0, 0, -20}, {0, 0, -3}, nullptr, {}},  // stops short
        {{5, 0, 5}, {-5, 0, 5}, nullptr, {}},    // between them
    };
    for (const auto& c : cases) {
        Vec hit{};
        EXPECT_EQ(NewtonWorldRayCast(world, c.from.data(), c.to.data(), hit.data()), c.body)
            << "case " << &c - cases;
        if (c.body) EXPECT_LT(distance(hit, c.hit), 0.01f) << "case " << &c - cases;
    }
}

// A 10 kg cube held at its top face while the target moves 10 units along x at
// 20 units/s, then stays: the point keeps within 3 frames' travel (1 unit),
// never overshoots by 0.1 and ends on it. Let go, a held or hinged body falls;
// a body or world destroyed with a grab alive leaves nothing behind; static
// bodies are not grabbed.
TEST_F(WorldTools, AGrabbedBodyFollowsItsTargetUntilLetGo) {
    NewtonBody *held = box({0, 50, 0}, 10), *hinged = box({20, 50, 0}, 10);
    NewtonBody* doomed = box({30, 50, 0}, 10);
    EXPECT_EQ(NewtonConstraintCreateGrab(world, box({0, 0, 0}, 0), Vec{0, 1, 0}.data()), nullptr);
    NewtonJoint* joints[] = {NewtonConstraintCreateGrab(world, held, Vec{0, 51, 0}.data()),
                             NewtonConstraintCreateHinge(world, Vec{20, 51, 0}.data(),
                                                         Vec{0, 0, 1}.data(), hinged, nullptr)};
    NewtonConstraintCreateGrab(world, doomed, Vec{30, 51, 0}.data());
    for (int frame = 1; frame <= 60; ++frame) {
        const Vec target{std::min(frame / 3.0f, 10.0f), 51, 0};
        NewtonGrabSetTarget(joints[0], target.data());
        NewtonUpdate(world, 1.0f / 60);
        const Vec point = pointOf(held, {0, 1, 0});
        ASSERT_TRUE(distance(point, target) < 1 && point[0] < 10.1f) << "frame " << frame;
    }
    EXPECT_LT(distance(pointOf(held, {0, 1, 0}), {10, 51, 0}), 0.05f);
    for (NewtonJoint* joint : joints) NewtonDestroyJoint(world, joint);
    NewtonDestroyBody(world, doomed);
    run(0.5f);
    for (NewtonBody* body : {held, hinged}) EXPECT_LT(pointOf(body, {0, 0, 0})[1], 49);
    NewtonConstraintCreateGrab(world, held, pointOf(held, {0, 0, 0}).data());
}

// A cube dropped onto a floor touches it with a face (4 points or more), rests
// within 3 s (2 s of it slow), and stays awake while it is held.
TEST_F(WorldTools, StatisticsCountBodiesAwakeOnesAndContacts) {
    box({0, 0, 0}, 0, {10, 10, 10});
    NewtonBody* cube = box({0, 6.5f, 0}, 10);
    const NewtonWorldStats start = NewtonWorldGetStats(world);
    EXPECT_TRUE(start.bodies == 2 && start.awake == 1 && start.contacts == 0);
    run(1);
    EXPECT_TRUE(NewtonWorldGetStats(world).awake == 1 && NewtonWorldGetStats(world).contacts >= 4);
    run(2);
    EXPECT_EQ(NewtonWorldGetStats(world).awake, 0);
    NewtonConstraintCreateGrab(world, cube, pointOf(cube, {0, 1, 0}).data());
    run(5);
    EXPECT_EQ(NewtonWorldGetStats(world).awake, 1);
}

// The world box's corners, the 8 corners of a 2 x 4 x 6 box turned by 30 degrees
// about z, a cube's contact with the floor under it, the hinge's pin.
TEST_F(WorldTools, TheDebugViewShowsTheWorldBoxShapesContactsAndHinges) {
    const Vec lo{-100, -50, -80}, hi{100, 150, 80};
    NewtonSetWorldSize(world, lo.data(), hi.data());
    box({0, 0, 0}, 0, {10, 10, 10});
    box({0, 6, 0}, 10);
    NewtonBody* turned = box({30, 20, 10}, 0, {2, 4, 6}, std::acos(-1.0f) / 6);
    NewtonConstraintCreateHinge(world, Vec{-30, 21, 0}.data(), Vec{0, 0, 1}.data(),
                                box({-30, 20, 0}, 10), nullptr);
    run(0.1f);
    std::vector<Vec> seen[2];  // line ends, contact points
    NewtonWorldDebugDraw(
        world,
        [](const float* a, const float* b, const float*, void* seen) {
            for (const float* p : {a, b})
                static_cast<std::vector<Vec>*>(seen)->push_back({p[0], p[1], p[2]});
        },
        [](const float* at, const float*, const float*, void* seen) {
            static_cast<std::vector<Vec>*>(seen)[1].push_back({at[0], at[1], at[2]});
        },
        seen);
    auto drawn = [&](const Vec& p) {
        return std::ranges::any_of(seen[0], [&](const Vec& e) { return distance(e, p) < 1e-3f; });
    };
    for (int corner = 0; corner < 8; ++corner) {
        Vec bound, local;
        for (int axis = 0; axis < 3; ++axis) {
            bound[axis] = corner >> axis & 1 ? hi[axis] : lo[axis];
            local[axis] = (corner >> axis & 1 ? 1 : -1) * (1.0f + axis);
        }
        EXPECT_TRUE(drawn(bound) && drawn(pointOf(turned, local))) << "corner " << corner;
    }
    ASSERT_FALSE(seen[1].empty());
    EXPECT_NEAR(seen[1][0][1], 5, 0.05f);
    EXPECT_TRUE(drawn({-30, 21, 0}) && drawn({-30, 21, 4}));  // the pin, along z
}

}  // namespace
