// Picking, grabbing, statistics and the debug view, on boxes placed by hand
// and falling at g = 9.8.
#include "platform/newton.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

namespace {

using Vec = std::array<float, 3>;

float distance(const Vec& a, const Vec& b) {
    return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
}

void fall(const NewtonBody* body) {
    float mass, inertia[3];
    NewtonBodyGetMassMatrix(body, &mass, &inertia[0], &inertia[1], &inertia[2]);
    const float weight[3] = {0, -9.8f * mass, 0};
    NewtonBodySetForce(body, weight);
}

class WorldTools : public testing::Test {
protected:
    ~WorldTools() override { NewtonDestroy(world); }

    // A box of edges `size` at `at`, turned by `angle` about z; mass 0 makes it static.
    NewtonBody* box(const Vec& at, const Vec& size, float mass, float angle = 0) {
        NewtonCollision* shape = NewtonCreateBox(world, size[0], size[1], size[2], nullptr);
        NewtonBody* body = NewtonCreateBody(world, shape);
        NewtonReleaseCollision(world, shape);
        const float c = std::cos(angle), s = std::sin(angle), x2 = size[0] * size[0],
                    y2 = size[1] * size[1], z2 = size[2] * size[2];
        NewtonBodySetMassMatrix(body, mass, mass * (y2 + z2) / 12, mass * (x2 + z2) / 12,
                                mass * (x2 + y2) / 12);
        const float matrix[16] = {c, s, 0, 0, -s, c, 0, 0, 0, 0, 1, 0, at[0], at[1], at[2], 1};
        NewtonBodySetMatrix(body, matrix);
        NewtonBodySetForceAndTorqueCallback(body, fall);
        return body;
    }
    NewtonBody* cube(const Vec& at, float edge, float mass) {
        return box(at, {edge, edge, edge}, mass);
    }
    // The world point of the body that lies at `local` in its own frame.
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

    NewtonWorld* world = NewtonCreate(nullptr, nullptr);
};

// A 2-unit cube at the origin and a 4-unit one at z = 10 (faces at z = 8 and 12).
TEST_F(WorldTools, ARayReturnsTheNearestBodyAndWhereItEntersIt) {
    NewtonBody* near = cube({0, 0, 0}, 2, 10);
    NewtonBody* far = cube({0, 0, 10}, 4, 0);
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
        {{0, 3, -20}, {0, 3, 20}, nullptr, {}},  // over both
    };
    for (const auto& c : cases) {
        Vec hit{-99, -99, -99};
        EXPECT_EQ(NewtonWorldRayCast(world, c.from.data(), c.to.data(), hit.data()), c.body)
            << c.from[0] << " " << c.from[1] << " " << c.from[2];
        if (c.body)
            EXPECT_LT(distance(hit, c.hit), 0.01f) << hit[0] << " " << hit[1] << " " << hit[2];
    }
}

// A 10 kg cube held at its top face while the target moves 10 units along x at
// 20 units/s and then stays: the held point keeps within 3 frames' travel of
// it (1 unit), never overshoots its end by more than 0.1, and ends on it. An
// unheld twin falls g t^2 / 2 = 4.9 in the same second.
TEST_F(WorldTools, AGrabbedBodyFollowsItsTargetWithoutOvershooting) {
    NewtonBody* held = cube({0, 50, 0}, 2, 10);
    NewtonBody* twin = cube({-10, 50, 0}, 2, 10);
    NewtonJoint* grab = NewtonConstraintCreateGrab(world, held, Vec{0, 51, 0}.data());
    ASSERT_NE(grab, nullptr);
    for (int frame = 1; frame <= 60; ++frame) {
        const Vec target{std::min(frame / 60.0f * 20, 10.0f), 51, 0};
        NewtonGrabSetTarget(grab, target.data());
        NewtonUpdate(world, 1.0f / 60);
        const Vec point = pointOf(held, {0, 1, 0});
        ASSERT_LT(distance(point, target), 1.0f) << "frame " << frame;
        ASSERT_LT(point[0], 10.1f) << "frame " << frame;
    }
    EXPECT_LT(distance(pointOf(held, {0, 1, 0}), {10, 51, 0}), 0.05f);
    EXPECT_NEAR(pointOf(twin, {0, 0, 0})[1], 50 - 4.9f, 0.2f);
}

