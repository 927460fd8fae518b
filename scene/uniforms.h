// Uniforms of the lighting shader, set by name on the program in use (shd).
// Without shader support these do nothing; with no program loaded (shd 0)
// they have no effect.
#pragma once

#include "render/vector_math.h"

void setUniform(const char* name, Vertex value);
void setUniform(const char* name, float value);
void setUniform(const char* name, int value);
// The view transform (world to eye) the shader needs to light in world space.
void setViewMatrixUniform();
