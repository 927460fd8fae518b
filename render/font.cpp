#include "render/font.h"

#include <GL/gl.h>

#include <cstdarg>
#include <cstdio>

unsigned int base = 0;

namespace {

constexpr int kGlyphs = 256;
constexpr float kCell = 0.0625f;  // one of 16 cells across and down
constexpr float kAdvance = 10.0f;
constexpr double kScreenWidth = 800, kScreenHeight = 600;  // the virtual screen
// Codes with a glyph: the font's first glyph shows code 32.
constexpr unsigned char kFirstCode = 32;
constexpr unsigned char kLastCode = 127;

// Glyph g's quad with its left edge at x: texture coordinates and corners.
void glyphQuad(int g, float x) {
    const float cx = float(g % 16) / 16.0f;
    const float cy = float(g / 16) / 16.0f;
    glTexCoord2f(cx, 1 - cy - kCell);
    glVertex2f(x, 0);
    glTexCoord2f(cx + kCell, 1 - cy - kCell);
    glVertex2f(x + 16, 0);
    glTexCoord2f(cx + kCell, 1 - cy - 0.001f);
    glVertex2f(x + 16, 16);
    glTexCoord2f(cx, 1 - cy - 0.001f);
    glVertex2f(x, 16);
}

void buildGlyph(int g) {
    glNewList(base + unsigned(g), GL_COMPILE_AND_EXECUTE);
    glBegin(GL_QUADS);
    glyphQuad(g, 0);
    glEnd();
    glTranslated(kAdvance, 0, 0);
    glEndList();
}

bool hasGlyph(unsigned char c) { return c >= kFirstCode && c <= kLastCode; }

// The whole text as one batch of quads, a glyph every kAdvance units; any
// byte without a glyph draws nothing and only moves the pen on. (One batch
// rather than a glyph list per character: a software renderer pays for every
// draw call.)
void drawText(const char* text) {
    glBegin(GL_QUADS);
    float pen = 0;
    for (const auto* p = reinterpret_cast<const unsigned char*>(text); *p; ++p, pen += kAdvance)
        if (hasGlyph(*p)) glyphQuad(*p - kFirstCode, pen);
    glEnd();
}

struct Look {
    float scaleX, scaleY;
    bool shadow;  // a black copy one pixel down and to the right, drawn first
};
constexpr Look kPlain{1.0f, 1.0f, false}, kLarge{1.3f, 1.5f, false}, kShadowed{1.0f, 1.0f, true};

void draw(int r, int g, int b, double x, double y, const Look& look, const char* text) {
    glColor3f(float(r) / 255.0f, float(g) / 255.0f, float(b) / 255.0f);
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, kScreenWidth, 0, kScreenHeight, -100, 100);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glTranslated(x, 530 - y, 0);
    glScalef(look.scaleX, look.scaleY, 1.0f);
    drawText(text);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glEnable(GL_DEPTH_TEST);
}

void print(const Look& look, int r, int g, int b, int x, int y, const char* fmt, va_list args) {
    if (!fmt) return;
    char text[1024];
    std::vsnprintf(text, sizeof text, fmt, args);
    if (look.shadow) {
        GLint viewport[4];
        glGetIntegerv(GL_VIEWPORT, viewport);
        const double pixelX = viewport[2] > 0 ? kScreenWidth / viewport[2] : 1.0;
        const double pixelY = viewport[3] > 0 ? kScreenHeight / viewport[3] : 1.0;
        draw(0, 0, 0, x + pixelX, y + pixelY, look, text);
    }
    draw(r, g, b, x, y, look, text);
}

}  // namespace

void glBuildFont(texture_t font) {
    base = glGenLists(kGlyphs);
    glBindTexture(GL_TEXTURE_2D, font.glTexture);
    for (int g = 0; g < kGlyphs; ++g) buildGlyph(g);
}

void glKillFont() { glDeleteLists(base, kGlyphs); }

void glPrint(int r, int g, int b, int x, int y, const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    print(kPlain, r, g, b, x, y, fmt, args);
    va_end(args);
}

void glPrintSmall(int r, int g, int b, int x, int y, const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    print(kLarge, r, g, b, x, y, fmt, args);
    va_end(args);
}

void glPrintShadowed(int r, int g, int b, int x, int y, const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    print(kShadowed, r, g, b, x, y, fmt, args);
    va_end(args);
}
