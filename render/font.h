// The bitmap font: 256 glyph display lists built from a 16 x 16 glyph
// texture, and text printed over the view in a fixed 800 x 600 virtual screen.
#pragma once

#include "render/texture.h"

extern unsigned int base;  // first of the 256 glyph lists of the current build

// Builds the glyph lists in the current context. Compiled in compile-and-
// execute mode, so it draws every glyph once and leaves the current matrix
// moved 2560 units along x.
void glBuildFont(texture_t font);
void glKillFont();
// Draws formatted text in colour (r, g, b) (0-255) at x, with y counted down
// from the top; the glyph bottoms lie at 530 - y. The caller binds the font
// texture. Leaves texturing and depth testing on and the text colour current.
void glPrint(int r, int g, int b, int x, int y, const char* fmt, ...)
    __attribute__((format(printf, 6, 7)));
// As glPrint, over a black copy one pixel down and to the right, so that the
// text reads on bright backgrounds too.
void glPrintShadowed(int r, int g, int b, int x, int y, const char* fmt, ...)
    __attribute__((format(printf, 6, 7)));
// As glPrint with glyphs scaled by 1.3 across and 1.5 up (20.8 x 24 units).
void glPrintSmall(int r, int g, int b, int x, int y, const char* fmt, ...)
    __attribute__((format(printf, 6, 7)));
