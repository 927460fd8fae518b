// Balls the user throws into the scene: at most kMax, the oldest goes first.
#pragma once

#include "physics/newton_sphere.h"

#include <deque>
#include <memory>

class ThrownBalls {
public:
    static constexpr std::size_t kMax = 200;
    static constexpr float kSpeed = 40;     // units per second, along the view
    static constexpr float kRadius = 1.5f;  // units
    static constexpr float kMass = 5;       // kg

    // A new ball starting just ahead of the eye, flying along direction (a unit vector).
    void throwFrom(NewtonWorld* world, Vertex eye, Vertex direction);
    // The body that the next throw removes, or null while there is room.
    const NewtonBody* nextToGo() const;
    void clear() { balls.clear(); }
    void draw() const;
    const std::deque<std::unique_ptr<NewtonSphere>>& all() const { return balls; }

private:
    std::deque<std::unique_ptr<NewtonSphere>> balls;
};
