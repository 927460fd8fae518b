// The classic scenes as tables, built on the demo's floor (a 150 x 10 x 150
// slab whose top is at y = 5) where the camera's start pose looks: 95 units
// ahead of the eye and 15 degrees to its right, which shows them whole.
#include "physics/classic_scene.h"

#include <cmath>

namespace {

constexpr float kFloorTop = 5, kSceneX = 25, kSceneZ = -40;  // the middle of every scene
constexpr float kPi = 3.14159265f;

SceneBody floorSlab() { return {BodyShape::box, {150, 10, 150}, {0, 0, 0}, 0}; }

SceneBody box(Vertex size, Vertex at, float mass) { return {BodyShape::box, size, at, mass}; }

// A table of the floor and the fixed bodies given, in that order.
SceneTable onFloor(std::vector<SceneBody> fixed = {}) {
    SceneTable table;
    table.bodies.push_back(floorSlab());
    table.bodies.insert(table.bodies.end(), fixed.begin(), fixed.end());
    return table;
}

// 20 rows of boxes of edge 2, 20 in the lowest, each row on the gaps of the one below.
SceneTable pyramid() {
    SceneTable t = onFloor();
    for (int row = 0; row < 20; ++row)
        for (int i = 0; i < 20 - row; ++i)
            t.bodies.push_back(box({2, 2, 2},
                                   {kSceneX + 2 * float(i) - float(19 - row),
                                    kFloorTop + 1 + 2 * float(row), kSceneZ},
                                   1));
    return t;
}

SceneTable tower() {
    SceneTable t = onFloor();
    for (int i = 0; i < 20; ++i)
        t.bodies.push_back(box({2, 2, 2}, {kSceneX, kFloorTop + 1 + 2 * float(i), kSceneZ}, 1));
    return t;
}

// Slabs 0.5 thick, 6 high and 2 wide, 1.2 apart along a spiral that widens by
// 5 a turn from a radius of 8, each facing along it; the innermost is tipped
// towards the next. Close, tall slabs pass the fall on fast (some 0.13 s a
// slab): 2 apart and 4 high took 0.32 s a slab, over 30 s for the hundred.
SceneTable dominoes() {
    constexpr float kGap = 1.2f, kStartRadius = 8, kWidening = 5 / (2 * kPi), kHeight = 6;
    SceneTable t = onFloor();
    float angle = 0;
    for (int i = 0; i < 100; ++i) {
        const float r = kStartRadius + kWidening * angle, c = std::cos(angle), s = std::sin(angle);
        const float tx = kWidening * c - r * s, tz = kWidening * s + r * c;  // along the spiral
        SceneBody slab =
            box({0.5f, kHeight, 2}, {kSceneX + r * c, kFloorTop + kHeight / 2, kSceneZ + r * s}, 1);
        slab.yaw = std::atan2(-tz, tx);  // the slab's x axis along the spiral
        angle += kGap / std::hypot(tx, tz);
        t.bodies.push_back(slab);
    }
    // A spin about the first slab's z axis (sin yaw, 0, cos yaw) that tips its top forwards.
    SceneBody& first = t.bodies[1];
    first.omega = {-3.0f * std::sin(first.yaw), 0, -3.0f * std::cos(first.yaw)};
    return t;
}

// 20 planks 2 long, hinged end to end along z, hanging in a shallow sag
// between two fixed posts whose tops are at y = 25; five boxes fall onto it.
// A chain of hinges pulled by falling boxes needs more solver iterations than
// the default 10 to keep its pivots together (0.06 apart at 10, 0.03 at 20).
SceneTable bridge() {
    constexpr int kPlanks = 20;
    constexpr float kLength = 2, kSag = 0.3f, kTop = 25, kThickness = 0.5f;
    const Vertex pin{0, 0, 1};
    float span = 0;
    const auto slope = [&](int i) { return kSag * ((float(i) + 0.5f) / (kPlanks / 2) - 1); };
    for (int i = 0; i < kPlanks; ++i) span += kLength * std::cos(slope(i));
    const float postHeight = kTop - kFloorTop, postY = kFloorTop + postHeight / 2;
    SceneTable t = onFloor({box({2, postHeight, 6}, {kSceneX - span / 2 - 1, postY, kSceneZ}, 0),
                            box({2, postHeight, 6}, {kSceneX + span / 2 + 1, postY, kSceneZ}, 0)});
    Vertex end{kSceneX - span / 2, kTop - kThickness / 2, kSceneZ};  // where the next plank hangs
    for (int i = 0; i < kPlanks; ++i) {
        const Vertex along{std::cos(slope(i)), std::sin(slope(i)), 0};
        SceneBody plank =
            box({kLength, kThickness, 6}, add(end, multScalar(along, kLength / 2)), 1);
        plank.roll = slope(i);
        t.hinges.push_back({int(t.bodies.size()), i == 0 ? 1 : int(t.bodies.size()) - 1, end, pin});
        t.bodies.push_back(plank);
        end = add(end, multScalar(along, kLength));
    }
    t.hinges.push_back({int(t.bodies.size()) - 1, 2, end, pin});
    t.solverIterations = 20;
    for (int i = 0; i < 5; ++i)
        t.bodies.push_back(box({2, 2, 2}, {kSceneX + 6 * float(i) - 12, 35, kSceneZ}, 1));
    return t;
}

// 10 rows of 10 bricks (4 x 2 x 2), each row half a brick aside from the one
// below; three balls as the viewer throws them (radius 1.5, 5 kg, 40 units/s)
// fly at it from 30 units away.
SceneTable wall() {
    SceneTable t = onFloor();
    for (int row = 0; row < 10; ++row)
        for (int i = 0; i < 10; ++i)
            t.bodies.push_back(box({4, 2, 2},
                                   {kSceneX + 4 * float(i) - 18 + (row % 2 ? 1.0f : -1.0f),
                                    kFloorTop + 1 + 2 * float(row), kSceneZ},
                                   1));
    for (int i = 0; i < 3; ++i) {
        SceneBody ball{BodyShape::ball,
                       {1.5f, 1.5f, 1.5f},
                       {kSceneX + 6 * float(i) - 6, 10 + 4 * float(i), kSceneZ + 30},
                       5};
        ball.velocity = {0, 0, -40};
        t.bodies.push_back(ball);
    }
    return t;
}

}  // namespace

SceneTable ClassicSceneTable(int index) {
    switch (index) {
    case 1: return pyramid();
    case 2: return tower();
    case 3: return dominoes();
    case 4: return bridge();
    default: return wall();
    }
}
