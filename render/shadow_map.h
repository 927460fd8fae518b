// A depth map of the scene seen from a point light, and what the lighting
// shader needs to read it: a depth texture (GL_ARB_depth_texture) compared
// by the texture unit (GL_ARB_shadow), drawn through a framebuffer object
// where the driver has one, else drawn in the back buffer and copied.
#pragma once

#include "render/vector_math.h"

enum class ShadowPath { none, framebuffer, copy };

// The light's view: from `from` towards `towards`, a square perspective of
// fovDegrees, depths between nearest and farthest.
struct LightView {
    Vertex from, towards;
    float fovDegrees, nearest, farthest;
};

class ShadowMap {
public:
    static constexpr int kLargestSide = 2048;

    // Makes the depth texture, kLargestSide a side or the largest the driver's
    // textures and viewports allow below it, and picks the path: a framebuffer
    // object when the driver has one and `preferred` is framebuffer, else the
    // copy, whose map also fits in the back buffer (viewWidth x viewHeight).
    // Returns none, making nothing, without depth textures or multitexturing.
    ShadowPath create(int viewWidth, int viewHeight, ShadowPath preferred);
    ShadowPath path() const { return chosen; }
    int side() const { return mapSide; }
    // What the driver lacks for a map, while the path is none.
    const char* missing() const { return lacking; }

    // Starts drawing depths as the light sees them (viewport, both matrices,
    // colour writes off, polygon offset); the caller then draws the casters in
    // world space. end() restores what begin() changed; the copy path copies
    // the depths and clears the back buffer's depth again.
    void begin(const LightView& light);
    void end();
    // Binds the map on texture unit `unit` for the lighting shader, which must
    // be in use, and gives it the sampler `ShadowMap`, the texel size
    // `ShadowTexel` and `EyeToMap`: from the eye space of the camera's view
    // (a rotation and a translation, as the model-view holds it now) to the
    // map's coordinates. unbind() frees the unit again.
    void bind(int unit) const;
    void unbind(int unit) const;

private:
    ShadowPath chosen = ShadowPath::none;
    const char* lacking = "";
    int mapSide = 0;
    unsigned texture = 0, framebuffer = 0;
    float worldToMap[16] = {};  // bias x light projection x light view
    int savedViewport[4] = {};
};
