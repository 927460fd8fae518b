// What every GL window of the program does the same way: the pixel format it
// asks for, attaching a current GL context, the perspective projection, and
// releasing context, device context and window with their error messages.
#pragma once

#include "platform/window.h"

// Double-buffered RGBA with the given colour bits, 24 depth and 16 stencil bits.
plat::PixelFormatDescriptor WindowPixelFormat(int bits);

// Takes the window's device context, sets the format (when 0, the closest to
// pfd) and makes a new context current. Returns the failure message, or null.
const char* AttachGLContext(plat::Window* window, int format,
                            const plat::PixelFormatDescriptor& pfd, plat::DeviceContext*& dc,
                            plat::GLContext*& rc);

// Releases what is set, each once, reporting failures in a box; clears all three.
void ReleaseGLWindow(plat::Window*& window, plat::DeviceContext*& dc, plat::GLContext*& rc);

// Viewport and a 45-degree perspective; a height of 0 is taken as 1.
void SetPerspective(int width, int height);
