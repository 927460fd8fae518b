// The physics engine layer against mechanics formulas: free fall, the inertia
// of solids, turning about the centre of mass, resting contact, the hinge,
// the world box and frame times.
//
// Most tolerances follow from the engine's fixed internal steps (at most
// 1/100 s): a frame's time is simulated up to one step late, and velocity is
// integrated before position (semi-implicit Euler), which adds g t h / 2 to a
// fall after t seconds in steps of h.
#include "support/physics_world.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

using namespace testing_support;

namespace {

constexpr float kMaxStep = 0.01f;  // s

// The drop g t^2 / 2 after t seconds, within g t h / 2 (integration) plus
// g t h (the time still waiting for a step).
void expectFallen(const NewtonBody* body, Vec3 start, float t) {
    const Vec3 p = positionOf(body);
    EXPECT_NEAR(p[1], start[1] - kGravity / 2 * t * t, 1.5f * kGravity * t * kMaxStep) << "at " << t << " s";
    EXPECT_FLOAT_EQ(p[0], start[0]);
    EXPECT_FLOAT_EQ(p[2], start[2]);
}

unsigned holdAtZero(const NewtonJoint* joint, NewtonHingeSliderUpdateDescTag* desc) {
    desc->m_accel = NewtonHingeCalculateStopAlpha(joint, desc, 0.0f);
    return 1;
}

unsigned leaveFree(const NewtonJoint*, NewtonHingeSliderUpdateDescTag*) { return 0; }

unsigned accelerateAt2(const NewtonJoint*, NewtonHingeSliderUpdateDescTag* desc) {
    desc->m_accel = 2.0f;  // rad/s^2
    return 1;
}

std::map<const void*, int> calls;
std::vector<float> steps;

void countedGravity(const NewtonBody* body) {
    ++calls[body];
    gravityForce(body);
}

unsigned countedHold(const NewtonJoint* joint, NewtonHingeSliderUpdateDescTag* desc) {
    ++calls[joint];
    steps.push_back(desc->m_timestep);
    return holdAtZero(joint, desc);
}

// The scene's hinged pair: child cube edge 10 mass 20 at (0, 100, 0), parent
// cube edge 6 mass 10 at (6, 130, 5), pivot (1, 0, 0), pin along child - parent.
struct HingedPair {
    explicit HingedPair(PhysicsWorld& w, NewtonHingeCallBack callback)
        : child(w.addCube(10, 20, {0, 100, 0})), parent(w.addCube(6, 10, {6, 130, 5})) {
        const float pivot[3] = {1, 0, 0}, pin[3] = {-6.0f / 31, -30.0f / 31, -5.0f / 31};
        joint = NewtonConstraintCreateHinge(w.world, pivot, pin, child, parent);
        NewtonHingeSetUserCallback(joint, callback);
    }
    float span() const { return distance(positionOf(child), positionOf(parent)); }

    NewtonBody* child;
    NewtonBody* parent;
    NewtonJoint* joint;
};

bool finite(const Mat4& m) {
    return std::all_of(m.begin(), m.end(), [](float v) { return std::isfinite(v); });
}

}  // namespace

TEST(NewtonFreeFall, FollowsTheFallFormulaAtEvenAndUnevenFrameTimes) {
    PhysicsWorld even, uneven;
    const Vec3 start = {3, 150, -4};
    NewtonBody* a = even.addCube(2, 10, start);
    NewtonBody* b = uneven.addCube(2, 10, start);
    const float pattern[] = {0.004f, 0.031f, 0.0007f, 0.017f, 0.0123f, 0.05f};
    float t = 0;
    for (int i = 0; t < 1.0f; ++i) {
        NewtonUpdate(uneven.world, pattern[i % 6]);
        t += pattern[i % 6];
        if (i % 8 == 7) expectFallen(b, start, t);
    }
    for (int frame = 1; frame <= 60; ++frame) {
        NewtonUpdate(even.world, 1.0f / 60);
        if (frame % 15 == 0) expectFallen(a, start, frame / 60.0f);
    }
    Vec3 v;
    NewtonBodyGetVelocity(a, v.data());
    EXPECT_NEAR(v[1], -kGravity, kGravity * kMaxStep);
}

