#include "scene/frame.h"

#include <GL/gl.h>

// For now a frame only clears; input, physics and drawing join it as they land.
int DrawGLScene() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    return 1;
}
