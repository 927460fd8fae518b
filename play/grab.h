// Dragging a body with the mouse: the body under the screen centre hangs on a
// spring of the physics engine whose end follows the view at the distance
// where the body was taken.
#pragma once

#include "platform/newton.h"
#include "render/vector_math.h"

class Grab {
public:
    static constexpr float kReach = 1000;  // units along the view a body can be taken from

    // Takes the first body the view from eye along direction (a unit vector)
    // meets, if it can move; true when one is held.
    bool take(NewtonWorld* world, Vertex eye, Vertex direction);
    // Moves the spring's end to the grab distance along the view.
    void follow(Vertex eye, Vertex direction) const;
    void release();
    bool holding() const { return joint != nullptr; }
    bool holds(const NewtonBody* candidate) const { return joint && body == candidate; }

private:
    NewtonWorld* world = nullptr;
    NewtonJoint* joint = nullptr;
    const NewtonBody* body = nullptr;
    float distance = 0;
};