// Unit-mass inertia of solids: box (b^2 + c^2) / 12, sphere 2 r^2 / 5,
// cylinder r^2 / 2 about its axis and (3 r^2 + h^2) / 12 across it. A hull
// from its volume within 1 %.
TEST(NewtonInertia, ComesFromTheShapesVolume) {
    PhysicsWorld w;
    auto inertial = [&](NewtonCollision* shape) {
        std::array<float, 6> r;
        NewtonConvexCollisionCalculateInertialMatrix(shape, r.data(), r.data() + 3);
        NewtonReleaseCollision(w.world, shape);
        return r;
    };
    auto expectInertia = [](std::array<float, 6> r, Vec3 inertia, Vec3 centre, float tolerance) {
        for (int i = 0; i < 3; ++i) {
            EXPECT_NEAR(r[i], inertia[i], tolerance * inertia[i]) << "axis " << i;
            EXPECT_NEAR(r[3 + i], centre[i], 1e-4f) << "axis " << i;
        }
    };
    const std::vector<float> cube = boxCorners({2, 2, 2});
    expectInertia(inertial(NewtonCreateConvexHull(w.world, 8, cube.data(), 12, nullptr)), {4.f / 6, 4.f / 6, 4.f / 6},
                  {0, 0, 0}, 0.01f);
    const std::vector<float> shifted = boxCorners({2, 2, 2}, {3, 0, 0});
    expectInertia(inertial(NewtonCreateConvexHull(w.world, 8, shifted.data(), 12, nullptr)),
                  {4.f / 6, 4.f / 6, 4.f / 6}, {3, 0, 0}, 0.01f);
    const Vec3 brick = {52.f / 12, 40.f / 12, 20.f / 12};  // edges 2 x 4 x 6
    const std::vector<float> corners = boxCorners({2, 4, 6}, {1, 2, 3});
    expectInertia(inertial(NewtonCreateConvexHull(w.world, 8, corners.data(), 12, nullptr)), brick, {1, 2, 3}, 0.01f);
    expectInertia(inertial(NewtonCreateBox(w.world, 2, 4, 6, nullptr)), brick, {0, 0, 0}, 1e-5f);
    expectInertia(inertial(NewtonCreateSphere(w.world, 3, 3, 3, nullptr)), {3.6f, 3.6f, 3.6f}, {0, 0, 0}, 1e-5f);
    expectInertia(inertial(NewtonCreateCylinder(w.world, 2, 6, nullptr)), {2, 4, 4}, {0, 0, 0}, 1e-5f);

    // The corner tetrahedron (0,0,0), (a,0,0), (0,a,0), (0,0,a): centroid at
    // a/4 on each axis; per unit mass E[x^2] = a^2/10 and E[xy] = a^2/20, so
    // about the centroid Ixx = 3a^2/40 and Ixy = a^2/80, whose principal
    // moments are a^2/10 (along (1,1,1)) and a^2/16 twice.
    const float a = 6;
    const float tetra[] = {0, 0, 0, a, 0, 0, 0, a, 0, 0, 0, a};
    std::array<float, 6> r = inertial(NewtonCreateConvexHull(w.world, 4, tetra, 12, nullptr));
    std::sort(r.begin(), r.begin() + 3);
    expectInertia(r, {a * a / 16, a * a / 16, a * a / 10}, {a / 4, a / 4, a / 4}, 0.01f);
}

TEST(NewtonCentreOfMass, MatrixStaysTheOriginAndTheBodyTurnsAboutTheCentre) {
    PhysicsWorld w;
    NewtonBody* body = w.addHull(boxCorners({2, 2, 2}, {3, 0, 0}), 1, {10, 50, 0});
    NewtonBodySetForceAndTorqueCallback(body, nullptr);
    const float quarter = float(M_PI / 2);
    const Mat4 start = placement({10, 50, 0}, quarter);  // turns the centre (3, 0, 0) to (0, 0, -3)
    NewtonBodySetMatrix(body, start.data());
    w.simulate(1);
    const Mat4 after = matrixOf(body);
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(after[i], start[i], 1e-4f) << "element " << i;

    // Torque-free spin about y: the centre stays, the origin circles it.
    const Vec3 centre = {10, 50, -3};
    const float omega[3] = {0, 2, 0};
    NewtonBodySetOmega(body, omega);
    w.simulate(0.5f);
    const Mat4 m = matrixOf(body);
    const Vec3 p = {m[12], m[13], m[14]};
    EXPECT_NEAR(distance(p, centre), 3, 1e-3f);
    EXPECT_NEAR(p[1], 50, 1e-3f);
    // The origin started on +z of the centre; turned by 1 rad about y it lies
    // 1 rad from +z towards +x, and the body's z axis turned alike. The turn
    // lags by up to omega * one step; twice that is allowed.
    const float lag = 2 * kMaxStep;
    EXPECT_NEAR(std::atan2(p[0] - centre[0], p[2] - centre[2]), 1.0f, 2 * lag);
    EXPECT_NEAR(std::atan2(m[8], m[10]), quarter + 1.0f, 2 * lag);
}

