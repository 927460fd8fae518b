// A sphere body, drawn as a shiny white quadric.
#pragma once

#include "physics/newton_primitive.h"

class NewtonSphere : public NewtonPrimitive {
public:
    // exactInertia takes the mass matrix from the shape; else it is a solid cube's
    // of edge radius, as the scene's own sphere and the thrown balls have it.
    NewtonSphere(NewtonWorld* world, Vertex position, float mass, float radius,
                 bool exactInertia = false);
    void draw() override;
};
