// Bodies the panel drops into the scene: boxes, spheres, cylinders and gems,
// gone again with a reset or "clear spawned".
#pragma once

#include "physics/newton_primitive.h"

#include <memory>
#include <vector>

enum class SpawnKind : int { box, sphere, cylinder, gem };

class SpawnedBodies {
public:
    static constexpr int kMaxCount = 100;   // bodies one spawn drops
    static constexpr float kDistance = 10;  // units in front of the eye
    static constexpr float kSpacing = 6;    // units between bodies dropped together, upwards

    // Where body number index of a spawn goes: kDistance along the view from
    // the eye (direction a unit vector), the next ones stacked above it.
    static Vertex placeOf(Vertex eye, Vertex direction, int index);
    // Takes a body made at placeOf(...).
    void add(std::unique_ptr<NewtonPrimitive> body) { bodies.push_back(std::move(body)); }
    void clear() { bodies.clear(); }
    const std::vector<std::unique_ptr<NewtonPrimitive>>& all() const { return bodies; }

private:
    std::vector<std::unique_ptr<NewtonPrimitive>> bodies;
};
