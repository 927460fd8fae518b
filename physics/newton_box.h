// A box body, drawn as six lit quads; the floor is one.
#pragma once

#include "physics/newton_primitive.h"

class NewtonBox : public NewtonPrimitive {
public:
    NewtonBox(NewtonWorld* world, Vertex position, float mass, float edge);
    NewtonBox(NewtonWorld* world, Vertex position, float mass, float x, float y, float z);
    void draw() override;
};
