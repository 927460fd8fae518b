#include "play/start_states.h"

void StartStates::remember(const LinkedList<NewtonPrimitive*>& bodies) {
    states.clear();
    for (const LinkedList<NewtonPrimitive*>* node = &bodies; node; node = node->getNext())
        if (node->getData() && node->getData()->getBody()) add(node->getData()->getBody());
}

void StartStates::add(NewtonBody* body) {
    State state{body, {}, {}, {}};
    NewtonBodyGetMatrix(body, state.matrix);
    NewtonBodyGetVelocity(body, state.velocity);
    NewtonBodyGetOmega(body, state.omega);
    states.push_back(state);
}

void StartStates::restore() const {
    for (const State& state : states) {
        NewtonBodySetMatrix(state.body, state.matrix);
        NewtonBodySetVelocity(state.body, state.velocity);
        NewtonBodySetOmega(state.body, state.omega);
    }
}
