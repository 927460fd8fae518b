// One frame of the demo: frame rate, physics step, input, camera, the bodies
// through the lighting shader, the light marker, the skybox and the overlay.
#pragma once

#include "io/recording.h"
#include "render/vector_math.h"
#include "scene/frame_input.h"

extern int fps;     // frame rate of the last frame, truncated
extern float fpsq;  // movement factor, 40 / fps: 1.0 at 40 frames per second

// Runs one frame, its input taken from script (a replay or a recording) or,
// when null, live, and draws it unless the window is minimised; always returns 1.
int DrawGLScene(FrameScript* script);
// The three overlay lines: frame rate, camera position, heading.
struct OverlayText {
    char lines[3][128];
};
OverlayText FormatOverlay();
// Mouse look, walking, light keys and the pushed box; once per frame.
void getKeys(const FrameInput& input);
// Turns the camera by the input's pointer move: 0.1 degree a pixel.
void mouseLook(const FrameInput& input);
