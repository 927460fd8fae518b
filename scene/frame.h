// One frame of the demo.
#pragma once

// Draws one frame; always returns 1.
int DrawGLScene();
