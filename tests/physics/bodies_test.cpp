// The scene's bodies on the physics engine, against mechanics formulas: free
// fall, mass matrices, resting heights, a push, the hinge, and motion that
// turns non-finite.
//
// Tolerances follow from the engine's fixed internal steps (at most 1/100 s):
// a frame's time is simulated up to one step late, and velocity is integrated
// before position, which adds g t h / 2 to a fall after t seconds.
#include "physics/newton_box.h"
#include "physics/newton_cylinder.h"
#include "scene/setup.h"
#include "support/physics_world.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

using namespace testing_support;

using Physics = PhysicsWorld;

// The drop g t^2 / 2 after t seconds (g = 9.8), within g t h / 2 plus the g t h
// of a step still waiting (h = 0.01 s); the velocity g t within g h. Frames as
// long as 1/4 s (a renderer at 4 frames per second) keep real time.
TEST_F(Physics, FreeFallFollowsTheFormulaAtUnevenFrameTimes) {
    NewtonBox cube(world, newV(3, 150, -4), 10, 2);
    const float frames[] = {0.004f, 0.25f, 0.0007f, 0.017f, 0.05f};
    float t = 0;
    for (int i = 0; t < 1; ++i) {
        NewtonUpdate(world, frames[i % 5]);
        t += frames[i % 5];
        const Vertex p = cube.getPosition();
        EXPECT_NEAR(p.y, 150 - 4.9f * t * t, 1.5f * 9.8f * t * 0.01f) << t << " s";
        EXPECT_TRUE(p.x == 3 && p.z == -4) << t << " s";
    }
    float v[3];
    NewtonBodyGetVelocity(cube.getBody(), v);
    EXPECT_NEAR(v[1], -9.8f * t, 9.8f * 0.01f);
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
