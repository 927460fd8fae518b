// A sphere body, drawn as a shiny white quadric.
#pragma once

#include "physics/newton_primitive.h"

class NewtonSphere : public NewtonPrimitive {
public:
    // exactInertia takes the mass matrix from the shape (2/5 m r^2), as every
    // body the viewer adds has it; else it is a solid cube's of edge radius
    // (m r^2 / 6), as the scene's own sphere has it.
    NewtonSphere(NewtonWorld* world, Vertex position, float mass, float radius,
                 bool exactInertia = true);
    void draw() override;
};
