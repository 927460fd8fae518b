// FreeType wrapper for the asset tools.
#include "tools/font_face.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <stdexcept>

// Releasing the library releases its faces too.
struct FontFace::Handles {
    ~Handles() {
        if (library) FT_Done_FreeType(library);
    }
    FT_Library library = nullptr;
    FT_Face face = nullptr;
};

namespace {

[[noreturn]] void fail(const std::string& what) { throw std::runtime_error(what); }

// Unpacks a FreeType bitmap (1 bit or 8 bits per pixel) into 0-255 coverage.
std::vector<std::uint8_t> unpack(const FT_Bitmap& bitmap) {
    std::vector<std::uint8_t> out;
    out.reserve(static_cast<std::size_t>(bitmap.width) * bitmap.rows);
    for (unsigned y = 0; y < bitmap.rows; ++y) {
        const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
        for (unsigned x = 0; x < bitmap.width; ++x) {
            if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO)
                out.push_back((row[x / 8] & (0x80 >> (x % 8))) ? 255 : 0);
            else out.push_back(row[x]);
        }
    }
    return out;
}

}  // namespace

FontFace::FontFace(const std::string& path, int pixelWidth, int pixelHeight)
    : handles(std::make_unique<Handles>()) {
    if (FT_Init_FreeType(&handles->library) != 0) fail("cannot start FreeType");
    if (FT_New_Face(handles->library, path.c_str(), 0, &handles->face) != 0 ||
        FT_Set_Pixel_Sizes(handles->face, pixelWidth, pixelHeight) != 0)
        fail("cannot open font " + path + " at " + std::to_string(pixelWidth) + "x" +
             std::to_string(pixelHeight) + " pixels");
}

FontFace::~FontFace() = default;

GlyphBitmap FontFace::Render(char32_t code, bool crisp) const {
    FT_Face face = handles->face;
    const FT_Int32 flags = FT_LOAD_RENDER | (crisp ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_NORMAL);
    if (FT_Load_Char(face, code, flags) != 0)
        fail("cannot render character " + std::to_string(static_cast<unsigned>(code)));
    const FT_GlyphSlot slot = face->glyph;
    if (slot->bitmap.pitch < 0) fail("upward bitmap from FreeType");

    GlyphBitmap glyph;
    glyph.width = static_cast<int>(slot->bitmap.width);
    glyph.rows = static_cast<int>(slot->bitmap.rows);
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    glyph.coverage = unpack(slot->bitmap);
    return glyph;
}

int FontFace::Kerning(char32_t left, char32_t right) const {
    FT_Face face = handles->face;
    FT_Vector delta{};
    if (FT_Get_Kerning(face, FT_Get_Char_Index(face, left), FT_Get_Char_Index(face, right),
                       FT_KERNING_DEFAULT, &delta) != 0)
        return 0;
    return static_cast<int>((delta.x + 32) >> 6);
}
