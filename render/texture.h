// Textures: BMP and TGA images loaded into OpenGL textures, and the calls
// through which everything textured is drawn on texture units 0 to 3.
//
// A BMP-sourced texture carries a colour key: pure black becomes fully
// transparent, and binding it turns blending and alpha testing on.
#pragma once

#include <cstddef>
#include <cstdint>

// One loaded image. Copies share the pixel buffer, which is never released.
// A failed load gives pixels null and glTexture 0: safe to bind and draw.
struct texture_t {
    int sourceKind = 0;  // 0: BMP with colour key, 1: TGA
    char name[52] = {};  // free for the caller (the skybox keeps file names here)
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint32_t bpp = 0;  // bits per pixel of pixels: 32 for BMP, 24 or 32 for TGA
    std::uint32_t glTexture = 0;
    unsigned char* pixels = nullptr;  // width * height * bpp / 8 bytes, bottom row first
};

// The 40-byte information header that follows a BMP's 14-byte file header.
struct BitmapInfoHeader {
    std::uint32_t biSize;
    std::int32_t biWidth;
    std::int32_t biHeight;
    std::uint16_t biPlanes;
    std::uint16_t biBitCount;
    std::uint32_t biCompression;
    std::uint32_t biSizeImage;
    std::int32_t biXPelsPerMeter;
    std::int32_t biYPelsPerMeter;
    std::uint32_t biClrUsed;
    std::uint32_t biClrImportant;
};

extern bool multitex;        // GL_ARB_multitexture is there; set by MultiTexturing
extern int maxTextureUnits;  // logged only

// Detects multitexturing and fetches its entry points; needs a current context.
void MultiTexturing();
// Loads a .bmp/.BMP or .tga/.TGA file into a mipmapped texture; smooth picks
// mipmapped linear filtering, else nearest. Leaves the new texture bound.
texture_t LoadTexture(const char* fileName, bool smooth);
texture_t LoadBMPTexture(const char* fileName);
texture_t LoadTGATexture(const char* fileName);
// RGBA bytes with the colour key applied (caller frees with free()), or null.
unsigned char* LoadBitmapFile(const char* fileName, BitmapInfoHeader* info);
// RGB bytes of a BMP (caller frees with free()), or null.
unsigned char* LoadOnlyBitmapFile(const char* fileName, BitmapInfoHeader* info);

void glBindTex(texture_t texture, int unit);
void glTexCoordARB(float s, float t, int unit);
// Blending, alpha test and texturing off; with multitexturing unit 3 stays active.
void glUnbindAll();
