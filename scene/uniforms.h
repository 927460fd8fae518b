// Uniforms of the lighting shader, set by name on the program in use
// (BoundShader: shd, or the shadowed lighting while shadows are on). Without
// shader support or with no program in use (the light's depth pass) they do
// nothing.
#pragma once

#include "render/vector_math.h"

void setUniform(const char* name, Vertex value);
void setUniform(const char* name, float value);
void setUniform(const char* name, int value);
// The view transform (world to eye) the shader needs to light in world space.
void setViewMatrixUniform();