// Whichever way a joint ends, its body is free again and nothing dangles (the
// world goes last with a grab still alive). Static bodies cannot be grabbed.
TEST_F(WorldTools, JointsEndWithTheirBodiesOrOnTheirOwn) {
    NewtonBody* floor = cube({0, 0, 0}, 10, 0);
    EXPECT_EQ(NewtonConstraintCreateGrab(world, floor, Vec{0, 5, 0}.data()), nullptr);
    NewtonBody* grabbed = cube({0, 50, 0}, 2, 10);
    NewtonBody* hinged = cube({5, 50, 0}, 2, 10);
    NewtonBody* doomed = cube({10, 50, 0}, 2, 10);
    NewtonJoint* joints[] = {
        NewtonConstraintCreateGrab(world, grabbed, Vec{0, 51, 0}.data()),
        NewtonConstraintCreateHinge(world, Vec{5, 51, 0}.data(), Vec{0, 0, 1}.data(), hinged,
                                    nullptr),
    };
    NewtonConstraintCreateGrab(world, doomed, Vec{10, 51, 0}.data());
    run(0.5f);
    for (NewtonBody* body : {grabbed, hinged}) EXPECT_NEAR(pointOf(body, {0, 1, 0})[1], 51, 0.05f);
    for (NewtonJoint* joint : joints) NewtonDestroyJoint(world, joint);
    NewtonDestroyBody(world, doomed);
    run(0.5f);
    for (NewtonBody* body : {grabbed, hinged}) EXPECT_LT(pointOf(body, {0, 0, 0})[1], 49);
    EXPECT_EQ(NewtonWorldGetStats(world).bodies, 3);
    NewtonConstraintCreateGrab(world, grabbed, pointOf(grabbed, {0, 0, 0}).data());
}

// A cube dropped onto a floor touches it with a face (4 points or more), goes
// to rest a few seconds later, and stays awake while it is held.
TEST_F(WorldTools, StatisticsCountBodiesAwakeOnesAndContacts) {
    cube({0, 0, 0}, 10, 0);
    NewtonBody* falling = cube({0, 6.5f, 0}, 2, 10);
    const NewtonWorldStats start = NewtonWorldGetStats(world);
    EXPECT_TRUE(start.bodies == 2 && start.awake == 1 && start.contacts == 0);
    run(1);
    const NewtonWorldStats landed = NewtonWorldGetStats(world);
    EXPECT_TRUE(landed.awake == 1 && landed.contacts >= 4)
        << landed.awake << " " << landed.contacts;
    run(5);
    EXPECT_EQ(NewtonWorldGetStats(world).awake, 0);
    NewtonConstraintCreateGrab(world, falling, pointOf(falling, {0, 1, 0}).data());
    run(5);
    EXPECT_EQ(NewtonWorldGetStats(world).awake, 1);
}

struct Drawn {
    std::vector<std::array<Vec, 2>> lines;
    std::vector<Vec> points;

    bool hasLine(const Vec& a, const Vec& b) const {
        for (const auto& l : lines)
            if ((distance(l[0], a) < 1e-3f && distance(l[1], b) < 1e-3f) ||
                (distance(l[0], b) < 1e-3f && distance(l[1], a) < 1e-3f))
                return true;
        return false;
    }
    bool hasEnd(const Vec& p) const {
        for (const auto& l : lines)
            if (distance(l[0], p) < 1e-3f || distance(l[1], p) < 1e-3f) return true;
        return false;
    }
};

// The world box's 12 edges, the 8 corners of a 2 x 4 x 6 box turned by 30
// degrees about z, a cube's contact with the floor under it, and the hinge's
// pivot.
TEST_F(WorldTools, TheDebugViewShowsTheWorldBoxShapesContactsAndHinges) {
    const Vec lo{-100, -50, -80}, hi{100, 150, 80};
    NewtonSetWorldSize(world, lo.data(), hi.data());
    cube({0, 0, 0}, 10, 0);
    cube({0, 6, 0}, 2, 10);
    const float angle = std::acos(-1.0f) / 6;
    NewtonBody* turned = box({30, 20, 10}, {2, 4, 6}, 0, angle);
    NewtonBody* hinged = cube({-30, 20, 0}, 2, 10);
    NewtonConstraintCreateHinge(world, Vec{-30, 21, 0}.data(), Vec{0, 0, 1}.data(), hinged,
                                nullptr);
    run(0.1f);
    Drawn drawn;
    NewtonWorldDebugDraw(
        world,
        [](const float* a, const float* b, const float*, void* user) {
            static_cast<Drawn*>(user)->lines.push_back({Vec{a[0], a[1], a[2]},
                                                        Vec{b[0], b[1], b[2]}});
        },
        [](const float* at, const float*, const float*, void* user) {
            static_cast<Drawn*>(user)->points.push_back({at[0], at[1], at[2]});
        },
        &drawn);
    for (int corner = 0; corner < 8; ++corner) {
        Vec c, local;
        for (int axis = 0; axis < 3; ++axis) {
            const bool high = corner >> axis & 1;
            c[axis] = high ? hi[axis] : lo[axis];
            local[axis] = (high ? 0.5f : -0.5f) * (2 + 2.0f * axis);
        }
        EXPECT_TRUE(drawn.hasEnd(pointOf(turned, local))) << "box corner " << corner;
        for (int axis = 0; axis < 3; ++axis) {
            Vec other = c;
            other[axis] = hi[axis];
            if (c[axis] == lo[axis])
                EXPECT_TRUE(drawn.hasLine(c, other)) << "world box edge " << corner << axis;
        }
    }
    ASSERT_FALSE(drawn.points.empty());
    EXPECT_NEAR(drawn.points[0][1], 5, 0.05f);
    EXPECT_TRUE(drawn.hasEnd({-30, 21, 0}));
}

}  // namespace
