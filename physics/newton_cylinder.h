// A cylinder body with its axis along x, drawn as the model its description
// file names (a unit cylinder along x) scaled over it.
#pragma once

#include "physics/newton_primitive.h"
#include "render/md2.h"

class NewtonCylinder : public NewtonPrimitive {
public:
    // Without a description file (null) the cylinder is simulated as usual but not drawn.
    // exactInertia takes the mass matrix from the shape, as every body the
    // viewer adds has it; else it is a solid box's of edges radius, height and
    // 1, as the scene's own cylinder always had it.
    NewtonCylinder(NewtonWorld* world, const char* descFile, Vertex position, float mass,
                   float radius, float height, bool exactInertia = true);
    void draw() override;

    CMD2Model model;
};
