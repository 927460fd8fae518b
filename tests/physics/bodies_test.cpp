// The scene's bodies on the physics engine, against mechanics formulas: a
// throw, pendulums, rolling, bounces, mass matrices, resting heights, a push,
// the hinge, and motion that turns non-finite. (A fall over uneven frames is
// play_tools_test's: NewtonUpdate steps as the clock does, the clock keeps real
// time, and the throw below keeps to g.)
#include "physics/newton_box.h"
#include "physics/newton_cylinder.h"
#include "physics/newton_sphere.h"
#include "scene/setup.h"
#include "support/physics_world.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

using namespace testing_support;

using Physics = PhysicsWorld;

namespace {

constexpr double g = kGravity, h = kNewtonStepSeconds, pi = 3.14159265358979;
const float kOrigin[3] = {0, 0, 0}, kAlongZ[3] = {0, 0, 1};  // a hinge's pivot and pin

// A world of a case's own: `const auto [world] = OwnWorld();` outlives the
// bodies made after it.
struct OwnWorld {
    NewtonWorld* world = NewtonCreate(nullptr, nullptr);
    ~OwnWorld() { NewtonDestroy(world); }
};

void place(NewtonPrimitive& body, float x, float y, float angleZ) {
    const float c = std::cos(angleZ), s = std::sin(angleZ);
    const float m[16] = {c, s, 0, 0, -s, c, 0, 0, 0, 0, 1, 0, x, y, 0, 1};
    NewtonBodySetMatrix(body.getBody(), m);
}

// A ball thrown at 10 across and 20 up: its height after 1 s.
double projectile() {
    const auto [world] = OwnWorld();
    NewtonSphere ball(world, newV(0, 100, 0), 1, 1);
    NewtonBodySetVelocity(ball.getBody(), std::array{10.0f, 20.0f, 0.0f}.data());
    NewtonUpdateSteps(world, 120);
    return ball.getPosition().y - 100.0;
}

// A box of edges e (mass 1) hinged to the world along z, its centre d below
// the pivot, let go at 0.1 rad for 30 s: its period from the turning points
// (where the speed, interpolated within a step, changes sign), and its energy at
// the end against the start while it is still awake (0 once at rest).
std::pair<double, double> swing(Vertex e, float d) {
    const auto [world] = OwnWorld();
    NewtonBox box(world, newV(0, 0, 0), 1, e.x, e.y, e.z);
    place(box, d * std::sin(0.1f), -d * std::cos(0.1f), 0.1f);
    NewtonJoint* hinge =
        NewtonConstraintCreateHinge(world, kOrigin, kAlongZ, box.getBody(), nullptr);
    const double inertia = (e.x * e.x + e.y * e.y) / 12 + d * d;  // about the pivot
    auto energy = [&](double omega, double angle) {
        return inertia * omega * omega / 2 + g * d * (1 - std::cos(0.1 + angle));
    };
    std::vector<double> turns;
    for (int i = 1; i <= 3600; ++i) {
        const double before = NewtonHingeGetJointOmega(hinge);
        NewtonUpdateSteps(world, 1);
        const double now = NewtonHingeGetJointOmega(hinge);
        if (before < 0 && now >= 0) turns.push_back((i - now / (now - before)) * h);
    }
    const double end = energy(NewtonHingeGetJointOmega(hinge), NewtonHingeGetJointAngle(hinge));
    const bool awake = !NewtonBodyGetSleepingState(box.getBody());
    return {(turns.back() - turns.front()) / double(turns.size() - 1), awake * end / energy(0, 0)};
}

// A sphere of radius 3 rolling from rest down a 0.5 rad slope for 1 s: its
// acceleration from the distance, 2 s / t^2.
double rolling(bool exactInertia) {
    const auto [world] = OwnWorld();
    const float c = std::cos(0.5f), s = std::sin(0.5f);
    NewtonBox slope(world, newV(0, 0, 0), 0, 400, 10, 40);
    place(slope, 5 * s, -5 * c, 0.5f);
    NewtonSphere ball(world, newV(-3 * s, 3 * c, 0), 10, 3, exactInertia);
    NewtonUpdateSteps(world, 120);
    const Vertex p = ball.getPosition();
    return 2 * (-(p.x + 3 * s) * c - (p.y - 3 * c) * s);
}

// Two unit spheres meeting head-on at speed each, found overlapping by gap:
// their speed apart against their speed together; their momentum stays 0.
double headOn(float speed, float gap) {
    const auto [world] = OwnWorld();
    NewtonSphere a(world, newV(gap / 2 - 1, 50, 0), 1, 1), b(world, newV(1 - gap / 2, 50, 0), 1, 1);
    NewtonBodySetVelocity(a.getBody(), std::array{speed, 0.0f, 0.0f}.data());
    NewtonBodySetVelocity(b.getBody(), std::array{-speed, 0.0f, 0.0f}.data());
    NewtonUpdateSteps(world, 60);
    float ua[3], ub[3];
    NewtonBodyGetVelocity(a.getBody(), ua);
    NewtonBodyGetVelocity(b.getBody(), ub);
    EXPECT_NEAR(ua[0] + ub[0], 0, 1e-5f * speed);
    return (ub[0] - ua[0]) / (2 * speed);
}

float stopTarget = 0;
// The angle of a bar hinged at its end after a number of steps of the stop
// towards target, from rest.
double stop(float target, int steps) {
    const auto [world] = OwnWorld();
    NewtonBox bar(world, newV(0.5f, 0, 0), 1, 1, 0.2f, 0.2f);
    NewtonBodySetForceAndTorqueCallback(bar.getBody(), nullptr);
    NewtonJoint* hinge =
        NewtonConstraintCreateHinge(world, kOrigin, kAlongZ, bar.getBody(), nullptr);
    stopTarget = target;
    NewtonHingeSetUserCallback(hinge, [](const NewtonJoint* j, NewtonHingeSliderUpdateDescTag* d) {
        d->m_accel = NewtonHingeCalculateStopAlpha(j, d, stopTarget);
        return 1u;
    });
    NewtonUpdateSteps(world, steps);
    return NewtonHingeGetJointAngle(hinge);
}

}  // namespace

