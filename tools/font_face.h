// A FreeType face opened at one pixel size, rendering single characters to
// coverage bitmaps the asset tools paint into their images.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// One rendered character. Coverage runs 0 (none) to 255 (full), top row first.
struct GlyphBitmap {
    int width = 0;
    int rows = 0;
    int left = 0;     // pixels from the pen position to the first column
    int top = 0;      // pixels from the baseline up to the first row
    int advance = 0;  // pixels the pen moves on, rounded
    std::vector<std::uint8_t> coverage;

    std::uint8_t at(int x, int y) const { return coverage[y * width + x]; }
};

class FontFace {
public:
    // Opens the font file at an em of pixelWidth by pixelHeight pixels; a
    // pixelWidth other than pixelHeight stretches the glyphs. Throws
    // std::runtime_error naming the file when FreeType cannot open it.
    FontFace(const std::string& path, int pixelWidth, int pixelHeight);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    // Hinted rendering; crisp gives coverage 0 or 255 only (FreeType's
    // monochrome mode), else anti-aliased grey levels. Throws
    // std::runtime_error when the character cannot be rendered.
    GlyphBitmap Render(char32_t code, bool crisp) const;
    // Pixels to add to the advance between the two characters (negative
    // pulls them together); 0 for fonts without kerning.
    int Kerning(char32_t left, char32_t right) const;

private:
    struct Handles;
    std::unique_ptr<Handles> handles;
};
