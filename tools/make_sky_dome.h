// The world around the demo's scene as one function of direction: a blue sky
// with a sun and soft clouds above the horizon; distant mountains, nearer
// hills and hazy farmland below it. Every skybox face is sampled from this
// one function, so neighbouring faces agree wherever they meet.
#pragma once

#include "tools/canvas.h"

// y up; need not be of unit length.
struct Direction {
    float x = 0, y = 0, z = 0;
};

// The colour seen along d (alpha 1). footprint is the angle, in radians, one
// output pixel spans there: detail finer than that is faded to its average,
// so the textures do not alias.
Rgba SkyColour(Direction d, float footprint);
