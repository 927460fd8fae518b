// A cylinder body with its axis along x, drawn as the model its description
// file names (a unit cylinder along x) scaled over it.
#pragma once

#include "physics/newton_primitive.h"
#include "render/md2.h"

class NewtonCylinder : public NewtonPrimitive {
public:
    // Without a description file (null) the cylinder is simulated as usual but not drawn.
    NewtonCylinder(NewtonWorld* world, const char* descFile, Vertex position, float mass,
                   float radius, float height);
    void draw() override;

    CMD2Model model;
};
