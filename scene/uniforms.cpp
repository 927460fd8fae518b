#include "scene/uniforms.h"

#include "render/gl_entry.h"
#include "render/shader.h"
#include "scene/setup.h"

namespace {
GLint location(const char* name) { return glext::glGetUniformLocationARB(BoundShader(), name); }
bool programInUse() { return shader_Support && BoundShader() != 0; }
}  // namespace

void setUniform(const char* name, Vertex value) {
    if (programInUse()) glext::glUniform3fARB(location(name), value.x, value.y, value.z);
}

void setUniform(const char* name, float value) {
    if (programInUse()) glext::glUniform1fARB(location(name), value);
}

void setUniform(const char* name, int value) {
    if (programInUse()) glext::glUniform1iARB(location(name), value);
}

void setViewMatrixUniform() {
    if (!programInUse()) return;
    GLfloat view[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, view);
    glext::glUniformMatrix4fvARB(location("ViewMatrix"), 1, GL_FALSE, view);
}
