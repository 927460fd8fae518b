// make_font: renders the bitmap font texture, a 256 x 256 24-bit BMP holding
// a 16 x 16 grid of 16-pixel cells, white glyphs on pure black (black is the
// demo's transparent colour key).
//
// Cell g (column g % 16, row g / 16, row 0 at the top of the image) shows the
// character with code g + 32; codes 32 to 126 are drawn, the rest stay black.
// The demo draws each cell as a 16 x 16 square and moves the pen 10 units on,
// so the glyph's 10-pixel advance box is centred in its cell and neighbours
// read as evenly spaced monospace text. The top row of every cell is left
// black, since the demo cuts a sliver off the top of each cell.
//
// Usage: make_font <output.bmp> [font.ttf]
#include "tools/font_face.h"
#include "tools/image_write.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>

namespace {

constexpr const char* kDefaultFont = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf";
constexpr int kGrid = 16;       // cells per row and per column
constexpr int kCell = 16;       // pixels per cell side
constexpr int kFirstCode = 32;  // character of cell 0
constexpr int kLastCode = 126;  // last character drawn
constexpr int kAdvance = 10;    // units the demo moves the pen on per glyph
constexpr int kEmWidth = 16;    // pixels; gives the face an advance of kAdvance
constexpr int kEmHeight = 15;   // pixels; the tallest glyphs just fit below the top row
constexpr int kPenX = (kCell - kAdvance) / 2;  // pen position in the cell
constexpr int kBaseline = 13;                  // cell row just below the baseline
constexpr int kFirstInkRow = 1;                // row 0 stays black

// Copies the glyph into cell (column, row), moved back inside the cell where
// its ink would leave it (the bar and the underscore reach one row too low).
void drawGlyph(Image& image, const GlyphBitmap& glyph, int column, int row) {
    const int left = std::clamp(kPenX + glyph.left, 0, kCell - glyph.width);
    const int top = std::clamp(kBaseline - glyph.top, kFirstInkRow, kCell - glyph.rows);
    for (int y = 0; y < glyph.rows; ++y) {
        for (int x = 0; x < glyph.width; ++x) {
            std::uint8_t* p = image.at(column * kCell + left + x, row * kCell + top + y);
            std::fill(p, p + 3, glyph.at(x, y));
        }
    }
}

// Glyphs are rendered crisp (white or black only): the colour key makes every
// grey opaque, and grey edges would show as a dark fringe on a light scene.
// The bold face keeps two-pixel stems, which survive the launcher drawing the
// cells slightly smaller than 16 pixels with nearest filtering.
Image renderFont(const char* fontPath) {
    const FontFace face(fontPath, kEmWidth, kEmHeight);
    Image image(kGrid * kCell, kGrid * kCell, 3);
    for (int code = kFirstCode; code <= kLastCode; ++code) {
        const GlyphBitmap glyph = face.Render(code, true);
        if (glyph.width > kCell || glyph.rows > kCell - kFirstInkRow)
            throw std::runtime_error("glyph " + std::to_string(code) + " larger than its cell");
        const int cell = code - kFirstCode;
        drawGlyph(image, glyph, cell % kGrid, cell / kGrid);
    }
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: make_font <output.bmp> [font.ttf]\n");
        return 2;
    }
    try {
        const Image image = renderFont(argc == 3 ? argv[2] : kDefaultFont);
        return WriteFile(argv[1], EncodeBmp(image)) ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_font: %s\n", error.what());
        return 1;
    }
}
