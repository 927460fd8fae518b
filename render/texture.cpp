// Textures on the OpenGL side: multitexture detection, the upload with a full
// mipmap chain, and the bind, coordinate and unbind calls every textured
// drawing goes through. Without GL_ARB_multitexture only unit 0 exists.
#include "render/texture.h"

#include "platform/log.h"
#include "render/gl_entry.h"

#include <GL/glu.h>

#include <cstring>

bool multitex = false;
int maxTextureUnits = 0;

namespace {

constexpr int kUnits = 4;  // the units the drawing calls address: 0 to 3

bool isUnit(int unit) { return unit >= 0 && unit < kUnits; }

enum class ImageKind { Bitmap, Targa, Other };

// By the text after the last dot, case-sensitively: bmp/BMP or tga/TGA.
ImageKind kindOf(const char* fileName) {
    const char* dot = std::strrchr(fileName, '.');
    if (!dot) return ImageKind::Other;
    const char* ext = dot + 1;
    if (!std::strcmp(ext, "bmp") || !std::strcmp(ext, "BMP")) return ImageKind::Bitmap;
    if (!std::strcmp(ext, "tga") || !std::strcmp(ext, "TGA")) return ImageKind::Targa;
    return ImageKind::Other;
}

// Creates the texture object, leaves it bound and builds its mipmaps.
void upload(texture_t* texture, bool smooth) {
    glGenTextures(1, &texture->glTexture);
    glBindTexture(GL_TEXTURE_2D, texture->glTexture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
                    smooth ? GL_LINEAR_MIPMAP_LINEAR : GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, smooth ? GL_LINEAR : GL_NEAREST);
    const GLenum format = texture->bpp == 32 ? GL_RGBA : GL_RGB;
    // Rows are tightly packed; a 24-bit row need not be a multiple of 4 bytes.
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gluBuild2DMipmaps(GL_TEXTURE_2D, GLint(format), GLint(texture->width), GLint(texture->height),
                      format, GL_UNSIGNED_BYTE, texture->pixels);
    glPopClientAttrib();
}

}  // namespace

void MultiTexturing() {
    multitex = GLExtensionSupported("GL_ARB_multitexture");
    if (!multitex) {
        log_txt("No multitexturing support!");
        return;
    }
    log_txt("Multitexturing supported!");
    glGetIntegerv(GL_MAX_TEXTURE_UNITS_ARB, &maxTextureUnits);
    log_txt("%i Texture Units", maxTextureUnits);
    glext::fetch(glext::glMultiTexCoord2fARB, "glMultiTexCoord2fARB");
    glext::fetch(glext::glActiveTextureARB, "glActiveTextureARB");
    glext::fetch(glext::glClientActiveTextureARB, "glClientActiveTextureARB");
}

texture_t LoadTexture(const char* fileName, bool smooth) {
    log_txt("loading texture: %s", fileName);
    texture_t texture;
    switch (kindOf(fileName)) {
    case ImageKind::Bitmap:
        texture = LoadBMPTexture(fileName);
        texture.sourceKind = 0;
        texture.bpp = 32;
        break;
    case ImageKind::Targa:
        texture = LoadTGATexture(fileName);
        texture.sourceKind = 1;
        break;
    case ImageKind::Other:
        log_txt("could not load texture %s: not a .bmp, .BMP, .tga or .TGA name", fileName);
        return texture;
    }
    if (!texture.pixels) {
        // Nothing is uploaded: glTexture stays 0, which binds as no texture.
        log_txt("could not load texture %s", fileName);
        return texture;
    }
    log_txt("generating texture");
    upload(&texture, smooth);
    log_txt("Texture information:\n\tbpp: %i\n\twidth: %i\n\theight: %i\n", int(texture.bpp),
            int(texture.width), int(texture.height));
    log_txt("finished loading texture\n");
    return texture;
}

void glBindTex(texture_t texture, int unit) {
    if (texture.sourceKind == 0) {  // colour key: black texels are see-through
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glEnable(GL_ALPHA_TEST);
        glAlphaFunc(GL_GREATER, 0.0f);
    }
    if (multitex) {
        if (isUnit(unit)) glext::glActiveTextureARB(GLenum(GL_TEXTURE0_ARB + unit));
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, texture.glTexture);
    } else if (unit == 0) {
        // The single-texture path leaves enabling GL_TEXTURE_2D to the caller.
        glBindTexture(GL_TEXTURE_2D, texture.glTexture);
    }
}

void glTexCoordARB(float s, float t, int unit) {
    if (multitex) {
        if (isUnit(unit)) glext::glMultiTexCoord2fARB(GLenum(GL_TEXTURE0_ARB + unit), s, t);
    } else if (unit == 0) {
        glTexCoord2f(s, t);
    }
}

void glUnbindAll() {
    glDisable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);
    if (!multitex) return;
    for (int unit = 0; unit < kUnits; ++unit) {
        glext::glActiveTextureARB(GLenum(GL_TEXTURE0_ARB + unit));
        glDisable(GL_TEXTURE_2D);
    }
}
