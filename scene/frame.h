// One frame of the demo: frame rate, physics step, input, camera, the bodies
// through the lighting shader, the light marker, the skybox and the overlay.
#pragma once

#include "io/recording.h"
#include "platform/window.h"
#include "render/vector_math.h"

// The main window's input, written by its window procedure (app/main.cpp).
extern bool keys[256];  // key held, by virtual-key code
extern bool active;     // false while the scene window is minimised

extern int fps;           // frame rate of the last frame, truncated
extern float fpsq;        // movement factor, 40 / fps: 1.0 at 40 frames per second
extern plat::Point mpos;  // where the mouse pointer was found this frame

// Draws one frame; always returns 1.
int DrawGLScene();
// The three overlay lines: frame rate, camera position, heading.
struct OverlayText {
    char lines[3][128];
};
OverlayText FormatOverlay();
// Mouse look, walking, light keys and the pushed box; once per frame.
void getKeys(const FrameInput& input);
// While the scene window has the focus and is not minimised, pins the pointer
// to the window's centre and gives in input how far it moved from there since
// the previous frame, with pointerHeld false when the pointer was not pinned.
void ReadPointer(FrameInput& input);
// Turns the camera by the input's pointer move: 0.1 degree a pixel.
void mouseLook(const FrameInput& input);
