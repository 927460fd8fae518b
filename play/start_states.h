// The scene's bodies as they started, so a reset can put them back.
#pragma once

#include "physics/linked_list.h"
#include "physics/newton_primitive.h"

#include <vector>

class StartStates {
public:
    // Takes every listed body's matrix, velocity and spin as they are now.
    void remember(const LinkedList<NewtonPrimitive*>& bodies);
    // Takes one more body as it is now.
    void add(NewtonBody* body);
    // Puts every remembered body back as it was taken, awake.
    void restore() const;

private:
    struct State {
        NewtonBody* body;
        float matrix[16];
        float velocity[3];
        float omega[3];
    };
    std::vector<State> states;
};
