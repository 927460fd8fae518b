// A cylinder body with its axis along x, drawn as the model named by the
// CYLINDER_MODEL setting (a unit cylinder along x) scaled over it.
#pragma once

#include "physics/newton_primitive.h"

class NewtonCylinder : public NewtonPrimitive {
public:
    NewtonCylinder(NewtonWorld* world, Vertex position, float mass, float radius, float height);
    void draw() override;
};
