#include "play/start_states.h"

void StartStates::remember(const LinkedList<NewtonPrimitive*>& bodies) {
    states.clear();
    for (const LinkedList<NewtonPrimitive*>* node = &bodies; node; node = node->getNext()) {
        NewtonBody* body = node->getData() ? node->getData()->getBody() : nullptr;
        if (!body) continue;
        State state{body, {}, {}, {}};
        NewtonBodyGetMatrix(body, state.matrix);
        NewtonBodyGetVelocity(body, state.velocity);
        NewtonBodyGetOmega(body, state.omega);
        states.push_back(state);
    }
}

void StartStates::restore() const {
    for (const State& state : states) {
        NewtonBodySetMatrix(state.body, state.matrix);
        NewtonBodySetVelocity(state.body, state.velocity);
        NewtonBodySetOmega(state.body, state.omega);
    }
}
