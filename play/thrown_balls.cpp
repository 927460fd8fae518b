#include "play/thrown_balls.h"

void ThrownBalls::throwFrom(NewtonWorld* world, Vertex eye, Vertex direction) {
    if (balls.size() >= kMax) balls.pop_front();
    const Vertex start = add(eye, multScalar(direction, 2 * kRadius));
    balls.push_back(std::make_unique<NewtonSphere>(world, start, kMass, kRadius));
    Vertex velocity = multScalar(direction, kSpeed);
    NewtonBodySetVelocity(balls.back()->getBody(), getVertex3f(velocity));
}

const NewtonBody* ThrownBalls::nextToGo() const {
    return balls.size() >= kMax ? balls.front()->getBody() : nullptr;
}

void ThrownBalls::draw() const {
    for (const auto& ball : balls) ball->draw();
}