// Closed-form mechanics, a row a case, each in a world of its own, the value
// from the formula and the tolerance from the step h = 1/120 s. The engine
// updates velocity before position, which puts a fall g t h / 2 ahead after t
// seconds and a distance from rest a share h / t ahead; the symplectic step
// keeps a swing's energy within h times its angular frequency of the start.
TEST_F(Physics, ClosedFormMechanicsHoldWithinWhatTheStepAllows) {
    const Vertex slim = newV(0.4f, 1, 0.4f), wide = newV(2, 0.2f, 0.2f);
    // The physical pendulum: 2 pi sqrt(I / (m g d)) about the pivot, 1/16 of the
    // amplitude squared longer at 0.1 rad; found over 17 periods, within h / 17.
    auto period = [](Vertex e, double d) {
        return 2 * pi * std::sqrt(((e.x * e.x + e.y * e.y) / 12 + d * d) / (g * d)) * 1.000625;
    };
    const double roll = g * std::sin(0.5);
    struct Case {
        std::string name;
        double measured, expected, tolerance;
    };
    std::vector<Case> cases = {
        {"projectile: height after 1 s", projectile(), 20 - g / 2, g * h},
        {"pendulum, slim box", swing(slim, 0.5f).first, period(slim, 0.5), h / 17},
        {"pendulum, wide box", swing(wide, 0.5f).first, period(wide, 0.5), h / 17},
        {"pendulum energy after 30 s", swing(slim, 0.5f).second, 1, h * 2 * pi / period(slim, 0.5)},
        // A solid sphere (2/5 m r^2) rolls at 5/7 g sin, the scene's (m r^2 / 6) at 6/7.
        {"rolling: solid sphere, 5/7 g sin", rolling(true), 5.0 / 7 * roll, 5.0 / 7 * roll * h},
        {"rolling: scene's sphere", rolling(false), 6.0 / 7 * roll, 6.0 / 7 * roll * h},
    };
    // The hinge stop from rest: moves up to pi/4 arrive in one step; beyond it
    // the first step is shortened as the engine's turn limit says, to
    // 2 atan(tan(pi/8) d / (pi/4)), and the next one arrives.
    for (float move : {0.5f, 1.0f, 2.5f})
        for (int steps : {1, 2})
            cases.push_back(
                {"hinge stop to " + std::to_string(move) + " in steps: " + std::to_string(steps),
                 stop(move, steps),
                 steps == 2 || move < pi / 4 ? move
                                             : 2 * std::atan(std::tan(pi / 8) * move / (pi / 4)),
                 1e-3});
    // A bounce keeps the pair's restitution, 0.3 x 0.3, whatever the speed and
    // the overlap its step found, and the momentum.
    for (float speed : {1.0f, 5.0f, 40.0f})
        for (float gap : {0.0f, 0.02f, 0.039f, 0.041f, 0.1f})
            cases.push_back({"bounce at " + std::to_string(speed) + " overlap " +
                                 std::to_string(gap),
                             headOn(speed, gap), 0.09, 0.01});
    for (const Case& c : cases) EXPECT_NEAR(c.measured, c.expected, c.tolerance) << c.name;
}

