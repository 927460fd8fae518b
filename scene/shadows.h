// Shadows from the movable light (F10, the panel, --shadows): off at the
// start. The first time they are asked for, the depth map and the shadowed
// lighting shader are made, or the reason they cannot be is logged once and
// shown on the overlay for as long as they stay asked for.
#pragma once

// Off again, for a scene set up in a new GL context: the map and the shader
// of the last one went with it and are made again when next asked for.
void ForgetShadows();
// Asks for shadows on or off.
void SetShadows(bool on);
void ToggleShadows();
// Whether shadows are asked for (what the panel's checkbox shows).
bool ShadowsAsked();
// Whether the frame draws them: asked for, and possible on this driver.
bool ShadowsOn();
// Draws the light's depth map, drawCasters drawing every body that casts.
void DrawShadowDepth(void (*drawCasters)());
// Puts the shadowed lighting in use with the depth map bound, for the bodies;
// EndShadowedLighting frees the map's texture unit again.
void BeginShadowedLighting();
void EndShadowedLighting();
// The overlay's line while shadows are asked for but impossible.
void DrawShadowsNote();
