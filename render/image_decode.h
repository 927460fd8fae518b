// Image decoders over bytes in memory, so tests can feed byte arrays. The BMP
// file loaders of render/texture.h read the whole file and decode its bytes
// here; the TGA one reads a plain image's pixels into the image itself, with the same
// checks and log lines as DecodeTGA. Every read stays inside the given length.
// Pixel buffers come from malloc and are owned by the caller.
#pragma once

#include "render/texture.h"

#include <cstddef>

// A BMP (see render/bmp.cpp for the kinds read) as tightly packed R, G, B
// rows, bottom row first whichever way the file stores them (any row fill
// bytes dropped); fills info from the file, with the height as a row count
// (positive). Null when the bytes do not begin with "BM" (nothing logged) or
// when the headers do not describe pixel data that lies inside the bytes or
// can be read (one line logged, naming fileName and the bad value).
unsigned char* DecodeBitmap(const unsigned char* data, std::size_t size, const char* fileName,
                            BitmapInfoHeader* info);
// As DecodeBitmap, but R, G, B, A with the colour key: alpha 0 for pure black
// (0, 0, 0), and for every other colour the file's alpha, or 255 where it has none.
unsigned char* DecodeKeyedBitmap(const unsigned char* data, std::size_t size, const char* fileName,
                                 BitmapInfoHeader* info);

// A TGA (see render/tga.cpp for the kinds read) as R, G, B rows, with A when
// the file has alpha (bpp 24 or 32), bottom row first whatever the origin bit
// says; sourceKind 1. On failure logs "Couldn't load texture2" (header),
// "Couldn't load texture3" (size or depth) or "Couldn't load texture4" (pixel
// data short or no memory) and returns a record with null pixels and zero size.
texture_t DecodeTGA(const unsigned char* data, std::size_t size);
