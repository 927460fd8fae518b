// The viewer's tools on their own: the simulation clock, the frame statistics,
// and reset and thrown balls on a real physics world.
#include "physics/newton_box.h"
#include "play/frame_stats.h"
#include "play/sim_clock.h"
#include "play/start_states.h"
#include "play/thrown_balls.h"
#include "support/physics_world.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

// Each row: what is pressed before a frame of 0.1 s, then the simulated time
// and the state line that frame shows.
TEST(SimClock, PausesStepsAndSlowsDownWithinItsBounds) {
    enum Key { none, pause, step, slower, faster };
    const struct {
        Key key;
        float seconds;
        const char* status;
    } frames[] = {
        {step, 0.1f, ""},  // a step while running does nothing
        {pause, 0, "PAUSED"},
        {step, 1.0f / 60, "PAUSED"},
        {none, 0, "PAUSED"},  // one step, not one a frame
        {slower, 0, "PAUSED  speed 1/2x"},
        {pause, 0.05f, "speed 1/2x"},
        {slower, 0.025f, "speed 1/4x"},
        {slower, 0.0125f, "speed 1/8x"},
        {slower, 0.0125f, "speed 1/8x"},  // no slower than 1/8
        {faster, 0.025f, "speed 1/4x"},
        {faster, 0.05f, "speed 1/2x"},
        {faster, 0.1f, ""},
        {faster, 0.1f, ""},  // no faster than real time
    };
    SimClock clock;
    for (const auto& f : frames) {
        if (f.key == pause) clock.togglePause();
        if (f.key == step) clock.requestStep();
        if (f.key == slower) clock.slower();
        if (f.key == faster) clock.faster();
        EXPECT_FLOAT_EQ(clock.physicsSeconds(0.1f), f.seconds) << &f - frames;
        EXPECT_EQ(clock.status(), f.status) << &f - frames;
    }
}

// Frames 10 ms apart, one of them 50 ms: the median and the worst over the
// last second, means of the physics and drawing times, older frames forgotten.
TEST(FrameStats, SummarisesTheLastSecondOnly) {
    FrameStats stats;
    stats.add(0.0, {500, 9, 9});  // more than a second before the rest
    for (int i = 1; i <= 50; ++i) stats.add(1.0 + i * 0.01, {i == 25 ? 50.0 : 10.0, 2, 4});
    const FrameStats::Summary s = stats.summary();
    EXPECT_EQ(s.frames, 50);
    EXPECT_DOUBLE_EQ(s.medianFrameMs, 10);
    EXPECT_DOUBLE_EQ(s.worstFrameMs, 50);
    EXPECT_NEAR(s.physicsMs, 2, 1e-9);
    EXPECT_NEAR(s.drawMs, 4, 1e-9);
    // The panel's series keeps the last 240 frames: 1 to 300 ms leave 61 to 300.
    FrameSeries series;
    EXPECT_EQ(std::pair(series.median(), series.worst()), std::pair(0.0f, 0.0f));
    for (int ms = 300; ms >= 1; --ms) series.add(float(ms));
    ASSERT_EQ(series.values().size(), 240u);
    EXPECT_EQ(std::pair(series.values().front(), series.values().back()), std::pair(240.0f, 1.0f));
    EXPECT_EQ(std::pair(series.median(), series.worst()), std::pair(121.0f, 240.0f));
}

using PlayPhysics = testing_support::PhysicsWorld;

// A box remembered in flight comes back to its place, velocity and spin after
// it has fallen onto the floor.
TEST_F(PlayPhysics, ResetPutsBodiesBackAsTheyStarted) {
    LinkedList<NewtonPrimitive*> bodies;
    NewtonBox floor(world, newV(0, 0, 0), 0, 150, 10, 150), box(world, newV(3, 40, -2), 10, 2);
    bodies.setData(&floor);
    bodies.add(&box, 1);
    const float velocity[3] = {1, 2, 3}, omega[3] = {0, 4, 0};
    NewtonBodySetVelocity(box.getBody(), velocity);
    NewtonBodySetOmega(box.getBody(), omega);
    StartStates start;
    start.remember(bodies);
    for (int i = 0; i < 300; ++i) NewtonUpdate(world, 1.0f / 60);
    ASSERT_LT(box.getPosition().y, 10);
    start.restore();
    const Vertex p = box.getPosition();
    float v[3], w[3];
    NewtonBodyGetVelocity(box.getBody(), v);
    NewtonBodyGetOmega(box.getBody(), w);
    EXPECT_TRUE(p.x == 3 && p.y == 40 && p.z == -2 && v[0] == 1 && v[1] == 2 && v[2] == 3);
    EXPECT_EQ(w[1], 4);
    EXPECT_EQ(NewtonBodyGetSleepingState(box.getBody()), 0);
}

// At 144 frames a second and steps of 1/120 s, drawn as stepped, one frame in
// six would not move. Drawn between steps, a cube falling from rest goes lower
// in every frame once a step is taken, and never more than one step behind
// the exact drop g t^2 / 2.
TEST_F(PlayPhysics, ABodyIsDrawnBetweenStepsLowerInEveryFrameAt144Hz) {
    SimClock clock;
    NewtonBox cube(world, newV(0, 100, 0), 1, 2);
    float last = 100;
    for (int frame = 1; frame <= 144; ++frame) {
        NewtonUpdateSteps(world, clock.takeSteps(1.0f / 144));
        drawStepFraction = clock.stepFraction();  // as the frame does
        const float drawn = cube.drawMatrix().m[13];
        const double late = std::max(0.0, frame / 144.0 - kNewtonStepSeconds);  // one step
        EXPECT_TRUE(frame == 1 || drawn < last) << "frame " << frame;
        EXPECT_LE(drawn, 100 - kGravity / 2 * late * late + 1e-4) << "frame " << frame;
        last = drawn;
    }
    drawStepFraction = 1;
}

// A ball leaves just ahead of the eye at 40 units/s along the view, with a
// solid sphere's inertia 2/5 m r^2; the 201st throw removes the first ball.
TEST_F(PlayPhysics, ThrownBallsFlyAlongTheViewAndTheOldestGoesFirst) {
    ThrownBalls balls;
    const Vertex eye = newV(0, 50, 0), along = newV(0.6f, 0, -0.8f);
    balls.throwFrom(world, eye, along);
    const NewtonBody* first = balls.all().front()->getBody();
    float v[3];
    NewtonBodyGetVelocity(first, v);
    EXPECT_TRUE(std::fabs(v[0] - 24) < 1e-4f && std::fabs(v[2] + 32) < 1e-4f);
    EXPECT_GT(balls.all().front()->getPosition().x, 0);
    float mass, inertia[3];
    NewtonBodyGetMassMatrix(first, &mass, &inertia[0], &inertia[1], &inertia[2]);
    EXPECT_NEAR(inertia[1], 0.4f * 5 * 1.5f * 1.5f, 1e-4f);
    for (std::size_t i = 1; i < ThrownBalls::kMax; ++i) balls.throwFrom(world, eye, along);
    EXPECT_EQ(balls.nextToGo(), first);
    balls.throwFrom(world, eye, along);
    EXPECT_EQ(balls.all().size(), ThrownBalls::kMax);
    EXPECT_NE(balls.all().front()->getBody(), first);
}