TEST(NewtonMass, StaticBodiesStayAndMassChangesTakeEffect) {
    PhysicsWorld w;
    NewtonBody* fixed = w.addCube(4, 0, {0, 50, 0});
    NewtonBody* changing = w.addCube(4, 0, {20, 50, 0});
    const Mat4 fixedAt = matrixOf(fixed);
    w.simulate(0.5f);
    EXPECT_EQ(positionOf(changing), (Vec3{20, 50, 0}));

    NewtonBodySetMassMatrix(changing, 10, 26.7f, 26.7f, 26.7f);
    w.simulate(1);
    expectFallen(changing, {20, 50, 0}, 1);

    NewtonBodySetMassMatrix(changing, 0, 0, 0, 0);
    const Vec3 stopped = positionOf(changing);
    w.simulate(0.5f);
    EXPECT_EQ(positionOf(changing), stopped);
    EXPECT_EQ(matrixOf(fixed), fixedAt);
}

// Resting height: the floor's top (5) plus half the edge, within 0.1.
TEST(NewtonRest, BoxAndHullSettleOnTheFloorSleepAndWakeWhenPushed) {
    PhysicsWorld w;
    w.addFloor();
    NewtonBody* box = w.addCube(10, 20, {0, 12, 0});
    NewtonBody* hull = w.addHull(boxCorners({10, 10, 10}), 10, {30, 12, 0});
    w.simulate(6);
    EXPECT_NEAR(positionOf(box)[1], 10, 0.1f);
    EXPECT_NEAR(positionOf(hull)[1], 10, 0.1f);
    EXPECT_EQ(NewtonBodyGetSleepingState(box), 1);

    // The program's push: wake the box and set its velocity every frame.
    for (int frame = 0; frame < 60; ++frame) {
        NewtonUpdate(w.world, 1.0f / 60);
        NewtonWorldUnfreezeBody(w.world, box);
        const float velocity[3] = {0, 0, -5};
        NewtonBodySetVelocity(box, velocity);
    }
    const Vec3 p = positionOf(box);
    EXPECT_NEAR(p[2], -5, 0.3f);  // 5 units/s for 1 s, friction acting within each frame
    EXPECT_NEAR(p[0], 0, 0.1f);
    EXPECT_NEAR(p[1], 10, 0.1f);
}

TEST(NewtonHinge, StopAlphaHoldsTheScenePairWhileItFalls) {
    PhysicsWorld w;
    HingedPair held(w, holdAtZero);
    PhysicsWorld control;
    HingedPair free(control, leaveFree);
    // A turn of the child about the pin that the hold has to take back.
    const float spin[3] = {-6.0f / 31, -30.0f / 31, -5.0f / 31};
    NewtonBodySetOmega(held.child, spin);
    NewtonBodySetOmega(free.child, spin);
    for (int frame = 0; frame < 120; ++frame) {
        NewtonUpdate(w.world, 1.0f / 60);
        NewtonUpdate(control.world, 1.0f / 60);
        ASSERT_NEAR(held.span(), 31, 0.05f) << "frame " << frame;
        ASSERT_NEAR(NewtonHingeGetJointAngle(held.joint), 0, 0.02f) << "frame " << frame;
    }
    EXPECT_LT(positionOf(held.child)[1], 100 - 15);  // it fell: about g t^2 / 2 = 19.6
    EXPECT_GT(std::abs(NewtonHingeGetJointAngle(free.joint)), 0.2f);
    EXPECT_GT(std::abs(free.span() - 31), 0.5f);
}

