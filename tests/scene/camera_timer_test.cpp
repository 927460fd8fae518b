// The camera's steps and the frame timer on a scripted counter.
#include "platform/window.h"
#include "scene/camera.h"
#include "scene/timer.h"

#include <gtest/gtest.h>

#include <cmath>

// One step of speed 0.2 times factor 2 along yaw and pitch (degrees), x and z
// kept at most 99 by the bound 100: sin 15 = 0.258819, cos 15 = 0.965926.
TEST(Camera, StepsAlongTheViewAndStopsOneBelowTheBoundInXAndZ) {
    const struct {
        float x, z, yaw, pitch, wantX, wantY, wantZ;
    } cases[] = {
        {0, -50, 15, 0, 0.1035276f, 0, -49.6136296f},
        {98.9f, 0, 90, 0, 99, 0, 0},
        {0, 98.9f, 0, 0, 0, 0, 99},
        {0, -200, 180, 0, 0, 0, -200.4f},  // no lower bound
        {0, 0, 90, 90, 0.4f, 0.4f, 0},     // looking up does not shorten the step
    };
    for (const auto& c : cases) {
        Camera cam;
        cam.init(c.x, 0, c.z, c.yaw, c.pitch, 100);
        cam.speed = 0.2f;
        cam.update(2.0f);
        EXPECT_LT(std::hypot(cam.x - c.wantX, cam.y - c.wantY, cam.z - c.wantZ), 1e-4f)
            << "case " << &c - cases << ": " << cam.x << ", " << cam.y << ", " << cam.z;
    }
}

static std::int64_t now = 0;

// Each call measures from its own previous call, whatever the other did.
TEST(Timer, RatesAndSecondsComeFromTheTicksSinceTheCallBefore) {
    plat::SetCounterSource([] { return now; }, 1000);
    CTimer timer;
    ASSERT_TRUE(timer.Init());
    timer.GetFPS(1);  // both start from here
    timer.GetElapsedSeconds(1);
    now += 25;
    EXPECT_FLOAT_EQ(timer.GetElapsedSeconds(1), 0.025f);
    EXPECT_FLOAT_EQ(timer.GetElapsedSeconds(1), 0.0f);
    EXPECT_FLOAT_EQ(timer.GetFPS(1), 40.0f);
    EXPECT_FLOAT_EQ(timer.GetFPS(1), 0.0f);  // an empty interval, not infinity
    now += 2000;
    EXPECT_FLOAT_EQ(timer.GetFPS(4), 2.0f);
    plat::SetCounterSource(nullptr, 0);
}
