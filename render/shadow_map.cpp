#include "render/shadow_map.h"

#include "render/gl_entry.h"
#include "render/shader.h"
#include "render/texture.h"

#include <GL/glu.h>

#include <algorithm>
#include <string>

namespace {

// Slope-scaled and constant polygon offset of the casters' depths: enough that
// a lit face never shades itself, small enough that the shadow of a body
// resting on the floor starts at its base.
constexpr float kOffsetFactor = 1.5f, kOffsetUnits = 4.0f;

bool fetchFramebufferEntryPoints() {
    const char* suffix = GLExtensionSupported("GL_ARB_framebuffer_object")   ? ""
                         : GLExtensionSupported("GL_EXT_framebuffer_object") ? "EXT"
                                                                             : nullptr;
    if (!suffix) return false;
    const auto name = [suffix](const char* base) { return std::string(base) + suffix; };
    glext::fetch(glext::glGenFramebuffers, name("glGenFramebuffers").c_str());
    glext::fetch(glext::glBindFramebuffer, name("glBindFramebuffer").c_str());
    glext::fetch(glext::glFramebufferTexture2D, name("glFramebufferTexture2D").c_str());
    glext::fetch(glext::glCheckFramebufferStatus, name("glCheckFramebufferStatus").c_str());
    glext::fetch(glext::glDeleteFramebuffers, name("glDeleteFramebuffers").c_str());
    return true;
}

// The largest power of two at most limit (and at least 1).
int powerOfTwoWithin(int limit) {
    int side = 1;
    while (side * 2 <= limit) side *= 2;
    return side;
}

int largestSide(int viewWidth, int viewHeight, ShadowPath path) {
    GLint textureLimit = 0, viewportLimit[2] = {};
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &textureLimit);
    glGetIntegerv(GL_MAX_VIEWPORT_DIMS, viewportLimit);
    int limit = std::min({ShadowMap::kLargestSide, int(textureLimit), int(viewportLimit[0]),
                          int(viewportLimit[1])});
    if (path == ShadowPath::copy) limit = std::min({limit, viewWidth, viewHeight});
    return powerOfTwoWithin(limit);
}

unsigned makeDepthTexture(int side) {
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT24, side, side, 0, GL_DEPTH_COMPONENT,
                 GL_UNSIGNED_INT, nullptr);
    // Nearest texels: the shader filters four of them itself.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    // Beyond the map nothing is known to cast: the border is as far as depths go.
    const float farthest[4] = {1, 1, 1, 1};
    glTexParameterfv(GL_TEXTURE_2D, GL_TEXTURE_BORDER_COLOR, farthest);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_BORDER);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_BORDER);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_MODE_ARB, GL_COMPARE_R_TO_TEXTURE_ARB);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_FUNC_ARB, GL_LEQUAL);
    glTexParameteri(GL_TEXTURE_2D, GL_DEPTH_TEXTURE_MODE_ARB, GL_LUMINANCE);
    glBindTexture(GL_TEXTURE_2D, 0);
    return texture;
}

// c = a b, column-major 4 x 4.
void multiply(const float* a, const float* b, float* c) {
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 4; ++row) {
            c[column * 4 + row] = 0;
            for (int k = 0; k < 4; ++k) c[column * 4 + row] += a[k * 4 + row] * b[column * 4 + k];
        }
}

// The inverse of a view made of rotations and a translation: the rotation's
// transpose, and the translation turned back by it.
void invertRigid(const float* m, float* inverse) {
    for (int column = 0; column < 3; ++column) {
        for (int row = 0; row < 3; ++row) inverse[column * 4 + row] = m[row * 4 + column];
        inverse[column * 4 + 3] = 0;
    }
    for (int row = 0; row < 3; ++row)
        inverse[12 + row] = -(m[row * 4] * m[12] + m[row * 4 + 1] * m[13] + m[row * 4 + 2] * m[14]);
    inverse[15] = 1;
}

// An up direction for looking along `direction`: the axis least along it.
Vertex upFor(Vertex direction) {
    const float x = direction.x < 0 ? -direction.x : direction.x;
    const float y = direction.y < 0 ? -direction.y : direction.y;
    const float z = direction.z < 0 ? -direction.z : direction.z;
    if (y <= x && y <= z) return newV(0, 1, 0);
    return x <= z ? newV(1, 0, 0) : newV(0, 0, 1);
}

}  // namespace

