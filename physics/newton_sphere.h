// A sphere body, drawn as a shiny white quadric.
#pragma once

#include "physics/newton_primitive.h"

class NewtonSphere : public NewtonPrimitive {
public:
    NewtonSphere(NewtonWorld* world, Vertex position, float mass, float radius);
    void draw() override;
};
