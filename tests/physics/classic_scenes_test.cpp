// The classic scenes, physics alone in fixed 1/60 s steps, each against what
// it must show: stacks that stand still and sleep, dominoes that fall in
// order, a bridge whose hinges hold, a wall whose bricks fly and come to rest
// without overlapping. Each prints its figure beside its bound.
#include "physics/classic_scene.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

constexpr float kFrame = 1.0f / 60;

// Where the point `local` of the body's own frame is now.
Vertex pointOf(const NewtonBody* body, Vertex local) {
    float m[16];
    NewtonBodyGetMatrix(body, m);
    return newV(m[12] + m[0] * local.x + m[4] * local.y + m[8] * local.z,
                m[13] + m[1] * local.x + m[5] * local.y + m[9] * local.z,
                m[14] + m[2] * local.x + m[6] * local.y + m[10] * local.z);
}

// The body's frame coordinates of a world point, from its matrix now.
Vertex localOf(const NewtonBody* body, Vertex world) {
    float m[16];
    NewtonBodyGetMatrix(body, m);
    const Vertex d = sub(world, newV(m[12], m[13], m[14]));
    return newV(m[0] * d.x + m[1] * d.y + m[2] * d.z, m[4] * d.x + m[5] * d.y + m[6] * d.z,
                m[8] * d.x + m[9] * d.y + m[10] * d.z);
}

struct SceneRun {
    explicit SceneRun(const char* name)
        : table(ClassicSceneTable(SceneIndex(name))), scene(table) {}
    // Steps for `seconds`, calling after(t) after each step.
    void play(
        float seconds, const std::function<void(float)>& after = [](float) {}) {
        for (long i = 1; i <= std::lround(seconds / kFrame); ++i) {
            NewtonUpdate(scene.world(), kFrame);
            after(float(i) * kFrame);
        }
    }
    float moved(int body) const {
        return vlength(sub(pointOf(scene.bodies()[body]->getBody(), newV(0, 0, 0)),
                           table.bodies[body].position));
    }

    testing_support::TempDir dir;  // for log.txt
    SceneTable table;
    ClassicScene scene;
};

// The farthest any body moved in 10 s; all of them asleep by then.
float standsStill(SceneRun& run) {
    run.play(10);
    float farthest = 0;
    for (int i = 1; i < int(run.table.bodies.size()); ++i)
        farthest = std::max(farthest, run.moved(i));
    EXPECT_EQ(NewtonWorldGetStats(run.scene.world()).awake, 0) << run.table.bodies.size();
    return farthest;
}

// When the last slab fell (its up axis 45 degrees from vertical), each after the one before.
float dominoesFall(SceneRun& run) {
    const int count = int(run.table.bodies.size()) - 1;  // slabs
    std::vector<float> fell(count + 1, 0);
    run.play(20, [&](float t) {
        for (int i = 1; i <= count; ++i) {
            const NewtonBody* slab = run.scene.bodies()[i]->getBody();
            const float up = pointOf(slab, newV(0, 1, 0)).y - pointOf(slab, newV(0, 0, 0)).y;
            if (!fell[i] && up < std::cos(0.785f)) fell[i] = t;
        }
    });
    for (int i = 2; i <= count; ++i)
        EXPECT_TRUE(fell[i] >= fell[i - 1] && fell[i - 1] > 0) << "slab " << i;
    return fell[count] > 0 ? fell[count] : 1e9f;
}

// The widest any hinge opened (its pivot as the two bodies carry it) while the
// boxes fell onto the bridge and settled; nothing left the world, the boxes lie on it.
float bridgeHolds(SceneRun& run) {
    struct Ends {
        const NewtonBody *child, *parent;
        Vertex inChild, inParent;
    };
    std::vector<Ends> ends;
    for (const SceneHinge& h : run.table.hinges) {
        const NewtonBody *child = run.scene.bodies()[h.child]->getBody(),
                         *parent = run.scene.bodies()[h.parent]->getBody();
        ends.push_back({child, parent, localOf(child, h.pivot), localOf(parent, h.pivot)});
    }
    float widest = 0;
    run.play(10, [&](float) {
        for (const Ends& e : ends)
            widest =
                std::max(widest,
                         vlength(sub(pointOf(e.child, e.inChild), pointOf(e.parent, e.inParent))));
    });
    EXPECT_EQ(ends.size(), 21u);
    for (const auto& body : run.scene.bodies()) {
        const Vertex p = body->getPosition();
        EXPECT_TRUE(std::abs(p.x) < kWorldMax[0] && std::abs(p.y) < kWorldMax[1] &&
                    std::abs(p.z) < kWorldMax[2]);
    }
    for (int box = int(run.table.bodies.size()) - 5; box < int(run.table.bodies.size()); ++box)
        EXPECT_GT(run.scene.bodies()[box]->getPosition().y, 15) << "box " << box;
    return widest;
}

// The deepest overlap of two bodies once the wall's bricks flew and came to
// rest; at least ten bricks knocked 2 units or more from their places.
float wallRests(SceneRun& run) {
    run.play(15);
    int knocked = 0;
    for (int i = 1; i <= 100; ++i) knocked += run.moved(i) > 2;
    EXPECT_GE(knocked, 10);
    const NewtonWorldStats stats = NewtonWorldGetStats(run.scene.world());
    EXPECT_GT(stats.contacts, 0);
    std::printf("wall: %d bricks knocked, %d bodies awake\n", knocked, stats.awake);
    return stats.deepest;
}

TEST(ClassicScenes, EachShowsWhatItIsFor) {
    const struct {
        const char* name;
        const char* figure;
        std::function<float(SceneRun&)> measure;
        float bound;
        std::size_t bodies;  // the floor included
    } rows[] = {
        {"pyramid", "farthest box moved in 10 s", standsStill, 0.1f, 211},
        {"tower", "farthest box moved in 10 s", standsStill, 0.1f, 21},
        {"dominoes", "seconds until the last slab fell", dominoesFall, 20, 101},
        {"bridge", "widest hinge opening", bridgeHolds, 0.05f, 28},
        {"wall", "deepest overlap at rest", wallRests, 0.05f, 104},
    };
    for (const auto& row : rows) {
        SceneRun run(row.name);
        EXPECT_EQ(run.table.bodies.size(), row.bodies) << row.name;
        const float figure = row.measure(run);
        std::printf("%s: %s: %.4f (bound %g)\n", row.name, row.figure, figure, row.bound);
        EXPECT_LE(figure, row.bound) << row.name << ": " << row.figure;
    }
}

}  // namespace
