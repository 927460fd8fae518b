// The running scene in process: the real set-up and frames on a scripted
// clock, with keys held as the window procedure would hold them.
#include "app/main.h"
#include "bench/scene/scene_run.h"
#include "scene/frame.h"
#include "scene/setup.h"
#include "scene/camera.h"
#include "physics/newton_primitive.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

// Multisampling makes software GL four times slower and changes nothing here.
const std::string kConfig = SceneRun::RepositoryConfig(false);

NewtonPrimitive* node(int number) {
    return number == 0 ? NewtonObjects.getData() : NewtonObjects.find(number)->getData();
}

Vertex velocity(int number) {
    Vertex v;
    NewtonBodyGetVelocity(node(number)->getBody(), &v.x);
    return v;
}

bool finite(const NewtonPrimitive* p) {
    for (float f : p->matrix.m)
        if (!std::isfinite(f)) return false;
    return true;
}

}  // namespace

TEST(Scene, SevenBodiesInNodeOrderWithTheirStartState) {
    SceneRun run(kConfig);
    ASSERT_TRUE(run.ready());
    const int types[] = {1, 2, 1, 1, 1, 2, 4};
    int count = 0;
    for (auto* n = &NewtonObjects; n; n = n->getNext(), ++count)
        EXPECT_EQ(n->getData()->getType(), types[count]) << count;
    EXPECT_EQ(count, 7);
    Vertex pin = normalizeVec(sub(node(2)->getPosition(), node(4)->getPosition()));
    EXPECT_NEAR(pin.x, -6.0f / 31, 1e-6f);
    EXPECT_NEAR(pin.y, -30.0f / 31, 1e-6f);
    EXPECT_NEAR(pin.z, -5.0f / 31, 1e-6f);
    Vertex spin;
    NewtonBodyGetOmega(node(1)->getBody(), &spin.x);
    EXPECT_FLOAT_EQ(spin.x, 2.0f);
    EXPECT_FLOAT_EQ(spin.y, 1.0f);
    EXPECT_FLOAT_EQ(spin.z, 7.0f);
    EXPECT_EQ(velocity(3).y, 0.0f);
    std::string log = run.log();
    EXPECT_NE(log.find("Initialisation finished successfully"), std::string::npos);
    size_t bodies = 0;
    for (size_t at = log.find("Newton Body Created"); at != std::string::npos;
         at = log.find("Newton Body Created", at + 1))
        ++bodies;
    EXPECT_EQ(bodies, 7u);
}

TEST(Scene, WithoutTheTestModelThereAreSixBodies) {
    SceneRun run("[3D-VARNE-CFG]\nCYLINDER_MODEL data/models/cylinder.txt\n");
    ASSERT_TRUE(run.ready());
    EXPECT_EQ(NewtonObjects.find(6), nullptr);
    EXPECT_NE(NewtonObjects.find(5), nullptr);
    run.frames(10);
}

TEST(Scene, EverythingSettlesAndTheHingeHolds) {
    SceneRun run(kConfig);
    run.frames(8 * 30, 1.0 / 30);
    for (int n = 1; n <= 6; ++n) {
        node(n)->getPosition();
        EXPECT_TRUE(finite(node(n))) << n;
        EXPECT_GT(node(n)->matrix.m[13], 0.0f) << n;
    }
    for (int n : {1, 3, 5, 6}) EXPECT_LT(vlength(velocity(n)), 0.5f) << n;
    EXPECT_NEAR(vlength(sub(node(2)->getPosition(), node(4)->getPosition())), 31.0f, 0.05f);
}

TEST(Scene, TheKeysPushTheBoxAndItKeepsItsLastVelocity) {
    SceneRun run(kConfig);
    run.frames(3 * 60);  // the box lands and rests
    const Vertex start = node(3)->getPosition();
    run.hold('W');
    run.frames(30);
    EXPECT_LT(node(3)->getPosition().z, start.z - 1.5f);
    run.hold(plat::VK_SPACE);
    run.frames(2);
    EXPECT_GT(velocity(3).y, 2.0f);  // Space comes last and wins
    run.release('W');
    run.release(plat::VK_SPACE);
    run.frame();
    EXPECT_GT(vlength(velocity(3)), 1.0f);  // still moving once let go
}

TEST(Scene, WalkingLightKeysAndReturn) {
    SceneRun run(kConfig);
    run.frame();
    const Vertex light = lightPos;
    run.hold('I');
    run.hold('P');
    run.frames(10);
    EXPECT_FLOAT_EQ(lightPos.z, light.z - 5.0f);
    EXPECT_FLOAT_EQ(lightPos.y, light.y + 5.0f);
    run.release('I');
    run.release('P');
    const float z = cam.z;
    run.hold(plat::VK_UP);
    run.hold(plat::VK_DOWN);  // both held: backward
    run.frames(5, 1.0 / 40);
    EXPECT_LT(cam.z, z - 1.5f);
    run.release(plat::VK_UP);
    run.release(plat::VK_DOWN);
    run.hold(plat::VK_RETURN);
    run.frame();
    EXPECT_EQ(cam.x, 0.0f);
    EXPECT_EQ(cam.y, 30.0f);
    EXPECT_EQ(cam.z, -50.0f);
    EXPECT_EQ(cam.yrot, 15.0f);
}

TEST(Scene, F1KeepsThePhysicsRunningAndLeavesCameraAndMouseAlone) {
    SceneRun run(kConfig);
    run.frame();
    const float yrot = cam.yrot, y = node(2)->getPosition().y;
    plat::SetCursorPos(260, 200);
    run.hold(plat::VK_F1);
    run.frames(30);
    EXPECT_LT(node(2)->getPosition().y, y - 1.0f);
    EXPECT_EQ(cam.yrot, yrot);
    plat::Point p;
    plat::GetCursorPos(&p);
    EXPECT_EQ(p.x, 260);
    run.release(plat::VK_F1);
    run.frame();
    EXPECT_FLOAT_EQ(cam.yrot, yrot + 6.0f);  // the whole movement at once
}

TEST(Scene, ASlowFrameKeepsTheCameraFiniteAndTheOverlayShowsIt) {
    SceneRun run(kConfig);
    run.hold(plat::VK_UP);
    run.frame(2.0);
    EXPECT_EQ(fps, 0);
    EXPECT_TRUE(std::isfinite(cam.x) && std::isfinite(cam.z));
    for (int n = 0; n <= 6; ++n) {
        node(n)->getPosition();
        EXPECT_TRUE(finite(node(n))) << n;
    }
    run.release(plat::VK_UP);
    run.frame(1.0 / 40);
    cam.x = 1.5f, cam.y = -2.25f, cam.z = 100, cam.yrot = -0.7f;
    OverlayText text = FormatOverlay();
    EXPECT_STREQ(text.lines[0], "FPS: 40");
    EXPECT_STREQ(text.lines[1], "x: 1.500000  y: -2.250000  z: 100.000000");
    EXPECT_STREQ(text.lines[2], "yrot: 0");
}
