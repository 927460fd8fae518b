// The camera's steps and the frame timer on a scripted counter.
#include "platform/window.h"
#include "scene/camera.h"
#include "scene/timer.h"

#include <gtest/gtest.h>

namespace {

std::int64_t now = 0;
std::int64_t scripted() { return now; }

}  // namespace

TEST(Camera, StepsAlongTheHeadingWithOnlyAnUpperBound) {
    Camera cam;
    EXPECT_EQ(cam.yrot, 90.0f);
    cam.speed = 0.4f;
    cam.init(0, 30, -50, 15, 0, 100);
    EXPECT_EQ(cam.speed, 0.4f);  // init keeps the speed
    cam.update(1.0f);
    EXPECT_NEAR(cam.x, 0.10353f, 1e-5f);
    EXPECT_EQ(cam.y, 30.0f);
    EXPECT_NEAR(cam.z, -49.61363f, 1e-5f);
    cam.init(98.9f, 0, -200, 90, 0, 100);
    cam.update(1.0f);
    EXPECT_EQ(cam.x, 99.0f);
    cam.init(0, 0, -200, 180, 0, 100);
    cam.update(1.0f);
    EXPECT_NEAR(cam.z, -200.4f, 1e-4f);  // no lower bound
    cam.speed = 0;
    cam.update(1.0f);
    EXPECT_NEAR(cam.z, -200.4f, 1e-4f);
}

TEST(Camera, LookingUpRisesWithoutShorteningTheHorizontalStep) {
    Camera cam;
    cam.init(0, 0, 0, 90, 90, 100);
    cam.speed = 0.4f;
    cam.update(1.0f);
    EXPECT_NEAR(cam.y, 0.4f, 1e-6f);
    EXPECT_NEAR(cam.x, 0.4f, 1e-6f);
}

TEST(Timer, MeasuresFromInitAndEachCallFromItsOwnPreviousCall) {
    plat::SetCounterSource(scripted, 1000);
    now = 5000;
    CTimer timer;
    ASSERT_TRUE(timer.Init());
    now += 300;  // the rest of the set-up
    EXPECT_FLOAT_EQ(timer.GetFPS(1), 1000.0f / 300);
    EXPECT_FLOAT_EQ(timer.GetElapsedSeconds(1), 0.3f);
    now += 25;
    EXPECT_FLOAT_EQ(timer.GetElapsedSeconds(1), 0.025f);
    now += 0;
    EXPECT_FLOAT_EQ(timer.GetElapsedSeconds(1), 0.0f);
    EXPECT_FLOAT_EQ(timer.GetFPS(1), 40.0f);  // the elapsed calls did not disturb it
    EXPECT_FLOAT_EQ(timer.GetFPS(1), 0.0f);   // an empty interval, not infinity
    now += 2000;
    EXPECT_FLOAT_EQ(timer.GetFPS(1), 0.5f);
}

TEST(Timer, WithoutACounterEverythingIsZero) {
    plat::SetCounterSource(scripted, 0);
    CTimer timer;
    EXPECT_FALSE(timer.Init());
    now += 100;
    EXPECT_EQ(timer.GetFPS(1), 0.0f);
    EXPECT_EQ(timer.GetElapsedSeconds(1), 0.0f);
}