ShadowPath ShadowMap::create(int viewWidth, int viewHeight, ShadowPath preferred) {
    if (!GLExtensionSupported("GL_ARB_depth_texture") || !GLExtensionSupported("GL_ARB_shadow")) {
        lacking = "no depth textures (GL_ARB_depth_texture, GL_ARB_shadow)";
        return chosen = ShadowPath::none;
    }
    if (!multitex) {
        lacking = "no multitexturing (GL_ARB_multitexture)";
        return chosen = ShadowPath::none;
    }
    chosen = preferred == ShadowPath::framebuffer && fetchFramebufferEntryPoints()
                 ? ShadowPath::framebuffer
                 : ShadowPath::copy;
    mapSide = largestSide(viewWidth, viewHeight, chosen);
    texture = makeDepthTexture(mapSide);
    if (chosen == ShadowPath::copy) return chosen;
    glext::glGenFramebuffers(1, &framebuffer);
    glext::glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glext::glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_TEXTURE_2D, texture, 0);
    glDrawBuffer(GL_NONE);
    glReadBuffer(GL_NONE);
    const bool complete =
        glext::glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    glext::glBindFramebuffer(GL_FRAMEBUFFER, 0);
    if (complete) return chosen;
    glext::glDeleteFramebuffers(1, &framebuffer);
    framebuffer = 0;
    glDeleteTextures(1, &texture);
    return create(viewWidth, viewHeight, ShadowPath::copy);
}

void ShadowMap::begin(const LightView& light) {
    glGetIntegerv(GL_VIEWPORT, savedViewport);
    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_POLYGON_BIT);
    if (chosen == ShadowPath::framebuffer) glext::glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glViewport(0, 0, mapSide, mapSide);
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    glClear(GL_DEPTH_BUFFER_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(kOffsetFactor, kOffsetUnits);

    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluPerspective(light.fovDegrees, 1.0, light.nearest, light.farthest);
    float projection[16], view[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    const Vertex up = upFor(sub(light.towards, light.from));
    gluLookAt(light.from.x, light.from.y, light.from.z, light.towards.x, light.towards.y,
              light.towards.z, up.x, up.y, up.z);
    glGetFloatv(GL_MODELVIEW_MATRIX, view);
    // From clip coordinates (-1 to 1) to the map's (0 to 1), depth alike.
    const float bias[16] = {0.5f, 0, 0, 0, 0, 0.5f, 0, 0, 0, 0, 0.5f, 0, 0.5f, 0.5f, 0.5f, 1};
    float lightMatrix[16];
    multiply(projection, view, lightMatrix);
    multiply(bias, lightMatrix, worldToMap);
}

void ShadowMap::end() {
    if (chosen == ShadowPath::copy) {
        glBindTexture(GL_TEXTURE_2D, texture);
        glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, mapSide, mapSide);
        glBindTexture(GL_TEXTURE_2D, 0);
        glClear(GL_DEPTH_BUFFER_BIT);  // the frame's own depths start afresh
    } else {
        glext::glBindFramebuffer(GL_FRAMEBUFFER, 0);
    }
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glPopAttrib();
    glViewport(savedViewport[0], savedViewport[1], savedViewport[2], savedViewport[3]);
}

void ShadowMap::bind(int unit) const {
    float view[16], eyeToWorld[16], eyeToMap[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, view);
    invertRigid(view, eyeToWorld);
    multiply(worldToMap, eyeToWorld, eyeToMap);
    const unsigned program = BoundShader();
    glext::glUniformMatrix4fvARB(glext::glGetUniformLocationARB(program, "EyeToMap"), 1, GL_FALSE,
                                 eyeToMap);
    glext::glUniform1fARB(glext::glGetUniformLocationARB(program, "ShadowTexel"),
                          1.0f / float(mapSide));
    glPassTexToShader(program, "ShadowMap", unit);
    glext::glActiveTextureARB(GLenum(GL_TEXTURE0_ARB + unit));
    glBindTexture(GL_TEXTURE_2D, texture);
    glext::glActiveTextureARB(GL_TEXTURE0_ARB);
}

void ShadowMap::unbind(int unit) const {
    glext::glActiveTextureARB(GLenum(GL_TEXTURE0_ARB + unit));
    glBindTexture(GL_TEXTURE_2D, 0);
    glext::glActiveTextureARB(GL_TEXTURE0_ARB);
}
