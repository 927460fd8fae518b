// The viewer's tools on their own: the simulation clock and the physics' time
// budget, the frame statistics, and reset and thrown balls on a real physics world.
#include "physics/newton_box.h"
#include "play/frame_stats.h"
#include "play/sim_clock.h"
#include "play/start_states.h"
#include "play/step_budget.h"
#include "play/thrown_balls.h"
#include "support/physics_world.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

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
// The 540 ms of those frames simulated 530 ms: one frame held its steps back.
TEST(FrameStats, SummarisesTheLastSecondOnly) {
    FrameStats stats;
    stats.add(0.0, {500, 9, 9, 500, true});  // more than a second before the rest
    for (int i = 1; i <= 50; ++i) {
        const double ms = i == 25 ? 50.0 : 10.0;
        stats.add(1.0 + i * 0.01, {ms, 2, 4, i == 30 ? 0 : ms, i == 30});
    }
    const FrameStats::Summary s = stats.summary();
    EXPECT_EQ(s.frames, 50);
    EXPECT_DOUBLE_EQ(s.medianFrameMs, 10);
    EXPECT_DOUBLE_EQ(s.worstFrameMs, 50);
    EXPECT_NEAR(s.physicsMs, 2, 1e-9);
    EXPECT_NEAR(s.drawMs, 4, 1e-9);
    EXPECT_TRUE(s.limited);
    EXPECT_EQ(StatsLines(s, {}).back(), "physics 0.98x real time");
    stats.add(2.5, {10, 2, 4, 10});
    EXPECT_FALSE(stats.summary().limited);
    EXPECT_EQ(StatsLines(stats.summary(), {}).back(), "physics 1.00x real time");
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

// Taking every step due, the clock steps exactly as the engine's own NewtonUpdate does over
// uneven frames (one cut to a quarter second, as it cuts them), so simulated time keeps to real
// time; a step due and not taken is dropped with its time. A live frame takes a first step, then
// another while one more, at the smoothed cost of the steps before, ends within 25 ms (half a
// frame at 20 a second).
TEST_F(PlayPhysics, StepsDueAreTheEnginesOwnAndStepsNotTakenAreDropped) {
    NewtonWorld* engine = NewtonCreate(nullptr, nullptr);
    {
        NewtonBox floor(world, newV(0, 0, 0), 0, 150, 10, 150), box(world, newV(0, 9, 0), 10, 2),
            engineFloor(engine, newV(0, 0, 0), 0, 150, 10, 150),
            engineBox(engine, newV(0, 9, 0), 10, 2);
        const float frames[] = {0.0161f, 0.0172f, 0.0009f, 0.0334f, 0.4f, 0.0166f, 0.05f};
        SimClock clock;
        double stepped = 0, real = 0;
        for (int i = 0; i < 40; ++i) {
            const float seconds = frames[i % 7];
            NewtonUpdate(engine, seconds);
            const int due = clock.stepsDue(seconds);
            NewtonUpdateSteps(world, due);
            stepped += due / 120.0;
            real += std::min(seconds, 0.25f);
            float ours[16], theirs[16];
            NewtonBodyGetMatrix(box.getBody(), ours);
            NewtonBodyGetMatrix(engineBox.getBody(), theirs);
            ASSERT_EQ(std::memcmp(ours, theirs, sizeof ours), 0) << "frame " << i;
        }
        EXPECT_LT(box.getPosition().y, 7);  // it landed
        EXPECT_NEAR(stepped, real, 1.0 / 120);
        EXPECT_EQ(clock.stepsDue(0.1f), 12);
        EXPECT_EQ(clock.stepsDue(1.0f / 120), 1);  // not 13: the 12 not taken went
    }
    NewtonDestroy(engine);
    // Each row: a frame's steps and milliseconds measured first (none for 0), then whether another
    // step follows `taken` steps in elapsedMs.
    const struct {
        int steps;
        double ms;
        int taken;
        double elapsedMs;
        bool another;
    } frames[] = {{0, 0, 3, 24.9, true},   {2, 20, 0, 100, true}, {0, 0, 1, 15, true},
                  {0, 0, 1, 15.1, false},  {1, 50, 1, 5, true},   {0, 0, 1, 5.1, false},
                  {1, 2000, 1, 0.1, false}};  // costs 10, then 20 ms a step, then over 25 ms
    StepBudget budget;
    for (const auto& f : frames) {
        budget.measured(f.steps, f.ms);
        EXPECT_EQ(budget.allows(f.taken, f.elapsedMs), f.another) << &f - frames;
    }
    budget.on = false;
    EXPECT_TRUE(budget.allows(5, 1000));
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
        NewtonUpdateSteps(world, clock.stepsDue(1.0f / 144));
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
