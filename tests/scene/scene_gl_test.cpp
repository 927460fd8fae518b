// The real scene set-up and frames on a scripted clock.
#include "app/main.h"
#include "bench/scene/scene_run.h"
#include "physics/newton_primitive.h"
#include "scene/camera.h"

#include <gtest/gtest.h>

static Vertex at(int node) { return NewtonObjects.find(node)->getData()->getPosition(); }

// The floor's top is at y = 5: the box of edge 5 rests at 7.5, the ball of
// radius 6 at 11; the hinge holds its two boxes 31 apart.
TEST(Scene, BodiesFallToRestOnTheFloorAndTheHingeHolds) {
    SceneRun run(SceneRun::RepositoryConfig(false));
    ASSERT_TRUE(run.ready());
    run.frames(8 * 30, 1.0 / 30);
    EXPECT_NEAR(at(3).y, 7.5f, 0.1f);
    EXPECT_NEAR(at(5).y, 11.0f, 0.1f);
    EXPECT_NEAR(vlength(sub(at(2), at(4))), 31.0f, 0.05f);
}
