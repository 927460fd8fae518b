// The classic test scenes shown beside the demo's own: a pyramid and a tower
// of boxes (stacking), dominoes (a sequence of contacts), a plank bridge (a
// chain of hinges) and a brick wall hit by balls (impacts). Each is a table of
// bodies and hinges (classic_scene_tables.cpp) that ClassicScene builds into a
// world of its own through the physics layer's calls.
#pragma once

#include "io/recording.h"
#include "physics/newton_primitive.h"

#include <iterator>
#include <memory>
#include <string>
#include <vector>

// The scenes a run can show, in the order F9 steps through them; 0 is the demo's own.
constexpr const char* kSceneNames[] = {"varne", "pyramid", "tower", "dominoes", "bridge", "wall"};
constexpr int kSceneCount = int(std::size(kSceneNames));
static_assert(kSceneCount == kSceneEntries, "a recording holds the number of any scene");
// The scene's number in kSceneNames, or -1 for a name that is none.
int SceneIndex(const std::string& name);

enum class BodyShape { box, ball };

// One body: a box of edges `size` or a ball of radius size.x, turned by `yaw`
// about y after `roll` about z (radians), with mass 0 for a fixed one, and
// the velocity and spin it starts with.
struct SceneBody {
    BodyShape shape;
    Vertex size;
    Vertex position;
    float mass;
    float yaw = 0, roll = 0;
    Vertex velocity{0, 0, 0}, omega{0, 0, 0};
};
// A hinge between bodies[child] and bodies[parent], pivot and pin in world space.
struct SceneHinge {
    int child, parent;
    Vertex pivot, pin;
};
struct SceneTable {
    std::vector<SceneBody> bodies;  // the floor first
    std::vector<SceneHinge> hinges;
    int solverIterations = 10;  // the layer's default
};
// The table of classic scene `index` (1 to kSceneCount - 1).
SceneTable ClassicSceneTable(int index);

// A classic scene built: its own world (the demo's world box, gravity from
// `gravitation`), its bodies in the table's order and its hinges. The bodies
// go before the world.
class ClassicScene {
public:
    explicit ClassicScene(const SceneTable& table);
    ~ClassicScene();
    ClassicScene(const ClassicScene&) = delete;
    ClassicScene& operator=(const ClassicScene&) = delete;

    NewtonWorld* world() const { return world_; }
    const std::vector<std::unique_ptr<NewtonPrimitive>>& bodies() const { return bodies_; }
    const std::vector<NewtonJoint*>& hinges() const { return hinges_; }

private:
    NewtonWorld* world_;
    std::vector<std::unique_ptr<NewtonPrimitive>> bodies_;
    std::vector<NewtonJoint*> hinges_;
};