// The scene's floor, box and cylinder. Each rests on the floor's top (5) plus
// its half height, the cylinder lying along x, even through frames of no time,
// of NaN and absurdly long ones (cut to slow motion).
TEST_F(Physics, TheScenesBodiesRestOnTheFloorAndCanBePushed) {
    NewtonBox floor(world, newV(0, 0, 0), 0, 150, 10, 150), box(world, newV(0, 20, 20), 10, 5);
    NewtonCylinder cylinder(world, nullptr, newV(2, 50, 0), 10, 5, 6, false);
    NewtonUpdate(world, 0);
    NewtonUpdate(world, NAN);
    EXPECT_EQ(box.getPosition().y, 20.0f);
    for (int i = 0; i < 80; ++i) NewtonUpdate(world, i == 10 ? 1e30f : 2.0f);
    EXPECT_NEAR(box.getPosition().y, 7.5f, 0.1f);
    EXPECT_NEAR(cylinder.getPosition().y, 10, 0.1f);
    EXPECT_NEAR(cylinder.matrix.m[1], 0.0f, 0.01f);  // its axis level

    // The scene's push of body 3: wake it and set its velocity every frame.
    ASSERT_EQ(NewtonBodyGetSleepingState(box.getBody()), 1);
    for (int frame = 0; frame < 60; ++frame) {
        NewtonUpdate(world, 1.0f / 60);
        NewtonWorldUnfreezeBody(world, box.getBody());
        NewtonBodySetVelocity(box.getBody(), std::array{0.0f, 0.0f, -5.0f}.data());
    }
    // 5 units/s for 1 s, friction acting within each frame.
    EXPECT_NEAR(box.getPosition().z, 15, 0.3f);
}

