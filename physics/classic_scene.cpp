#include "physics/classic_scene.h"

#include "physics/newton_box.h"
#include "physics/newton_sphere.h"

#include <cmath>

int SceneIndex(const std::string& name) {
    for (int i = 0; i < kSceneCount; ++i)
        if (name == kSceneNames[i]) return i;
    return -1;
}

namespace {

// Turned by roll about z, then by yaw about y; placed at the position.
Matrix placement(const SceneBody& b) {
    const float cy = std::cos(b.yaw), sy = std::sin(b.yaw);
    const float cr = std::cos(b.roll), sr = std::sin(b.roll);
    // Columns: the body's x, y and z axes in world space.
    return Matrix{{cy * cr, sr, -sy * cr, 0, -cy * sr, cr, sy * sr, 0, sy, 0, cy, 0, b.position.x,
                   b.position.y, b.position.z, 1}};
}

std::unique_ptr<NewtonPrimitive> make(NewtonWorld* world, SceneBody b) {
    std::unique_ptr<NewtonPrimitive> body;
    if (b.shape == BodyShape::ball)
        body = std::make_unique<NewtonSphere>(world, b.position, b.mass, b.size.x, true);
    else
        body = std::make_unique<NewtonBox>(world, b.position, b.mass, b.size.x, b.size.y, b.size.z);
    const Matrix matrix = placement(b);
    NewtonBodySetMatrix(body->getBody(), matrix.m);
    NewtonBodySetVelocity(body->getBody(), getVertex3f(b.velocity));
    NewtonBodySetOmega(body->getBody(), getVertex3f(b.omega));
    return body;
}

}  // namespace

ClassicScene::ClassicScene(const SceneTable& table) : world_(NewtonCreate(nullptr, nullptr)) {
    NewtonSetWorldSize(world_, kWorldMin, kWorldMax);
    NewtonSetSolverIterations(world_, table.solverIterations);
    for (const SceneBody& body : table.bodies) bodies_.push_back(make(world_, body));
    for (SceneHinge h : table.hinges)
        hinges_.push_back(
            NewtonConstraintCreateHinge(world_, getVertex3f(h.pivot), getVertex3f(h.pin),
                                        bodies_[h.child]->getBody(), bodies_[h.parent]->getBody()));
}

ClassicScene::~ClassicScene() {
    bodies_.clear();
    NewtonDestroy(world_);
}