// A body hinged to the world at the origin about z, 5 units out along x,
// driven at 2 rad/s^2: omega = 2 t, angle = t^2, and it stays on its circle.
TEST(NewtonHinge, AccelerationTurnsTheChildAboutThePin) {
    PhysicsWorld w;
    NewtonBody* body = w.addCube(2, 1, {5, 0, 0});
    NewtonBodySetForceAndTorqueCallback(body, nullptr);
    const float pivot[3] = {0, 0, 0}, pin[3] = {0, 0, 2};
    NewtonJoint* hinge = NewtonConstraintCreateHinge(w.world, pivot, pin, body, nullptr);
    NewtonHingeSetUserCallback(hinge, accelerateAt2);
    w.simulate(1);
    // Up to one step late: omega by 2 h, the angle by 2 t h (+ Euler's h t).
    EXPECT_NEAR(NewtonHingeGetJointOmega(hinge), 2, 2 * 2 * kMaxStep);
    const float angle = NewtonHingeGetJointAngle(hinge);
    EXPECT_NEAR(angle, 1, 2 * 2 * kMaxStep + kMaxStep);
    const Vec3 p = positionOf(body);
    EXPECT_NEAR(p[0], 5 * std::cos(angle), 0.02f);
    EXPECT_NEAR(p[1], 5 * std::sin(angle), 0.02f);
    EXPECT_NEAR(p[2], 0, 0.02f);
    Vec3 omega;
    NewtonBodyGetOmega(body, omega.data());
    EXPECT_NEAR(omega[2], NewtonHingeGetJointOmega(hinge), 1e-4f);

    NewtonDestroyBody(w.world, body);  // takes the hinge with it
    w.simulate(0.1f);
}

TEST(NewtonWorldBox, ABodyLeavingItStopsUntilPutBack) {
    PhysicsWorld w;
    NewtonBody* body = w.addCube(2, 1, {0, 190, 0});
    const float up[3] = {0, 60, 0};
    NewtonBodySetVelocity(body, up);
    w.simulate(0.5f);  // crosses y = 200 after about 0.17 s
    const Mat4 out = matrixOf(body);
    EXPECT_GT(out[13], 200);
    EXPECT_LT(out[13], 201);
    EXPECT_EQ(NewtonBodyGetSleepingState(body), 1);
    NewtonWorldUnfreezeBody(w.world, body);
    w.simulate(1);
    EXPECT_EQ(matrixOf(body), out);

    const Mat4 back = placement({0, 100, 0});
    NewtonBodySetMatrix(body, back.data());
    EXPECT_EQ(NewtonBodyGetSleepingState(body), 0);
    w.simulate(0.5f);
    expectFallen(body, {0, 100, 0}, 0.5f);
}

TEST(NewtonUpdate, CallbacksRunEveryStepAndAnyFrameTimeStaysFinite) {
    PhysicsWorld w;
    w.addFloor();
    HingedPair pair(w, countedHold);
    NewtonBody* box = w.addCube(5, 10, {0, 20, 20});
    for (NewtonBody* b : {pair.child, pair.parent, box}) NewtonBodySetForceAndTorqueCallback(b, countedGravity);
    calls.clear();
    steps.clear();

    const Mat4 before = matrixOf(box);
    NewtonUpdate(w.world, 0);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(matrixOf(box), before);

    for (int i = 0; i < 100; ++i) NewtonUpdate(w.world, 0.001f);
    expectFallen(box, {0, 20, 20}, 0.1f);
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(calls[pair.child], int(steps.size()));
    EXPECT_EQ(calls[pair.parent], int(steps.size()));
    EXPECT_EQ(calls[box], int(steps.size()));
    EXPECT_EQ(calls[pair.joint], int(steps.size()));
    EXPECT_NEAR(steps.size() * steps[0], 0.1f, steps[0]);  // in steps of one length
    EXPECT_TRUE(std::all_of(steps.begin(), steps.end(), [](float s) { return s == steps[0]; }));

    for (float frame : {2.0f, 2.0f, 2.0f, 1e30f, 2.0f})
        for (int i = 0; i < 5; ++i) NewtonUpdate(w.world, frame);
    for (NewtonBody* b : {pair.child, pair.parent, box}) EXPECT_TRUE(finite(matrixOf(b)));
    EXPECT_NEAR(positionOf(box)[1], 7.5f, 0.1f);  // at rest on the floor
}