// A convex body's centre of mass and inertia come from the hull's volume
// (within 1 %); its matrix still names its origin. A 2 x 4 x 6 brick about
// (1, 2, 3): m (b^2 + c^2) / 12 on its own axes. The corner tetrahedron of
// edge a = 6: centroid a/4 on each axis, principal moments m a^2/16 twice and
// m a^2/10 along (1, 1, 1), so compared in order.
TEST_F(Physics, AConvexBodyTakesItsMassPropertiesFromTheHull) {
    const struct {
        const char* name;
        std::vector<float> points;
        float inertia[3], centre[3];
    } cases[] = {
        {"brick",
         {0, 0, 0, 2, 0, 0, 0, 4, 0, 2, 4, 0, 0, 0, 6, 2, 0, 6, 0, 4, 6, 2, 4, 6},
         {52.f / 12, 40.f / 12, 20.f / 12},
         {1, 2, 3}},
        {"tetrahedron",
         {0, 0, 0, 6, 0, 0, 0, 6, 0, 0, 0, 6},
         {2.25f, 2.25f, 3.6f},
         {1.5f, 1.5f, 1.5f}},
    };
    for (const auto& c : cases) {
        NewtonPrimitive body(world, 40);
        body.collision =
            NewtonCreateConvexHull(world, int(c.points.size() / 3), c.points.data(), 12, nullptr);
        body.setPosition0(newV(30, 30, 10));
        body.initBody(true);
        float mass, inertia[3], centre[3];
        NewtonBodyGetMassMatrix(body.getBody(), &mass, &inertia[0], &inertia[1], &inertia[2]);
        NewtonBodyGetCentreOfMass(body.getBody(), centre);
        if (c.inertia[0] == c.inertia[1]) std::sort(inertia, inertia + 3);
        for (int i = 0; i < 3; ++i) {
            EXPECT_NEAR(inertia[i], 40 * c.inertia[i], 0.4f * c.inertia[i]) << c.name << i;
            EXPECT_NEAR(centre[i], c.centre[i], 1e-4f) << c.name << " axis " << i;
        }
        EXPECT_EQ(body.getPosition().x, 30.0f) << c.name;
    }
}

// The scene's hinged pair, bodies 2 and 4: pivot (1, 0, 0), pin along child -
// parent (31 long). The scene's callback holds the angle against a turn.
TEST_F(Physics, TheScenesHingeStopHoldsThePairWhileItFalls) {
    NewtonBox child(world, newV(0, 100, 0), 20, 10), parent(world, newV(6, 130, 5), 10, 6);
    const float pivot[3] = {1, 0, 0}, pin[3] = {-6.0f / 31, -30.0f / 31, -5.0f / 31};
    NewtonJoint* joint =
        NewtonConstraintCreateHinge(world, pivot, pin, child.getBody(), parent.getBody());
    NewtonHingeSetUserCallback(joint, jointCallback2);
    NewtonBodySetOmega(child.getBody(), pin);
    for (int frame = 0; frame < 120; ++frame) {
        NewtonUpdate(world, 1.0f / 60);
        ASSERT_NEAR(NewtonHingeGetJointAngle(joint), 0, 0.02f) << "frame " << frame;
    }
    EXPECT_LT(child.getPosition().y, 100 - 15);  // it fell: about g t^2 / 2 = 19.6
}

// A force that is not a number makes the body's motion non-finite: the engine
// puts it back at its last finite place and takes it out; its neighbour falls
// on as before, and the body says so in the log once.
TEST_F(Physics, ABodyWhoseMotionTurnsNonFiniteIsFrozenAtItsLastPlaceAndLoggedOnce) {
    NewtonBox broken(world, newV(0, 50, 0), 10, 2), neighbour(world, newV(8, 50, 0), 10, 2);
    NewtonUpdate(world, 0.05f);
    const Vertex before = broken.getPosition();
    NewtonBodySetForceAndTorqueCallback(broken.getBody(), [](const NewtonBody* body) {
        const float force[3] = {0, std::nanf(""), 0};
        NewtonBodySetForce(body, force);
    });
    for (int i = 0; i < 10; ++i) NewtonUpdate(world, 0.05f);
    EXPECT_TRUE(NewtonBodyIsBroken(broken.getBody()));
    const Vertex after = broken.getPosition();
    EXPECT_TRUE(after.x == before.x && after.y == before.y && after.z == before.z);
    EXPECT_NEAR(neighbour.getPosition().y, 50 - 4.9f * 0.55f * 0.55f, 0.1f);
    broken.getPosition();  // asked again, logged once
    EXPECT_EQ(countOf(readLog(), "a box body stopped moving in finite numbers: frozen at (0, 4"),
              1);
}
